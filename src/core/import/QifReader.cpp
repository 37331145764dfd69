#include "QifReader.h"

#include "BankText.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

namespace {

// A "D" line's date without the text some exporters write after it ("03/25/099 Thu"): the
// digits and separators it begins with, where they read as a date and the whole line does not.
QStringView datePart(QStringView value) {
    value = value.trimmed();
    const auto reads = [](QStringView t) {
        return BankText::parseDate(t, DateOrder::DayFirst).isValid() ||
               BankText::parseDate(t, DateOrder::MonthFirst).isValid();
    };
    if (reads(value))
        return value;
    qsizetype end = 0;
    while (end < value.size() && ((value[end].isDigit() && value[end].unicode() < 128) ||
                                  QStringView(u"/-.' ").contains(value[end])))
        ++end;
    const QStringView lead = value.left(end).trimmed();
    return !lead.isEmpty() && reads(lead) ? lead : value;
}

// The fields view the file's text.
struct Record {
    int line = 0;
    QStringView date;
    int dateLine = 0;
    QStringView amount;
    QStringView payee;
    QStringView memo;
    bool ended = false;
    int account = -1; // among the scan's accounts

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

struct Scan {
    QList<Record> records;
    QList<QifReader::Account> accounts;
    QHash<QString, int> byName; // case-folded; a file may list many accounts
    bool sawHeader = false;
    bool sawEnd = false;

    // The index of the account of this name, added when the file names it first.
    int accountNamed(QStringView name, QStringView type) {
        const QString key = name.toString().toCaseFolded();
        const auto known = byName.constFind(key);
        if (known != byName.cend()) {
            if (accounts[*known].type.isEmpty())
                accounts[*known].type = type.toString();
            return *known;
        }
        byName.insert(key, int(accounts.size()));
        accounts << QifReader::Account{name.toString(), type.toString(), 0};
        return int(accounts.size() - 1);
    }
};

// The lines of a QIF file read one by one into its records and accounts.
class Scanner {
public:
    explicit Scanner(qsizetype records) { m_scan.records.reserve(records); }

    // One line, not empty, and its number from 1.
    void read(QStringView line, int lineNumber) {
        const QChar code = line[0];
        const QStringView value = line.mid(1).trimmed();
        if (code == u'!')
            header(value);
        else if (code == u'^')
            recordEnd();
        else if (m_inAccount)
            accountField(code, value);
        else if (m_inRegister)
            field(code, value, lineNumber);
    }

    // The file is over.
    Scan finish() {
        if (m_inAccount)
            endAccount();
        else if (m_inRegister && !m_current.isEmpty())
            keep(std::move(m_current)); // not ended: the file is cut short
        return std::move(m_scan);
    }

private:
    // "!Type:", "!Account", "!Option:AutoSwitch", "!Clear:AutoSwitch".
    void header(QStringView value) {
        m_scan.sawHeader = true;
        if (m_inAccount)
            endAccount(); // its "^" is missing
        m_inAccount = false;
        if (value.startsWith(u"Type:", Qt::CaseInsensitive)) {
            m_registerType = value.mid(5).trimmed();
            m_inRegister = isRegister(m_registerType);
            m_listing = false; // transactions follow: any list of accounts is over
        } else if (value.compare(u"Account", Qt::CaseInsensitive) == 0) {
            m_inAccount = true;
        } else if (value.compare(u"Option:AutoSwitch", Qt::CaseInsensitive) == 0) {
            m_listing = true;
        } else if (value.compare(u"Clear:AutoSwitch", Qt::CaseInsensitive) == 0) {
            m_listing = false;
        }
    }

    // "^": the end of an account's entry or of a transaction.
    void recordEnd() {
        m_scan.sawEnd = true;
        if (m_inAccount) {
            endAccount();
            m_inAccount = m_listing; // a list goes on to its next account
        } else if (m_inRegister && !m_current.isEmpty()) {
            m_current.ended = true;
            keep(std::move(m_current));
        }
        m_current = Record();
    }

    void accountField(QChar code, QStringView value) {
        if (code.toUpper() == u'N')
            m_accountName = value;
        else if (code.toUpper() == u'T')
            m_accountType = value;
        m_accountSeen = true;
    }

    // A line of a transaction in a register.
    void field(QChar code, QStringView value, int lineNumber) {
        if (m_current.line == 0)
            m_current.line = lineNumber;
        switch (code.toUpper().unicode()) {
        case u'D':
            m_current.date = datePart(value);
            m_current.dateLine = lineNumber;
            break;
        case u'T':
            m_current.amount = value;
            break;
        case u'U':
            if (m_current.amount.isEmpty())
                m_current.amount = value;
            break;
        case u'P':
            m_current.payee = value;
            break;
        case u'M':
            m_current.memo = value;
            break;
        default:
            break; // number, category, cleared flag, address, splits
        }
    }

    // An "!Account" block's entry is over: it names the account that follows, or, in a list,
    // only adds it.
    void endAccount() {
        if (m_accountSeen) {
            const int named = m_scan.accountNamed(m_accountName, m_accountType);
            if (!m_listing)
                m_account = named;
        }
        m_accountName = m_accountType = {};
        m_accountSeen = false;
    }

    void keep(Record&& record) {
        if (m_account < 0)
            m_account = m_scan.accountNamed({}, m_registerType);
        QifReader::Account& owner = m_scan.accounts[m_account];
        if (owner.type.isEmpty())
            owner.type = m_registerType.toString();
        ++owner.rows;
        record.account = m_account;
        m_scan.records << std::move(record);
    }

    Scan m_scan;
    bool m_inRegister = true; // a file without a "!Type:" line holds one bank register
    QStringView m_registerType = u"Bank";
    bool m_inAccount = false;
    bool m_listing = false; // between "!Option:AutoSwitch" and "!Clear:AutoSwitch"
    int m_account = -1;
    QStringView m_accountName;
    QStringView m_accountType;
    bool m_accountSeen = false;
    Record m_current;
};

Scan scan(const QString& text) {
    Scanner scanner(text.count(u'^') + 1);
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
        if (!line.isEmpty())
            scanner.read(line, lineNumber);
    }
    return scanner.finish();
}

QString shownName(const QifReader::Account& account) {
    return account.name.isEmpty() ? QCoreApplication::translate("QifReader", "(no name)")
                                  : QStringLiteral("\"%1\"").arg(account.name);
}

// The date order: the one that reads every date; the locale's when both do. A date that reads in
// neither order is said on its own row and decides nothing for the others.
void settleDateOrder(const QList<Record>& records, std::optional<DateOrder> order,
                     ReadResult& result) {
    bool dayFirstAll = true;
    bool monthFirstAll = true;
    bool differ = false;
    for (const Record& r : records) {
        if (r.date.isEmpty())
            continue;
        const BankText::OrderFit fit = BankText::fitOrders(r.date);
        if (!fit.dayFirst && !fit.monthFirst)
            continue;
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
}

// The decimal point of the amounts, as the first 200 write it.
QChar decimalOf(const QList<Record>& records) {
    QStringList amounts;
    for (const Record& r : records) {
        if (amounts.size() < 200)
            amounts << r.amount.toString();
    }
    return BankText::detectDecimal(amounts);
}

ImportedRow rowOf(const Record& r, DateOrder order, QChar decimal) {
    ImportedRow row;
    row.line = r.line;
    row.description = r.payee.toString().simplified();
    if (!r.memo.isEmpty()) {
        const QString memo = r.memo.toString().simplified();
        row.description =
            row.description.isEmpty() ? memo : row.description + QStringLiteral(" - ") + memo;
    }
    if (!r.ended) {
        row.error = QCoreApplication::translate("QifReader",
                                                "The file ends inside this transaction, before its "
                                                "\"^\": it is cut short.");
    } else if (r.date.isEmpty()) {
        row.error = QCoreApplication::translate("QifReader",
                                                "The transaction has no date (no \"D\" line).");
    } else if (r.amount.isEmpty()) {
        row.error = QCoreApplication::translate("QifReader",
                                                "The transaction has no amount (no \"T\" line).");
    } else {
        row.date = BankText::parseDate(r.date, order);
        const auto amount = BankText::parseAmount(r.amount, decimal);
        if (!row.date.isValid()) {
            row.line = r.dateLine;
            row.error = QCoreApplication::translate("QifReader", "The date \"%1\" does not read.")
                            .arg(r.date);
        } else if (!amount) {
            row.error = QCoreApplication::translate("QifReader", "The amount \"%1\" does not read.")
                            .arg(r.amount);
        } else {
            row.amount = *amount;
        }
    }
    return row;
}

// Keeps the records of the chosen account alone. Why the file cannot be read as chosen: no such
// account, one without transactions, or none chosen where the file needs it; "" otherwise.
QString keepOneAccount(Scan& scanned, std::optional<int> account) {
    QList<Record>& records = scanned.records;
    if (account) {
        if (*account < 0 || *account >= scanned.accounts.size())
            return QCoreApplication::translate("QifReader", "The file has no such account.");
        records.removeIf([&](const Record& r) { return r.account != *account; });
        if (records.isEmpty())
            return QCoreApplication::translate(
                       "QifReader", "The account %1 has no bank transactions in the file.")
                .arg(shownName(scanned.accounts[*account]));
    } else if (QifReader::needsChoice(scanned.accounts)) {
        QStringList names;
        for (const QifReader::Account& a : std::as_const(scanned.accounts)) {
            if (a.rows > 0)
                names << shownName(a);
        }
        return QCoreApplication::translate(
                   "QifReader", "The file holds the transactions of %1 accounts (%2); one of them "
                                "has to be chosen.")
            .arg(names.size())
            .arg(names.join(QStringLiteral(", ")));
    }
    return QString();
}

} // namespace

namespace QifReader {

QList<Account> accounts(const QString& text) {
    return scan(text).accounts;
}

bool needsChoice(const QList<Account>& accounts) {
    return std::count_if(accounts.begin(), accounts.end(),
                         [](const Account& a) { return a.rows > 0 && !a.name.isEmpty(); }) > 1;
}

ReadResult read(const QString& text, std::optional<DateOrder> order, std::optional<int> account) {
    ReadResult result;
    result.format = StatementFormat::Qif;

    Scan scanned = scan(text);
    const QList<Record>& records = scanned.records;
    if (!scanned.sawHeader && !scanned.sawEnd) {
        result.error = QCoreApplication::translate(
            "QifReader", "This is not a QIF file: it has no \"!Type:\" line and no "
                         "\"^\" at the end of a transaction.");
        return result;
    }
    result.error = keepOneAccount(scanned, account);
    if (!result.error.isEmpty())
        return result;
    if (records.isEmpty()) {
        result.error =
            QCoreApplication::translate("QifReader", "The file has no bank transactions.");
        return result;
    }

    settleDateOrder(records, order, result);
    const QChar decimal = decimalOf(records);
    result.rows.reserve(records.size());
    for (const Record& r : records)
        result.rows << rowOf(r, result.dateOrder, decimal);
    return result;
}

} // namespace QifReader
