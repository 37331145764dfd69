#include "frmUserInterestChanges.h"

#include "RateProposalDialog.h"
#include "run/ReportBasis.h"

#include "data/Queries.h"
#include "data/ShortDate.h"
#include "engine/CalcDay.h"
#include "shell/Dialogs.h"
#include "shell/WindowHost.h"
#include "shell/Windows.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString DataDateFormat = QStringLiteral("d/MM/yyyy");
} // namespace

frmUserInterestChanges::frmUserInterestChanges(WindowHost& main)
    : RecordForm(main, WindowNames::InterestChanges, Variant::Grid) {
    setWindowTitle(tr("Interest Rate Changes"));
    // A date column with no format shows and reads the Short Date.
    setGridColumns({{"ID", "ID", QString(), true},
                    {tr("Valid From"), "ValidFrom", QString()},
                    {tr("Valid To"), "ValidTo", QString()},
                    {tr("Interest Rate"), "InterestRate", QString()}});
    bindTxtField(fldID, "ID");
    bindTxtField(fldValidFrom, "ValidFrom", QString(), DataDateFormat);
    bindTxtField(fldValidTo, "ValidTo", QString(), DataDateFormat);
    bindTxtField(fldInterestRate, "InterestRate");
    showRecordButtons({"cmdAdd", "cmdDelete", "cmdClose"});
    picStatBox->hide();
    cmdProposeRates = new QPushButton(tr("Propose from Charges…"), picButtons);
    cmdProposeRates->setObjectName("cmdProposeRates");
    cmdProposeRates->setToolTip(tr("Reads rate periods back from the interest your lender "
                                   "charged, for a history without its rate letters."));
    buttonBarLayout()->insertWidget(buttonBarLayout()->indexOf(button("cmdClose")),
                                    cmdProposeRates);
    connect(cmdProposeRates, &QPushButton::clicked, this,
            &frmUserInterestChanges::cmdProposeRates_Click);

    // The grid and the button bar live in Frame1, which is centred in the window.
    Frame1 = new QWidget(this);
    Frame1->setObjectName("Frame1");
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    noteLabel = new QLabel;
    noteLabel->setObjectName("lblNote");
    noteLabel->setWordWrap(true);
    noteLabel->hide();
    frameLayout->addWidget(noteLabel);
    bodyLayout()->removeWidget(grdDataGrid);
    layout()->removeWidget(picButtons);
    frameLayout->addWidget(grdDataGrid, 1);
    frameLayout->addWidget(picButtons);
    grdDataGrid->horizontalHeader()->setStretchLastSection(true);
    grdDataGrid->horizontalHeader()->setDefaultSectionSize(130);
    Frame1->resize(560, 300);
    setMinimumSize(Frame1->width() + 20, Frame1->height() + 20);

    Form_Load(Queries::InterestChanges);
    m_dates = openRecordSet(Queries::AllRecordsDates);
    if (adoPrimaryRS && adoPrimaryRS->recordCount() > 0) {
        if (adoPrimaryRS->recordCount() > 1)
            adoPrimaryRS->moveLast();
        letEventsRun();
        setCurrentCell(colValidTo);
    }
}

QDate frmUserInterestChanges::tagDate(const QString& field) const {
    return ShortDate::parse(m_main.tag(field));
}

QDate frmUserInterestChanges::dateField(int field) const {
    return txtValue(field).toDate();
}

void frmUserInterestChanges::setCurrentCell(int column) {
    if (!adoPrimaryRS || adoPrimaryRS->currentRow() < 0)
        return;
    grdDataGrid->setCurrentIndex(gridModel()->index(adoPrimaryRS->currentRow(), column));
}

void frmUserInterestChanges::resizeEvent(QResizeEvent* event) {
    RecordForm::resizeEvent(event);
    centreInParent(Frame1);
}

void frmUserInterestChanges::formActivate() {
    noteLabel->setText(tag());
    noteLabel->setVisible(!tag().isEmpty());
    Frame1->hide();
    centreInParent(Frame1);
    Frame1->show();
    if (adoPrimaryRS && adoPrimaryRS->recordCount() == 0 && !m_main.tag(Tag::StartDate).isEmpty())
        seedFirstPeriod();
    cmdProposeRates->setEnabled(m_connection.isOpen() &&
                                RateProposal::holdsCharges(m_connection.database()));
    grdDataGrid->setFocus();
}

void frmUserInterestChanges::proposeOnTheRoad() {
    // The window is activated again while the proposal is open: one proposal at a time.
    if (isUnloaded() || m_proposing || m_main.tag(Tag::CheckLoan) != FlagState::Yes)
        return;
    const QScopedValueRollback proposing(m_proposing, true);
    // Without the lender's charges there is nothing to read the rates from: the borrower enters
    // them here, as before. Rates that cover the history under a known method are the report's
    // as they stand; otherwise they are proposed (again: only what changes is stored).
    bool known = false;
    const int method = m_main.tag(Tag::Method).toInt(&known);
    const bool charges =
        m_connection.isOpen() && RateProposal::holdsCharges(m_connection.database());
    const bool ready = known && InterestMethod::isCode(method) &&
                       RateProposal::ratesCoverHistory(m_connection.database());
    if (!charges || (!ready && !proposeRates(std::nullopt))) {
        m_main.setTag(Tag::CheckLoan, QString());
        return;
    }
    // The rates cover the history now: the report runs under the way they were proposed under,
    // and its summary opens with the verdict.
    m_main.showWindow(WindowNames::Calculate);
    unload();
}

void frmUserInterestChanges::cmdProposeRates_Click() {
    proposeRates(ReportBasis::chosenMethod(m_main.state()));
}

bool frmUserInterestChanges::proposeRates(std::optional<InterestMethod::Code> method) {
    // What is typed is saved first: the proposal shows the stored periods beside its own.
    QString error;
    if (!saveTypedRow(&error)) {
        if (!error.isEmpty())
            reportError(Operation::Update, error);
        return false;
    }
    if (!m_connection.isOpen())
        return false;
    RateProposalDialog dialog(m_connection.database(), method, ReportBasis::dayOf(m_main.state()),
                              m_main.dialogParent());
    const bool stored = dialog.exec() == QDialog::Accepted;
    if (stored) {
        // The rates are the lender's under the way they were proposed under: it is the method
        // the report runs, as Find Lender's Method's Apply makes it.
        const FitCandidate way = dialog.way();
        if (!way.day.calcFrom().isEmpty())
            m_main.setTag(Tag::IntCalcTo, way.day.calcTo());
        setFoundMethod(m_main.state(), way.methodCode());
        cmdRefresh_Click();
        if (adoPrimaryRS && adoPrimaryRS->recordCount() > 0)
            adoPrimaryRS->moveFirst();
    }
    grdDataGrid->setFocus();
    return stored;
}

void frmUserInterestChanges::seedFirstPeriod() {
    unbindGrid();
    if (adoPrimaryRS->addNew()) {
        adoPrimaryRS->setValue("ValidFrom", tagDate(Tag::StartDate));
        adoPrimaryRS->setValue("ValidTo", tagDate(Tag::EndDate));
        if (!adoPrimaryRS->update())
            reportError(Operation::Update, adoPrimaryRS->lastError());
    }
    adoPrimaryRS->requery();
    bindGrid();
    if (adoPrimaryRS->recordCount() == 0)
        return;
    adoPrimaryRS->moveLast();
    // As typed: the rate 0 stays pending in the grid until the row is saved.
    const QModelIndex rate = gridModel()->index(adoPrimaryRS->currentRow(), colInterestRate);
    grdDataGrid->setCurrentIndex(rate);
    gridModel()->setData(rate, QStringLiteral("0"));
}

void frmUserInterestChanges::cmdAdd_Click() {
    if (!adoPrimaryRS)
        return;
    cmdUpdate_Click();
    cmdRefresh_Click();
    adoPrimaryRS->moveLast();
    QDate from;
    if (adoPrimaryRS->recordCount() > 0) {
        // A last period without a readable end keeps the previous proposal.
        if (const QDate last = dateField(fldValidTo); last.isValid())
            m_lastValidTo = last;
        from = m_lastValidTo.isValid() ? m_lastValidTo.addDays(1) : QDate();
    } else {
        // No period yet: the first one starts with the statement, or with the history.
        from = tagDate(Tag::StartDate);
        if (!from.isValid() && m_dates && m_dates->moveFirst())
            from = m_dates->value(0).toDate();
    }
    const QDate to = tagDate(Tag::EndDate);
    if (!adoPrimaryRS->addNew())
        return reportError(Operation::Add, adoPrimaryRS->lastError());
    const int row = adoPrimaryRS->currentRow();
    if (to.isValid())
        gridModel()->setData(gridModel()->index(row, colValidTo), ShortDate::format(to));
    if (from.isValid())
        gridModel()->setData(gridModel()->index(row, colValidFrom), ShortDate::format(from));
    setCurrentCell(colValidFrom);
    grdDataGrid->setFocus();
}

void frmUserInterestChanges::cmdClose_Click() {
    if (!adoPrimaryRS) {
        unload();
        return;
    }
    cmdUpdate_Click();
    cmdRefresh_Click();

    if (m_main.tag(Tag::EndDate).isEmpty()) {
        if (!m_dates || m_dates->recordCount() == 0) {
            Dialogs::instance().message(tr("You must enter a statement first."));
            m_main.showWindow(WindowNames::NewStatement);
            unload();
            return;
        }
        if (m_dates->moveLast())
            m_end = m_dates->value(0).toDate();
        if (m_dates->moveFirst())
            m_start = m_dates->value(0).toDate();
    } else {
        // An unreadable date keeps the one last used.
        if (const QDate s = tagDate(Tag::StartDate); s.isValid())
            m_start = s;
        if (const QDate e = tagDate(Tag::EndDate); e.isValid())
            m_end = e;
    }

    if (adoPrimaryRS->recordCount() == 0) {
        Dialogs::instance().message(tr("Please enter interest rates."));
        return;
    }
    // The periods' order is by ValidTo: the last row ends latest, the first ends earliest.
    if (adoPrimaryRS->moveLast())
        m_periodsEnd = dateField(fldValidTo);
    if (adoPrimaryRS->moveFirst())
        m_periodsStart = dateField(fldValidFrom);

    const bool accepted = m_periodsEnd.isValid() && m_periodsStart.isValid() && m_start.isValid() &&
                          m_end.isValid() && m_periodsEnd >= m_end &&
                          m_periodsStart.addDays(-1) <= m_start;
    if (!accepted) {
        Dialogs::instance().message(tr("Date Error. Please check all dates."));
        m_main.showWindow(WindowNames::NewStatement);
    } else if (m_main.tag(Tag::InterestChanged) == FlagState::Yes) {
        Dialogs::instance().message(tr("Please enter all transactions for this statement."));
        m_main.showWindow(WindowNames::ThisSession);
    } else {
        m_main.showWindow(WindowNames::Options);
    }
    unload();
}
