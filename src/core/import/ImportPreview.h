#pragma once

#include "ColumnRules.h"
#include "ImportRow.h"
#include "StatementContext.h"

#include "data/RunningBalance.h"

#include <QList>
#include <QSet>
#include <QSqlDatabase>
#include <QString>

#include <optional>

// What the statement and the history already hold, for the duplicate checks.
struct KnownTransactions {
    struct Entry {
        QDate date;
        Money effect; // what the row does to the balance
    };
    QList<Entry> session;   // tblThisSession
    QList<Entry> committed; // tblAllRecords without its balance rows
    // The bank's ids of rows imported before, where the account keeps them (a FITID column).
    QSet<QString> sessionFitIds;
    QSet<QString> committedFitIds;

    // nullopt, and why, when a table cannot be read.
    static std::optional<KnownTransactions> load(QSqlDatabase db, QString* error);
};

// The rows of one file as the preview shows them: each with its column, its tick and, when it
// starts unticked, the reason. Rows are kept oldest first (a file listing the newest first is
// turned round), the order in which they go into the statement.
class ImportPreview {
public:
    enum class Status {
        New,
        Unreadable, // starts ticked: nothing is imported until the user unticks it
        ZeroAmount,
        OutsideDates,
        Correction, // OFX: corrects or cancels a transaction of an earlier download
        InStatement,
        Committed,
    };
    struct Row {
        ImportedRow source;
        AmountColumn column = AmountColumn::Deposit;
        bool columnByHand = false;
        bool ticked = true;
        Status status = Status::New;
        QString reason;
    };
    struct BalanceCheck {
        bool available = false; // the file states a balance on a row the check reaches
        int partsAt = -1;       // the first row whose stated balance differs, -1 if none
        Money stated;           // there: the file's balance
        Money computed;         // there: the opening balance carried through the rows
    };

    ImportPreview(const StatementContext& statement, KnownTransactions known, ColumnRules rules);

    void setRows(const QList<ImportedRow>& rows);
    const QList<Row>& rows() const { return m_rows; }
    const StatementContext& statement() const { return m_statement; }
    const ColumnRules& rules() const { return m_rules; }

    // The user's corrections.
    void setTicked(int row, bool ticked);
    void setColumn(int row, AmountColumn column);
    // Gives the rows not set by hand the columns the new rules choose.
    void setRules(const ColumnRules& rules);

    // The five amounts a row is entered with: its amount, made positive, in its column.
    static TransactionAmounts amountsOf(const Row& row);

    // Where the file carries a running balance: does it agree with the statement's opening
    // balance carried through the rows within the statement's dates that the history does not
    // hold yet? A file whose balances have the opposite sign to the statement's throughout agrees.
    BalanceCheck balanceCheck() const;

    // The first ticked row that does not read, or -1: Import refuses while there is one.
    int firstTickedUnreadable() const;
    int tickedCount() const;
    // The balance the statement reaches with its rows and the ticked ones: nullopt when it
    // leaves the money range.
    std::optional<Money> closingAfterImport() const;

    // True when the file's amounts fit the statement better with the opposite sign: the closing
    // balance is reached only that way, or the file's balances agree further.
    bool fitsBetterFlipped() const;

private:
    void classify();
    void check();

    StatementContext m_statement;
    KnownTransactions m_known;
    ColumnRules m_rules;
    QList<Row> m_rows;
};
