#include "QifReader.h"

#include "BankText.h"

#include <QHash>

#include <algorithm>

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

Scan scan(const QString& text) {
    Scan scan;
    scan.records.reserve(text.count(u'^') + 1);
    bool inRegister = true; // a file without a "!Type:" line holds one bank register
    QStringView registerType = u"Bank";
    bool inAccount = false;
    bool listing = false; // between "!Option:AutoSwitch" and "!Clear:AutoSwitch"
    int account = -1;
    QStringView accountName;
    QStringView accountType;
    bool accountSeen = false;
    Record current;

    // An "!Account" block's entry is over: it names the account that follows, or, in a list,
    // only adds it.
    const auto endAccount = [&] {
        if (accountSeen) {
            const int named = scan.accountNamed(accountName, accountType);
            if (!listing)
                account = named;
        }
        accountName = accountType = {};
        accountSeen = false;
    };
    const auto keep = [&](Record&& record) {
        if (account < 0)
            account = scan.accountNamed({}, registerType);
        QifReader::Account& owner = scan.accounts[account];
        if (owner.type.isEmpty())
            owner.type = registerType.toString();
        ++owner.rows;
        record.account = account;
        scan.records << std::move(record);
    };

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
            scan.sawHeader = true;
            if (inAccount)
                endAccount(); // its "^" is missing
            inAccount = false;
            if (value.startsWith(u"Type:", Qt::CaseInsensitive)) {
                registerType = value.mid(5).trimmed();
                inRegister = isRegister(registerType);
                listing = false; // transactions follow: any list of accounts is over
            } else if (value.compare(u"Account", Qt::CaseInsensitive) == 0) {
                inAccount = true;
            } else if (value.compare(u"Option:AutoSwitch", Qt::CaseInsensitive) == 0) {
                listing = true;
            } else if (value.compare(u"Clear:AutoSwitch", Qt::CaseInsensitive) == 0) {
                listing = false;
            }
            continue;
        }
        if (code == u'^') {
            scan.sawEnd = true;
            if (inAccount) {
                endAccount();
                inAccount = listing; // a list goes on to its next account
            } else if (inRegister && !current.isEmpty()) {
                current.ended = true;
                keep(std::move(current));
            }
            current = Record();
            continue;
        }
        if (inAccount) {
            if (code.toUpper() == u'N')
                accountName = value;
            else if (code.toUpper() == u'T')
                accountType = value;
            accountSeen = true;
            continue;
        }
        if (!inRegister)
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
    if (inAccount)
        endAccount();
    else if (inRegister && !current.isEmpty())
        keep(std::move(current)); // not ended: the file is cut short
    return scan;
}

QString shownName(const QifReader::Account& account) {
    return account.name.isEmpty() ? QStringLiteral("(no name)")
                                  : QStringLiteral("\"%1\"").arg(account.name);
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
    QList<Record>& records = scanned.records;
    if (!scanned.sawHeader && !scanned.sawEnd) {
        result.error = QStringLiteral("This is not a QIF file: it has no \"!Type:\" line and no "
                                      "\"^\" at the end of a transaction.");
        return result;
    }
    if (account) {
        if (*account < 0 || *account >= scanned.accounts.size()) {
            result.error = QStringLiteral("The file has no such account.");
            return result;
        }
        records.removeIf([&](const Record& r) { return r.account != *account; });
        if (records.isEmpty()) {
            result.error = QStringLiteral("The account %1 has no bank transactions in the file.")
                               .arg(shownName(scanned.accounts[*account]));
            return result;
        }
    } else if (needsChoice(scanned.accounts)) {
        QStringList names;
        for (const Account& a : std::as_const(scanned.accounts)) {
            if (a.rows > 0)
                names << shownName(a);
        }
        result.error = QStringLiteral("The file holds the transactions of %1 accounts (%2); one "
                                      "of them has to be chosen.")
                           .arg(names.size())
                           .arg(names.join(QStringLiteral(", ")));
        return result;
    }
    if (records.isEmpty()) {
        result.error = QStringLiteral("The file has no bank transactions.");
        return result;
    }

    // The date order: the one that reads every date; the locale's when both do. A date that reads
    // in neither order is said on its own row and decides nothing for the others.
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
