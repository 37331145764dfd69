#pragma once

#include "StatementHeader.h"
#include "data/AmountColumns.h"
#include "data/Money.h"
#include "data/StoredValue.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVector>

#include <array>
#include <optional>

// The missing-statement notice: the three texts of the missing statement prompt (its
// txtInformation, txtData and txtInfo2). With several statements missing only the first is set.
struct MissingStatementNotice {
    QString information;
    QString data;
    QString info2;

    // The texts that are set, joined by spaces: how the command-line tool prints the notice.
    QString joined() const;
    // The one statement the notice names as not entered; 0 when it names none or several.
    int namedStatement() const;
    friend bool operator==(const MissingStatementNotice&, const MissingStatementNotice&) = default;
};

// One tblThisSession row.
struct SessionRow {
    qint64 id = 0;
    QDate date;
    PerAmountColumn<StoredMoney> amounts;
    QString fitId; // the bank's id of an imported transaction; "" for one typed
};

// What happens to the account before the calculation: the statement number recorded, missing
// statements found, a balance row where a statement does not follow on, and the session's
// transactions appended to the history.
namespace ReportPreparation {

inline constexpr const char* NoTransactions = QT_TRANSLATE_NOOP(
    "ReportPreparation", "No transactions have been entered. Report cannot be generated.");

// The notice for the statement numbers recorded (tblNumber; any order, repeats allowed): the
// statements before the lowest number, then the gaps between the numbers. One missing statement
// is named; two or more give the general text. nullopt when none is missing.
std::optional<MissingStatementNotice> missingStatements(QVector<int> numbers);

// Whether statement `entered` (already among `numbers`) needs a balance row: unless it is the
// highest and follows on directly from the one below it. The first statement always does.
bool needsBalanceRow(QVector<int> numbers, int entered);

bool readStatementNumbers(QSqlDatabase db, QVector<int>* numbers, QString* error);
bool readSessionRows(QSqlDatabase db, QVector<SessionRow>* rows, QString* error);

struct CommitResult {
    bool noTransactions = false;  // no history and no session rows: no report
    bool balanceRowAdded = false; // tagStatement is then cleared
    int appendedRows = 0;
    std::optional<MissingStatementNotice> missing;
};

// Commits the statement of `header` with its `session` rows, in one transaction: records its
// number in tblNumber when new, adds a balance row (header's start date and opening balance) when
// it does not follow on, and appends the session rows to tblAllRecords with the running balance
// in OpenBalance and 0 in CloseBalance. With an empty header number only the session rows are
// appended. The session table itself is not touched. nullopt, with the file as it was, when any
// write fails or the header cannot be read.
std::optional<CommitResult> commitStatement(QSqlDatabase db, const StatementHeader& header,
                                            const QVector<SessionRow>& session, QString* error);

struct CommitOptions {
    // The caller has begun a transaction on `db` and commits or rolls it back: the statement is
    // one part of a larger write (a whole history imported). On failure the caller must roll back,
    // as the statement may be partly written.
    bool inCallerTransaction = false;
    // A balance row even where the statement follows on: the history's balance at the statement's
    // start differs from its opening balance.
    bool balanceRow = false;
};

// The same commit, as `options` say.
std::optional<CommitResult> commitStatement(QSqlDatabase db, const StatementHeader& header,
                                            const QVector<SessionRow>& session,
                                            const CommitOptions& options, QString* error);

// Commits statements one after another inside the caller's transaction, each as commitStatement
// commits it: what the account holds (its numbers, whether it has history, its last row's
// balance) is read once and then followed, and each insert is prepared once, so that a history
// of half a million rows in a thousand statements is written in seconds, not minutes.
class StatementCommitter {
public:
    explicit StatementCommitter(QSqlDatabase db);
    std::optional<CommitResult> commit(const StatementHeader& header,
                                       const QVector<SessionRow>& session, bool balanceRow,
                                       QString* error);

private:
    // The history's last row by date and ID: its Date as stored (null first) and its balance.
    struct LastRow {
        QVariant date;
        std::optional<Money> balance;
    };
    bool load(QString* error);
    bool insertNumber(int number, QString* error);
    bool insertBalanceRow(const QDate& date, Money balance, QString* error);
    bool appendRows(const QVector<SessionRow>& session, Money running, QString* error);
    void follow(const QVariant& date, std::optional<Money> balance);

    QSqlDatabase m_db;
    bool m_loaded = false;
    QVector<int> m_numbers;
    bool m_historyEmpty = true;
    std::optional<LastRow> m_last;
    bool m_withFitId = false;
    std::optional<QSqlQuery> m_numberInsert;
    std::optional<QSqlQuery> m_balanceInsert;
    std::optional<QSqlQuery> m_rowInsert;
};

} // namespace ReportPreparation
