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
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
using RateProposalRendering::rateCell;

} // namespace

RateProposalDialog::RateProposalDialog(QSqlDatabase db, std::optional<InterestMethod::Code> method,
                                       const CalcDay::Day& day, QWidget* parent)
    : QDialog(parent), m_db(db) {
    setObjectName("RateProposalDialog");
    setWindowTitle(tr("Propose Rate Periods from Charges"));
    createControls();
    readAccount();

    methodBox->setCurrentIndex(method ? int(*method) : 0);
    const std::optional<int> calcDay = CalcDay::dayOf(day.calcTo());
    const QString& stored = m_storedDay;
    dayBox->setValue(calcDay ? *calcDay : (CalcDay::calcToFor(stored) ? stored.toInt() : 1));
    enableChoices();
    showStored();
    // A method not chosen yet is no reason to propose under Fixed Day: every way is tried.
    if (m_readError.isEmpty() && !method)
        proposeUnderEvery();
    else if (m_readError.isEmpty())
        propose();
    else
        aboutLabel->setText(m_readError);

    // A proposal takes milliseconds: it follows every change of the choice.
    const auto follow = [this] {
        enableChoices();
        propose();
    };
    connect(methodBox, &QComboBox::currentIndexChanged, this, follow);
    connect(dayBox, &QSpinBox::valueChanged, this, &RateProposalDialog::propose);
    for (QComboBox* box : {dayCountBox, roundingBox, restBox, compoundingBox})
        connect(box, &QComboBox::currentIndexChanged, this, follow);
    connect(perYearSpin, &QSpinBox::valueChanged, this, &RateProposalDialog::propose);
}

void RateProposalDialog::createControls() {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(createChoice());

    aboutLabel = new QLabel(this);
    aboutLabel->setObjectName("aboutLabel");
    aboutLabel->setWordWrap(true);
    layout->addWidget(aboutLabel);

    createGrids(layout);

    auto* caution = new QLabel(
        QCoreApplication::translate("RateProposalRendering", RateProposalRendering::Caution), this);
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
    methodBox->addItems(InterestMethod::shownNames());
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
    restBox = new QComboBox(this);
    restBox->setObjectName("restBox");
    for (const Rest& rest : Conventions::searchedRests())
        restBox->addItem(Conventions::name(rest), Conventions::word(rest));
    captioned(tr("R&est:"), restBox, 2, 0);
    compoundingBox = new QComboBox(this);
    compoundingBox->setObjectName("compoundingBox");
    compoundingBox->addItems(Conventions::compoundingNames());
    captioned(tr("Com&pounding:"), compoundingBox, 2, 2);
    perYearSpin = new QSpinBox(this);
    perYearSpin->setObjectName("perYearSpin");
    perYearSpin->setRange(1, Conventions::MostPerYear);
    perYearSpin->setValue(LenderConventions().perYear);
    perYearSpin->setKeyboardTracking(false);
    perYearLabel = captioned(tr("Periods a &year:"), perYearSpin, 2, 4);
    everyButton = new QPushButton(tr("&Try Every Method"), this);
    everyButton->setObjectName("tryEveryButton");
    everyButton->setToolTip(tr("For a borrower who knows neither the method nor the conventions: "
                               "each is tried, and the one whose rates reproduce most charges is "
                               "proposed."));
    choice->addWidget(everyButton, 0, 4, 1, 2);
    choice->setColumnStretch(6, 1);
    return choice;
}

// The periods proposed beside those stored, then the charges none reproduces.
void RateProposalDialog::createGrids(QVBoxLayout* layout) {
    auto* periods = new QHBoxLayout;
    auto* proposed = new QVBoxLayout;
    //: the tick column: whether the proposed period is stored
    const QString store = tr("Store");
    proposalGrid =
        listGrid({store, tr("From"), tr("To"), tr("Rate"), tr("Postings"), tr("Reproduced")},
                 "proposalGrid", tr("Proposed rate periods"), this);
    auto* proposalLabel = new QLabel(tr("Proposed rate periods (tick those to store):"), this);
    proposalLabel->setBuddy(proposalGrid);
    proposed->addWidget(proposalLabel);
    proposed->addWidget(proposalGrid, 1);
    auto* stored = new QVBoxLayout;
    storedGrid =
        listGrid({tr("From"), tr("To"), tr("Rate")}, "storedGrid", tr("Rate periods stored"), this);
    storedGrid->setSelectionMode(QAbstractItemView::NoSelection);
    auto* storedLabel = new QLabel(tr("Rate periods stored:"), this);
    storedLabel->setBuddy(storedGrid);
    stored->addWidget(storedLabel);
    stored->addWidget(storedGrid, 1);
    // Wide enough for a stored period's three columns without scrolling.
    storedGrid->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) * 2 +
                                fontMetrics().horizontalAdvance(QStringLiteral("00.000 %")) + 60);
    periods->addLayout(proposed, 3);
    periods->addLayout(stored, 1);
    layout->addLayout(periods, 2);

    unexplainedGrid =
        listGrid({tr("Date"), tr("Charged"), tr("Nearest Rate"), tr("Difference")},
                 "unexplainedGrid", tr("Charges that no proposed rate reproduces"), this);
    unexplainedLabel =
        new QLabel(tr("Charges that no proposed rate reproduces (difference: the charge less the "
                      "interest due under the proposal):"),
                   this);
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
    showConventions(in->conventions);
}

// The conventions as the boxes show them, without proposing under them; a rest the searches do
// not try (one the account holds) is added to its box.
void RateProposalDialog::showConventions(const LenderConventions& c) {
    const QSignalBlocker dayCount(dayCountBox), rounding(roundingBox), rest(restBox),
        compounding(compoundingBox), perYear(perYearSpin);
    dayCountBox->setCurrentIndex(int(c.dayCount));
    roundingBox->setCurrentIndex(int(c.rounding));
    const QString restWord = Conventions::word(c.rest);
    if (restBox->findData(restWord) < 0)
        restBox->addItem(Conventions::name(c.rest), restWord);
    restBox->setCurrentIndex(restBox->findData(restWord));
    compoundingBox->setCurrentIndex(int(c.compounding));
    if (c.usesPerYear())
        perYearSpin->setValue(c.perYear);
    m_shown = c;
}

void RateProposalDialog::enableChoices() {
    const bool fixedDay = InterestMethod::isFixedDay(methodBox->currentIndex());
    dayLabel->setEnabled(fixedDay);
    dayBox->setEnabled(fixedDay);
    const bool perYear = way().conventions.usesPerYear();
    perYearLabel->setEnabled(perYear);
    perYearSpin->setEnabled(perYear);
}

void RateProposalDialog::propose() {
    if (!m_readError.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const FitCandidate chosen = way();
    // Conventions that cannot be worked with together are said, and the last ones come back.
    if (const QString refused = Conventions::refusal(chosen.conventions); !refused.isEmpty()) {
        QApplication::restoreOverrideCursor();
        showConventions(m_shown);
        enableChoices();
        Dialogs::instance().message(refused);
        return;
    }
    m_shown = chosen.conventions;
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
        const QSignalBlocker method(methodBox), day(dayBox);
        methodBox->setCurrentIndex(best.methodCode());
        if (!best.day.calcFrom().isEmpty())
            dayBox->setValue(best.day.calcFrom().toInt());
        showConventions(best.conventions);
    }
    enableChoices();
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
        lines << RateProposalRendering::nothingLine(
            m_proposal, tr("Try Every Method finds the way of working that reproduces the "
                           "charges."));
    else
        lines << RateProposalRendering::countLines(m_proposal);
    for (const RateProposal::Period& p : m_proposal.periods) {
        if (const QString note = RateProposalRendering::changeNote(p); !note.isEmpty())
            //: a proposed period's first day, then what changed on it
            lines << tr("%1: %2.").arg(text.date(p.from), note);
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
    LenderConventions c{
        DayCount(dayCountBox->currentIndex()), InterestRounding(roundingBox->currentIndex()),
        Conventions::restFromWord(restBox->currentData().toString()).value_or(Rest::daily()),
        Compounding(compoundingBox->currentIndex())};
    // The periods a year are the default's while nothing uses them.
    if (c.usesPerYear())
        c.perYear = perYearSpin->value();
    return CalculationBasis::of(method, CalcDay::Day::fromCalcFrom(day), c);
}

void RateProposalDialog::storeTicked() {
    if (ticked().isEmpty()) {
        Dialogs::instance().message(tr("Tick the proposed periods to store."));
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
                named << tr("%1 to %2 at %3")
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
        Dialogs::instance().message(tr("The rate periods could not be stored: %1").arg(error));
        return;
    }
    accept();
}
