#include "FindMethodWindow.h"

#include "data/AccountConnection.h"
#include "engine/AccountStore.h"
#include "engine/CalcDay.h"
#include "run/AccountSnapshot.h"
#include "shell/Captions.h"
#include "shell/Dialogs.h"
#include "shell/WindowHost.h"
#include "shell/Windows.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr int FirstCount = 6; // the counts and amounts line up on the right

// Equal periods' share of a year goes with the day count, compounding's with the compounding,
// as a report's note words them.
QString dayCountCell(const LenderConventions& c) {
    const QString name = Conventions::name(c.dayCount);
    return c.dayCount == DayCount::EqualPeriods
               ? QCoreApplication::translate("FindMethodWindow", "%1 (%2 a year)")
                     .arg(name)
                     .arg(c.perYear)
               : name;
}

QString applyError(const QString& why) {
    return QCoreApplication::translate("FindMethodWindow", "The method could not be applied: %1")
        .arg(why);
}

QString compoundingCell(const LenderConventions& c) {
    const QString name = Conventions::name(c.compounding);
    return c.compounding == Compounding::None
               ? name
               : QCoreApplication::translate("FindMethodWindow", "%1, %2 a year")
                     .arg(name)
                     .arg(c.perYear);
}

} // namespace

FindMethodWindow::FindMethodWindow(WindowHost& main) : FormWindow(main, WindowNames::FindMethod) {
    const QString caption = tr("Find Lender's Method");
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    fitLabel = new QLabel(tr("The ways of calculating that come closest to the interest your "
                             "lender charged, best first. Choose one and Apply it to the account:"),
                          this);
    fitLabel->setObjectName("fitLabel");
    fitLabel->setWordWrap(true);
    //: the calculation day of the month
    const QString day = tr("Day");
    //: the interval on whose balance interest is worked
    const QString rest = tr("Rest");
    const QStringList headings = {tr("Method"),
                                  day,
                                  tr("Day Count"),
                                  tr("Rounding"),
                                  rest,
                                  tr("Compounding"),
                                  tr("Charges Matched"),
                                  tr("Total Difference")};
    fitGrid = listGrid(headings, QStringLiteral("fitGrid"), caption, this);
    fitLabel->setBuddy(fitGrid);
    triedLabel = new QLabel(this);
    triedLabel->setObjectName("triedLabel");
    auto* buttons = new QHBoxLayout;
    applyButton = new QPushButton(tr("Apply"), this);
    applyButton->setObjectName("applyButton");
    applyButton->setDefault(true);
    closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName("closeButton");
    buttons->addStretch(1);
    buttons->addWidget(applyButton);
    buttons->addWidget(closeButton);
    layout->addWidget(fitLabel);
    layout->addWidget(fitGrid, 1);
    layout->addWidget(triedLabel);
    layout->addLayout(buttons);
    resize(900, 400);

    connect(applyButton, &QPushButton::clicked, this, &FindMethodWindow::applyChosen);
    connect(closeButton, &QPushButton::clicked, this, &FindMethodWindow::closeWindow);
    connect(fitGrid, &QTableWidget::cellDoubleClicked, this, &FindMethodWindow::applyChosen);

    findMethod();
}

void FindMethodWindow::findMethod() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::optional<AccountSnapshot> snapshot;
    QString error;
    {
        AccountConnection connection;
        if (!connection.open(m_main.tag(Tag::NewFile)))
            error = connection.lastError();
        else
            snapshot = Snapshot::read(connection.database(), &error);
    }
    LenderFit::Ranking ranking;
    const AccountStore::CalculationInputs* in = snapshot ? &snapshot->inputs : nullptr;
    if (in)
        ranking =
            LenderFit::rank(in->history, in->rates,
                            snapshot->dayInForce.value_or(CalcDay::Day()).calcFrom(), in->offset);
    QApplication::restoreOverrideCursor();

    const bool charged = !ranking.scores.isEmpty() && ranking.scores.first().charges > 0;
    m_best = charged ? ranking.scores.mid(0, Shown) : QVector<FitScore>();
    if (!error.isEmpty())
        fitLabel->setText(error);
    else if (!charged)
        fitLabel->setText(QCoreApplication::translate("LenderFit", LenderFit::NoCharges));

    // Only the best few of the thousands tried are listed: the grid fills at once.
    fitGrid->setRowCount(int(m_best.size()));
    for (int r = 0; r < m_best.size(); ++r) {
        const FitScore& s = m_best[r];
        const LenderConventions& c = s.candidate.conventions;
        //: charges matched of the charges there are
        const QString matched = tr("%1 of %2").arg(s.matched).arg(s.charges);
        const QStringList cells = {InterestMethod::shownNames().value(s.candidate.methodCode()),
                                   s.candidate.day.calcFrom(),
                                   dayCountCell(c),
                                   Conventions::name(c.rounding),
                                   Conventions::name(c.rest),
                                   compoundingCell(c),
                                   matched,
                                   s.difference.format()};
        setListRow(fitGrid, r, cells, 0, FirstCount, int(cells.size()));
    }
    triedLabel->setText(m_best.isEmpty()
                            ? QString()
                            : tr("Tried %L1 ways of calculating; the best %2 are shown.")
                                  .arg(ranking.scores.size())
                                  .arg(m_best.size()));
    fitGrid->resizeColumnsToContents();
    if (!m_best.isEmpty())
        fitGrid->selectRow(0);
    applyButton->setEnabled(!m_best.isEmpty());
    // A setting this version does not read is said with the ranking, and its default used.
    if (in)
        ranking.notices = in->notices + ranking.notices;
    if (charged) {
        for (const QString& notice : ranking.notices)
            Dialogs::instance().message(notice);
    }
}

// The method and conventions become the account's: the conventions and a changed calculation day
// are stored (the day appended to tblCalcTo as the method window does), the method goes into the
// workflow state.
bool FindMethodWindow::applyChoice(const FitCandidate& chosen) {
    AccountConnection connection;
    QString error;
    if (!connection.open(m_main.tag(Tag::NewFile))) {
        Dialogs::instance().message(applyError(connection.lastError()));
        return false;
    }
    const bool stored = LenderFit::store(connection.database(), chosen, &error);
    if (!stored) {
        Dialogs::instance().message(applyError(error));
        return false;
    }
    if (!chosen.day.calcFrom().isEmpty())
        m_main.setTag(Tag::IntCalcTo, chosen.day.calcTo());
    setFoundMethod(m_main.state(), chosen.methodCode());
    return true;
}

void FindMethodWindow::applyChosen() {
    const int row = fitGrid->currentRow();
    if (row < 0 || row >= m_best.size())
        return;
    if (!applyChoice(m_best[row].candidate))
        return;
    // The report opens as the method window's OK opens it; with nothing committed yet there is
    // no report to show, and the task menu comes back instead.
    WindowHost& main = m_main;
    main.unloadWindow(WindowNames::Method);
    main.unloadWindow(WindowNames::Conventions);
    main.unloadWindow(WindowNames::Calculate);
    unload();
    if (main.tag(Tag::File) == FileState::Open)
        main.showWindow(WindowNames::Calculate);
    else
        main.showWindow(WindowNames::Options);
}

void FindMethodWindow::closeWindow() {
    unload();
}

void FindMethodWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        closeWindow();
        return;
    }
    FormWindow::keyPressEvent(event);
}
