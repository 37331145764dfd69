#include "StoredValue.h"

#include "ShortDate.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>
#include <sqlite3.h>

namespace StoredValue {

StoredMoney money(const QVariant& value) {
    if (value.isNull() || !value.isValid())
        return {};
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
        return StoredMoney::of(Money::fromRaw(value.toLongLong()));
    case QMetaType::ULongLong:
        if (value.toULongLong() > quint64(std::numeric_limits<qint64>::max()))
            return StoredMoney::unreadable();
        return StoredMoney::of(Money::fromRaw(value.toLongLong()));
    default:
        return StoredMoney::unreadable();
    }
}

StoredMoney money(sqlite3_stmt* q, int column) {
    switch (sqlite3_column_type(q, column)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return StoredMoney::of(Money::fromRaw(sqlite3_column_int64(q, column)));
    default:
        return StoredMoney::unreadable();
    }
}

QDate date(const QVariant& value, bool* unreadable) {
    const bool empty = value.isNull() || !value.isValid();
    const QDate d = empty || value.typeId() != QMetaType::QString
                        ? QDate()
                        : ShortDate::fromIso(value.toString());
    if (unreadable)
        *unreadable = !empty && !d.isValid();
    return d;
}

QDate date(sqlite3_stmt* q, int column) {
    // Read by hand, as ShortDate::fromIso reads it: no text conversion for ten thousand rows.
    if (sqlite3_column_type(q, column) != SQLITE_TEXT || sqlite3_column_bytes(q, column) != 10)
        return QDate();
    const unsigned char* t = sqlite3_column_text(q, column);
    int value[3] = {0, 0, 0};
    int part = 0;
    for (int i = 0; i < 10; ++i) {
        if (i == 4 || i == 7) {
            if (t[i] != '-')
                return QDate();
            ++part;
        } else if (t[i] >= '0' && t[i] <= '9') {
            value[part] = value[part] * 10 + (t[i] - '0');
        } else {
            return QDate();
        }
    }
    return QDate(value[0], value[1], value[2]);
}

std::optional<double> number(const QVariant& value, bool* unreadable) {
    const bool empty = value.isNull() || !value.isValid();
    std::optional<double> n;
    switch (empty ? QMetaType::UnknownType : value.typeId()) {
    case QMetaType::Double:
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        if (std::isfinite(value.toDouble()))
            n = value.toDouble();
        break;
    default:
        break;
    }
    if (unreadable)
        *unreadable = !empty && !n;
    return n;
}

std::optional<Rate> rate(sqlite3_stmt* q, int column) {
    const std::optional<double> n = number(q, column);
    return n ? Rate::fromReal(*n) : std::nullopt;
}

std::optional<Rate> rate(const QVariant& value, bool* unreadable) {
    bool notNumber = false;
    const std::optional<double> n = number(value, &notNumber);
    const std::optional<Rate> r = n ? Rate::fromReal(*n) : std::nullopt;
    if (unreadable)
        *unreadable = notNumber || (n && !r);
    return r;
}

std::optional<double> number(sqlite3_stmt* q, int column) {
    const int type = sqlite3_column_type(q, column);
    if (type != SQLITE_FLOAT && type != SQLITE_INTEGER)
        return std::nullopt;
    const double n = sqlite3_column_double(q, column);
    return std::isfinite(n) ? std::optional<double>(n) : std::nullopt;
}

QString moneyText(Money m) {
    const qint64 raw = m.raw();
    const quint64 size = raw < 0 ? quint64(0) - quint64(raw) : quint64(raw);
    QString text =
        (raw < 0 ? QStringLiteral("-") : QString()) + QString::number(size / Money::Scale);
    if (const quint64 part = size % Money::Scale; part != 0) {
        text += QLatin1Char('.') +
                QStringLiteral("%1").arg(part, Money::MaxDecimals, 10, QLatin1Char('0'));
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
    }
    return text;
}

std::optional<Money> moneyFromText(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(-?)(\\d{1,15})(?:[.,](\\d{1,4}))?$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const qint64 whole = m.captured(2).toLongLong();
    const qint64 part =
        m.captured(3).leftJustified(Money::MaxDecimals, QLatin1Char('0')).toLongLong();
    const qint64 raw = whole * Money::Scale + part;
    return Money::fromRaw(m.captured(1).isEmpty() ? raw : -raw);
}

} // namespace StoredValue
