#include "CsvDetection.h"

#include "BankSummary.h"
#include "BankText.h"
#include "CsvCells.h"

#include <QCoreApplication>
#include <QMap>

#include <algorithm>
#include <bit>
#include <initializer_list>
#include <utility>

// How a CSV file's layout is found from the file alone: CsvReader::detect runs these stages.
using namespace CsvCells;

namespace CsvDetection {

namespace {
bool readsAsDate(QStringView cell) {
    const BankText::OrderFit fit = BankText::fitOrders(cell);
    return fit.dayFirst || fit.monthFirst;
}

bool readsAsAmount(QStringView cell, QChar decimal) {
    return !cell.trimmed().isEmpty() && BankText::parseAmount(cell, decimal).has_value() &&
           !readsAsDate(cell);
}

} // namespace

// A line that looks like a transaction: a date and, in another field, an amount.
bool isDataLike(const QList<QStringView>& fields, QChar decimal) {
    int dateAt = -1;
    for (int i = 0; i < fields.size(); ++i) {
        if (readsAsDate(fields[i])) {
            dateAt = i;
            break;
        }
    }
    if (dateAt < 0)
        return false;
    for (int i = 0; i < fields.size(); ++i) {
        if (i != dateAt && readsAsAmount(fields[i], decimal))
            return true;
    }
    return false;
}

namespace {

// A date is the value date, the booking date, either ("Date"), or the day a card's purchase was
// made ("Transaction Date"). Where a file has a value date, it is the row's: interest follows it.
// A description is the other party's name, the purpose, or either; the kind of a transaction is
// never the description where a name or a purpose is there.
enum class Role {
    None,
    Date,
    BookingDate,
    ValueDate,
    TransactionDate,
    Description,
    Party,
    Purpose,
    Kind,
    Amount,
    Charges, // one column of money out as positive: a card's charges
    Debit,
    Credit,
    Balance
};

bool containsAny(const QString& text, std::initializer_list<const char16_t*> words) {
    return std::any_of(words.begin(), words.end(),
                       [&](const char16_t* w) { return text.contains(QStringView(w)); });
}

// What a header's text says its column holds, in the languages banks export in; `rank` orders
// the description words, since a file may have a "Description" and a "Reference".
Role roleOf(const QString& header, int* rank) {
    const QString h = header.trimmed().toLower();
    *rank = 0;
    if (h.isEmpty())
        return Role::None;
    if (containsAny(h, {u"balance", u"saldo", u"solde", u"bal."}))
        return Role::Balance;
    if (containsAny(h, {u"buchungstag", u"buchungsdatum", u"post date", u"posting date",
                        u"booking date"}) ||
        h == u"posted" || h == u"posting")
        return Role::BookingDate;
    if (containsAny(h, {u"wertstellung", u"valuta", u"rentedatum", u"value date", u"date valeur",
                        u"fecha valor"}))
        return Role::ValueDate;
    if (h.contains(u"transaction date"))
        return Role::TransactionDate;
    if (containsAny(h, {u"date", u"datum", u"fecha"}))
        return Role::Date;
    if (containsAny(h, {u"auftraggeber", u"empf\u00e4nger", u"empfaenger", u"beguenstigt",
                        u"beg\u00fcnstigt", u"zahlungspflichtig", u"tegenpartij", u"payee",
                        u"counterparty"}))
        return Role::Party;
    if (containsAny(h, {u"verwendungszweck", u"omschrijving", u"mededeling", u"memo", u"purpose"}))
        return Role::Purpose;
    if (containsAny(h, {u"buchungstext", u"umsatzart", u"mutatiesoort", u"transaction type"}) ||
        h == u"type")
        return Role::Kind;
    if (containsAny(h, {u"debit", u"d\u00e9bit", u"withdrawal", u"money out", u"paid out"}) ||
        h == u"dr" || h == u"out")
        return Role::Debit;
    if (containsAny(
            h, {u"credit", u"cr\u00e9dit", u"deposit", u"money in", u"paid in", u"payments"}) ||
        h == u"cr" || h == u"in")
        return Role::Credit;
    if (containsAny(h, {u"charges", u"charge amount", u"amount charged", u"purchases",
                        u"purchase amount", u"spent"}) ||
        h == u"charge")
        return Role::Charges;
    if (containsAny(h, {u"amount", u"betrag", u"importe", u"montant"}) || h == u"value" ||
        h == u"sum")
        return Role::Amount;
    // The account's own name or number, a card number, the kind of a transaction: none is its
    // narrative, whatever other word its name has.
    if (containsAny(h, {u"account", u"card", u"number", u"type", u"categor", u"status", u"serial"}))
        return Role::None;
    const std::array<const char16_t*, 13> words = {
        u"description", u"details",     u"narrative",   u"particulars", u"payee",
        u"memo",        u"transaction", u"reference",   u"text",        u"name",
        u"concepto",    u"merchant",    u"libell\u00e9"};
    for (int i = 0; i < int(words.size()); ++i) {
        if (h.contains(QStringView(words[i]))) {
            *rank = i;
            return Role::Description;
        }
    }
    return Role::None;
}

// A header line: it names at least two kinds of column.
bool namesColumns(const QList<QStringView>& fields) {
    unsigned kinds = 0;
    for (QStringView f : fields) {
        int rank = 0;
        const Role role = roleOf(f.toString(), &rank);
        if (role != Role::None)
            kinds |= 1u << unsigned(role);
    }
    return std::popcount(kinds) >= 2;
}

} // namespace

QList<int> dateColumnsNamed(const QList<QStringView>& names) {
    QList<int> dates;
    for (int c = 0; c < names.size(); ++c) {
        int rank = 0;
        const Role role = roleOf(names[c].toString(), &rank);
        if (role == Role::Date || role == Role::BookingDate || role == Role::ValueDate ||
            role == Role::TransactionDate)
            dates << c;
    }
    return dates;
}

bool namesValueDate(QStringView name) {
    int rank = 0;
    return roleOf(name.toString(), &rank) == Role::ValueDate;
}

namespace {

// A line of the bank's own that states a balance or a total: its first text other than a date
// says so.
bool isSummaryLine(const QList<QStringView>& fields) {
    for (QStringView f : fields) {
        if (f.trimmed().isEmpty() || readsAsDate(f))
            continue;
        const BankSummary::Line kind = BankSummary::kindOf(f);
        return kind != BankSummary::Line::None && kind != BankSummary::Line::Other;
    }
    return false;
}

// A line that looks like a pending transaction: a pending word and, in another field, an amount.
bool isPendingLike(const QList<QStringView>& fields, QChar decimal) {
    for (int i = 0; i < fields.size(); ++i) {
        if (!isPendingText(fields[i]))
            continue;
        for (int j = 0; j < fields.size(); ++j) {
            if (j != i && readsAsAmount(fields[j], decimal))
                return true;
        }
    }
    return false;
}

// How many neighbouring rows agree with `balance` moving by the amount (either sign, either
// direction of time): the evidence that a column is a running balance.
int balanceAgreement(const QList<const CsvRecord*>& rows, const CsvLayout& l) {
    int agree = 0;
    std::optional<Money> previousBalance;
    std::optional<Money> previousAmount;
    for (const CsvRecord* r : rows) {
        const auto b = BankText::parseAmount(cell(*r, l.balanceColumn), l.decimal);
        const auto a = amountOf(*r, l);
        if (b && a && previousBalance && previousAmount) {
            const auto step = Money::subtract(*b, *previousBalance);
            if (step &&
                (*step == *a || *step == *previousAmount || Money::add(*step, *a) == Money() ||
                 Money::add(*step, *previousAmount) == Money()))
                ++agree;
        }
        previousBalance = b;
        previousAmount = a;
    }
    return agree;
}

} // namespace

SignAgreement signAgreement(const QList<const CsvRecord*>& rows, const CsvLayout& l) {
    SignAgreement agree;
    if (rows.isEmpty())
        return agree;
    const QDate first = BankText::parseDate(cell(*rows.first(), l.dateColumn), l.dateOrder);
    const QDate last = BankText::parseDate(cell(*rows.last(), l.dateColumn), l.dateOrder);
    const bool known = first.isValid() && last.isValid();
    const bool oldestFirst = !known || first <= last;
    const bool newestFirst = !known || first >= last;
    std::optional<Money> previousBalance;
    std::optional<Money> previousAmount;
    for (const CsvRecord* r : rows) {
        const auto b = BankText::parseAmount(cell(*r, l.balanceColumn), l.decimal);
        const auto a = amountOf(*r, l);
        const auto step = b && a && previousBalance && previousAmount
                              ? Money::subtract(*b, *previousBalance)
                              : std::nullopt;
        if (step) {
            const auto negated = Money::subtract(Money(), *step);
            if ((oldestFirst && *step == *a) || (newestFirst && negated == *previousAmount))
                ++agree.with;
            else if ((oldestFirst && negated == *a) || (newestFirst && *step == *previousAmount))
                ++agree.against;
        }
        previousBalance = b;
        previousAmount = a;
    }
    return agree;
}

namespace {

// A payment to a card, as its issuer writes it: "PAYMENT - THANK YOU", "PAYMENT RECEIVED".
bool namesCardPayment(const QString& description) {
    const QString d = description.toLower();
    return d.contains(u"thank you") || d.contains(u"payment received");
}

} // namespace

const CsvRecord* paymentAgainstPurchases(const QList<const CsvRecord*>& rows, const CsvLayout& l) {
    const CsvRecord* first = nullptr;
    int positive = 0;
    int negative = 0;
    for (const CsvRecord* r : rows) {
        const auto a = amountOf(*r, l);
        if (!a || a->isZero())
            continue;
        const bool isNegative = *a < Money();
        if (namesCardPayment(descriptionOf(*r, l))) {
            if (!isNegative)
                return nullptr; // a payment in as money in: the file's sign is the account's
            first = first ? first : r;
        } else {
            (isNegative ? negative : positive) += 1;
        }
    }
    return first && positive > negative ? first : nullptr;
}

namespace {

// The column holds the same text on every row: the account's name, a card's number.
bool sameOnEveryRow(const QList<const CsvRecord*>& rows, int column) {
    if (rows.size() < 2)
        return false;
    const QStringView first = cell(*rows.first(), column).trimmed();
    return std::all_of(rows.begin(), rows.end(),
                       [&](const CsvRecord* r) { return cell(*r, column).trimmed() == first; });
}

// The amounts have no sign of their own: no minus, no brackets, no "CR" or "DR" after them.
bool unsignedColumn(const QList<const CsvRecord*>& rows, int column) {
    return std::none_of(rows.begin(), rows.end(), [&](const CsvRecord* r) {
        const QStringView f = cell(*r, column).trimmed();
        return f.contains(u'-') || f.contains(u'(') || f.contains(u'+') ||
               f.contains(QChar(0x2212)) || f.endsWith(u"CR", Qt::CaseInsensitive) ||
               f.endsWith(u"DR", Qt::CaseInsensitive);
    });
}

// A column of sign markers: each a marker or empty, at least one a marker.
bool holdsMarkers(const QList<const CsvRecord*>& rows, int column) {
    bool any = false;
    for (const CsvRecord* r : rows) {
        const Marker m = markerOf(cell(*r, column));
        if (m == Marker::Unknown)
            return false;
        any |= m != Marker::None;
    }
    return any;
}

bool complementary(const QList<const CsvRecord*>& rows, int a, int b, QChar decimal) {
    bool anyA = false;
    bool anyB = false;
    for (const CsvRecord* r : rows) {
        const auto x = BankText::parseAmount(cell(*r, a), decimal);
        const auto y = BankText::parseAmount(cell(*r, b), decimal);
        const bool hasX = x && !x->isZero();
        const bool hasY = y && !y->isZero();
        if (hasX && hasY)
            return false;
        anyA |= hasX;
        anyB |= hasY;
    }
    return anyA || anyB;
}

// Chooses the amount columns (and the balance) among the columns that hold only amounts.
void chooseAmounts(const QList<const CsvRecord*>& rows, const QList<int>& numeric,
                   CsvLayout& layout) {
    struct Candidate {
        CsvLayout layout;
        int score = 0;
    };
    QList<Candidate> candidates;
    QList<int> balanceChoices = numeric;
    balanceChoices << -1;
    for (int b : balanceChoices) {
        QList<int> rest = numeric;
        rest.removeOne(b);
        const int used = int(rest.size()) + (b >= 0 ? 1 : 0);
        auto consider = [&](CsvLayout l, int bonus) {
            l.balanceColumn = b;
            int score = bonus;
            if (b >= 0)
                score += 8 * balanceAgreement(rows, l) + (b == numeric.last() ? 1 : 0);
            if (used == numeric.size())
                score += 4;
            candidates << Candidate{l, score};
        };
        if (rest.size() >= 1) {
            CsvLayout l = layout;
            l.amounts = CsvLayout::Amounts::Signed;
            l.amountColumn = rest[0];
            consider(l, rest.size() == 1 ? 0 : -4);
        }
        if (rest.size() == 2 && complementary(rows, rest[0], rest[1], layout.decimal)) {
            CsvLayout l = layout;
            l.amounts = CsvLayout::Amounts::DebitCredit;
            l.debitColumn = rest[0];
            l.creditColumn = rest[1];
            consider(l, 3); // debit before credit, as banks print them
            std::swap(l.debitColumn, l.creditColumn);
            consider(l, 2);
        }
    }
    const auto best =
        std::max_element(candidates.begin(), candidates.end(),
                         [](const Candidate& x, const Candidate& y) { return x.score < y.score; });
    if (best != candidates.end()) {
        const int description = layout.descriptionColumn;
        const int date = layout.dateColumn;
        layout = best->layout;
        layout.descriptionColumn = description;
        layout.dateColumn = date;
    }
}

} // namespace

// The stages of CsvReader::detect, in its order.

// The decimal point: from the fields of the first `lines` records that are not dates.
QChar decimalOf(const QList<CsvRecord>& records, int lines) {
    QStringList amounts;
    for (int r = 0; r < lines; ++r) {
        for (QStringView f : records[r].fields) {
            if (!readsAsDate(f))
                amounts << f.toString();
        }
    }
    return BankText::detectDecimal(amounts);
}

std::optional<RowShape> findRows(const QList<CsvRecord>& records, int sampled, int openQuoteLine,
                                 QChar decimal, QString* error) {
    RowShape shape;
    shape.dataLike.resize(sampled);
    QMap<int, int> widths;
    for (int r = 0; r < sampled; ++r)
        shape.dataLike[r] = isDataLike(records[r].fields, decimal);
    // A summary block above the header has dates and amounts too ("Anfangssaldo;01.03.2024;;
    // 1.250,00"): the bank's balance and total lines above a line that names the columns are
    // no rows.
    int header = 0;
    while (header < sampled && (shape.dataLike[header] || !namesColumns(records[header].fields)))
        ++header;
    for (int r = 0; r < sampled; ++r) {
        if (shape.dataLike[r] && r < header && isSummaryLine(records[r].fields))
            shape.dataLike[r] = false;
        if (shape.dataLike[r])
            ++widths[int(records[r].fields.size())];
    }
    if (widths.isEmpty()) {
        *error = openQuoteLine > 0
                     ? QCoreApplication::translate(
                           "CsvDetection", "A quote opened on line %1 is never closed: the file is "
                                           "cut short or damaged.")
                           .arg(openQuoteLine)
                     : QCoreApplication::translate(
                           "CsvDetection", "No line of the file reads as a transaction: none has a "
                                           "date and an amount.");
        return std::nullopt;
    }
    int widthLines = 0;
    for (auto it = widths.cbegin(); it != widths.cend(); ++it) {
        if (it.value() > widthLines) {
            shape.width = it.key();
            widthLines = it.value();
        }
    }
    while (!(shape.dataLike[shape.first] && records[shape.first].fields.size() == shape.width))
        ++shape.first;
    return shape;
}

// The header and the lines to skip; returns the header's record, -1 when there is none.
// The header is the line that names the columns: just above the first row, or above the pending
// transactions some banks list there without a date. Failing that, the line just above the
// first row when it is words, not a row.
int placeHeader(const QList<CsvRecord>& records, const RowShape& shape, CsvLayout& layout) {
    const int width = shape.width;
    auto fitsWidth = [&](int r) { return records[r].fields.size() >= width - 1; };
    auto hasLetters = [&](int r) {
        return std::any_of(records[r].fields.begin(), records[r].fields.end(), [](QStringView f) {
            return std::any_of(f.begin(), f.end(), [](QChar c) { return c.isLetter(); });
        });
    };
    // A line of the rows' width with a date or an amount in it is a row that does not read (an
    // impossible date, an amount out of reach), never the header or a line to skip: it is read
    // with the rows, so that the preview says it does not read instead of dropping it.
    auto rowLike = [&](int r) {
        const QList<QStringView>& fields = records[r].fields;
        return fields.size() == width &&
               std::any_of(fields.begin(), fields.end(), [&](QStringView f) {
                   return readsAsDate(f) || readsAsAmount(f, layout.decimal);
               });
    };
    int above = shape.first - 1;
    int firstRowLike = shape.first;
    while (above >= 0 && !shape.dataLike[above] &&
           (isPendingLike(records[above].fields, layout.decimal) ||
            isPendingHeading(records[above].fields) || rowLike(above))) {
        if (rowLike(above))
            firstRowLike = above;
        --above;
    }
    int headerAt = -1;
    if (above >= 0 && !shape.dataLike[above] && fitsWidth(above) &&
        (namesColumns(records[above].fields) || (above + 1 == firstRowLike && hasLetters(above))))
        headerAt = above;
    layout.header = headerAt >= 0;
    layout.skipLines = (layout.header ? records[headerAt].line : records[firstRowLike].line) - 1;
    return headerAt;
}

namespace {

// The columns a header names that the layout holds no member for, before they are chosen between.
struct NamedColumns {
    int booking = -1;
    int value = -1;
    int transaction = -1;
    int party = -1;
    int purpose = -1;
    int charges = -1;
};

// Each role's first column; of the description's names the best ranked, unless the column says
// the same on every row.
NamedColumns nameColumns(const QList<QStringView>& names, const QList<const CsvRecord*>& rows,
                         CsvLayout& layout) {
    NamedColumns n;
    int bestDescription = 1000;
    for (int c = 0; c < names.size(); ++c) {
        int rank = 0;
        const Role role = roleOf(names[c].toString(), &rank);
        int* target = nullptr;
        switch (role) {
        case Role::Date:
            target = &layout.dateColumn;
            break;
        case Role::BookingDate:
            target = &n.booking;
            break;
        case Role::ValueDate:
            target = &n.value;
            break;
        case Role::TransactionDate:
            target = &n.transaction;
            break;
        case Role::Party:
            if (!sameOnEveryRow(rows, c))
                target = &n.party;
            break;
        case Role::Purpose:
            if (!sameOnEveryRow(rows, c))
                target = &n.purpose;
            break;
        case Role::Kind:
            target = &layout.kindColumn;
            break;
        case Role::Amount:
            target = &layout.amountColumn;
            break;
        case Role::Charges:
            target = &n.charges;
            break;
        case Role::Debit:
            target = &layout.debitColumn;
            break;
        case Role::Credit:
            target = &layout.creditColumn;
            break;
        case Role::Balance:
            target = &layout.balanceColumn;
            break;
        case Role::Description:
            if (rank < bestDescription && !sameOnEveryRow(rows, c)) {
                bestDescription = rank;
                layout.descriptionColumn = c;
            }
            break;
        case Role::None:
            break;
        }
        if (target && *target < 0)
            *target = c;
    }
    return n;
}

// Numbered descriptions ("Description 1", "Description 2") are one description.
void joinNumberedDescriptions(const QList<QStringView>& names, const QList<const CsvRecord*>& rows,
                              CsvLayout& layout) {
    if (layout.descriptionColumn < 0)
        return;
    auto unnumbered = [](QStringView name) {
        name = name.trimmed();
        while (!name.isEmpty() && name.back().isDigit())
            name.chop(1);
        return name.trimmed().toString().toLower();
    };
    const QString base = unnumbered(names[layout.descriptionColumn]);
    QList<int> numbered;
    for (int c = 0; c < names.size(); ++c) {
        if (unnumbered(names[c]) == base &&
            (c == layout.descriptionColumn || !sameOnEveryRow(rows, c)))
            numbered << c;
    }
    if (numbered.size() > 1) {
        layout.descriptionColumn = numbered.takeFirst();
        layout.extraDescriptionColumns = numbered;
    }
}

} // namespace

// Columns the header names.
void columnsNamed(const QList<QStringView>& names, const QList<const CsvRecord*>& rows,
                  CsvLayout& layout) {
    NamedColumns n = nameColumns(names, rows, layout);
    joinNumberedDescriptions(names, rows, layout);
    // The value date, which interest follows, before the booking date, then a plain "Date", then
    // the day a purchase was made.
    if (n.value >= 0)
        layout.dateColumn = n.value;
    else if (n.booking >= 0)
        layout.dateColumn = n.booking;
    else if (layout.dateColumn < 0)
        layout.dateColumn = n.transaction;
    // The other party's name, then the purpose; the kind alone never.
    if (n.party >= 0 || n.purpose >= 0) {
        layout.descriptionColumn = n.party >= 0 ? n.party : n.purpose;
        layout.extraDescriptionColumns.clear();
        if (n.party >= 0 && n.purpose >= 0)
            layout.extraDescriptionColumns << n.purpose;
    } else {
        layout.kindColumn = -1;
    }
    // A card's charges beside its payments are its debits and credits.
    if (layout.amountColumn < 0 && n.charges >= 0 && layout.debitColumn < 0 &&
        layout.creditColumn >= 0)
        layout.debitColumn = std::exchange(n.charges, -1);
    // One column named for money out, a card's charges or a debit column with no credit column
    // beside it, holds money out as positive and a payment as negative: read turned.
    if (layout.amountColumn < 0 && layout.creditColumn < 0 &&
        (n.charges >= 0 || layout.debitColumn >= 0)) {
        layout.amountColumn = n.charges >= 0 ? n.charges : layout.debitColumn;
        layout.debitColumn = -1;
        layout.flipSign = true;
    }
    if (layout.amountColumn < 0 && (layout.debitColumn >= 0 || layout.creditColumn >= 0))
        layout.amounts = CsvLayout::Amounts::DebitCredit;
}

namespace {

// The column most of whose cells read as dates.
int dateColumnHeld(const QList<const CsvRecord*>& rows, int width) {
    int column = -1;
    int bestCount = 0;
    for (int c = 0; c < width; ++c) {
        const int count = int(std::count_if(rows.begin(), rows.end(), [&](const CsvRecord* r) {
            return readsAsDate(cell(*r, c));
        }));
        if (count > bestCount) {
            bestCount = count;
            column = c;
        }
    }
    return column;
}

// The columns that hold only amounts, each with cents or a sign somewhere (a column of bare whole
// numbers is a reference), other than the date, the description and a named balance.
QList<int> amountColumnsHeld(const QList<const CsvRecord*>& rows, int width,
                             const CsvLayout& layout) {
    QList<int> numeric;
    for (int c = 0; c < width; ++c) {
        if (c == layout.dateColumn || c == layout.descriptionColumn)
            continue;
        int filled = 0;
        bool allAmounts = true;
        bool pointOrSign = false;
        for (const CsvRecord* r : rows) {
            const QStringView f = cell(*r, c).trimmed();
            if (f.isEmpty())
                continue;
            ++filled;
            if (!readsAsAmount(f, layout.decimal)) {
                allAmounts = false;
                break;
            }
            pointOrSign |= f.contains(layout.decimal) || f.contains(u'-') || f.contains(u'(') ||
                           f.endsWith(u"CR", Qt::CaseInsensitive) ||
                           f.endsWith(u"DR", Qt::CaseInsensitive);
        }
        if (allAmounts && filled > 0 && pointOrSign)
            numeric << c;
    }
    if (layout.balanceColumn >= 0)
        numeric.removeOne(layout.balanceColumn);
    return numeric;
}

// The longest text, passing over a column that says the same on every row (the account's name,
// a card's number) while another column's text varies.
int descriptionColumnHeld(const QList<const CsvRecord*>& rows, int width, const CsvLayout& layout) {
    int column = -1;
    qsizetype longest = 0;
    bool longestVaries = false;
    for (int c = 0; c < width; ++c) {
        if (c == layout.dateColumn || c == layout.amountColumn || c == layout.debitColumn ||
            c == layout.creditColumn || c == layout.balanceColumn || c == layout.signColumn)
            continue;
        qsizetype length = 0;
        for (const CsvRecord* r : rows)
            length += cell(*r, c).trimmed().size();
        const bool varies = !sameOnEveryRow(rows, c);
        if (length > 0 &&
            ((varies && !longestVaries) || (varies == longestVaries && length > longest))) {
            longest = length;
            longestVaries = varies;
            column = c;
        }
    }
    return column;
}

} // namespace

// The columns the header did not name, from what they hold. False, with `error`, when no column
// holds amounts.
bool columnsHeld(const QList<const CsvRecord*>& rows, int width, CsvLayout& layout,
                 QString* error) {
    const bool amountsNamed =
        layout.amountColumn >= 0 || (layout.debitColumn >= 0 && layout.creditColumn >= 0);
    if (layout.dateColumn < 0)
        layout.dateColumn = dateColumnHeld(rows, width);
    if (!amountsNamed) {
        const QList<int> numeric = amountColumnsHeld(rows, width, layout);
        if (numeric.isEmpty()) {
            *error = QCoreApplication::translate("CsvDetection",
                                                 "No column of the file holds only amounts.");
            return false;
        }
        const int namedBalance = layout.balanceColumn;
        chooseAmounts(rows, numeric, layout);
        if (namedBalance >= 0)
            layout.balanceColumn = namedBalance;
    }
    // Amounts without a sign of their own take it from a column of "CR" and "DR" beside them.
    const bool signedAmounts =
        layout.amounts == CsvLayout::Amounts::Signed && layout.amountColumn >= 0;
    if (signedAmounts && unsignedColumn(rows, layout.amountColumn)) {
        for (int c = 0; c < width; ++c) {
            if (c != layout.dateColumn && c != layout.amountColumn && c != layout.balanceColumn &&
                c != layout.descriptionColumn && holdsMarkers(rows, c)) {
                layout.signColumn = c;
                break;
            }
        }
    }
    if (layout.descriptionColumn < 0)
        layout.descriptionColumn = descriptionColumnHeld(rows, width, layout);
    return true;
}

// The date order that reads the most dates of the whole file; the one the layout has on a tie,
// but day first where no date reads differently either way (ISO dates): then the order kept
// with the account is the file's, not the locale's.
void settleDateOrder(const QList<CsvRecord>& records, CsvLayout& layout) {
    int dayFirst = 0;
    int monthFirst = 0;
    bool differ = false;
    for (const CsvRecord& r : records) {
        if (r.line <= layout.skipLines)
            continue;
        const BankText::OrderFit fit = BankText::fitOrders(cell(r, layout.dateColumn));
        dayFirst += fit.dayFirst;
        monthFirst += fit.monthFirst;
        differ = differ || fit.differ;
    }
    if (dayFirst != monthFirst)
        layout.dateOrder = dayFirst > monthFirst ? DateOrder::DayFirst : DateOrder::MonthFirst;
    else if (!differ && dayFirst > 0)
        layout.dateOrder = DateOrder::DayFirst;
}

} // namespace CsvDetection
