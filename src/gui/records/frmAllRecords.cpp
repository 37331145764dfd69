#include "frmAllRecords.h"

#include "data/AmountColumns.h"

#include "data/Queries.h"
#include "engine/BalanceRecalculation.h"
#include "shell/WindowHost.h"
#include "shell/Windows.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QTableView>

namespace {

const QString MoneyFormat = QStringLiteral("#,##0.00");
// Dates show and read as the user's Short Date (M/d/yyyy in en_US): a fixed month-first format
// would misread "05/04/2023" typed where the day comes first.
const QString DateFormat;

// The grid's layout: eight visible columns, then four kept at zero width, whose captions no one
// sees. Made on each call: the visible captions are in the windows' language.
QList<GridColumn> allRecordsColumns() {
    return {
        {frmAllRecords::tr("Date"), "Date", DateFormat},
        {frmAllRecords::tr("Govt Charge"), "GovtCharge", MoneyFormat},
        {frmAllRecords::tr("Bank Charge"), "BankCharge", MoneyFormat},
        {frmAllRecords::tr("User Withdrawal"), "UserWithdrawal", MoneyFormat},
        {frmAllRecords::tr("Deposit"), "Deposit", MoneyFormat},
        //: The interest the lender charged on the row's date
        {frmAllRecords::tr("Interest Charge"), "InterestPayment", MoneyFormat},
        //: The balance before the row's amounts
        {frmAllRecords::tr("Balance"), "OpenBalance", MoneyFormat},
        //: The balance after the row's amounts
        {frmAllRecords::tr("CloseBalance"), "CloseBalance", MoneyFormat},
        {"InterestRate", "InterestRate", QStringLiteral("\"$\"#,##0.00"), true},
        {"InterestDue", "InterestDue", MoneyFormat, true},
        {"UserInput", "UserInput", QString(), true},
        {"ID", "ID", QString(), true},
    };
}

} // namespace

frmAllRecords::frmAllRecords(WindowHost& main)
    : RecordForm(main, WindowNames::AllRecords, Variant::Grid) {
    setWindowTitle(tr("View/Amend Transactions"));
    setGridColumns(allRecordsColumns());
    grdDataGrid->horizontalHeader()->setDefaultSectionSize(105);
    const QStringList fields = QStringList{"Date"} + AmountColumns::fieldNames() +
                               QStringList{"OpenBalance", "CloseBalance", "ID"};
    for (int i = 0; i < fields.size(); ++i)
        bindTxtField(i, fields[i]);
    // Edit, Update and Cancel stay hidden: what is typed into the grid is saved by Refresh and
    // Close, or by moving to another row.
    showRecordButtons({"cmdAdd", "cmdDelete", "cmdRefresh", "cmdClose"});
    // Shown by the first activation, once the balances are computed.
    picButtons->hide();
    grdDataGrid->hide();
    Form_Load(Queries::AllRecordsView);
    // A row without a date would sort first and start every balance.
    if (adoPrimaryRS)
        adoPrimaryRS->setRequired(QStringLiteral("Date"));
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

void frmAllRecords::closeEvent(QCloseEvent* event) {
    if (!closedByUser())
        return RecordForm::closeEvent(event);
    // The frame's close button is Close: save, then the task menu. Run once the close is over,
    // since Close unloads the window the frame is still closing.
    event->ignore();
    QMetaObject::invokeMethod(
        this, [this] { cmdClose_Click(); }, Qt::QueuedConnection);
}

void frmAllRecords::cmdClose_Click() {
    // Saved before the window goes: a row that cannot be saved keeps the window open, the row in
    // view with what was typed, and the message says why.
    QString error;
    if (!saveTypedRow(&error)) {
        if (!error.isEmpty())
            reportError(Operation::Update, error);
        return;
    }
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        // Being maximised is this window's own affair; the area would pass it on to the next.
        frame->showNormal();
        frame->hide();
    } else {
        hide();
    }
    if (m_main.isLoaded(WindowNames::Calculate))
        m_main.unloadWindow(WindowNames::Calculate);
    m_main.showWindow(WindowNames::Options);
    unload();
}
