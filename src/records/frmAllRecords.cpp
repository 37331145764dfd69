#include "frmAllRecords.h"

#include "BalanceRecalculation.h"
#include "data/Queries.h"
#include "shell/MDIForm1.h"
#include "shell/Windows.h"

#include <QHeaderView>
#include <QMdiSubWindow>
#include <QTableView>

namespace {

const QString MoneyFormat = QStringLiteral("#,##0.00");
const QString DateFormat = QStringLiteral("M/d/yyyy");

// The grid's layout: eight visible columns, then four kept at zero width.
const QList<GridColumn>& allRecordsColumns() {
    static const QList<GridColumn> columns = {
        {"Date", "Date", DateFormat},
        {"Govt Charge", "GovtCharge", MoneyFormat},
        {"Bank Charge", "BankCharge", MoneyFormat},
        {"User Withdrawal", "UserWithdrawal", MoneyFormat},
        {"Deposit", "Deposit", MoneyFormat},
        {"Interest Charge", "InterestPayment", MoneyFormat},
        {"Balance", "OpenBalance", MoneyFormat},
        {"CloseBalance", "CloseBalance", MoneyFormat},
        {"InterestRate", "InterestRate", QStringLiteral("\"$\"#,##0.00"), true},
        {"InterestDue", "InterestDue", MoneyFormat, true},
        {"UserInput", "UserInput", QString(), true},
        {"ID", "ID", QString(), true},
    };
    return columns;
}

} // namespace

frmAllRecords::frmAllRecords(MDIForm1& main)
    : RecordForm(main, WindowNames::AllRecords, Variant::Grid) {
    setWindowTitle(tr("View/Amend Transactions"));
    setGridColumns(allRecordsColumns());
    grdDataGrid->horizontalHeader()->setDefaultSectionSize(105);
    const QStringList fields = {"Date",           "GovtCharge",   "BankCharge",
                                "UserWithdrawal", "Deposit",      "InterestPayment",
                                "OpenBalance",    "CloseBalance", "ID"};
    for (int i = 0; i < fields.size(); ++i)
        bindTxtField(i, fields[i]);
    // Edit, Update and Cancel stay hidden: what is typed into the grid is saved by Refresh and
    // Close, or by moving to another row.
    showRecordButtons({"cmdAdd", "cmdDelete", "cmdRefresh", "cmdClose"});
    // Shown by the first activation, once the balances are computed.
    picButtons->hide();
    grdDataGrid->hide();
    Form_Load(Queries::AllRecordsView);
}

void frmAllRecords::formActivate() {
    if (m_activating || m_recalculating || isUnloaded())
        return;
    m_activating = true;
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()); frame && !frame->isMaximized())
        frame->showMaximized();
    letEventsRun();
    RecalculateBalances();
    picButtons->show();
    grdDataGrid->show();
    m_activating = false;
}

QString frmAllRecords::refreshRows() {
    RecalculateBalances();
    return QString();
}

void frmAllRecords::RecalculateBalances() {
    if (m_recalculating || !adoPrimaryRS)
        return;
    m_recalculating = true;
    // The grid never shows a half-recomputed history: it is hidden and unbound for the pass and
    // rebuilt from the finished rows.
    const bool gridShown = !grdDataGrid->isHidden();
    grdDataGrid->hide();
    unbindGrid();
    BalanceRecalculation::recalculate(m_connection.database(), *adoPrimaryRS, &letEventsRun);
    bindGrid();
    grdDataGrid->setVisible(gridShown);
    // The pass moved the current row with the record set's events held back.
    adoPrimaryRS_MoveComplete();
    m_recalculating = false;
}

void frmAllRecords::cmdClose_Click() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        // Being maximised is this window's own affair; the area would pass it on to the next.
        frame->showNormal();
        frame->hide();
    } else {
        hide();
    }
    // Update reports its own failure; closing goes on regardless.
    cmdUpdate_Click();
    if (m_main.isLoaded(WindowNames::Calculate))
        m_main.unloadWindow(WindowNames::Calculate);
    m_main.showWindow(WindowNames::Options);
    unload();
}
