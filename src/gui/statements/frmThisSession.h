#pragma once

#include "engine/StatementChecks.h"
#include "engine/StatementHandOver.h"
#include "records/RecordForm.h"

#include <QDate>

#include <optional>

class QPushButton;

// The transactions of the statement whose header was accepted, typed into a grid; every change
// is saved at once and every row's running balance recomputed from the opening balance. Close
// and Escape check the rows against the header; a statement that passes is held here, hidden,
// for the report to commit.
class frmThisSession : public RecordForm, public CheckedStatementSource {
    Q_OBJECT
public:
    // The grid's columns.
    enum Column {
        colID = 0,
        colDate,
        colGovtCharge,
        colBankCharge,
        colUserWithdrawal,
        colDeposit,
        colInterestPayment,
        colBalance
    };
    // The hidden bound fields.
    enum Field {
        fldDate = 0,
        fldGovtCharge,
        fldBankCharge,
        fldUserWithdrawal,
        fldDeposit,
        fldInterestPayment,
        fldBalance,
        fldID
    };

    explicit frmThisSession(WindowHost& main);

    void formActivate() override;
    // The grid's columns: at least the widths drawn for them, every heading and amount whole,
    // sharing what the window has beyond that.
    void fitColumns();
    void cmdAdd_Click() override;
    void cmdRefresh_Click() override;
    // The Close button's check: balance first, then the first and last dates.
    void cmdDone_Click();
    // Reads the statement's transactions from the bank's file, as if typed.
    void cmdImport_Click();

    std::optional<CheckedStatement> checkedStatement() const override { return m_checked; }

protected:
    void adoPrimaryRS_WillChangeRecord(RecordSet::Reason reason) override;
    MessageStyle messageStyle(Operation op) const override;
    void escapePressed() override { CheckStatement(); }
    void gridEditRefused(const QModelIndex& cell, const QString& description) override;
    void gridRowEdited(int row) override;
    void formUnload() override;

private:
    // The rows as the closing checks take them, in date order.
    QVector<StatementChecks::Row> checkedRows() const;
    // The Escape key's check: every row's date, then the balance carried through the amounts.
    void CheckStatement();
    // The running balance of every row, stored in one transaction; false after a failure, which
    // it reports.
    bool GetBalance();
    QString balancePass();
    void ClearSession();
    // The checks passed: the statement is held for the report and the method comes next.
    void handOver(const StatementHeader& header);
    void balanceError();
    void hideWindow();
    void showAgain();
    void selectDateCell();

    QPushButton* cmdDone = nullptr;
    QPushButton* cmdImport = nullptr;
    std::optional<CheckedStatement> m_checked;
    // The date a new row proposes, as a calendar day.
    QDate m_defaultDate;
    QString m_changeReason;
    QDate m_lastDateChecked;
    bool m_refreshFailed = false;
    bool m_activating = false;
    bool m_checking = false;
    bool m_reacting = false;
};
