#include "ImportPreview.h"

#include "data/StoredValue.h"

#include "data/ShortDate.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace {

bool hasColumn(QSqlDatabase db, const QString& table, const QString& column) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("select name from pragma_table_info('%1')").arg(table)))
        return false;
    while (q.next()) {
        if (q.value(0).toString().compare(column, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// An amount that cannot be read counts as none: such a file is refused by Open anyway.
Money moneyAt(const QSqlQuery& q, int field) {
    return StoredValue::money(q.value(field)).money().value_or(Money());
}

bool readTable(QSqlDatabase db, const QString& table, const QString& where,
               QList<KnownTransactions::Entry>& entries, QSet<QString>& fitIds, QString* error) {
    const bool withFitId = hasColumn(db, table, QStringLiteral("FITID"));
    QSqlQuery q(db);
    q.setForwardOnly(true);
    const QString sql = QStringLiteral("select Date,GovtCharge,BankCharge,UserWithdrawal,Deposit,"
                                       "InterestPayment%1 from %2%3")
                            .arg(withFitId ? QStringLiteral(",FITID") : QString(), table, where);
    if (!q.exec(sql)) {
        if (error)
            *error = q.lastError().text();
        return false;
    }
    while (q.next()) {
        const QDate date = StoredValue::date(q.value(0));
        const TransactionAmounts amounts{moneyAt(q, 1), moneyAt(q, 2), moneyAt(q, 3), moneyAt(q, 4),
                                         moneyAt(q, 5)};
        const auto effect = RunningBalance::after(Money(), amounts);
        if (date.isValid() && effect)
            entries << KnownTransactions::Entry{date, *effect};
        if (withFitId && !q.value(6).isNull())
            fitIds.insert(q.value(6).toString());
    }
    return true;
}

QString dateText(const QDate& d) {
    return ShortDate::format(d);
}

// A row's (date, effect), the key two rows are the same transaction by.
using Key = QPair<qint64, qint64>;
Key keyOf(const QDate& date, Money effect) {
    return {date.toJulianDay(), effect.raw()};
}

} // namespace

std::optional<KnownTransactions> KnownTransactions::load(QSqlDatabase db, QString* error) {
    KnownTransactions known;
    if (!readTable(db, QStringLiteral("tblThisSession"), QString(), known.session,
                   known.sessionFitIds, error) ||
        !readTable(db, QStringLiteral("tblAllRecords"),
                   QStringLiteral(" where ifnull(CloseBalance,0)=0"), known.committed,
                   known.committedFitIds, error))
        return std::nullopt;
    return known;
}

ImportPreview::ImportPreview(const StatementContext& statement, KnownTransactions known,
                             ColumnRules rules)
    : m_statement(statement), m_known(std::move(known)), m_rules(std::move(rules)) {}

void ImportPreview::setRows(const QList<ImportedRow>& rows) {
    m_rows.clear();
    m_rows.reserve(rows.size());
    for (const ImportedRow& r : rows) {
        Row row;
        row.source = r;
        m_rows << std::move(row);
    }
    // Oldest first: a file that lists the newest first is turned round whole, so that the rows of
    // one day keep their order relative to each other.
    QDate first;
    QDate last;
    for (const Row& r : std::as_const(m_rows)) {
        if (!r.source.date.isValid())
            continue;
        if (!first.isValid())
            first = r.source.date;
        last = r.source.date;
    }
    if (first.isValid() && first > last)
        std::reverse(m_rows.begin(), m_rows.end());
    classify();
    check();
}

void ImportPreview::setTicked(int row, bool ticked) {
    if (row >= 0 && row < m_rows.size())
        m_rows[row].ticked = ticked;
}

void ImportPreview::setColumn(int row, AmountColumn column) {
    if (row < 0 || row >= m_rows.size())
        return;
    m_rows[row].column = column;
    m_rows[row].columnByHand = true;
}

void ImportPreview::setRules(const ColumnRules& rules) {
    m_rules = rules;
    classify();
}

void ImportPreview::classify() {
    for (Row& r : m_rows) {
        if (!r.columnByHand)
            r.column = m_rules.columnFor(r.source);
    }
}

void ImportPreview::check() {
    // Each known row can be matched by one row of the file only: two identical rows in a file
    // are two transactions, and only as many as the statement already has are duplicates.
    QHash<Key, int> inSession;
    QHash<Key, int> inHistory;
    for (const KnownTransactions::Entry& e : std::as_const(m_known.session))
        ++inSession[keyOf(e.date, e.effect)];
    for (const KnownTransactions::Entry& e : std::as_const(m_known.committed))
        ++inHistory[keyOf(e.date, e.effect)];
    auto take = [](QHash<Key, int>& pool, const Key& key) {
        auto it = pool.find(key);
        if (it == pool.end() || *it == 0)
            return false;
        --*it;
        return true;
    };

    const QString period =
        QStringLiteral("%1 to %2").arg(dateText(m_statement.start), dateText(m_statement.end));
    for (Row& r : m_rows) {
        const ImportedRow& s = r.source;
        r.ticked = false;
        const Key key = keyOf(s.date, s.amount);
        if (!s.ok()) {
            r.status = Status::Unreadable;
            r.reason = s.error;
            r.ticked = true;
        } else if (s.amount.isZero()) {
            r.status = Status::ZeroAmount;
            r.reason = QStringLiteral("The amount is 0.");
        } else if (s.date < m_statement.start || s.date > m_statement.end) {
            r.status = Status::OutsideDates;
            r.reason = QStringLiteral("Outside the statement's dates (%1).").arg(period);
        } else if (!s.correctsFitId.isEmpty()) {
            r.status = Status::Correction;
            r.reason = s.cancels
                           ? QStringLiteral("The bank cancels its transaction %1 of an earlier "
                                            "file; if it was entered, delete it by hand.")
                                 .arg(s.correctsFitId)
                           : QStringLiteral("The bank corrects its transaction %1 of an earlier "
                                            "file; if it was entered, change it by hand instead.")
                                 .arg(s.correctsFitId);
        } else if ((!s.fitId.isEmpty() && m_known.sessionFitIds.contains(s.fitId) &&
                    (take(inSession, key), true)) ||
                   take(inSession, key)) {
            r.status = Status::InStatement;
            r.reason = QStringLiteral("Already in the statement.");
        } else if ((!s.fitId.isEmpty() && m_known.committedFitIds.contains(s.fitId) &&
                    (take(inHistory, key), true)) ||
                   take(inHistory, key)) {
            r.status = Status::Committed;
            r.reason = QStringLiteral("Already in the account's history.");
        } else {
            r.status = Status::New;
            r.reason.clear();
            r.ticked = true;
        }
    }
}

TransactionAmounts ImportPreview::amountsOf(const Row& row) {
    TransactionAmounts a;
    const Money m = Money::fromRaw(std::abs(row.source.amount.raw()));
    switch (row.column) {
    case AmountColumn::GovtCharge:
        a.govtCharge = m;
        break;
    case AmountColumn::BankCharge:
        a.bankCharge = m;
        break;
    case AmountColumn::UserWithdrawal:
        a.userWithdrawal = m;
        break;
    case AmountColumn::Deposit:
        a.deposit = m;
        break;
    case AmountColumn::InterestPayment:
        a.interestPayment = m;
        break;
    }
    return a;
}

ImportPreview::BalanceCheck ImportPreview::balanceCheck() const {
    BalanceCheck result;
    std::optional<Money> running = m_statement.openBalance;
    std::optional<bool> negated; // decided by the first row with a balance
    for (int i = 0; i < m_rows.size(); ++i) {
        const Row& r = m_rows[i];
        // Rows the statement cannot hold: unreadable, outside its dates, or already committed (the
        // opening balance is the balance after them). Rows the user unticks still count.
        if (r.status == Status::Unreadable || r.status == Status::OutsideDates ||
            r.status == Status::Committed)
            continue;
        running = RunningBalance::after(*running, amountsOf(r));
        if (!running) {
            result.partsAt = i;
            return result;
        }
        if (!r.source.balance)
            continue;
        result.available = true;
        const Money stated = *r.source.balance;
        const auto opposite = Money::subtract(Money(), stated);
        if (!negated) {
            if (stated == *running)
                negated = false;
            else if (opposite && *opposite == *running)
                negated = true;
        }
        const bool agrees =
            negated && (*negated ? opposite && *opposite == *running : stated == *running);
        if (!agrees) {
            result.partsAt = i;
            result.stated = stated;
            result.computed = *running;
            return result;
        }
    }
    return result;
}

int ImportPreview::firstTickedUnreadable() const {
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].ticked && m_rows[i].status == Status::Unreadable)
            return i;
    }
    return -1;
}

int ImportPreview::tickedCount() const {
    return int(std::count_if(m_rows.begin(), m_rows.end(), [](const Row& r) { return r.ticked; }));
}

std::optional<Money> ImportPreview::closingAfterImport() const {
    std::optional<Money> balance = m_statement.openBalance;
    for (const KnownTransactions::Entry& e : m_known.session) {
        balance = Money::add(*balance, e.effect);
        if (!balance)
            return std::nullopt;
    }
    for (const Row& r : m_rows) {
        if (!r.ticked || r.status == Status::Unreadable)
            continue;
        balance = RunningBalance::after(*balance, amountsOf(r));
        if (!balance)
            return std::nullopt;
    }
    return balance;
}

bool ImportPreview::fitsBetterFlipped() const {
    QList<ImportedRow> flipped;
    flipped.reserve(m_rows.size());
    for (const Row& r : m_rows) {
        ImportedRow s = r.source;
        s.amount = Money::fromRaw(-s.amount.raw());
        if (s.balance)
            s.balance = Money::fromRaw(-s.balance->raw());
        flipped << std::move(s);
    }
    ImportPreview other(m_statement, m_known, m_rules);
    other.setRows(flipped);
    auto score = [](const ImportPreview& p) {
        const auto closing = p.closingAfterImport();
        const bool reaches = closing && *closing == p.statement().closeBalance;
        const BalanceCheck b = p.balanceCheck();
        const qsizetype agreeing = b.partsAt < 0 ? p.rows().size() : b.partsAt;
        return (reaches ? 1'000'000 : 0) + agreeing;
    };
    return score(other) > score(*this);
}
