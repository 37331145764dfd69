#include "ReportPreparation.h"
#include "data/StoredValue.h"

#include "AccountStore.h"
#include "data/AccountConnection.h"
#include "data/Queries.h"
#include "data/RunningBalance.h"
#include "data/ShortDate.h"
#include "data/TransactionGuard.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace {

// The missing-statement notice's three parts: its lead, the statement's number, the rest.
const char* const PriorTo = QT_TRANSLATE_NOOP("ReportPreparation", "Statement(s) prior to");
const char* const StatementNumber = QT_TRANSLATE_NOOP("ReportPreparation", "Statement number");
const char* const NotEntered = QT_TRANSLATE_NOOP(
    "ReportPreparation",
    "has not been entered. Calculated Interest Due for this period will not be accurate.");
const char* const SomeNotEntered =
    QT_TRANSLATE_NOOP("ReportPreparation", "Some statements have not been entered. Calculated "
                                           "Interest Due for these periods will not be accurate.");

QString translated(const char* text) {
    return QCoreApplication::translate("ReportPreparation", text);
}

// Sorted, each number once: a number recorded twice is one statement, and must not count as a
// gap (nor, walking the numbers, as a statement that never comes).
QVector<int> distinctSorted(QVector<int> numbers) {
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

MissingStatementNotice named(const char* lead, int number) {
    return {translated(lead), QString::number(number), translated(NotEntered)};
}

bool fail(const QString& message, QString* error) {
    if (error)
        *error = message;
    return false;
}

QVariant nullable(const std::optional<Money>& m) {
    return m ? QVariant(m->raw()) : QVariant(QMetaType(QMetaType::LongLong));
}

} // namespace

QString MissingStatementNotice::joined() const {
    QStringList parts;
    for (const QString& t : {information, data, info2}) {
        if (!t.isEmpty())
            parts << t;
    }
    return parts.join(QLatin1Char(' '));
}

int MissingStatementNotice::namedStatement() const {
    return information == translated(StatementNumber) ? data.toInt() : 0;
}

namespace ReportPreparation {

std::optional<MissingStatementNotice> missingStatements(QVector<int> numbers) {
    numbers = distinctSorted(std::move(numbers));
    if (numbers.isEmpty())
        return std::nullopt;
    std::optional<MissingStatementNotice> notice;
    if (numbers.first() > 1)
        notice = named(PriorTo, numbers.first());
    for (int i = 1; i < numbers.size(); ++i) {
        const qint64 missing = qint64(numbers[i]) - numbers[i - 1] - 1;
        if (missing <= 0)
            continue;
        // A second missing statement, here or before, gives the general text, which nothing
        // after it changes.
        if (notice || missing > 1)
            return MissingStatementNotice{translated(SomeNotEntered), {}, {}};
        notice = named(StatementNumber, numbers[i - 1] + 1);
    }
    return notice;
}

bool needsBalanceRow(QVector<int> numbers, int entered) {
    numbers = distinctSorted(std::move(numbers));
    if (numbers.isEmpty())
        return true;
    // The second-highest number, or the only one.
    const int below = numbers.size() >= 2 ? numbers[numbers.size() - 2] : numbers.first();
    return qint64(entered) != qint64(below) + 1;
}

bool readStatementNumbers(QSqlDatabase db, QVector<int>* numbers, QString* error) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QString::fromLatin1(Queries::Numbers)))
        return fail(q.lastError().text(), error);
    QVector<int> read;
    while (q.next()) {
        // An empty or unreadable number names no statement.
        bool ok = false;
        const int n = q.value(1).toInt(&ok);
        if (!q.value(1).isNull() && ok)
            read << n;
    }
    if (q.lastError().isValid())
        return fail(q.lastError().text(), error);
    *numbers = std::move(read);
    return true;
}

bool readSessionRows(QSqlDatabase db, QVector<SessionRow>* rows, QString* error) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QString::fromLatin1(Queries::ThisSessionReport)))
        return fail(q.lastError().text(), error);
    QVector<SessionRow> read;
    while (q.next()) {
        SessionRow row;
        row.id = q.value(0).toLongLong();
        row.date = StoredValue::date(q.value(1));
        for (int a = 0; a < AmountColumns::Count; ++a)
            row.amounts[std::size_t(a)] = StoredValue::money(q.value(2 + a));
        read << row;
    }
    if (q.lastError().isValid())
        return fail(q.lastError().text(), error);
    if (AccountDatabase::hasColumn(db, QStringLiteral("tblThisSession"), QStringLiteral("FITID"))) {
        QHash<qint64, QString> ids;
        if (!q.exec(QStringLiteral("select ID,FITID from tblThisSession where FITID is not null")))
            return fail(q.lastError().text(), error);
        while (q.next())
            ids.insert(q.value(0).toLongLong(), q.value(1).toString());
        for (SessionRow& row : read)
            row.fitId = ids.value(row.id);
    }
    *rows = std::move(read);
    return true;
}

std::optional<CommitResult> commitStatement(QSqlDatabase db, const StatementHeader& header,
                                            const QVector<SessionRow>& session, QString* error) {
    return commitStatement(db, header, session, CommitOptions(), error);
}

std::optional<CommitResult> commitStatement(QSqlDatabase db, const StatementHeader& header,
                                            const QVector<SessionRow>& session,
                                            const CommitOptions& options, QString* error) {
    std::optional<TransactionGuard> transaction;
    if (!options.inCallerTransaction) {
        transaction.emplace(db);
        if (!transaction->begun(error))
            return std::nullopt;
    }
    std::optional<CommitResult> result =
        StatementCommitter(db).commit(header, session, options.balanceRow, error);
    if (!result || (transaction && !transaction->commit(error)))
        return std::nullopt;
    return result;
}

StatementCommitter::StatementCommitter(QSqlDatabase db) : m_db(std::move(db)) {}

bool StatementCommitter::load(QString* error) {
    if (m_loaded)
        return true;
    if (!readStatementNumbers(m_db, &m_numbers, error))
        return false;
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    // The last row only: the history may hold hundreds of thousands.
    if (!q.exec(QStringLiteral("select Date, OpenBalance from tblAllRecords order by Date desc, "
                               "ID desc limit 1")))
        return fail(q.lastError().text(), error);
    m_historyEmpty = !q.next();
    if (!m_historyEmpty)
        m_last = LastRow{q.value(0), StoredValue::money(q.value(1)).money()};
    m_withFitId =
        AccountDatabase::hasColumn(m_db, QStringLiteral("tblAllRecords"), QStringLiteral("FITID"));
    m_loaded = true;
    return true;
}

// A row just inserted is the history's last when no row sorts after it: SQLite puts nulls first,
// and the newest ID last among rows of one date.
void StatementCommitter::follow(const QVariant& date, std::optional<Money> balance) {
    m_historyEmpty = false;
    const bool later = !m_last || m_last->date.isNull() ||
                       (!date.isNull() && date.toString() >= m_last->date.toString());
    if (later)
        m_last = LastRow{date, balance};
}

bool StatementCommitter::insertNumber(int number, QString* error) {
    if (!m_numberInsert) {
        m_numberInsert.emplace(m_db);
        if (!m_numberInsert->prepare(
                QStringLiteral("insert into tblNumber (StatementNumber) values (?)")))
            return fail(m_numberInsert->lastError().text(), error);
    }
    m_numberInsert->bindValue(0, number);
    if (!m_numberInsert->exec())
        return fail(m_numberInsert->lastError().text(), error);
    m_numbers << number;
    return true;
}

bool StatementCommitter::insertBalanceRow(const QDate& date, Money balance, QString* error) {
    if (!m_balanceInsert) {
        m_balanceInsert.emplace(m_db);
        if (!m_balanceInsert->prepare(QStringLiteral(
                "insert into tblAllRecords (Date, OpenBalance, CloseBalance) values (?, ?, ?)")))
            return fail(m_balanceInsert->lastError().text(), error);
    }
    const QVariant stored = ShortDate::toIso(date);
    m_balanceInsert->bindValue(0, stored);
    m_balanceInsert->bindValue(1, balance.raw());
    m_balanceInsert->bindValue(2, balance.raw());
    if (!m_balanceInsert->exec())
        return fail(m_balanceInsert->lastError().text(), error);
    follow(stored, balance);
    return true;
}

bool StatementCommitter::appendRows(const QVector<SessionRow>& session, Money running,
                                    QString* error) {
    if (!m_rowInsert) {
        m_rowInsert.emplace(m_db);
        if (!m_rowInsert->prepare(
                QStringLiteral("insert into tblAllRecords (Date, GovtCharge, BankCharge, "
                               "UserWithdrawal, Deposit, InterestPayment, OpenBalance, "
                               "CloseBalance%1) values (?,?,?,?,?,?,?,0%2)")
                    .arg(m_withFitId ? QStringLiteral(", FITID") : QString(),
                         m_withFitId ? QStringLiteral(",?") : QString())))
            return fail(m_rowInsert->lastError().text(), error);
    }
    QSqlQuery& q = *m_rowInsert;
    for (const SessionRow& row : session) {
        TransactionAmounts amounts;
        bool readable = true;
        const QVariant date = row.date.isValid() ? QVariant(ShortDate::toIso(row.date))
                                                 : QVariant(QMetaType(QMetaType::QString));
        q.bindValue(0, date);
        for (AmountColumn a : AmountColumns::All) {
            const StoredMoney& amount = row.amounts[a];
            if (amount.state == StoredMoney::State::Unreadable)
                readable = false;
            amounts[a] = amount.money().value_or(Money());
            q.bindValue(1 + int(a), nullable(amount.money()));
        }
        if (readable) {
            if (const std::optional<Money> after = RunningBalance::after(running, amounts))
                running = *after;
        }
        q.bindValue(6, running.raw());
        if (m_withFitId)
            q.bindValue(7, row.fitId.isEmpty() ? QVariant(QMetaType(QMetaType::QString))
                                               : QVariant(row.fitId));
        if (!q.exec())
            return fail(q.lastError().text(), error);
        follow(date, running);
    }
    return true;
}

std::optional<CommitResult> StatementCommitter::commit(const StatementHeader& header,
                                                       const QVector<SessionRow>& session,
                                                       bool balanceRow, QString* error) {
    std::optional<int> entered;
    if (!header.number.isEmpty()) {
        bool ok = false;
        const short n = header.number.trimmed().toShort(&ok);
        if (!ok) {
            fail(QCoreApplication::translate("ReportPreparation",
                                             "The statement number '%1' is not a number.")
                     .arg(header.number),
                 error);
            return std::nullopt;
        }
        entered = n;
    }
    if (!load(error))
        return std::nullopt;
    if (entered && !m_numbers.contains(*entered) && !insertNumber(*entered, error))
        return std::nullopt;

    CommitResult result;
    if (m_historyEmpty && session.isEmpty()) {
        result.noTransactions = true;
        return result;
    }
    result.missing = missingStatements(m_numbers);

    // The balance the appended rows continue from: the balance row's, else the balance after the
    // last committed row (the one statement entry proposes as the next opening balance).
    Money running;
    if (entered && (balanceRow || needsBalanceRow(m_numbers, *entered))) {
        if (!header.start.isValid() || !header.openBalance) {
            fail(QCoreApplication::translate(
                     "ReportPreparation",
                     "The statement's start date or opening balance cannot be read."),
                 error);
            return std::nullopt;
        }
        running = *header.openBalance;
        if (!insertBalanceRow(header.start, running, error))
            return std::nullopt;
        result.balanceRowAdded = true;
    } else if (m_last && m_last->balance) {
        running = *m_last->balance;
    }
    if (!session.isEmpty() && !appendRows(session, running, error))
        return std::nullopt;
    result.appendedRows = int(session.size());
    return result;
}

} // namespace ReportPreparation
