#include "SummaryWindow.h"

#include "ComplaintWindow.h"
#include "WorkingWindow.h"
#include "diagnosis/DiagnosisText.h"
#include "render/GridText.h"
#include "render/ReferenceRendering.h"
#include "render/RepaymentRendering.h"
#include "shell/Captions.h"
#include "shell/Charts.h"
#include "shell/WindowFit.h"
#include "shell/WindowHost.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QColor>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTimeAxis>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace {

const char* const Caption = QT_TRANSLATE_NOOP("SummaryWindow", "Summary");
const char* const OutOfRange = QT_TRANSLATE_NOOP(
    "SummaryWindow", "The report's interest adds up to more than an amount can hold: no summary.");

// The note on the years marked incomplete, in the words the summary's rendering has for it.
QString incompleteYearNote() {
    return QCoreApplication::translate("SummaryRendering", SummaryRendering::IncompleteYearNote);
}

QTableWidget* makeTable(QWidget* parent, const char* name, const QString& accessibleName,
                        const QStringList& headings) {
    auto* t = new QTableWidget(0, int(headings.size()), parent);
    t->setObjectName(name);
    t->setAccessibleName(accessibleName);
    t->setHorizontalHeaderLabels(headings);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    t->setWordWrap(false);
    return t;
}

// Amounts line up on their decimal point, as in the report grid.
void setRow(QTableWidget* t, int row, const QStringList& cells) {
    setListRow(t, row, cells, 0, 1, int(cells.size()));
}

QLabel* heading(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QChartView* makeChartView(QWidget* parent, const char* name, const QString& title) {
    auto* chart = new QChart();
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* view = new QChartView(chart, parent);
    view->setObjectName(name);
    view->setAccessibleName(title);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(320, 220);
    return view;
}

} // namespace

SummaryWindow::SummaryWindow(WindowHost& main) : FormWindow(main, Name) {
    setWindowTitle(tr(Caption));

    sentenceLabel = new QLabel(this);
    sentenceLabel->setObjectName("sentenceLabel");
    sentenceLabel->setWordWrap(true);
    sentenceLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont big = sentenceLabel->font();
    big.setPointSizeF(big.pointSizeF() * 1.25);
    big.setBold(true);
    sentenceLabel->setFont(big);
    // What the repayment terms say of the repayments taken, beneath the interest's verdict.
    repaymentVerdictLabel = new QLabel(this);
    repaymentVerdictLabel->setObjectName("repaymentVerdictLabel");
    repaymentVerdictLabel->setWordWrap(true);
    repaymentVerdictLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = repaymentVerdictLabel->font();
    bold.setBold(true);
    repaymentVerdictLabel->setFont(bold);
    repaymentVerdictLabel->hide();
    ratesLabel = new QLabel(this);
    ratesLabel->setObjectName("ratesLabel");
    ratesLabel->setWordWrap(true);
    ratesLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    createTermsParts();

    createTables();

    auto* grid = new QGridLayout;
    grid->addWidget(heading(tr("By calendar year"), yearsGrid, this), 0, 0);
    grid->addWidget(yearsGrid, 1, 0);
    grid->addWidget(incompleteLabel, 2, 0);
    grid->addWidget(heading(tr("Largest differences"), largestGrid, this), 3, 0);
    grid->addWidget(largestGrid, 4, 0);
    unpairedLabel =
        heading(tr("Charges without a posting and postings without a charge"), unpairedGrid, this);
    grid->addWidget(unpairedLabel, 5, 0);
    grid->addWidget(unpairedGrid, 6, 0);
    grid->addWidget(passOnLabel, 7, 0, 1, 2);
    grid->addWidget(passOnGrid, 8, 0, 1, 2);
    grid->addWidget(passOnTotalLabel, 9, 0, 1, 2);
    grid->addWidget(explainLabel, 10, 0, 1, 2);
    grid->addWidget(explanationsGrid, 11, 0, 1, 2);
    grid->addWidget(runningTotalChart, 0, 1, 4, 1);
    grid->addWidget(chtYears, 4, 1, 3, 1);
    // The tables' columns are read whole, their headings too; the charts give way.
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);

    QHBoxLayout* buttons = createButtons();

    // The verdict and its tables scroll when the window is smaller than they need; the buttons
    // stay in view below them.
    auto* body = new QWidget(this);
    body->setObjectName("summaryBody");
    auto* content = new QVBoxLayout(body);
    content->setContentsMargins(0, 0, 0, 0);
    content->addWidget(sentenceLabel);
    content->addWidget(repaymentVerdictLabel);
    nextLabel = new QLabel(this);
    nextLabel->setObjectName("nextLabel");
    nextLabel->setWordWrap(true);
    content->addWidget(nextLabel);
    content->addWidget(termsLabel);
    content->addWidget(ratesLabel);
    content->addLayout(grid, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(WindowFit::scrolling(body, this), 1);
    layout->addLayout(buttons);
    resize(1040, 760);
}

// The summary's tables and charts; a row of the largest differences opens into its working.
void SummaryWindow::createTables() {
    yearsGrid =
        makeTable(this, "yearsGrid", tr("By calendar year"), SummaryRendering::yearHeadings());
    largestGrid = makeTable(this, "largestGrid", tr("Largest differences"),
                            SummaryRendering::postingHeadings());
    // A row opens into its working; its tick puts that working in the printed report.
    connect(largestGrid, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { showWorking(row); });
    connect(largestGrid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!m_report || !m_summary || item->column() != 0 ||
            item->row() >= m_summary->largest.size())
            return;
        m_report->setPicked(m_report->working().postingOn(m_summary->largest[item->row()].date),
                            item->checkState() == Qt::Checked);
    });
    unpairedGrid =
        makeTable(this, "unpairedGrid", tr("Not paired"), {tr("Date"), tr("Charged"), tr("Due")});
    runningTotalChart =
        makeChartView(this, "runningTotalChart", tr("Running total of charged - due"));
    chtYears = makeChartView(this, "chtYears", tr("Interest charged and due by year"));

    incompleteLabel = new QLabel(incompleteYearNote(), this);
    incompleteLabel->setObjectName("incompleteLabel");
    incompleteLabel->setWordWrap(true);
}

// The bar under the summary: Show Working, Prepare a Complaint, Copy as Text and Close.
QHBoxLayout* SummaryWindow::createButtons() {
    complaintButton = new QPushButton(tr("Prepare a Com&plaint..."), this);
    complaintButton->setObjectName("complaintButton");
    complaintButton->setToolTip(tr("A letter to the lender raising the postings it overcharged, "
                                   "and the evidence behind it."));
    connect(complaintButton, &QPushButton::clicked, this, [this] {
        if (m_report)
            ComplaintWindow::open(m_main, m_report->run().basis());
    });
    copyButton = new QPushButton(tr("Copy as Text"), this);
    copyButton->setObjectName("copyButton");
    workingButton = new QPushButton(tr("Show &Working"), this);
    workingButton->setObjectName("workingButton");
    workingButton->setToolTip(tr("Every day behind the largest difference selected. Tick a "
                                 "difference to print its working after the report."));
    connect(workingButton, &QPushButton::clicked, this, [this] { showWorking(); });
    closeButton = new QPushButton(tr("&Close"), this);
    closeButton->setObjectName("closeButton");
    connect(copyButton, &QPushButton::clicked, this, &SummaryWindow::copyAsText);
    connect(closeButton, &QPushButton::clicked, this, &SummaryWindow::closeWindow);
    // The explanation's working beside the posting's: in the bar, in view however far the
    // tables scroll.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(workingButton);
    buttons->addWidget(explainWorkingButton);
    buttons->addStretch(1);
    buttons->addWidget(complaintButton);
    buttons->addWidget(copyButton);
    buttons->addWidget(closeButton);
    return buttons;
}

// What the loan's terms and the diagnosis add: the note on the rates owed, the pass-on table
// and what explains the differences, with the days as the lender worked them.
void SummaryWindow::createTermsParts() {
    termsLabel = new QLabel(this);
    termsLabel->setObjectName("termsLabel");
    termsLabel->setWordWrap(true);
    passOnGrid = makeTable(this, "passOnGrid", tr("Changes of the reference passed on"),
                           ReferenceRendering::passOnHeadings());
    passOnLabel = heading(tr("Changes of the reference passed on"), passOnGrid, this);
    passOnTotalLabel = new QLabel(this);
    passOnTotalLabel->setObjectName("passOnTotalLabel");
    passOnTotalLabel->setWordWrap(true);

    explanationsGrid =
        makeTable(this, "explanationsGrid", tr("What explains them"), {tr("What explains them")});
    explainLabel = heading(tr("What explains them"), explanationsGrid, this);
    explainWorkingButton = new QPushButton(tr("Show Working of the E&xplanation"), this);
    explainWorkingButton->setObjectName("explainWorkingButton");
    explainWorkingButton->setToolTip(tr("Every posting of the explanation's span in Show "
                                        "Working: the days as due beside the days as the lender "
                                        "worked them, and the lender's own charges."));
    connect(explainWorkingButton, &QPushButton::clicked, this,
            &SummaryWindow::showExplanationWorking);
    connect(explanationsGrid, &QTableWidget::cellDoubleClicked, this,
            [this] { showExplanationWorking(); });
    connect(explanationsGrid, &QTableWidget::currentCellChanged, this, [this](int row) {
        explainWorkingButton->setEnabled(m_report && row >= 0 &&
                                         row < m_report->diagnosis().explanations.size());
    });
}

void SummaryWindow::setReport(std::shared_ptr<ReportWorking> report, int missingStatement) {
    if (m_report)
        disconnect(m_report.get(), nullptr, this, nullptr);
    m_report = std::move(report);
    if (!m_report)
        return;
    connect(m_report.get(), &ReportWorking::pickedChanged, this, &SummaryWindow::showPicks);
    m_summary = InterestSummary::summarise(m_report->lines(), missingStatement, &m_report->rates());
    sentenceLabel->setText(m_summary ? SummaryRendering::sentence(*m_summary) : tr(OutOfRange));
    ratesLabel->setText(m_summary ? SummaryRendering::ratesLine(*m_summary) : QString());
    repaymentVerdictLabel->setText(RepaymentRendering::verdict(m_report->repayments()));
    repaymentVerdictLabel->setVisible(!repaymentVerdictLabel->text().isEmpty());
    copyButton->setEnabled(m_summary.has_value());
    // The letter is prepared from the account open: a loan set's part shown here is another.
    complaintButton->setVisible(m_report->basis().account == m_main.tag(Tag::NewFile));
    workingButton->setEnabled(m_summary && !m_summary->largest.isEmpty());
    showNext();
    termsLabel->setText(m_report->basis().ratesNote);
    termsLabel->setVisible(!m_report->basis().ratesNote.isEmpty());
    fillTables();
    fillPassOn();
    fillExplanations();
    fillRunningTotal();
    fillYears();
}

void SummaryWindow::fillExplanations() {
    setHourglass();
    const Diagnosis::Result& r = m_report->diagnosis();
    setDefaultPointer();
    const QStringList lines = DiagnosisText::lines(r);
    explanationsGrid->setRowCount(0);
    for (const QString& line : lines) {
        const int row = explanationsGrid->rowCount();
        explanationsGrid->insertRow(row);
        explanationsGrid->setItem(row, 0, new QTableWidgetItem(line));
    }
    // A repayment short of the terms' is said here too, with or without a differing charge.
    const bool shown = r.differing > 0 || !r.repayments.isEmpty();
    explainLabel->setVisible(shown);
    explanationsGrid->setVisible(shown);
    explainWorkingButton->setVisible(shown);
    explainWorkingButton->setEnabled(false);
    if (!r.explanations.isEmpty()) {
        const QSignalBlocker quiet(explanationsGrid);
        explanationsGrid->setCurrentCell(0, 0);
        explainWorkingButton->setEnabled(true);
    }
}

void SummaryWindow::showExplanationWorking() {
    const int row = explanationsGrid->currentRow();
    if (!m_report || !m_report->diagnosisInputs() || row < 0 ||
        row >= m_report->diagnosis().explanations.size())
        return;
    auto* window = dynamic_cast<WorkingWindow*>(m_main.window(WorkingWindow::Name));
    if (!window)
        return;
    window->showExplanation(m_report, row);
    m_main.showWindow(WorkingWindow::Name);
}

void SummaryWindow::fillPassOn() {
    const QVector<TermsCheck::PassOnSection>& sections = m_report->passOn();
    passOnGrid->setRowCount(0);
    QStringList totals;
    QStringList names;
    for (const TermsCheck::PassOnSection& section : sections) {
        names << section.series.name;
        totals << ReferenceRendering::passOnTotalLine(section.table) << section.table.notices;
        for (const PassOn::Row& row : section.table.rows) {
            const int r = passOnGrid->rowCount();
            passOnGrid->insertRow(r);
            setListRow(passOnGrid, r, ReferenceRendering::passOnCells(row), 0, 1,
                       passOnGrid->columnCount() - 1);
        }
    }
    fitColumnsToText(passOnGrid);
    const bool shown = !sections.isEmpty();
    passOnLabel->setText(tr("Changes of %1 passed on").arg(names.join(tr(" and "))));
    passOnTotalLabel->setText(totals.join(QLatin1Char(' ')));
    for (QWidget* w : {static_cast<QWidget*>(passOnLabel), static_cast<QWidget*>(passOnGrid),
                       static_cast<QWidget*>(passOnTotalLabel)})
        w->setVisible(shown);
}

void SummaryWindow::fillTables() {
    const GridText text;
    yearsGrid->setRowCount(0);
    largestGrid->setRowCount(0);
    unpairedGrid->setRowCount(0);
    const bool anyUnpaired = m_summary && !(m_summary->chargesWithoutPosting.isEmpty() &&
                                            m_summary->postingsWithoutCharge.isEmpty());
    unpairedLabel->setVisible(anyUnpaired);
    unpairedGrid->setVisible(anyUnpaired);
    incompleteLabel->setVisible(false);
    if (!m_summary)
        return;
    const InterestSummary::Summary& s = *m_summary;

    const QVector<QStringList> years = SummaryRendering::yearRows(s);
    yearsGrid->setRowCount(int(years.size()));
    for (int row = 0; row < years.size(); ++row) {
        setRow(yearsGrid, row, years[row]);
        const bool total = row >= s.years.size();
        if (!total && s.years[row].incomplete > 0)
            yearsGrid->item(row, 0)->setToolTip(incompleteYearNote());
        for (int c = 0; total && c < yearsGrid->columnCount(); ++c) {
            QFont bold = yearsGrid->item(row, c)->font();
            bold.setBold(true);
            yearsGrid->item(row, c)->setFont(bold);
        }
    }
    fitColumnsToText(yearsGrid);
    incompleteLabel->setVisible(!s.incomplete.isEmpty());

    const QSignalBlocker quiet(largestGrid);
    const QStringList headings = SummaryRendering::postingHeadings(s);
    largestGrid->setColumnCount(int(headings.size()));
    largestGrid->setHorizontalHeaderLabels(headings);
    largestGrid->setRowCount(int(s.largest.size()));
    int row = 0;
    for (const InterestSummary::Posting& p : s.largest) {
        setRow(largestGrid, row, SummaryRendering::postingCells(s, p));
        QTableWidgetItem* date = largestGrid->item(row, 0);
        date->setFlags(date->flags() | Qt::ItemIsUserCheckable);
        date->setCheckState(Qt::Unchecked);
        date->setToolTip(tr("Ticked: the printed report ends with this posting's working."));
        if (s.hasRates && p.rates.differs)
            for (int c = 0; c < largestGrid->columnCount(); ++c)
                largestGrid->item(row, c)->setBackground(QColor(255, 236, 179));
        ++row;
    }
    showPicks();
    // Every cell and heading is read whole: the grid scrolls sideways rather than cut one.
    fitColumnsToText(largestGrid);

    // In date order, a charge in the first amount column and interest due in the second.
    struct Apart {
        QDate date;
        QString charged, due;
    };
    QVector<Apart> apart;
    for (const InterestSummary::Unpaired& u : s.chargesWithoutPosting)
        apart.append({u.date, text.amount(u.amount), QString()});
    for (const InterestSummary::Unpaired& u : s.postingsWithoutCharge)
        apart.append({u.date, QString(), text.amount(u.amount)});
    std::stable_sort(apart.begin(), apart.end(),
                     [](const Apart& a, const Apart& b) { return a.date < b.date; });
    unpairedGrid->setRowCount(int(apart.size()));
    row = 0;
    for (const Apart& a : apart)
        setRow(unpairedGrid, row++, {text.date(a.date), a.charged, a.due});
    fitColumnsToText(unpairedGrid);
}

void SummaryWindow::fillRunningTotal() {
    QChart* chart = runningTotalChart->chart();
    Charts::clear(chart);
    if (!m_summary || m_summary->postings.isEmpty())
        return;

    auto* series = new QLineSeries;
    // Like the total of every posting, it adds up the postings that cannot be compared too.
    series->setName(m_summary->incomplete.isEmpty()
                        ? tr("Charged - due, added up")
                        : tr("Charged - due, added up over every posting"));
    const QVector<QPointF> points = InterestSummary::runningTotalSeries(*m_summary);
    series->append(points);
    series->setPointsVisible(m_summary->postings.size() <= 120);
    chart->addSeries(series);

    const InterestSummary::ValueRange range = InterestSummary::valueRange(points);
    const QDate first = m_summary->postings.first().date;
    const QDate last = m_summary->postings.last().date;
    auto* x = new QDateTimeAxis;
    constexpr int Ticks = 5;
    x->setFormat(InterestSummary::timeAxisFormat(first.addDays(-15), last.addDays(15), Ticks));
    x->setTickCount(Ticks);
    x->setRange(first.addDays(-15).startOfDay(), last.addDays(15).startOfDay());
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    auto* y = new QValueAxis;
    y->setLabelFormat(QStringLiteral("%.2f"));
    y->setRange(range.low, range.high);
    y->applyNiceNumbers();
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);

    connect(series, &QLineSeries::hovered, this, [this](const QPointF& point, bool state) {
        if (!state || !m_summary) {
            QToolTip::hideText();
            return;
        }
        const int i = InterestSummary::nearestPosting(*m_summary, point.x());
        if (i >= 0)
            QToolTip::showText(QCursor::pos(), postingTip(i), runningTotalChart);
    });
}

void SummaryWindow::fillYears() {
    QChart* chart = chtYears->chart();
    Charts::clear(chart);
    if (!m_summary || m_summary->years.isEmpty())
        return;

    auto* charged = new QBarSet(tr("Charged"));
    //: The interest due, as the calculation gives it.
    auto* due = new QBarSet(tr("Due"));
    QStringList years;
    for (const InterestSummary::Year& y : m_summary->years) {
        *charged << y.charged.toDouble();
        *due << y.due.toDouble();
        years << QString::number(y.year);
    }
    auto* series = new QBarSeries;
    series->append(charged);
    series->append(due);
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(years);
    if (years.size() > 12)
        x->setLabelsAngle(-90);
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    QVector<double> amounts;
    for (const InterestSummary::Year& year : m_summary->years)
        amounts << year.charged.toDouble() << year.due.toDouble();
    const InterestSummary::ValueRange range = InterestSummary::valueRange(amounts);
    auto* y = new QValueAxis;
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setRange(range.low, range.high);
    y->applyNiceNumbers();
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);

    connect(series, &QBarSeries::hovered, this, [this](bool state, int index, QBarSet*) {
        if (!state) {
            QToolTip::hideText();
            return;
        }
        QToolTip::showText(QCursor::pos(), yearTip(index), chtYears);
    });
}

QString SummaryWindow::postingTip(int posting) const {
    if (!m_summary || posting < 0 || posting >= m_summary->postings.size())
        return QString();
    const GridText text;
    const InterestSummary::Posting& p = m_summary->postings[posting];
    return tr("%1\nCharged: %2\nDue: %3\nDifference: %4\nRunning total: %5")
        .arg(text.date(p.date), text.amount(p.charged), text.amount(p.due),
             text.amount(p.difference), text.amount(p.runningTotal));
}

QString SummaryWindow::yearTip(int year) const {
    if (!m_summary || year < 0 || year >= m_summary->years.size())
        return QString();
    const GridText text;
    const InterestSummary::Year& y = m_summary->years[year];
    return tr("%1\nCharged: %2\nDue: %3\nDifference: %4")
        .arg(QString::number(y.year), text.amount(y.charged), text.amount(y.due),
             text.amount(y.difference));
}

void SummaryWindow::copyAsText() {
    if (!m_summary || !m_report)
        return;
    QString text = SummaryRendering::text(*m_summary, m_report->basis());
    for (const TermsCheck::PassOnSection& section : m_report->passOn())
        text += QLatin1Char('\n') +
                ReferenceRendering::passOnText(section.table, section.series, section.lagDays);
    text += QLatin1Char('\n') + DiagnosisText::text(m_report->diagnosis());
    QGuiApplication::clipboard()->setText(text);
}

// What the borrower does with the verdict, named where it is read, with what the ticks add to
// the printed report.
void SummaryWindow::showNext() {
    const QString print = tr("Print in the report window prints the report or saves it as PDF.");
    QString text =
        workingButton->isEnabled()
            ? tr("Next: Show Working opens every day behind the largest difference. %1").arg(print)
            : tr("Next: %1").arg(print);
    const qsizetype ticked = m_report ? m_report->picked().size() : 0;
    if (ticked == 1)
        text += tr(" The printed report ends with the working of the posting ticked.");
    else if (ticked > 1)
        text +=
            tr(" The printed report ends with the working of the %1 postings ticked.").arg(ticked);
    else if (workingButton->isEnabled())
        text += tr(" Tick a difference to end the printed report with its working.");
    nextLabel->setText(text);
}

void SummaryWindow::showPicks() {
    showNext();
    if (!m_summary || !m_report)
        return;
    const QSignalBlocker quiet(largestGrid);
    for (int row = 0; row < m_summary->largest.size() && row < largestGrid->rowCount(); ++row) {
        const int posting = m_report->working().postingOn(m_summary->largest[row].date);
        if (QTableWidgetItem* date = largestGrid->item(row, 0))
            date->setCheckState(m_report->isPicked(posting) ? Qt::Checked : Qt::Unchecked);
    }
}

void SummaryWindow::showWorking(int row) {
    if (row < 0)
        row = largestGrid->currentRow();
    if (!m_summary || !m_report || m_summary->largest.isEmpty())
        return;
    row = std::clamp(row, 0, int(m_summary->largest.size()) - 1);
    const int posting = m_report->working().postingOn(m_summary->largest[row].date);
    auto* window = dynamic_cast<WorkingWindow*>(m_main.window(WorkingWindow::Name));
    if (posting < 0 || !window)
        return;
    window->showPosting(m_report, posting);
    m_main.showWindow(WorkingWindow::Name);
}

void SummaryWindow::closeWindow() {
    unload();
}
