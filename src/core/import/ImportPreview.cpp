#include "ImportPreview.h"

#include "data/AccountConnection.h"
#include "data/ShortDate.h"
#include "data/StoredValue.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace {

// An amount that cannot be read counts as none: such a file is refused by Open anyway.
Money moneyAt(const QSqlQuery& q, int field) {
    return StoredValue::money(q.value(field)).money().value_or(Money());
}

bool readTable(QSqlDatabase db, const QString& table, const QString& where,
               QList<KnownTransactions::Entry>& entries, QSet<QString>& fitIds, QString* error) {
    const bool withFitId = AccountDatabase::hasColumn(db, table, QStringLiteral("FITID"));
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
        TransactionAmounts amounts;
        for (AmountColumn c : AmountColumns::All)
            amounts[c] = moneyAt(q, 1 + int(c));
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

QPair<qint64, qint64> keyOf(const QDate& date, Money effect) {
    return {date.toJulianDay(), effect.raw()};
}

TransactionAmounts amountsIn(AmountColumn column, Money amount) {
    TransactionAmounts a;
    a[column] = amount.magnitude().value_or(amount);
    return a;
}

// The balance check takes a file's balances in either sign: turning the amounts is enough.
ImportedRow flippedRow(ImportedRow row) {
    row.amount = row.amount.negated().value_or(row.amount);
    return row;
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

ImportPreview::ImportPreview(const StatementHeader& statement, KnownTransactions known,
                             ColumnRules rules)
    : m_statement(statement), m_known(std::move(known)), m_rules(std::move(rules)),
      m_outsideReason(
          QCoreApplication::translate("ImportPreview", "Outside the statement's dates (%1 to %2).")
              .arg(dateText(statement.start), dateText(statement.end))) {}

void ImportPreview::setRows(QList<ImportedRow> rows) {
    m_source = std::move(rows);
    // Oldest first: a file that lists the newest first is turned round whole, so that the rows of
    // one day keep their order relative to each other.
    QDate first;
    QDate last;
    for (const ImportedRow& r : std::as_const(m_source)) {
        if (!r.date.isValid())
            continue;
        if (!first.isValid())
            first = r.date;
        last = r.date;
    }
    m_reversed = first.isValid() && first > last;
    m_marks = QList<Mark>(m_source.size());
    classify();
    Pools known = pools();
    for (qsizetype i = 0; i < m_marks.size(); ++i)
        check(source(i), m_marks[i], known);
}

ImportPreview::Row ImportPreview::row(qsizetype i) const {
    const Mark& m = m_marks[i];
    const ImportedRow& s = source(i);
    return Row{s, m.column, m.columnByHand, m.ticked, m.status, reason(s, m.status)};
}

void ImportPreview::setTicked(int row, bool ticked) {
    if (row >= 0 && row < m_marks.size() && m_marks[row].status != Status::Pending)
        m_marks[row].ticked = ticked;
}

void ImportPreview::setColumn(int row, AmountColumn column) {
    if (row < 0 || row >= m_marks.size())
        return;
    m_marks[row].column = column;
    m_marks[row].columnByHand = true;
}

void ImportPreview::setRules(const ColumnRules& rules) {
    m_rules = rules;
    classify();
}

void ImportPreview::classify() {
    for (qsizetype i = 0; i < m_marks.size(); ++i) {
        if (!m_marks[i].columnByHand)
            m_marks[i].column = m_rules.columnFor(source(i));
    }
}

ImportPreview::Pools ImportPreview::pools() const {
    // Each known row can be matched by one row of the file only: two identical rows in a file
    // are two transactions, and only as many as the statement already has are duplicates.
    Pools p;
    for (const KnownTransactions::Entry& e : std::as_const(m_known.session))
        ++p.session[keyOf(e.date, e.effect)];
    for (const KnownTransactions::Entry& e : std::as_const(m_known.committed))
        ++p.history[keyOf(e.date, e.effect)];
    return p;
}

void ImportPreview::check(const ImportedRow& s, Mark& m, Pools& pools) const {
    auto take = [](Pool& pool, const QPair<qint64, qint64>& key) {
        auto it = pool.find(key);
        if (it == pool.end() || *it == 0)
            return false;
        --*it;
        return true;
    };
    m.ticked = false;
    const auto key = keyOf(s.date, s.amount);
    if (s.pending) {
        m.status = Status::Pending;
    } else if (!s.ok()) {
        m.status = Status::Unreadable;
        m.ticked = true;
    } else if (s.date < m_statement.start || s.date > m_statement.end) {
        m.status = Status::OutsideDates;
    } else if (!s.correctsFitId.isEmpty() &&
               (s.cancels || m_known.sessionFitIds.contains(s.correctsFitId) ||
                m_known.committedFitIds.contains(s.correctsFitId))) {
        // A replacement of a transaction the account does not hold is imported as any row is.
        m.status = Status::Correction;
    } else if ((!s.fitId.isEmpty() && m_known.sessionFitIds.contains(s.fitId) &&
                (take(pools.session, key), true)) ||
               take(pools.session, key)) {
        m.status = Status::InStatement;
    } else if ((!s.fitId.isEmpty() && m_known.committedFitIds.contains(s.fitId) &&
                (take(pools.history, key), true)) ||
               take(pools.history, key)) {
        m.status = Status::Committed;
    } else {
        // A row of 0.00 is still the bank's transaction (a fee waived, a notice): it is entered
        // as the bank lists it, and moves no money.
        m.status = s.amount.isZero() ? Status::ZeroAmount : Status::New;
        m.ticked = true;
    }
}

QString ImportPreview::reason(const ImportedRow& s, Status status) const {
    switch (status) {
    case Status::New:
        return {};
    case Status::Unreadable:
        return s.error;
    case Status::Pending:
        return s.pendingReason.isEmpty()
                   ? QCoreApplication::translate("ImportPreview", "Pending: no date yet")
                   : s.pendingReason;
    case Status::ZeroAmount:
        return QCoreApplication::translate("ImportPreview",
                                           "The amount is 0: the row moves no money.");
    case Status::OutsideDates:
        return m_outsideReason;
    case Status::Correction:
        return s.cancels
                   ? QCoreApplication::translate(
                         "ImportPreview", "The bank cancels its transaction %1 of an earlier "
                                          "file; if it was entered, delete it by hand.")
                         .arg(s.correctsFitId)
                   : QCoreApplication::translate(
                         "ImportPreview", "The bank corrects its transaction %1 of an earlier "
                                          "file, which the account holds: change it by hand "
                                          "instead.")
                         .arg(s.correctsFitId);
    case Status::InStatement:
        return QCoreApplication::translate("ImportPreview", "Already in the statement.");
    case Status::Committed:
        return QCoreApplication::translate("ImportPreview", "Already in the account's history.");
    }
    return {};
}

TransactionAmounts ImportPreview::amountsOf(const Row& row) {
    return amountsIn(row.column, row.source.amount);
}

void ImportPreview::BalanceWalk::step(int at, const ImportedRow& r, const Mark& m) {
    // Rows the statement cannot hold: unreadable, pending, outside its dates, or already committed
    // (the opening balance is the balance after them). Rows the user unticks still count.
    if (done || m.status == Status::Unreadable || m.status == Status::Pending ||
        m.status == Status::OutsideDates || m.status == Status::Committed)
        return;
    running = RunningBalance::after(*running, amountsIn(m.column, r.amount));
    if (!running) {
        result.partsAt = at;
        done = true;
        return;
    }
    if (!r.balance)
        return;
    result.available = true;
    const Money stated = *r.balance;
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
        result.partsAt = at;
        result.stated = stated;
        result.computed = *running;
        done = true;
    }
}

ImportPreview::BalanceCheck ImportPreview::balanceCheck() const {
    BalanceWalk walk;
    walk.running = m_statement.openBalance;
    for (qsizetype i = 0; i < m_marks.size() && !walk.done; ++i)
        walk.step(int(i), source(i), m_marks[i]);
    return walk.result;
}

QString ImportPreview::reasonShown(qsizetype i, const BalanceCheck& check) const {
    QString reason = row(i).reason;
    if (i == check.partsAt) {
        const QString note =
            QCoreApplication::translate(
                "ImportPreview", "The file's balance %1 parts here from the running balance %2.")
                .arg(check.stated.format(), check.computed.format());
        reason = reason.isEmpty() ? note : reason + u' ' + note;
    }
    return reason;
}

int ImportPreview::firstTickedUnreadable() const {
    for (int i = 0; i < m_marks.size(); ++i) {
        if (m_marks[i].ticked && m_marks[i].status == Status::Unreadable)
            return i;
    }
    return -1;
}

int ImportPreview::tickedCount() const {
    return int(
        std::count_if(m_marks.begin(), m_marks.end(), [](const Mark& m) { return m.ticked; }));
}

void ImportPreview::ClosingWalk::step(const ImportedRow& r, const Mark& m) {
    if (!balance || !m.ticked || m.status == Status::Unreadable)
        return;
    balance = RunningBalance::after(*balance, amountsIn(m.column, r.amount));
}

ImportPreview::ClosingWalk ImportPreview::closingStart() const {
    ClosingWalk walk;
    walk.balance = m_statement.openBalance;
    for (const KnownTransactions::Entry& e : m_known.session) {
        if (walk.balance)
            walk.balance = Money::add(*walk.balance, e.effect);
    }
    return walk;
}

std::optional<Money> ImportPreview::closingAfterImport() const {
    ClosingWalk walk = closingStart();
    for (qsizetype i = 0; i < m_marks.size() && walk.balance; ++i)
        walk.step(source(i), m_marks[i]);
    return walk.balance;
}

QString ImportPreview::flippedFitReason() const {
    // The rows with the opposite sign are judged as setRows would judge them, one at a time:
    // their columns by the rules (none is set by hand in a file just read), their ticks and the
    // duplicates they match.
    Pools known = pools();
    BalanceWalk balance;
    balance.running = m_statement.openBalance;
    ClosingWalk closing = closingStart();
    for (qsizetype i = 0; i < m_marks.size(); ++i) {
        const ImportedRow flipped = flippedRow(source(i));
        Mark mark;
        mark.column = m_rules.columnFor(flipped);
        check(flipped, mark, known);
        balance.step(int(i), flipped, mark);
        closing.step(flipped, mark);
    }
    const qsizetype rows = m_marks.size();
    auto reaches = [&](const std::optional<Money>& closingBalance) {
        return closingBalance && *closingBalance == m_statement.closeBalance;
    };
    auto score = [&](const std::optional<Money>& closingBalance, const BalanceCheck& b) {
        const qsizetype agreeing = b.partsAt < 0 ? rows : b.partsAt;
        return (reaches(closingBalance) ? 1'000'000 : 0) + agreeing;
    };
    const std::optional<Money> closingAsIs = closingAfterImport();
    if (score(closing.balance, balance.result) <= score(closingAsIs, balanceCheck()))
        return {};
    return reaches(closing.balance) && !reaches(closingAsIs)
               ? QCoreApplication::translate(
                     "ImportPreview", "The amounts are read with their sign turned: the statement "
                                      "reaches its closing balance with them that way.")
               : QCoreApplication::translate(
                     "ImportPreview", "The amounts are read with their sign turned: the file's "
                                      "balances agree with the statement's that way.");
}
