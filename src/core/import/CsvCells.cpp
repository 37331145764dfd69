#include "CsvCells.h"

#include "BankText.h"

#include <QCoreApplication>

#include <algorithm>
#include <initializer_list>

namespace CsvCells {

// "Pending" or the like where a date belongs: a transaction the bank has not posted yet.
bool isPendingText(QStringView text) {
    text = text.trimmed();
    // Dates start with a digit or a month's or day's name: most are passed over at once.
    if (text.size() < 7 || !text.front().isLetter())
        return false;
    for (const char16_t* w :
         {u"pending", u"pending transaction", u"pending transactions", u"processing", u"uncleared",
          u"uncleared transactions", u"uncleared items", u"unposted", u"not posted",
          u"not yet posted", u"authorised", u"authorized"}) {
        if (text.compare(QStringView(w), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool isPendingHeading(const QList<QStringView>& fields) {
    QStringView text;
    for (QStringView f : fields) {
        if (f.trimmed().isEmpty())
            continue;
        if (!text.isEmpty())
            return false;
        text = f;
    }
    return isPendingText(text);
}

Marker markerOf(QStringView text) {
    text = text.trimmed();
    if (text.isEmpty())
        return Marker::None;
    auto is = [&](std::initializer_list<const char16_t*> words) {
        return std::any_of(words.begin(), words.end(), [&](const char16_t* w) {
            return text.compare(QStringView(w), Qt::CaseInsensitive) == 0;
        });
    };
    if (is({u"cr", u"c", u"credit", u"bij", u"haben", u"h"}))
        return Marker::Credit;
    if (is({u"dr", u"d", u"debit", u"af", u"soll", u"s"}))
        return Marker::Debit;
    // A transaction code that carries its sign at its end ("DEP+", "POS-").
    if (text.endsWith(u'+'))
        return Marker::Credit;
    if (text.endsWith(u'-'))
        return Marker::Debit;
    return Marker::Unknown;
}

// The amount with the sign its marker gives: credit in, debit out, none as the amount has it.
Money marked(Money amount, Marker marker) {
    // Amounts read from a file are far inside the range: both turn.
    const Money magnitude = amount.magnitude().value_or(amount);
    if (marker == Marker::Credit)
        return magnitude;
    if (marker == Marker::Debit)
        return magnitude.negated().value_or(magnitude);
    return amount;
}

QStringView cell(const CsvRecord& r, int column) {
    return column >= 0 && column < r.fields.size() ? r.fields[column] : QStringView();
}

std::optional<Money> amountOf(const CsvRecord& r, const CsvLayout& l) {
    if (l.amounts == CsvLayout::Amounts::Signed)
        return BankText::parseAmount(cell(r, l.amountColumn), l.decimal);
    const auto debit = BankText::parseAmount(cell(r, l.debitColumn), l.decimal);
    const auto credit = BankText::parseAmount(cell(r, l.creditColumn), l.decimal);
    if (!debit && !credit)
        return std::nullopt;
    const std::optional<Money> d = debit ? debit->magnitude() : Money();
    const std::optional<Money> c = credit ? credit->magnitude() : Money();
    if (!d || !c)
        return std::nullopt;
    return Money::subtract(*c, *d);
}

// The description with the columns that continue it, each simplified, joined by a blank.
QString descriptionOf(const CsvRecord& r, const CsvLayout& l) {
    QString text = cell(r, l.descriptionColumn).toString().simplified();
    // The other party's name that only repeats the transaction's kind says nothing.
    if (l.kindColumn >= 0 &&
        text.compare(cell(r, l.kindColumn).toString().simplified(), Qt::CaseInsensitive) == 0)
        text.clear();
    for (int c : l.extraDescriptionColumns) {
        const QString more = cell(r, c).toString().simplified();
        if (!more.isEmpty())
            text += text.isEmpty() ? more : u' ' + more;
    }
    return text;
}

QString orderName(DateOrder order) {
    return order == DateOrder::DayFirst
               ? QCoreApplication::translate("CsvCells", "the day first")
               : QCoreApplication::translate("CsvCells", "the month first");
}

} // namespace CsvCells
