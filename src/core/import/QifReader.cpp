#include "QifReader.h"

#include "BankText.h"

namespace {

// The fields view the file's text.
struct Record {
    int line = 0;
    QStringView date;
    int dateLine = 0;
    QStringView amount;
    QStringView payee;
    QStringView memo;
    bool ended = false;

    bool isEmpty() const {
        return date.isEmpty() && amount.isEmpty() && payee.isEmpty() && memo.isEmpty();
    }
};

bool isRegister(QStringView type) {
    for (const char16_t* t : {u"Bank", u"Cash", u"CCard", u"Oth A", u"Oth L"}) {
        if (type.trimmed().compare(QStringView(t), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

namespace QifReader {

ReadResult read(const QString& text, std::optional<DateOrder> order) {
    ReadResult result;
    result.format = StatementFormat::Qif;

    QList<Record> records;
    records.reserve(text.count(u'^') + 1);
    bool sawHeader = false;
    bool sawEnd = false;
    bool inRegister = true; // a file without a "!Type:" line holds one bank register
    bool inAccount = false;
    Record current;
    int lineNumber = 0;
    const QStringView all(text);
    qsizetype pos = 0;
    while (pos < all.size()) {
        qsizetype end = pos;
        while (end < all.size() && all[end] != u'\n' && all[end] != u'\r')
            ++end;
        const QStringView line = all.mid(pos, end - pos).trimmed();
        ++lineNumber;
        if (end < all.size() && all[end] == u'\r' && end + 1 < all.size() && all[end + 1] == u'\n')
            ++end;
        pos = end + 1;
        if (line.isEmpty())
            continue;
        const QChar code = line[0];
        const QStringView value = line.mid(1).trimmed();
        if (code == u'!') {
            sawHeader = true;
            if (value.startsWith(u"Type:", Qt::CaseInsensitive)) {
                inRegister = isRegister(value.mid(5));
                inAccount = false;
            } else if (value.compare(u"Account", Qt::CaseInsensitive) == 0) {
                inAccount = true;
            }
            // "!Option:" and "!Clear:" lines change nothing that is read here.
            continue;
        }
        if (code == u'^') {
            sawEnd = true;
            if (inAccount) {
                inAccount = false;
            } else if (inRegister && !current.isEmpty()) {
                current.ended = true;
                records << std::move(current);
            }
            current = Record();
            continue;
        }
        if (inAccount || !inRegister)
            continue;
        if (current.line == 0)
            current.line = lineNumber;
        switch (code.toUpper().unicode()) {
        case u'D':
            current.date = value;
            current.dateLine = lineNumber;
            break;
        case u'T':
            current.amount = value;
            break;
        case u'U':
            if (current.amount.isEmpty())
                current.amount = value;
            break;
        case u'P':
            current.payee = value;
            break;
        case u'M':
            current.memo = value;
            break;
        default:
            break; // number, category, cleared flag, address, splits
        }
    }
    if (inRegister && !inAccount && !current.isEmpty())
        records << current; // not ended: the file is cut short

    if (!sawHeader && !sawEnd) {
        result.error = QStringLiteral("This is not a QIF file: it has no \"!Type:\" line and no "
                                      "\"^\" at the end of a transaction.");
        return result;
    }
    if (records.isEmpty()) {
        result.error = QStringLiteral("The file has no bank transactions.");
        return result;
    }

    // The date order: the one that reads every date; the locale's when both do.
    QStringList amounts;
    bool dayFirstAll = true;
    bool monthFirstAll = true;
    bool differ = false;
    for (const Record& r : records) {
        if (amounts.size() < 200)
            amounts << r.amount.toString();
        if (r.date.isEmpty())
            continue;
        const BankText::OrderFit fit = BankText::fitOrders(r.date);
        dayFirstAll &= fit.dayFirst;
        monthFirstAll &= fit.monthFirst;
        differ |= fit.differ;
    }
    if (order) {
        result.dateOrder = *order;
    } else if (dayFirstAll != monthFirstAll) {
        result.dateOrder = dayFirstAll ? DateOrder::DayFirst : DateOrder::MonthFirst;
    } else {
        result.dateOrder = BankText::localeOrder();
    }
    result.dateOrderAmbiguous = dayFirstAll && monthFirstAll && differ;
    const QChar decimal = BankText::detectDecimal(amounts);
    result.rows.reserve(records.size());

    for (const Record& r : records) {
        ImportedRow row;
        row.line = r.line;
        row.description = r.payee.toString().simplified();
        if (!r.memo.isEmpty()) {
            const QString memo = r.memo.toString().simplified();
            row.description =
                row.description.isEmpty() ? memo : row.description + QStringLiteral(" - ") + memo;
        }
        if (!r.ended) {
            row.error = QStringLiteral("The file ends inside this transaction, before its "
                                       "\"^\": it is cut short.");
        } else if (r.date.isEmpty()) {
            row.error = QStringLiteral("The transaction has no date (no \"D\" line).");
        } else if (r.amount.isEmpty()) {
            row.error = QStringLiteral("The transaction has no amount (no \"T\" line).");
        } else {
            row.date = BankText::parseDate(r.date, result.dateOrder);
            const auto amount = BankText::parseAmount(r.amount, decimal);
            if (!row.date.isValid()) {
                row.line = r.dateLine;
                row.error = QStringLiteral("The date \"%1\" does not read.").arg(r.date);
            } else if (!amount) {
                row.error = QStringLiteral("The amount \"%1\" does not read.").arg(r.amount);
            } else {
                row.amount = *amount;
            }
        }
        result.rows << std::move(row);
    }
    return result;
}

} // namespace QifReader
