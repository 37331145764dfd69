#pragma once

#include "RecordForm.h"

// "View/Amend Transactions": every committed row of the account in a grid the user can correct,
// add to and delete from. The running balances are recomputed and stored each time the window
// is activated and on Refresh, so the balances shown always follow from the amounts.
class frmAllRecords : public RecordForm {
    Q_OBJECT
public:
    // The hidden bound fields, by index.
    enum Field {
        fldDate = 0,
        fldGovtCharge,
        fldBankCharge,
        fldUserWithdrawal,
        fldDeposit,
        fldInterestPayment,
        fldOpenBalance,
        fldCloseBalance,
        fldID
    };

    explicit frmAllRecords(WindowHost& main);

    void formActivate() override;
    void cmdClose_Click() override;
    void RecalculateBalances();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A delete that fails refreshes the rows instead of saying so.
    void deleteFailed(const QString&) override { cmdRefresh_Click(); }
    QString refreshRows() override;

private:
    bool m_recalculating = false;
    bool m_activating = false;
};
