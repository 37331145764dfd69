#pragma once

#include "ColumnRules.h"
#include "ImportRow.h"
#include "engine/StatementHeader.h"

#include "data/RunningBalance.h"

#include <QHash>
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
// turned round), the order in which they go into the statement. The file's rows are held once,
// shared with the reader's result: the preview keeps only its own marks beside them, so that a
// file of hundreds of thousands of rows is not held twice.
class ImportPreview {
public:
    enum class Status : quint8 {
        New,
        Unreadable, // starts ticked: nothing is imported until the user unticks it
        Pending,    // no date yet: never ticked
        ZeroAmount, // new, and ticked: it moves no money
        OutsideDates,
        Correction, // OFX: cancels a transaction of an earlier download, or replaces one the
                    // account holds
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

    // The rows in the preview's order, each Row made when asked for.
    class Rows {
    public:
        class Iterator {
        public:
            Row operator*() const { return m_preview->row(m_at); }
            Iterator& operator++() {
                ++m_at;
                return *this;
            }
            friend bool operator==(const Iterator&, const Iterator&) = default;

        private:
            friend class Rows;
            Iterator(const ImportPreview* preview, qsizetype at) : m_preview(preview), m_at(at) {}
            const ImportPreview* m_preview;
            qsizetype m_at;
        };
        qsizetype size() const { return m_preview->m_marks.size(); }
        bool isEmpty() const { return size() == 0; }
        Row operator[](qsizetype i) const { return m_preview->row(i); }
        Iterator begin() const { return Iterator(m_preview, 0); }
        Iterator end() const { return Iterator(m_preview, size()); }

    private:
        friend class ImportPreview;
        explicit Rows(const ImportPreview* preview) : m_preview(preview) {}
        const ImportPreview* m_preview;
    };

    ImportPreview(const StatementHeader& statement, KnownTransactions known, ColumnRules rules);

    // Shares `rows` (no copy of them is made while the caller keeps its own).
    void setRows(QList<ImportedRow> rows);
    Rows rows() const { return Rows(this); }
    Row row(qsizetype i) const;
    const StatementHeader& statement() const { return m_statement; }
    const ColumnRules& rules() const { return m_rules; }

    // The user's corrections. A pending row stays unticked.
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

    // What the preview says of row `i`: its reason, and where the file's balance parts from the
    // running balance (`check`, as balanceCheck() gave it), that too.
    QString reasonShown(qsizetype i, const BalanceCheck& check) const;

    // The first ticked row that does not read, or -1: Import refuses while there is one.
    int firstTickedUnreadable() const;
    int tickedCount() const;
    // The balance the statement reaches with its rows and the ticked ones: nullopt when it
    // leaves the money range.
    std::optional<Money> closingAfterImport() const;

    // True when the file's amounts fit the statement better with the opposite sign: the closing
    // balance is reached only that way, or the file's balances agree further.
    bool fitsBetterFlipped() const { return !flippedFitReason().isEmpty(); }
    // The same as a note for the user ("The amounts are read with their sign turned: ..."); empty
    // when the sign as it is fits as well.
    QString flippedFitReason() const;

private:
    // What the preview adds to a file's row.
    struct Mark {
        AmountColumn column = AmountColumn::Deposit;
        bool columnByHand = false;
        bool ticked = true;
        Status status = Status::New;
    };
    // The known rows not yet matched by a row of the file, by (date, effect).
    using Pool = QHash<QPair<qint64, qint64>, int>;
    struct Pools {
        Pool session;
        Pool history;
    };

    const ImportedRow& source(qsizetype i) const {
        return m_source[m_reversed ? m_source.size() - 1 - i : i];
    }
    void classify();
    Pools pools() const;
    // The status and tick of `row`, taking the known row it duplicates out of `pools`.
    void check(const ImportedRow& row, Mark& mark, Pools& pools) const;
    QString reason(const ImportedRow& row, Status status) const;

    // The balance check and the closing balance, a row at a time, so that the rows with the
    // opposite sign can be walked without being made all at once.
    struct BalanceWalk {
        std::optional<Money> running;
        std::optional<bool> negated; // decided by the first row with a balance
        BalanceCheck result;
        bool done = false;
        void step(int at, const ImportedRow& row, const Mark& mark);
    };
    struct ClosingWalk {
        std::optional<Money> balance;
        void step(const ImportedRow& row, const Mark& mark);
    };
    ClosingWalk closingStart() const;

    StatementHeader m_statement;
    KnownTransactions m_known;
    ColumnRules m_rules;
    QList<ImportedRow> m_source; // as the file gives them
    bool m_reversed = false;     // the file lists the newest first
    QList<Mark> m_marks;         // in the preview's order
    QString m_outsideReason;
};
