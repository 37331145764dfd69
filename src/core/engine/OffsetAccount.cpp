#include "OffsetAccount.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

namespace Offset {

Money counted(Money balance, int share) {
    if (balance.raw() <= 0 || share <= 0)
        return Money();
    if (share >= FullShare)
        return balance;
    // raw x share / 10000, exactly: the product needs more than 64 bits for large balances.
    const __int128 product = static_cast<__int128>(balance.raw()) * share;
    return Money::fromRaw(qint64((product + FullShare / 2) / FullShare));
}

namespace {

// A per cent from 0 to 100 with at most two decimals after a '.' point, an optional '%' after it.
std::optional<int> parseShare(QString t) {
    t = t.trimmed();
    if (t.endsWith(QLatin1Char('%')))
        t = t.chopped(1).trimmed();
    static const QRegularExpression form(QStringLiteral("^(\\d{1,3})(?:\\.(\\d{0,2}))?$"));
    const QRegularExpressionMatch m = form.match(t);
    if (!m.hasMatch())
        return std::nullopt;
    const QString decimals = m.captured(2).leftJustified(2, QLatin1Char('0'));
    const int share = m.captured(1).toInt() * 100 + decimals.toInt();
    if (share > FullShare)
        return std::nullopt;
    return share;
}

} // namespace

QString shareText(int share) {
    return shareToStorage(share).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

std::optional<int> shareFromText(const QString& text) {
    return parseShare(QString(text).replace(QLocale().decimalPoint(), QStringLiteral(".")));
}

std::optional<int> shareFromStorage(const QString& text) {
    return parseShare(QString(text).replace(QLatin1Char(','), QLatin1Char('.')));
}

QString shareToStorage(int share) {
    QString text = QString::number(share / 100);
    if (const int hundredths = share % 100; hundredths != 0) {
        text += QLatin1Char('.') + QStringLiteral("%1").arg(hundredths, 2, 10, QLatin1Char('0'));
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
    }
    return text;
}

QVector<OffsetBalance> byDate(QVector<OffsetBalance> balances) {
    std::stable_sort(
        balances.begin(), balances.end(),
        [](const OffsetBalance& a, const OffsetBalance& b) { return a.date < b.date; });
    QVector<OffsetBalance> result;
    result.reserve(balances.size());
    for (const OffsetBalance& b : balances) {
        if (!result.isEmpty() && result.last().date == b.date)
            result.last() = b;
        else
            result.append(b);
    }
    return result;
}

} // namespace Offset
