#pragma once

#include "ImportChoices.h"
#include "ImportPreview.h"
#include "ImportSession.h"
#include "ImportRow.h"
#include "data/Money.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVector>

#include <optional>
#include <utility>

// A loan's whole transaction history, as the bank exports it, cut into the lender's statements
// and committed in one step: each statement checked and written as a typed one would be.
namespace HistoryImport {

// How the history is cut. Periods end in the calendar's months: every month; quarters in March,
// June, September and December; half-years in June and December; years in December.
struct Cutting {
    enum class Every : quint8 { Month = 1, Quarter = 3, HalfYear = 6, Year = 12 };
    Every every = Every::Month;
    int cutDay = 0;    // the day of the month a period ends on; 0, or past the month: its last
    QList<QDate> ends; // the lender's own end dates; when given, they cut instead
    // The first new statement's number; 0: the one after the account's last (1 in a new account).
    // Statements the account holds already keep the account's numbers.
    int firstNumber = 0;

    // The end of the period holding `date`.
    QDate endOf(const QDate& date) const;
};

// The two sign choices, each a separate question: a loan in debit is negative here, and the
// amounts are as the balance sees them (money in positive).
struct Signs {
    bool turnAmounts = false;
    bool turnBalances = false;
    QString why;
};

// Proposes the pair under which the file's balances follow from its amounts and a loan in debit
// is negative. Without a balance column the amounts stay as read.
Signs proposeSigns(const QList<ImportedRow>& rows);
// The rows with `signs` applied.
QList<ImportedRow> applied(QList<ImportedRow> rows, const Signs& signs);
// The signs proposed for the file `session` has read, as the window and the tool both propose
// them: of the file as it is written, so a turn the reading made (a remembered layout's, the
// detection's) is undone first, and the pair stored with the layout afterwards means the same
// whatever the account remembered. Without a proposal while a row does not read.
Signs proposeSigns(ImportSession& session);

// What the account already holds.
struct AccountHistory {
    QVector<int> numbers; // tblNumber
    QDate lastDate;       // of tblAllRecords; invalid when empty
    Money lastBalance;    // the balance after its last row
    QList<KnownTransactions::Entry> committed;

    static std::optional<AccountHistory> load(QSqlDatabase db, QString* error);
};

enum class Status : quint8 { Ready, AlreadyInAccount, BalanceBreak, NoBalanceToCheck };
// "ready", "already in the account", "balance break", "no balance to check".
QString statusText(Status status);

struct Statement {
    int number = 0;
    QDate start;
    QDate end;
    Money opening;
    Money closing;
    QList<ImportedRow> rows;
    Status status = Status::Ready;
    int breakLine = 0; // BalanceBreak: the file's line whose balance does not follow
    bool noInterest = false;
    // The history's balance at the statement's start differs from its opening: it starts with a
    // balance row.
    bool balanceRow = false;
    int leftOut = 0; // rows on or before the account's last date that its history holds
    // Rows on or before that date that the history does not hold: left out too, as committed
    // days are never written again, and shown so that the user can look.
    int notInHistory = 0;

    // The status with its line and flag, as the preview prints it.
    QString statusShown() const;
};

struct Plan {
    QList<Statement> statements;
    int rowsAfter = 0; // rows after the last complete period: for the next import
    QString note;      // why a whole-file figure is missing ("" when none)
    // Why the whole file is refused ("" when it is not): then there is no statement.
    QString refusal;
    // Why the file may not be the loan's ("" when nothing says so): said before anything is
    // written, so that a borrower who picked the wrong export can stop.
    QString caution;

    // The ready statements' days, first start to last end: what Import writes, and what the rate
    // periods must then cover. nullopt when no statement is ready.
    std::optional<std::pair<QDate, QDate>> readySpan() const;
};

struct Balances {
    std::optional<Money> opening; // the balance before the file's first row
    std::optional<Money> closing; // the balance after the last statement's last row
};

// The opening balance offered for a file without a balance column: the one its summary states
// (BankSummary::offeredOpening), when `account` holds no history whose last balance it continues.
std::optional<Money> offeredOpening(const ReadResult& read, const AccountHistory& account);

// Cuts `rows` (readable, oldest first, signs applied) into statements. Balances come from the
// file's balance column, else from `given`; `account` is the history the statements continue.
Plan cut(const QList<ImportedRow>& rows, const Cutting& cutting, const Balances& given,
         const AccountHistory& account);

struct Written {
    int statements = 0;
    int rows = 0;
};

// Commits every ready statement in one transaction, each through the closing checks and the
// commit a typed statement goes through, and `keep` (when given) with them, so that a kill
// leaves the account either as it was or with all of it. nullopt, and the account as it was,
// when any fails.
std::optional<Written> commit(QSqlDatabase db, const Plan& plan, QString* error,
                              const ImportChoices* keep = nullptr);

// The import as the window and the tool both make it, in this order: nothing without a ready
// statement; a copy of `account` kept beside it when it holds history already (nothing written
// when the copy fails); the ready statements committed, and in the same transaction the file's
// CSV layout remembered for the next file (`layout`, its sign as the statements read the
// amounts).
struct Outcome {
    enum class Step : quint8 { Done, NothingReady, NoCopy, NotWritten };
    Step step = Step::Done;
    QString reason; // NoCopy, NotWritten: why
    Written written;
    QString copy; // the copy kept, "" when the account held no history
};
Outcome importInto(QSqlDatabase db, const QString& account, const AccountHistory& history,
                   const Plan& plan, const ImportChoices& choices,
                   const std::optional<CsvLayout>& layout, const Signs& signs);

} // namespace HistoryImport
