#include "frmThisSession.h"

#include "data/AmountColumns.h"
#include "engine/SessionStore.h"
#include "engine/StatementChecks.h"

#include "ImportDialog.h"
#include "data/Queries.h"
#include "data/RunningBalance.h"
#include "data/ShortDate.h"
#include "engine/StatementHeader.h"
#include "shell/Captions.h"
#include "shell/Dialogs.h"
#include "shell/WindowHost.h"
#include "shell/Windows.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSqlError>
#include <QTableView>
#include <numeric>

namespace {

const QString MoneyFormat = QStringLiteral("#,##0.00");
const char* const NoHeader =
    QT_TRANSLATE_NOOP("frmThisSession", "Please enter all statement details for current session.");
//: %1 is why the rows could not be read again.
const char* const ActivateError =
    QT_TRANSLATE_NOOP("frmThisSession", "An error has occurred. Please re-enter your data. %1");
const char* const GetBalanceError = QT_TRANSLATE_NOOP("frmThisSession", "Get Balance Error %1");
const char* const InvalidDate = QT_TRANSLATE_NOOP("frmThisSession", "Please enter a valid date.");
const char* const FiguresError = QT_TRANSLATE_NOOP(
    "frmThisSession", "Errors in data entry, please check your figures. Include '-' (minus) sign "
                      "in Open and Close Balances if appropriate.");
const char* const DoneDateError =
    QT_TRANSLATE_NOOP("frmThisSession", "Date error, please check all dates.");
const char* const EscapeDateError =
    QT_TRANSLATE_NOOP("frmThisSession", "Date Error. Please check all dates.");

// The five amounts of a row; an empty amount counts as 0.
TransactionAmounts amountsOf(const RecordSet& rs, int row) {
    TransactionAmounts amounts;
    for (AmountColumn c : AmountColumns::All) {
        const QVariant v = rs.valueAt(row, rs.fieldIndex(AmountColumns::fieldName(c)));
        amounts[c] = v.isNull() ? Money() : v.value<Money>();
    }
    return amounts;
}

QString reasonWord(RecordSet::Reason reason) {
    switch (reason) {
    case RecordSet::Reason::AddNew:
        return QStringLiteral("Add");
    case RecordSet::Reason::Delete:
        return QStringLiteral("Delete");
    case RecordSet::Reason::Update:
        return QStringLiteral("Update");
    case RecordSet::Reason::Undo:
        return QStringLiteral("Undo");
    case RecordSet::Reason::Requery:
        return QStringLiteral("Requery");
    case RecordSet::Reason::Resynch:
        return QStringLiteral("Resynch");
    case RecordSet::Reason::Close:
        return QStringLiteral("Close");
    case RecordSet::Reason::Move:
        return QStringLiteral("Move");
    case RecordSet::Reason::FirstChange:
        return QStringLiteral("First Change");
    }
    return QString();
}

} // namespace

frmThisSession::frmThisSession(WindowHost& main)
    : RecordForm(main, WindowNames::ThisSession, Variant::Grid) {
    setWindowTitle(tr("Statement Transactions"));
    // A date column with no format shows and reads the Short Date.
    setGridColumns({{tr("ID"), "ID", QString()},
                    {tr("Date"), "Date", QString()},
                    {tr("Govt Charge"), "GovtCharge", MoneyFormat},
                    {tr("Bank Charge"), "BankCharge", MoneyFormat},
                    //: The column of the borrower's own withdrawals, shortened to fit.
                    {tr("User W'drawal"), "UserWithdrawal", MoneyFormat},
                    {tr("Deposit"), "Deposit", MoneyFormat},
                    //: The column of the interest the lender charged.
                    {tr("Interest Charge"), "InterestPayment", MoneyFormat},
                    {tr("Balance"), "Balance", MoneyFormat, false, true}});
    fitColumns();
    refitOnResize(grdDataGrid, [this] {
        if (!isUnloaded())
            fitColumns();
    });
    bindTxtField(fldDate, "Date", QString(), QStringLiteral("d/M/yyyy"));
    for (int i = 0; i < AmountColumns::Count; ++i)
        bindTxtField(fldGovtCharge + i, AmountColumns::fieldNames()[i]);
    bindTxtField(fldBalance, "Balance");
    bindTxtField(fldID, "ID");
    showRecordButtons({"cmdAdd", "cmdDelete", "cmdRefresh"});
    cmdDone = new QPushButton(tr("&Close"), picButtons);
    cmdDone->setObjectName("cmdDone");
    buttonBarLayout()->insertWidget(buttonBarLayout()->indexOf(button("cmdClose")), cmdDone);
    connect(cmdDone, &QPushButton::clicked, this, &frmThisSession::cmdDone_Click);
    cmdImport = new QPushButton(tr("&Import..."), picButtons);
    cmdImport->setObjectName("cmdImport");
    buttonBarLayout()->insertWidget(buttonBarLayout()->indexOf(cmdDone), cmdImport);
    connect(cmdImport, &QPushButton::clicked, this, &frmThisSession::cmdImport_Click);

    if (m_main.tag(Tag::CloseBalance).isEmpty()) {
        // No header was accepted: this window refuses to load, and a fresh statement entry
        // takes its place.
        Dialogs::instance().message(tr(NoHeader));
        WindowHost& m = m_main;
        unload();
        m.unloadWindow(WindowNames::NewStatement);
        m.showWindow(WindowNames::NewStatement);
        return;
    }
    Form_Load(Queries::ThisSession);
    // Every statement starts from an empty table.
    ClearSession();
}

// --- column widths -------------------------------------------------------------------------------

void frmThisSession::fitColumns() {
    QHeaderView* header = grdDataGrid->horizontalHeader();
    const QFontMetrics cell = grdDataGrid->fontMetrics();
    const QFontMetrics heading = header->fontMetrics();
    // Every amount up to a balance of -9,999,999.99 fits, and every heading: the widths drawn for
    // the window (1200 twips, 1005 for the ID) are the least.
    const int amount = cell.horizontalAdvance(Money::fromRaw(-99999999900).format()) + 14;
    const int date = cell.horizontalAdvance(ShortDate::format(QDate(2028, 12, 28))) + 14;
    QVector<int> least(gridModel()->columnCount());
    for (int c = 0; c < least.size(); ++c) {
        const QString caption = gridModel()->headerData(c, Qt::Horizontal).toString();
        const int drawn = (c == colID ? 1005 : 1200) / 15;
        least[c] = std::max({drawn, heading.horizontalAdvance(caption) + 18,
                             c == colDate ? date
                             : c == colID ? 0
                                          : amount});
    }
    // What the window has beyond that is shared out, so that no half of it stays empty.
    const int room = grdDataGrid->viewport()->width();
    const int total = std::accumulate(least.begin(), least.end(), 0);
    const int extra = room > total ? (room - total) / int(least.size()) : 0;
    for (int c = 0; c < least.size(); ++c)
        header->resizeSection(c, least[c] + extra);
}

// --- load, activation, unload ------------------------------------------------------------------

void frmThisSession::ClearSession() {
    if (!adoPrimaryRS)
        return;
    adoPrimaryRS->cancelUpdate();
    SessionStore::clear(m_connection.database());
    adoPrimaryRS->requery();
}

void frmThisSession::formUnload() {
    // The rows of an unfinished statement are discarded; the connection goes afterwards.
    ClearSession();
    RecordForm::formUnload();
}

void frmThisSession::formActivate() {
    if (m_activating || m_checking || isUnloaded() || !adoPrimaryRS)
        return;
    m_activating = true;
    // Back in the rows: whatever was checked may now change.
    m_checked.reset();
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()); frame && !frame->isMaximized())
        frame->showMaximized();
    if (adoPrimaryRS->recordCount() > 0) {
        unbindGrid();
        const bool ok = adoPrimaryRS->requery();
        bindGrid();
        if (!ok) {
            Dialogs::instance().message(tr(ActivateError).arg(adoPrimaryRS->lastError()));
        } else {
            adoPrimaryRS->moveLast();
            selectDateCell();
            grdDataGrid->setFocus();
            cmdRefresh_Click();
        }
    } else {
        letEventsRun();
        // The first row of a statement carries its start date.
        if (const QDate start = ShortDate::parse(m_main.tag(Tag::StartDate)); start.isValid())
            m_defaultDate = ShortDate::normalise(start);
        if (adoPrimaryRS->addNew()) {
            if (m_defaultDate.isValid())
                adoPrimaryRS->setValue("Date", m_defaultDate);
            selectDateCell();
            grdDataGrid->setFocus();
        }
    }
    m_activating = false;
}

void frmThisSession::hideWindow() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        // Being maximised is this window's own affair; the area would pass it on to the next.
        frame->showNormal();
        frame->hide();
    } else
        hide();
}

void frmThisSession::showAgain() {
    m_main.showWindow(WindowNames::ThisSession);
}

void frmThisSession::selectDateCell() {
    if (adoPrimaryRS && adoPrimaryRS->currentRow() >= 0)
        grdDataGrid->setCurrentIndex(gridModel()->index(adoPrimaryRS->currentRow(), colDate));
}

// --- record operations -------------------------------------------------------------------------

RecordForm::MessageStyle frmThisSession::messageStyle(Operation op) const {
    if (op == Operation::Update || op == Operation::Delete || op == Operation::Cancel)
        return MessageStyle::Silent;
    return RecordForm::messageStyle(op);
}

void frmThisSession::adoPrimaryRS_WillChangeRecord(RecordSet::Reason reason) {
    m_changeReason = reasonWord(reason);
    // The rows hold typed dates: an unreadable one never reaches a row (see gridEditRefused).
    if (reason == RecordSet::Reason::Update) {
        if (const QDate date = txtValue(fldDate).toDate(); date.isValid())
            m_lastDateChecked = ShortDate::normalise(date);
    }
}

void frmThisSession::gridEditRefused(const QModelIndex& cell, const QString& description) {
    if (cell.column() != colDate || !adoPrimaryRS)
        return RecordForm::gridEditRefused(cell, description);
    // The change goes ahead with the date a new row would get.
    Dialogs::instance().message(tr(InvalidDate));
    QDate fallback = m_defaultDate;
    if (!fallback.isValid())
        fallback = ShortDate::normalise(ShortDate::parse(m_main.tag(Tag::StartDate)));
    if (fallback.isValid() &&
        adoPrimaryRS->setValueAt(cell.row(), adoPrimaryRS->fieldIndex("Date"), fallback))
        queueRowEdited(cell.row());
}

void frmThisSession::gridRowEdited(int) {
    // A check saves and reads the rows itself; a reaction already running recomputes them.
    if (m_checking || m_reacting || !adoPrimaryRS)
        return;
    m_reacting = true;
    cmdUpdate_Click();
    cmdRefresh_Click();
    cmdEdit_Click();
    m_reacting = false;
}

void frmThisSession::cmdAdd_Click() {
    if (!adoPrimaryRS)
        return;
    QString error;
    if (!saveTypedRow(&error))
        return;
    cmdUpdate_Click();
    if (adoPrimaryRS->editPending())
        return;
    GetBalance();
    // A new row proposes the latest date entered so far (the rows are in date order now).
    if (adoPrimaryRS->moveLast()) {
        if (const QDate last = txtValue(fldDate).toDate(); last.isValid())
            m_defaultDate = ShortDate::normalise(last);
    }
    if (!adoPrimaryRS->addNew())
        return;
    if (m_defaultDate.isValid())
        adoPrimaryRS->setValue("Date", m_defaultDate);
    selectDateCell();
    grdDataGrid->setFocus();
}

void frmThisSession::cmdRefresh_Click() {
    m_refreshFailed = true;
    if (!adoPrimaryRS)
        return;
    QString error;
    if (!saveTypedRow(&error)) {
        if (!error.isEmpty())
            reportError(Operation::Refresh, error);
        return;
    }
    letEventsRun();
    grdDataGrid->hide();
    const bool ok = GetBalance();
    grdDataGrid->show();
    setDefaultPointer();
    m_refreshFailed = !ok;
}

bool frmThisSession::GetBalance() {
    if (!adoPrimaryRS)
        return false;
    setHourglass();
    unbindGrid();
    const QString error = balancePass();
    bindGrid();
    adoPrimaryRS->moveLast();
    setDefaultPointer();
    if (!error.isEmpty())
        Dialogs::instance().message(tr(GetBalanceError).arg(error));
    return error.isEmpty();
}

QString frmThisSession::balancePass() {
    // Fetching again saves the row being typed and puts the rows in date order.
    if (!adoPrimaryRS->requery())
        return adoPrimaryRS->lastError();
    const QString openText = m_main.tag(Tag::OpenBalance);
    const std::optional<Money> opening = Money::parse(openText);
    if (!opening)
        return tr("The opening balance \"%1\" is not an amount.").arg(openText);

    // Every balance of the statement in one transaction, or those before a failure.
    QString error;
    QVector<SessionStore::RowBalance> balances;
    balances.reserve(adoPrimaryRS->recordCount());
    const int id = adoPrimaryRS->fieldIndex("ID");
    const int date = adoPrimaryRS->fieldIndex("Date");
    Money running = *opening;
    for (int row = 0; row < adoPrimaryRS->recordCount(); ++row) {
        const TransactionAmounts a = amountsOf(*adoPrimaryRS, row);
        const std::optional<Money> after = RunningBalance::after(running, a);
        if (!after) {
            error = tr("The balance after the row of %1 is outside the range of amounts.")
                        .arg(ShortDate::format(adoPrimaryRS->valueAt(row, date).toDate()));
            break;
        }
        running = *after;
        balances.append({adoPrimaryRS->valueAt(row, id).toLongLong(), a, running});
    }
    if (const QString written = SessionStore::writeBalances(m_connection.database(), balances);
        !written.isEmpty())
        error = written;
    adoPrimaryRS->requery();
    return error;
}

// --- the closing checks ------------------------------------------------------------------------

QVector<StatementChecks::Row> frmThisSession::checkedRows() const {
    QVector<StatementChecks::Row> rows;
    rows.reserve(adoPrimaryRS->recordCount());
    const int date = adoPrimaryRS->fieldIndex("Date");
    for (int row = 0; row < adoPrimaryRS->recordCount(); ++row)
        rows.append({ShortDate::normalise(adoPrimaryRS->valueAt(row, date).toDate()),
                     amountsOf(*adoPrimaryRS, row)});
    return rows;
}

void frmThisSession::balanceError() {
    Dialogs::instance().message(tr(FiguresError));
    m_main.showWindow(WindowNames::NewStatement);
}

void frmThisSession::cmdDone_Click() {
    if (!adoPrimaryRS || m_checking)
        return;
    m_checked.reset();
    m_checking = true;
    hideWindow();
    cmdRefresh_Click();
    if (m_refreshFailed) {
        // What was typed is not what the file holds: nothing to check yet.
        m_checking = false;
        showAgain();
        return;
    }
    const StatementHeader header = StatementHeader::fromState(m_main.state());
    std::optional<Money> last;
    if (adoPrimaryRS->recordCount() > 0) {
        adoPrimaryRS->moveLast();
        const QVariant balance = txtValue(fldBalance);
        last = balance.isNull() ? std::nullopt : std::optional<Money>(balance.value<Money>());
    }
    m_checking = false;
    const StatementChecks::Result result = StatementChecks::done(header, checkedRows(), last);
    if (result.outcome == StatementChecks::Result::Outcome::FiguresWrong)
        return balanceError();
    if (result.passed())
        return handOver(header);
    Dialogs::instance().message(tr(DoneDateError));
    m_main.showWindow(WindowNames::NewStatement);
}

void frmThisSession::CheckStatement() {
    if (!adoPrimaryRS || m_checking)
        return;
    m_checked.reset();
    m_checking = true;
    hideWindow();
    const StatementHeader header = StatementHeader::fromState(m_main.state());
    QString error;
    if (!saveTypedRow(&error)) {
        m_checking = false;
        showAgain();
        return;
    }
    letEventsRun();
    // Empty amounts are stored as 0, as the balance pass stores them.
    SessionStore::fillEmptyAmounts(m_connection.database());
    unbindGrid();
    adoPrimaryRS->requery();
    bindGrid();

    const StatementChecks::Result result = StatementChecks::rows(header, checkedRows());
    if (result.outcome == StatementChecks::Result::Outcome::DateOutside) {
        Dialogs::instance().message(tr(EscapeDateError));
        showAgain();
        // The user goes on editing, on the row the check stopped at.
        adoPrimaryRS->setAbsolutePosition(result.row + 1);
        selectDateCell();
        m_checking = false;
        return;
    }
    m_checking = false;
    if (!result.passed())
        return balanceError();
    handOver(header);
}

void frmThisSession::handOver(const StatementHeader& header) {
    CheckedStatement statement;
    statement.header = header;
    QString error;
    if (!ReportPreparation::readSessionRows(m_connection.database(), &statement.rows, &error)) {
        Dialogs::instance().message(error);
        showAgain();
        return;
    }
    m_checked = std::move(statement);
    m_main.setTag(Tag::File, FileState::Open);
    hideWindow();
    m_main.showWindow(WindowNames::Method);
}

namespace {
const QString& ImportChoicesSetting = ImportChoices::StatementSetting;
} // namespace

namespace {
const char* const ChoicesNotKept = QT_TRANSLATE_NOOP(
    "frmThisSession", "The rows were imported, but the file's layout could not be remembered: %1");
}

void frmThisSession::cmdImport_Click() {
    QString error;
    const std::optional<StatementHeader> statement =
        StatementHeader::entered(m_main.state(), &error);
    if (!statement) {
        Dialogs::instance().message(error);
        return;
    }
    // What is typed is saved first: the preview checks the file's rows against it.
    cmdUpdate_Click();
    QSqlDatabase db = m_connection.database();
    // The account remembers the last file's layout and rules; a file without settings has none.
    ImportChoices choices = ImportChoices::load(db, ImportChoicesSetting);
    if (!ImportDialog::run(m_main.dialogParent(), db, *statement, choices))
        return;
    if (!choices.store(db, ImportChoicesSetting, &error))
        Dialogs::instance().message(tr(ChoicesNotKept).arg(error));
    // The import wrote every balance: the rows are only read again, not worked out twice.
    if (const QString unread = refreshRows(); !unread.isEmpty())
        reportError(Operation::Refresh, unread);
    adoPrimaryRS->moveLast();
}
