#include "FieldFormat.h"

#include "Money.h"
#include "ShortDate.h"

#include <QLocale>

namespace {

// A number pattern split into the literal text around it and what the digits look like.
struct NumberPattern {
    QString prefix;
    QString suffix;
    int decimals = 0;
    bool grouped = false;
    bool valid = false;
};

NumberPattern numberPattern(const QString& format) {
    NumberPattern p;
    bool inDigits = false;
    bool afterPoint = false;
    bool seenDigits = false;
    for (int i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        QString literal;
        if (c == '"') {
            const int end = format.indexOf('"', i + 1);
            literal = format.mid(i + 1, (end < 0 ? format.size() : end) - i - 1);
            i = end < 0 ? format.size() : end;
        } else if (c == '\\' && i + 1 < format.size()) {
            literal = format[++i];
        } else if (c == '#' || c == '0' || (inDigits && (c == ',' || c == '.'))) {
            inDigits = true;
            seenDigits = true;
            if (c == '.')
                afterPoint = true;
            else if (c == ',' && !afterPoint)
                p.grouped = true;
            else if (afterPoint && (c == '#' || c == '0'))
                ++p.decimals;
            continue;
        } else {
            literal = c;
        }
        inDigits = false;
        (seenDigits ? p.suffix : p.prefix) += literal;
    }
    p.valid = seenDigits;
    return p;
}

QString stripLiterals(QString text, const NumberPattern& p) {
    text = text.trimmed();
    // The literal may follow a leading sign ("-$1,234.00").
    const bool negative = text.startsWith('-');
    if (negative)
        text = text.mid(1).trimmed();
    if (!p.prefix.isEmpty() && text.startsWith(p.prefix))
        text = text.mid(p.prefix.size());
    if (!p.suffix.isEmpty() && text.endsWith(p.suffix))
        text.chop(p.suffix.size());
    return (negative ? QStringLiteral("-") : QString()) + text.trimmed();
}

QString withLiterals(const QString& number, const NumberPattern& p) {
    if (number.startsWith('-'))
        return '-' + p.prefix + number.mid(1) + p.suffix;
    return p.prefix + number + p.suffix;
}

QString formatMoney(const Money& money, const QString& format) {
    if (format.isEmpty())
        return money.toPlainText();
    const NumberPattern p = numberPattern(format);
    if (!p.valid)
        return money.toPlainText();
    QString number = money.formatGrouped(p.decimals);
    if (!p.grouped)
        number.remove(QLocale().groupSeparator());
    return withLiterals(number, p);
}

QString formatDouble(double value, const QString& format) {
    const NumberPattern p = numberPattern(format);
    if (format.isEmpty() || !p.valid)
        return QLocale().toString(value, 'g', 15);
    QLocale locale;
    if (!p.grouped)
        locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return withLiterals(locale.toString(value, 'f', p.decimals), p);
}

} // namespace

namespace FieldFormat {

QString display(const QVariant& value, ColumnKind kind, const QString& format) {
    if (value.isNull() || !value.isValid())
        return {};
    switch (kind) {
    case ColumnKind::Money:
        return formatMoney(value.value<Money>(), format);
    case ColumnKind::Date:
        return format.isEmpty() ? ShortDate::format(value.toDate())
                                : QLocale().toString(value.toDate(), format);
    case ColumnKind::Double:
        return formatDouble(value.toDouble(), format);
    case ColumnKind::Key:
    case ColumnKind::Integer:
        return QString::number(value.toLongLong());
    case ColumnKind::Text:
        break;
    }
    return value.toString();
}

std::optional<QVariant> parse(const QString& text, ColumnKind kind, const QString& format) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QVariant();
    switch (kind) {
    case ColumnKind::Money: {
        const std::optional<Money> money =
            Money::parse(stripLiterals(trimmed, numberPattern(format)));
        if (!money)
            return std::nullopt;
        return QVariant::fromValue(*money);
    }
    case ColumnKind::Date: {
        const QDate date = ShortDate::parse(trimmed, format);
        if (!date.isValid())
            return std::nullopt;
        return date;
    }
    case ColumnKind::Double: {
        const QString number = stripLiterals(trimmed, numberPattern(format));
        bool ok = false;
        double value = QLocale().toDouble(number, &ok);
        if (!ok)
            value = number.toDouble(&ok);
        if (!ok || !std::isfinite(value))
            return std::nullopt;
        return value;
    }
    case ColumnKind::Integer: {
        bool ok = false;
        qlonglong value = QLocale().toLongLong(trimmed, &ok);
        if (!ok)
            value = trimmed.toLongLong(&ok);
        if (!ok)
            return std::nullopt;
        return value;
    }
    case ColumnKind::Key:
        return std::nullopt;
    case ColumnKind::Text:
        break;
    }
    return trimmed;
}

} // namespace FieldFormat
