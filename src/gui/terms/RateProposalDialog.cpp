#include "RateProposalDialog.h"

#include "engine/AccountStore.h"
#include "engine/CalcDay.h"
#include "render/GridText.h"
#include "render/RateProposalRendering.h"
#include "run/AccountSnapshot.h"
#include "shell/Captions.h"
#include "shell/Dialogs.h"
#include "shell/WindowFit.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const QString Caption = QStringLiteral("Propose Rate Periods from Charges");
const QString ProposalCaption = QStringLiteral("Proposed rate periods (tick those to store):");
const QString StoredCaption = QStringLiteral("Rate periods stored:");
const QString UnexplainedCaption =
    QStringLiteral("Charges that no proposed rate reproduces (difference: the charge less the "
                   "interest due under the proposal):");
const QString TryEvery =
    QStringLiteral("Try Every Method finds the way of working that reproduces the charges.");
const QString NoneTicked = QStringLiteral("Tick the proposed periods to store.");
const QString StoreError = QStringLiteral("The rate periods could not be stored: ");
const QStringList ProposalHeadings = {"Store", "From", "To", "Rate", "Postings", "Reproduced"};
const QStringList StoredHeadings = {"From", "To", "Rate"};
const QStringList UnexplainedHeadings = {"Date", "Charged", "Nearest Rate", "Difference"};

using RateProposalRendering::rateCell;

} // namespace

RateProposalDialog::RateProposalDialog(QSqlDatabase db, std::optional<InterestMethod::Code> method,
                                       const CalcDay::Day& day, QWidget* parent)
    : QDialog(parent), m_db(db) {
    setObjectName("RateProposalDialog");
    setWindowTitle(Caption);
    createControls();
    readAccount();

    methodBox->setCurrentIndex(method ? int(*method) : 0);
    const std::optional<int> calcDay = CalcDay::dayOf(day.calcTo());
    const QString& stored = m_storedDay;
    dayBox->setValue(calcDay ? *calcDay : (CalcDay::calcToFor(stored) ? stored.toInt() : 1));
    enableDay();
    showStored();
    // A method not chosen yet is no reason to propose under Fixed Day: every way is tried.
    if (m_readError.isEmpty() && !method)
        proposeUnderEvery();
    else if (m_readError.isEmpty())
        propose();
    else
        aboutLabel->setText(m_readError);

    // A proposal takes milliseconds: it follows every change of the choice.
    connect(methodBox, &QComboBox::currentIndexChanged, this, [this] {
        enableDay();
        propose();
    });
    connect(dayBox, &QSpinBox::valueChanged, this, &RateProposalDialog::propose);
    connect(dayCountBox, &QComboBox::currentIndexChanged, this, &RateProposalDialog::propose);
    connect(roundingBox, &QComboBox::currentIndexChanged, this, &RateProposalDialog::propose);
}

void RateProposalDialog::createControls() {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(createChoice());

    aboutLabel = new QLabel(this);
    aboutLabel->setObjectName("aboutLabel");
    aboutLabel->setWordWrap(true);
    layout->addWidget(aboutLabel);

    createGrids(layout);

    auto* caution = new QLabel(QString::fromLatin1(RateProposalRendering::Caution), this);
    caution->setObjectName("cautionLabel");
    caution->setWordWrap(true);
    layout->addWidget(caution);

    auto* buttons = new QHBoxLayout;
    storeButton = new QPushButton(tr("&Store"), this);
    storeButton->setObjectName("storeButton");
    // Return stores what is shown; Qt would otherwise take the first button after the focus,
    // which may be Try Every Method.
    storeButton->setDefault(true);
    cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName("cancelButton");
    buttons->addStretch(1);
    buttons->addWidget(storeButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);
    WindowFit::openWithin(this, QSize(860, 600));

    connect(everyButton, &QPushButton::clicked, this, &RateProposalDialog::proposeUnderEvery);
    connect(storeButton, &QPushButton::clicked, this, &RateProposalDialog::storeTicked);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

// The method, its day and the conventions the proposal is worked under.
QGridLayout* RateProposalDialog::createChoice() {
    auto* choice = new QGridLayout;
    const auto captioned = [&](const QString& caption, QWidget* field, int row, int column) {
        QLabel* label = captionFor(caption, field);
        choice->addWidget(label, row, column);
        choice->addWidget(field, row, column + 1);
        return label;
    };
    methodBox = new QComboBox(this);
    methodBox->setObjectName("methodBox");
    methodBox->addItems(InterestMethod::names());
    captioned(tr("&Method:"), methodBox, 0, 0);
    dayBox = new QSpinBox(this);
    dayBox->setObjectName("daySpin");
    dayBox->setRange(CalcDay::FirstDay, CalcDay::LastDay);
    dayLabel = captioned(tr("&Day:"), dayBox, 0, 2);
    dayCountBox = new QComboBox(this);
    dayCountBox->setObjectName("dayCountBox");
    dayCountBox->addItems(Conventions::dayCountNames());
    captioned(tr("Day &count:"), dayCountBox, 1, 0);
    roundingBox = new QComboBox(this);
    roundingBox->setObjectName("roundingBox");
    roundingBox->addItems(Conventions::roundingNames());
    captioned(tr("&Rounding:"), roundingBox, 1, 2);
    everyButton = new QPushButton(tr("&Try Every Method"), this);
    everyButton->setObjectName("tryEveryButton");
    everyButton->setToolTip(tr("For a borrower who knows neither the method nor the conventions: "
                               "each is tried, and the one whose rates reproduce most charges is "
                               "proposed."));
    choice->addWidget(everyButton, 0, 4);
    choice->setColumnStretch(5, 1);
    return choice;
}

// The periods proposed beside those stored, then the charges none reproduces.
void RateProposalDialog::createGrids(QVBoxLayout* layout) {
    auto* periods = new QHBoxLayout;
    auto* proposed = new QVBoxLayout;
    proposalGrid = listGrid(ProposalHeadings, "proposalGrid", tr("Proposed rate periods"), this);
    auto* proposalLabel = new QLabel(ProposalCaption, this);
    proposalLabel->setBuddy(proposalGrid);
    proposed->addWidget(proposalLabel);
    proposed->addWidget(proposalGrid, 1);
    auto* stored = new QVBoxLayout;
    storedGrid = listGrid(StoredHeadings, "storedGrid", tr("Rate periods stored"), this);
    storedGrid->setSelectionMode(QAbstractItemView::NoSelection);
    auto* storedLabel = new QLabel(StoredCaption, this);
    storedLabel->setBuddy(storedGrid);
    stored->addWidget(storedLabel);
    stored->addWidget(storedGrid, 1);
    // Wide enough for a stored period's three columns without scrolling.
    storedGrid->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) * 2 +
                                fontMetrics().horizontalAdvance(QStringLiteral("00.000 %")) + 60);
    periods->addLayout(proposed, 3);
    periods->addLayout(stored, 1);
    layout->addLayout(periods, 2);

    unexplainedGrid = listGrid(UnexplainedHeadings, "unexplainedGrid",
                               tr("Charges that no proposed rate reproduces"), this);
    unexplainedLabel = new QLabel(UnexplainedCaption, this);
    unexplainedLabel->setWordWrap(true);
    unexplainedLabel->setBuddy(unexplainedGrid);
    layout->addWidget(unexplainedLabel);
    layout->addWidget(unexplainedGrid, 1);
}

void RateProposalDialog::readAccount() {
    QString error;
    std::optional<AccountSnapshot> snapshot = Snapshot::read(m_db, &error);
    if (!snapshot) {
        m_readError = error;
        return;
    }
    m_storedDay = snapshot->dayInForce.value_or(CalcDay::Day()).calcFrom();
    AccountStore::CalculationInputs* in = &snapshot->inputs;
    m_history = std::move(in->history);
    m_stored = std::move(in->rates);
    m_offset = std::move(in->offset);
    // A setting this version does not read leaves its default in place and is said, as the
    // report says it.
    m_notices = in->notices;
    dayCountBox->setCurrentIndex(int(in->conventions.dayCount));
    roundingBox->setCurrentIndex(int(in->conventions.rounding));
}

void RateProposalDialog::enableDay() {
    const bool fixedDay = InterestMethod::isFixedDay(methodBox->currentIndex());
    dayLabel->setEnabled(fixedDay);
    dayBox->setEnabled(fixedDay);
}

void RateProposalDialog::propose() {
    if (!m_readError.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const FitCandidate chosen = way();
    m_proposal = RateProposal::propose(m_history, chosen, m_offset);
    QApplication::restoreOverrideCursor();
    showProposal(QString());
}

void RateProposalDialog::proposeUnderEvery() {
    if (!m_readError.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    RateProposal::Ranking ranking = RateProposal::proposeAny(m_history, m_storedDay, m_offset);
    QApplication::restoreOverrideCursor();
    if (ranking.ranked.isEmpty()) {
        propose(); // no way of working could be tried: what the chosen one gives
        return;
    }
    const FitCandidate& best = ranking.ranked.first().candidate;
    {
        // The best way's proposal is at hand: the choice shown follows it without another.
        const QSignalBlocker method(methodBox), day(dayBox), dayCount(dayCountBox),
            rounding(roundingBox);
        methodBox->setCurrentIndex(best.methodCode());
        if (!best.day.calcFrom().isEmpty())
            dayBox->setValue(best.day.calcFrom().toInt());
        dayCountBox->setCurrentIndex(int(best.conventions.dayCount));
        roundingBox->setCurrentIndex(int(best.conventions.rounding));
    }
    enableDay();
    m_proposal = std::move(ranking.best);
    showProposal(tr("Tried %1 ways of working; the one shown reproduces the most charges with the "
                    "fewest periods.")
                     .arg(ranking.ranked.size()));
}

void RateProposalDialog::showProposal(const QString& about) {
    const GridText text;
    QStringList lines = m_notices;
    if (!about.isEmpty())
        lines << about;
    if (m_proposal.periods.isEmpty())
        lines << RateProposalRendering::nothingLine(m_proposal, TryEvery);
    else
        lines << RateProposalRendering::countLines(m_proposal);
    for (const RateProposal::Period& p : m_proposal.periods) {
        if (const QString note = RateProposalRendering::changeNote(p); !note.isEmpty())
            lines << text.date(p.from) + QStringLiteral(": ") + note + QLatin1Char('.');
    }
    aboutLabel->setText(lines.join(QLatin1Char('\n')));

    proposalGrid->setRowCount(int(m_proposal.periods.size()));
    for (int r = 0; r < m_proposal.periods.size(); ++r) {
        const RateProposal::Period& p = m_proposal.periods[r];
        auto* tick = new QTableWidgetItem;
        tick->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        tick->setCheckState(Qt::Checked);
        proposalGrid->setItem(r, 0, tick);
        setListRow(proposalGrid, r,
                   {text.date(p.from), text.date(p.to), rateCell(p.rate),
                    QString::number(p.postings.size()), RateProposalRendering::postingsCell(p)},
                   1, 3, 4);
    }
    proposalGrid->resizeColumnsToContents();

    // Under a method that fits no charge, every charge would show whole as a "difference".
    const bool fits = !m_proposal.methodDoesNotFit();
    unexplainedLabel->setVisible(fits);
    unexplainedGrid->setVisible(fits);
    unexplainedGrid->setRowCount(fits ? int(m_proposal.unexplained.size()) : 0);
    for (int r = 0; r < unexplainedGrid->rowCount(); ++r) {
        const RateProposal::Unexplained& u = m_proposal.unexplained[r];
        setListRow(unexplainedGrid, r,
                   {text.date(u.date), text.amount(u.charged),
                    u.nearestRate ? rateCell(*u.nearestRate) : QString(),
                    text.amount(u.difference)},
                   0, 1, 3);
    }
    unexplainedGrid->resizeColumnsToContents();
    storeButton->setEnabled(!m_proposal.periods.isEmpty());
    if (!fits)
        everyButton->setFocus();
}

void RateProposalDialog::showStored() {
    const GridText text;
    storedGrid->setRowCount(int(m_stored.size()));
    for (int r = 0; r < m_stored.size(); ++r) {
        const RatePeriod& p = m_stored[r];
        setListRow(storedGrid, r,
                   {text.date(p.validFrom), text.date(p.validTo),
                    p.interestRate ? rateCell(*p.interestRate) : QString()},
                   0, 2, 2);
    }
    storedGrid->resizeColumnsToContents();
}

QVector<RateProposal::Period> RateProposalDialog::ticked() const {
    QVector<RateProposal::Period> list;
    for (int r = 0; r < proposalGrid->rowCount() && r < m_proposal.periods.size(); ++r) {
        if (proposalGrid->item(r, 0)->checkState() == Qt::Checked)
            list << m_proposal.periods[r];
    }
    return list;
}

FitCandidate RateProposalDialog::way() const {
    const int method = methodBox->currentIndex();
    const QString day =
        InterestMethod::isFixedDay(method) ? QString::number(dayBox->value()) : QString();
    return CalculationBasis::of(
        method, CalcDay::Day::fromCalcFrom(day),
        {DayCount(dayCountBox->currentIndex()), InterestRounding(roundingBox->currentIndex())});
}

void RateProposalDialog::storeTicked() {
    if (ticked().isEmpty()) {
        Dialogs::instance().message(NoneTicked);
        return;
    }
    // Periods stored as they are stay untouched; the way they were proposed under is stored all
    // the same.
    const QVector<RateProposal::Period> chosen = RateProposal::changed(m_stored, ticked());
    const QVector<qint64> replaced = RateProposal::overlapping(m_stored, chosen);
    if (!replaced.isEmpty()) {
        const GridText text;
        QStringList named;
        for (const RatePeriod& p : m_stored) {
            if (replaced.contains(p.id))
                named << QStringLiteral("%1 to %2 at %3")
                             .arg(text.date(p.validFrom), text.date(p.validTo),
                                  p.interestRate ? rateCell(*p.interestRate) : QString());
        }
        const QString question =
            tr("%n stored rate period(s) share days with the ticked ones:\n%1\n\nReplace them "
               "with the ticked periods?",
               nullptr, int(replaced.size()))
                .arg(named.join(QLatin1Char('\n')));
        if (!Dialogs::instance().question(question))
            return;
    }
    QString error;
    if (!RateProposal::store(m_db, chosen, replaced, way(), &error)) {
        Dialogs::instance().message(StoreError + error);
        return;
    }
    accept();
}
