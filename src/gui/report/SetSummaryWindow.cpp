#include "SetSummaryWindow.h"

#include "ComplaintWindow.h"
#include "ReportWorking.h"
#include "SummaryWindow.h"
#include "data/OutputFile.h"
#include "engine/InterestSummary.h"
#include "loanset/SetComplaint.h"
#include "render/GridText.h"
#include "render/PrintedReport.h"
#include "shell/Captions.h"
#include "shell/Charts.h"
#include "shell/Dialogs.h"
#include "shell/WindowFit.h"
#include "shell/WindowHost.h"

#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QDateTimeAxis>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace {

const char* const Caption = QT_TRANSLATE_NOOP("SetSummaryWindow", "Loan Set Summary");

QLabel* bigLabel(const char* name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont big = l->font();
    big.setPointSizeF(big.pointSizeF() * 1.25);
    big.setBold(true);
    l->setFont(big);
    return l;
}

QLabel* heading(const QString& text, QWidget* buddy, QWidget* parent) {
    QLabel* l = captionFor(text, buddy);
    l->setParent(parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QPushButton* button(const char* name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

QString amountOr(const std::optional<Money>& m) {
    return m ? GridText().amount(*m) : QString();
}

void boldRow(QTableWidget* grid, int row) {
    for (int c = 0; c < grid->columnCount(); ++c) {
        if (QTableWidgetItem* item = grid->item(row, c)) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
    }
}

// The grid as high as its rows (at least `least` of them), so that the space below goes to the
// years and the chart; it scrolls past MostRows.
void fitHeight(QTableWidget* grid, int least) {
    constexpr int MostRows = 8;
    int height = grid->horizontalHeader()->height() + 2 * grid->frameWidth() +
                 grid->horizontalScrollBar()->sizeHint().height();
    const int rows = std::max(least, grid->rowCount());
    for (int row = 0; row < std::min(rows, MostRows); ++row)
        height += row < grid->rowCount() ? grid->rowHeight(row)
                                         : grid->verticalHeader()->defaultSectionSize();
    grid->setMinimumHeight(height);
    grid->setMaximumHeight(height);
}

// The parts the report ran for, in the set's order: the columns of the years and the chart.
QVector<int> checkedParts(const SetCheck::Result& r) {
    QVector<int> parts;
    for (int i = 0; i < r.parts.size(); ++i) {
        if (r.parts[i].checked())
            parts << i;
    }
    return parts;
}

} // namespace

SetSummaryWindow::SetSummaryWindow(WindowHost& main) : FormWindow(main, Name) {
    setWindowTitle(tr(Caption));
    nameLabel = bigLabel("nameLabel", this);
    verdictLabel = bigLabel("verdictLabel", this);
    offsetsLabel = new QLabel(this);
    offsetsLabel->setObjectName("offsetsLabel");
    offsetsLabel->setWordWrap(true);
    offsetsLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    rateLabel = new QLabel(this);
    rateLabel->setObjectName("rateLabel");
    rateLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    createTables();

    auto* grid = new QGridLayout;
    grid->addWidget(heading(tr("P&arts"), partsGrid, this), 0, 0, 1, 2);
    grid->addWidget(partsGrid, 1, 0, 1, 2);
    grid->addWidget(heading(tr("By calendar &year"), yearsGrid, this), 2, 0);
    grid->addWidget(yearsGrid, 3, 0);
    grid->addWidget(rateLabel, 4, 0);
    grid->addWidget(balancesChart, 2, 1, 4, 1);
    // The tables keep their rows' height; the room left goes to the chart.
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);

    // The verdicts and tables scroll in a small window; the buttons stay in view below them.
    auto* body = new QWidget(this);
    body->setObjectName("setSummaryBody");
    auto* content = new QVBoxLayout(body);
    content->setContentsMargins(0, 0, 0, 0);
    content->addWidget(nameLabel);
    content->addWidget(verdictLabel);
    content->addWidget(offsetsLabel);
    content->addLayout(grid, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(WindowFit::scrolling(body, this), 1);
    layout->addLayout(createButtons());
    resize(1040, 720);
    clear(QString());
}

void SetSummaryWindow::createTables() {
    partsGrid =
        listGrid({tr("Part"), tr("Verdict"), tr("Charged"),
                  //: The interest due, as the calculation gives it.
                  tr("Due"), tr("Difference"), tr("Offset saved"), tr("Fixed until"), tr("Rate"),
                  //: The balance the part still owes.
                  tr("Owed")},
                 QStringLiteral("partsGrid"), tr("Parts"), this);
    partsGrid->setWordWrap(true);
    connect(partsGrid, &QTableWidget::cellDoubleClicked, this, [this](int row) { showPart(row); });
    connect(partsGrid, &QTableWidget::currentCellChanged, this, [this](int row) {
        showPartButton->setEnabled(m_result && row >= 0 && row < m_result->parts.size() &&
                                   m_result->parts[row].checked());
    });
    yearsGrid = listGrid({tr("Year"), tr("Total")}, QStringLiteral("yearsGrid"),
                         tr("By calendar year"), this);
    auto* chart = new QChart();
    chart->setTitle(tr("Balance owed by part"));
    chart->legend()->setAlignment(Qt::AlignBottom);
    balancesChart = new QChartView(chart, this);
    balancesChart->setObjectName("balancesChart");
    balancesChart->setAccessibleName(tr("Balance owed by part"));
    balancesChart->setRenderHint(QPainter::Antialiasing);
    balancesChart->setMinimumSize(320, 240);
}

// Show Part, Edit Set, Copy as Text, Print and Close.
QHBoxLayout* SetSummaryWindow::createButtons() {
    showPartButton = button("showPartButton", tr("&Show Part"), this);
    showPartButton->setToolTip(tr("The selected part's own summary: its years, its largest "
                                  "differences and what explains them."));
    editButton = button("editButton", tr("&Edit Set..."), this);
    complaintButton = button("complaintButton", tr("Prepare a Com&plaint..."), this);
    complaintButton->setToolTip(tr("One letter to the lender raising each part's findings, and "
                                   "one evidence pack behind it."));
    copyButton = button("copyButton", tr("Copy as Text"), this);
    printButton = button("printButton", tr("P&rint..."), this);
    closeButton = button("closeButton", tr("&Close"), this);
    connect(showPartButton, &QPushButton::clicked, this, [this] { showPart(); });
    connect(editButton, &QPushButton::clicked, this, &SetSummaryWindow::editSet);
    connect(complaintButton, &QPushButton::clicked, this, &SetSummaryWindow::prepareComplaint);
    connect(copyButton, &QPushButton::clicked, this, &SetSummaryWindow::copyAsText);
    connect(printButton, &QPushButton::clicked, this, &SetSummaryWindow::print);
    connect(closeButton, &QPushButton::clicked, this, &SetSummaryWindow::closeWindow);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(showPartButton);
    buttons->addWidget(editButton);
    buttons->addStretch(1);
    buttons->addWidget(complaintButton);
    buttons->addWidget(copyButton);
    buttons->addWidget(printButton);
    buttons->addWidget(closeButton);
    return buttons;
}

// Nothing checked: `why` in place of the verdict, every table empty.
void SetSummaryWindow::clear(const QString& why) {
    m_result.reset();
    nameLabel->setText(QString());
    verdictLabel->setText(why);
    offsetsLabel->hide();
    partsGrid->setRowCount(0);
    yearsGrid->setRowCount(0);
    rateLabel->setText(QString());
    Charts::clear(balancesChart->chart());
    for (QPushButton* b : {showPartButton, complaintButton, copyButton, printButton})
        b->setEnabled(false);
    editButton->setEnabled(!m_setPath.isEmpty());
}

void SetSummaryWindow::showSet(const QString& setPath) {
    m_setPath = setPath;
    QString error;
    const std::optional<LoanSet::Set> set = LoanSet::read(setPath, &error);
    if (!set) {
        const QString why =
            tr("The loan set '%1' cannot be read: %2").arg(QFileInfo(setPath).fileName(), error);
        clear(why);
        Dialogs::instance().message(why);
        return;
    }
    setHourglass();
    // Each part's working is kept: its summary opens into it, and the evidence prints it.
    SetCheck::Options options;
    options.recordWorking = true;
    m_result = SetCheck::check(*set, setPath, options);
    setDefaultPointer();
    const SetCheck::Result& r = *m_result;
    nameLabel->setText(r.name);
    verdictLabel->setText(SetCheck::verdict(r));
    QStringList sentences;
    for (const SetCheck::WrongOffset& w : r.wrongOffsets)
        sentences << SetCheck::sentence(r, w);
    offsetsLabel->setText(sentences.join(QLatin1Char('\n')));
    offsetsLabel->setVisible(!sentences.isEmpty());
    rateLabel->setText(r.weightedRate
                           ? tr("Balance-weighted rate: %1 %").arg(r.weightedRate->text())
                           : tr("Balance-weighted rate: none (nothing owed)"));
    fillParts();
    fillYears();
    fillChart();
    complaintButton->setEnabled(true);
    copyButton->setEnabled(true);
    printButton->setEnabled(true);
    editButton->setEnabled(true);
}

void SetSummaryWindow::fillParts() {
    const GridText text;
    const SetCheck::Result& r = *m_result;
    partsGrid->setRowCount(int(r.parts.size()));
    for (int row = 0; row < r.parts.size(); ++row) {
        const SetCheck::PartRun& p = r.parts[row];
        QStringList cells = {p.part.name, p.checked() ? p.verdict : p.problem};
        if (p.checked())
            cells << text.amount(p.summary->charged) << text.amount(p.summary->due)
                  << text.amount(p.summary->difference) << amountOr(p.offsetBenefit)
                  << (p.fixedUntil.isValid() ? text.date(p.fixedUntil) : QString())
                  << (p.rate ? p.rate->columnText() : QString()) << text.amount(p.owed);
        while (cells.size() < partsGrid->columnCount())
            cells << QString();
        setListRow(partsGrid, row, cells, 0, 2, partsGrid->columnCount() - 1);
        partsGrid->item(row, 1)->setToolTip(cells[1]);
    }
    fitColumnsToText(partsGrid);
    // A part's sentence wraps in a column of its own width rather than push the amounts out of
    // view; the tooltip holds it whole too.
    constexpr int VerdictWidth = 380;
    partsGrid->setColumnWidth(1, std::min(partsGrid->columnWidth(1), VerdictWidth));
    partsGrid->resizeRowsToContents();
    fitHeight(partsGrid, 2);
    const int first = int(std::find_if(r.parts.begin(), r.parts.end(),
                                       [](const SetCheck::PartRun& p) { return p.checked(); }) -
                          r.parts.begin());
    if (first < r.parts.size())
        partsGrid->setCurrentCell(first, 0);
    showPartButton->setEnabled(first < r.parts.size());
}

// A column per part checked, its difference each year (empty where it had no posting), and
// the year's total; then the totals, as the core adds them.
void SetSummaryWindow::fillYears() {
    const GridText text;
    const SetCheck::Result& r = *m_result;
    const QVector<int> parts = checkedParts(r);
    QStringList headings = {tr("Year")};
    for (int part : parts)
        headings << r.parts[part].part.name;
    headings << tr("Total");
    yearsGrid->setColumnCount(int(headings.size()));
    yearsGrid->setHorizontalHeaderLabels(headings);
    yearsGrid->setRowCount(int(r.years.size()) + 1);
    const int last = int(headings.size()) - 1;
    for (int row = 0; row < r.years.size(); ++row) {
        const SetCheck::Year& y = r.years[row];
        QStringList cells = {QString::number(y.year)};
        for (int part : parts)
            cells << (part < y.parts.size() ? amountOr(y.parts[part]) : QString());
        cells << text.amount(y.total);
        setListRow(yearsGrid, row, cells, 0, 1, last);
    }
    QStringList totals = {tr("Total")};
    for (int part : parts)
        totals << text.amount(r.parts[part].summary->difference);
    totals << text.amount(r.difference);
    const int total = int(r.years.size());
    setListRow(yearsGrid, total, totals, 0, 1, last);
    boldRow(yearsGrid, total);
    fitColumnsToText(yearsGrid);
    fitHeight(yearsGrid, 3);
}

// Each part's balance owed over its history, one line a part.
void SetSummaryWindow::fillChart() {
    QChart* chart = balancesChart->chart();
    Charts::clear(chart);
    const SetCheck::Result& r = *m_result;
    QDate first, last;
    double high = 0;
    QVector<QLineSeries*> lines;
    for (int part : checkedParts(r)) {
        auto* series = new QLineSeries;
        series->setName(r.parts[part].part.name);
        for (const ReportLine& line : r.parts[part].run->lines()) {
            const double owed = -line.balance.toDouble();
            series->append(double(line.date.startOfDay().toMSecsSinceEpoch()), owed);
            high = std::max(high, owed);
            if (!first.isValid() || line.date < first)
                first = line.date;
            if (!last.isValid() || line.date > last)
                last = line.date;
        }
        chart->addSeries(series);
        lines << series;
    }
    if (!first.isValid())
        return;
    auto* x = new QDateTimeAxis;
    constexpr int Ticks = 5;
    x->setFormat(InterestSummary::timeAxisFormat(first.addDays(-15), last.addDays(15), Ticks));
    x->setTickCount(Ticks);
    x->setRange(first.addDays(-15).startOfDay(), last.addDays(15).startOfDay());
    chart->addAxis(x, Qt::AlignBottom);
    auto* y = new QValueAxis;
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setRange(0, std::max(1.0, high));
    y->applyNiceNumbers();
    chart->addAxis(y, Qt::AlignLeft);
    for (QLineSeries* series : lines) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
}

void SetSummaryWindow::copyAsText() {
    if (m_result)
        QGuiApplication::clipboard()->setText(SetCheck::text(*m_result));
}

// The set's summary as text on the printed page, in the printed report's face.
void SetSummaryWindow::print() {
    if (!m_result)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr(Caption));
    printer.setCreator(AppTitle);
    printer.setPageLayout(PrintedReport::pageLayout());
    const QString text = SetCheck::text(*m_result);
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QVector<PrintedReport::Content::TextPage> pages = {{m_result->name, lines}};
    const QString footer =
        tr("%1, made %2")
            .arg(QFileInfo(m_setPath).fileName(), GridText().date(QDate::currentDate()));
    Dialogs::instance().preview(printer, [&](QPagedPaintDevice& device, QString* error) {
        return PrintedReport::paintText(device, pages, footer, error);
    });
}

void SetSummaryWindow::showPart(int row) {
    if (row < 0)
        row = partsGrid->currentRow();
    if (!m_result || row < 0 || row >= m_result->parts.size() || !m_result->parts[row].checked())
        return;
    const SetCheck::PartRun& part = m_result->parts[row];
    auto* window = dynamic_cast<SummaryWindow*>(m_main.window(SummaryWindow::Name));
    if (!window)
        return;
    window->setReport(std::make_shared<ReportWorking>(part.run, part.path),
                      part.run->missingStatement());
    m_main.showWindow(SummaryWindow::Name);
}

// The set's own editor, told which set by its tag, where the program has one.
void SetSummaryWindow::editSet() {
    FormWindow* editor = m_main.window(WindowNames::LoanSet);
    if (!editor) {
        Dialogs::instance().message(tr("The loan set cannot be edited here."));
        return;
    }
    editor->setTag(m_setPath);
    m_main.showWindow(WindowNames::LoanSet);
}

void SetSummaryWindow::prepareComplaint() {
    if (!m_result)
        return;
    QString error;
    setHourglass();
    const std::optional<SetComplaint::Case> c = SetComplaint::prepare(*m_result, &error);
    setDefaultPointer();
    if (!c || !SetComplaint::noLetter(*c).isEmpty()) {
        Dialogs::instance().message(
            c ? tr("No letter is written: %1.").arg(SetComplaint::noLetter(*c))
              : tr("The complaint cannot be prepared: %1").arg(error));
        return;
    }
    const auto files = ComplaintWindow::chooseFiles(QFileInfo(m_setPath));
    if (!files)
        return;
    // Neither file goes over the set or a part's account; a refused name leaves both unwritten.
    QStringList keep = {m_setPath};
    for (const SetCheck::PartRun& p : m_result->parts)
        keep << p.path;
    if (const QString why = OutputFile::refusal({files->first, files->second}, keep);
        !why.isEmpty()) {
        Dialogs::instance().message(why);
        return;
    }
    setHourglass();
    const bool written =
        SetComplaint::writeLetter(*c, files->first, QFileInfo(files->second).fileName(), &error) &&
        SetComplaint::writeEvidence(*c, files->second, &error);
    setDefaultPointer();
    if (!written) {
        Dialogs::instance().message(error);
        return;
    }
    QStringList missing;
    for (const Complaints::MissingDetail& m : Complaints::missingDetails(c->parts.first().details))
        missing << tr("It says \"%1\" in place of %2: fill it in before it is sent.")
                       .arg(m.placeholder, m.what);
    Dialogs::instance().message(
        tr("The letter is in %1 and the evidence in %2. Read the letter "
           "through, sign it and send both to your lender.")
            .arg(files->first, files->second) +
        (missing.isEmpty() ? QString() : QLatin1Char(' ') + missing.join(QLatin1Char(' '))));
}

void SetSummaryWindow::closeWindow() {
    unload();
}
