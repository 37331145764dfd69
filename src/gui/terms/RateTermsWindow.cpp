#include "RateTermsWindow.h"

#include "data/ShortDate.h"
#include "engine/CalcDay.h"
#include "engine/InterestEngine.h"
#include "engine/InterestMethod.h"
#include "engine/InterestSummary.h"
#include "reference/TermsCheck.h"
#include "reference/TermsStore.h"
#include "render/GridText.h"
#include "render/ReferenceRendering.h"
#include "render/SummaryRendering.h"
#include "run/ReportBasis.h"
#include "run/ReportCase.h"
#include "shell/Captions.h"
#include "shell/Dialogs.h"
#include "shell/WindowFit.h"
#include "shell/WindowHost.h"
#include "shell/Windows.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

using RateTerms::Kind;

namespace {

QString storeError(const QString& why) {
    return QCoreApplication::translate("RateTermsWindow", "The rate terms could not be stored: %1")
        .arg(why);
}

QString seriesError(const QString& why) {
    return QCoreApplication::translate("RateTermsWindow", "The series could not be read: %1")
        .arg(why);
}

// A date as typed: the Short Date, or ISO.
QDate readDate(const QString& text) {
    const QString t = text.trimmed();
    const QDate iso = QDate::fromString(t, Qt::ISODate);
    return iso.isValid() ? iso : ShortDate::parse(t);
}

QString dateText(const QDate& d) {
    return d.isValid() ? ShortDate::format(d) : QString();
}

QString rateText(const std::optional<Rate>& r) {
    return r ? r->exactText() : QString();
}

QLineEdit* lineEdit(QWidget* parent, int width = 110) {
    auto* edit = new QLineEdit(parent);
    edit->setMaximumWidth(width);
    edit->setMaxLength(20);
    return edit;
}

QSpinBox* spin(QWidget* parent, int low, int high) {
    auto* box = new QSpinBox(parent);
    box->setRange(low, high);
    box->setMaximumWidth(90);
    return box;
}

QChartView* chartView(QWidget* parent) {
    auto* chart = new QChart();
    chart->setTitle(
        QCoreApplication::translate("RateTermsWindow", "Stored, owed and reference rates"));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* view = new QChartView(chart, parent);
    view->setObjectName("termsChart");
    view->setAccessibleName(chart->title());
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(360, 240);
    return view;
}

// What the terms are, above them.
QLabel* introLabel(QWidget* parent) {
    auto* intro = new QLabel(
        QCoreApplication::translate(
            "RateTermsWindow",
            "What your loan contract says the rate is: a fixed rate, a tracker of a reference "
            "rate, an adjustable rate (an index plus a margin on set dates) or the lender's own "
            "variable rate. From these terms and the published reference rates the program works "
            "out the rates owed, and whether the lender passed on each change of its reference. "
            "Each period is stored when you save it; the stored rate periods are never changed "
            "here."),
        parent);
    intro->setObjectName("introLabel");
    intro->setWordWrap(true);
    return intro;
}

} // namespace

RateTermsWindow::RateTermsWindow(WindowHost& main) : FormWindow(main, WindowNames::RateTerms) {
    setWindowTitle(tr("Rate Terms"));
    QLabel* intro = introLabel(this);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(createTermsPanel());
    splitter->addWidget(createResults());
    splitter->setStretchFactor(1, 1);

    verdictLabel = new QLabel(this);
    verdictLabel->setObjectName("verdictLabel");
    verdictLabel->setWordWrap(true);
    verdictLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = verdictLabel->font();
    bold.setBold(true);
    verdictLabel->setFont(bold);
    reportButton = new QPushButton(tr("&View Report Under the Terms"), this);
    reportButton->setObjectName("reportButton");
    reportButton->setToolTip(tr("The report and its summary under the rates the terms owe; the "
                                "stored rate periods stay as they are."));
    closeButton = new QPushButton(tr("&Close"), this);
    closeButton->setObjectName("closeButton");
    // The period's buttons sit in the window's bar, in view however far the terms scroll.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(newButton);
    buttons->addWidget(saveButton);
    buttons->addWidget(deleteButton);
    buttons->addStretch(1);
    buttons->addWidget(reportButton);
    buttons->addWidget(closeButton);

    // The terms and their results scroll when the window is smaller than they need; the buttons
    // stay in view below them.
    auto* body = new QWidget(this);
    body->setObjectName("termsBody");
    auto* content = new QVBoxLayout(body);
    content->setContentsMargins(0, 0, 0, 0);
    content->addWidget(intro);
    content->addWidget(splitter, 1);
    content->addWidget(verdictLabel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(WindowFit::scrolling(body, this), 1);
    layout->addLayout(buttons);
    resize(1100, 700);

    connect(reportButton, &QPushButton::clicked, this, &RateTermsWindow::viewReportUnderTerms);
    connect(closeButton, &QPushButton::clicked, this, &RateTermsWindow::closeWindow);

    // What cannot be read is said once; the window then shows what could be.
    m_shipped = ShippedSeries::all();
    QString error;
    if (!m_connection.open(main.tag(Tag::NewFile))) {
        Dialogs::instance().message(m_connection.lastError());
    } else {
        TermsStore::Stored stored;
        if (!TermsStore::read(m_connection.database(), &stored, &error))
            Dialogs::instance().message(storeError(error));
        for (const QString& notice : std::as_const(stored.notices))
            Dialogs::instance().message(notice);
        m_terms = stored.terms;
        m_series = stored.series;
        m_snapshot = Snapshot::read(m_connection.database(), &error);
    }
    bool known = false;
    const int method = main.tag(Tag::Method).toInt(&known);
    methodBox->setCurrentIndex(
        known && InterestMethod::isCode(method) ? method : InterestMethod::VariableDay);
    connect(methodBox, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    fillSeriesBox();
    fillTermsGrid();
    newPeriod();
    refresh();
}

QWidget* RateTermsWindow::createTermsPanel() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    termsGrid = listGrid({tr("From"), tr("Terms"), tr("Details")}, QStringLiteral("termsGrid"),
                         tr("Rate terms periods"), panel);
    auto* gridCaption = new QLabel(tr("Terms &periods:"), panel);
    gridCaption->setBuddy(termsGrid);
    connect(termsGrid, &QTableWidget::currentCellChanged, this,
            [this](int row) { showPeriod(row); });
    newButton = new QPushButton(tr("&New Period"), panel);
    newButton->setObjectName("newButton");
    saveButton = new QPushButton(tr("&Save Period"), panel);
    saveButton->setObjectName("saveButton");
    saveButton->setDefault(true);
    deleteButton = new QPushButton(tr("&Delete Period"), panel);
    deleteButton->setObjectName("deleteButton");
    connect(newButton, &QPushButton::clicked, this, &RateTermsWindow::newPeriod);
    connect(saveButton, &QPushButton::clicked, this, [this] { savePeriod(); });
    connect(deleteButton, &QPushButton::clicked, this, &RateTermsWindow::deletePeriod);
    layout->addWidget(gridCaption);
    layout->addWidget(termsGrid, 1);
    layout->addWidget(createForm());
    return panel;
}

QWidget* RateTermsWindow::createForm() {
    auto* box = new QGroupBox(tr("Terms period"), this);
    box->setObjectName("periodGroup");
    periodGroup = box;
    auto* form = new QFormLayout(box);
    const auto row = [&](const QString& caption, QWidget* input, const char* name) {
        form->addRow(captionFor(caption, input, QString::fromLatin1(name)), input);
    };
    kindBox = new QComboBox(box);
    kindBox->addItems(RateTerms::kindNames());
    row(tr("&Terms:"), kindBox, "kindBox");
    fromEdit = lineEdit(box);
    row(tr("&From:"), fromEdit, "fromEdit");
    rateEdit = lineEdit(box);
    rateEdit->setToolTip(tr("Fixed: the rate. Adjustable: the rate until the first change, "
                            "which the caps count from."));
    row(tr("&Rate (%):"), rateEdit, "rateEdit");
    untilEdit = lineEdit(box);
    untilEdit->setToolTip(tr("The fixed rate's last day; empty: until the next period."));
    row(tr("&Until:"), untilEdit, "untilEdit");
    seriesBox = new QComboBox(box);
    row(tr("Reference s&eries:"), seriesBox, "seriesBox");
    marginEdit = lineEdit(box);
    row(tr("M&argin (points):"), marginEdit, "marginEdit");
    lagSpin = spin(box, 0, 366);
    lagSpin->setToolTip(tr("A change of the reference applies this many days after its date; "
                           "the lender's answer is looked for up to %1 days after that.")
                            .arg(PassOn::AnswerDays));
    row(tr("&Lag (days):"), lagSpin, "lagSpin");
    nextMonthCheck = new QCheckBox(tr("From the first day of the ne&xt month"), box);
    nextMonthCheck->setObjectName("nextMonthCheck");
    form->addRow(QString(), nextMonthCheck);
    roundingBox = new QComboBox(box);
    // How an adjustable rate is rounded: not at all, to the nearest step, up or down.
    //: rounding of the rate: none
    const QString none = tr("None");
    //: rounding of the rate up to the step
    const QString up = tr("Up");
    //: rounding of the rate down to the step
    const QString down = tr("Down");
    roundingBox->addItems({none, tr("To the nearest"), up, down});
    row(tr("R&ounding:"), roundingBox, "roundingBox");
    stepBox = new QComboBox(box);
    stepBox->addItems({QStringLiteral("0.125"), QStringLiteral("0.01")});
    row(tr("Roundin&g step (points):"), stepBox, "stepBox");
    firstChangeEdit = lineEdit(box);
    row(tr("First c&hange:"), firstChangeEdit, "firstChangeEdit");
    monthsSpin = spin(box, 1, 120);
    row(tr("Months &between changes:"), monthsSpin, "monthsSpin");
    lookBackSpin = spin(box, 0, 366);
    lookBackSpin->setToolTip(tr("The index in force this many days before the change date."));
    row(tr("Look-bac&k (days):"), lookBackSpin, "lookBackSpin");
    firstCapEdit = lineEdit(box);
    row(tr("First change cap (points):"), firstCapEdit, "firstCapEdit");
    eachCapEdit = lineEdit(box);
    row(tr("Each change cap (points):"), eachCapEdit, "eachCapEdit");
    lifeCapEdit = lineEdit(box);
    row(tr("Life cap (points above the first rate):"), lifeCapEdit, "lifeCapEdit");
    floorEdit = lineEdit(box);
    row(tr("Floor (%):"), floorEdit, "floorEdit");
    connect(kindBox, &QComboBox::currentIndexChanged, this, [this] { enableFields(); });
    return box;
}

QWidget* RateTermsWindow::createSeriesTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    seriesGrid = listGrid(
        {tr("Series"), tr("Name"), tr("Publisher"), tr("From"), tr("Known to"), tr("Changes")},
        QStringLiteral("seriesGrid"), tr("The account's reference series"), tab);
    auto* gridCaption = new QLabel(tr("Series kept in the account:"), tab);
    gridCaption->setBuddy(seriesGrid);
    addFileButton = new QPushButton(tr("Add Series from F&ile..."), tab);
    addFileButton->setObjectName("addFileButton");
    addFileButton->setToolTip(tr("A CSV file of dates and rates: your lender's published rate, an "
                                 "index's values, or a newer copy of a shipped series."));
    seriesNameEdit = new QLineEdit(tab);
    seriesNameEdit->setMaxLength(60);
    seriesTextEdit = new QPlainTextEdit(tab);
    seriesTextEdit->setObjectName("seriesTextEdit");
    seriesTextEdit->setAccessibleName(tr("Dates and rates, one a line"));
    seriesTextEdit->setPlaceholderText(tr("One date and rate a line, for example:\n"
                                          "1/7/2023 7.24\n1/12/2023 7.49"));
    seriesTextEdit->setTabChangesFocus(true);
    auto* textCaption = new QLabel(tr("Dates and rates, one a line:"), tab);
    textCaption->setBuddy(seriesTextEdit);
    addTypedButton = new QPushButton(tr("Add T&yped Series"), tab);
    addTypedButton->setObjectName("addTypedButton");
    connect(addFileButton, &QPushButton::clicked, this, &RateTermsWindow::addSeriesFromFile);
    connect(addTypedButton, &QPushButton::clicked, this, &RateTermsWindow::addTypedSeries);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(captionFor(tr("Name of a typed series:"), seriesNameEdit,
                                  QStringLiteral("seriesNameEdit")));
    nameRow->addWidget(seriesNameEdit, 1);
    layout->addWidget(gridCaption);
    layout->addWidget(seriesGrid, 1);
    layout->addWidget(addFileButton, 0, Qt::AlignLeft);
    layout->addLayout(nameRow);
    layout->addWidget(textCaption);
    layout->addWidget(seriesTextEdit, 1);
    layout->addWidget(addTypedButton, 0, Qt::AlignLeft);
    return tab;
}

QTabWidget* RateTermsWindow::createResults() {
    resultTabs = new QTabWidget(this);
    resultTabs->setObjectName("resultTabs");

    auto* owedTab = new QWidget(resultTabs);
    auto* owedLayout = new QVBoxLayout(owedTab);
    owedGrid = listGrid({tr("From"), tr("To"), tr("Owed"), tr("Stored"), tr("Terms"), tr("How")},
                        QStringLiteral("owedGrid"), tr("Rates owed under the terms"), owedTab);
    owedNotesLabel = new QLabel(owedTab);
    owedNotesLabel->setObjectName("owedNotesLabel");
    owedNotesLabel->setWordWrap(true);
    owedLayout->addWidget(owedGrid, 1);
    owedLayout->addWidget(owedNotesLabel);
    resultTabs->addTab(owedTab, tr("Owed Rates"));

    auto* passOnTab = new QWidget(resultTabs);
    auto* passOnLayout = new QVBoxLayout(passOnTab);
    methodBox = new QComboBox(passOnTab);
    methodBox->addItems(InterestMethod::shownNames());
    auto* methodRow = new QHBoxLayout;
    methodRow->addWidget(
        captionFor(tr("&Method of the costs:"), methodBox, QStringLiteral("methodBox")));
    methodRow->addWidget(methodBox);
    methodRow->addStretch(1);
    passOnGrid = listGrid(ReferenceRendering::passOnHeadings(), QStringLiteral("passOnGrid"),
                          tr("Changes of the reference passed on"), passOnTab);
    passOnTotalLabel = new QLabel(passOnTab);
    passOnTotalLabel->setObjectName("passOnTotalLabel");
    passOnTotalLabel->setWordWrap(true);
    passOnLayout->addLayout(methodRow);
    passOnLayout->addWidget(passOnGrid, 1);
    passOnLayout->addWidget(passOnTotalLabel);
    resultTabs->addTab(passOnTab, tr("Passed On"));

    termsChart = chartView(resultTabs);
    resultTabs->addTab(termsChart, tr("Chart"));
    resultTabs->addTab(createSeriesTab(), tr("Series"));
    return resultTabs;
}

void RateTermsWindow::enableFields() {
    const Kind kind = Kind(qMax(0, kindBox->currentIndex()));
    const bool fixed = kind == Kind::Fixed;
    const bool adjustable = kind == Kind::Adjustable;
    const bool indexed = !fixed;
    rateEdit->setEnabled(fixed || adjustable);
    untilEdit->setEnabled(fixed);
    seriesBox->setEnabled(indexed);
    marginEdit->setEnabled(kind == Kind::Tracker || adjustable);
    lagSpin->setEnabled(kind == Kind::Tracker || kind == Kind::Variable);
    nextMonthCheck->setEnabled(kind == Kind::Tracker);
    for (QWidget* w : std::initializer_list<QWidget*>{roundingBox, stepBox, firstChangeEdit,
                                                      monthsSpin, lookBackSpin, firstCapEdit,
                                                      eachCapEdit, lifeCapEdit, floorEdit})
        w->setEnabled(adjustable);
}

RateTerms::SeriesSet RateTermsWindow::everySeries() const {
    RateTerms::SeriesSet set;
    for (const ReferenceSeries& s : m_shipped)
        set.insert(s.key, s);
    // The account's own copy stands in for the program's: it is the evidence kept.
    for (const ReferenceSeries& s : m_series)
        set.insert(s.key, s);
    return set;
}

TermsStore::Stored RateTermsWindow::shownTerms() const {
    TermsStore::Stored stored;
    stored.terms = m_terms;
    stored.series = everySeries();
    return stored;
}

void RateTermsWindow::fillSeriesBox() {
    const QString current = seriesBox->currentData().toString();
    seriesBox->clear();
    for (const ReferenceSeries& s : everySeries())
        seriesBox->addItem(QStringLiteral("%1: %2").arg(s.key, s.name), s.key);
    seriesBox->setCurrentIndex(qMax(0, seriesBox->findData(current)));
    seriesGrid->setRowCount(0);
    const GridText grid;
    for (const ReferenceSeries& s : m_series) {
        const int row = seriesGrid->rowCount();
        seriesGrid->insertRow(row);
        setListRow(seriesGrid, row,
                   {s.key, s.name, s.publisher,
                    s.changes.isEmpty() ? QString() : grid.date(s.changes.first().date),
                    grid.date(s.knownTo()), QString::number(s.changes.size())},
                   0, 5, 5);
    }
}

void RateTermsWindow::fillTermsGrid() {
    const GridText grid;
    termsGrid->setRowCount(0);
    for (const RateTerms::Period& p : std::as_const(m_terms)) {
        const int row = termsGrid->rowCount();
        termsGrid->insertRow(row);
        setListRow(
            termsGrid, row,
            {grid.date(p.from), RateTerms::kindName(p.kind), ReferenceRendering::termsDetail(p)}, 0,
            3, 2);
    }
    deleteButton->setEnabled(false);
}

void RateTermsWindow::newPeriod() {
    {
        const QSignalBlocker quiet(termsGrid);
        termsGrid->setCurrentCell(-1, -1);
        termsGrid->clearSelection();
    }
    showPeriod(-1);
    fromEdit->setFocus();
}

void RateTermsWindow::showPeriod(int row) {
    RateTerms::Period p;
    if (row >= 0 && row < m_terms.size())
        p = m_terms[row];
    deleteButton->setEnabled(row >= 0 && row < m_terms.size());
    kindBox->setCurrentIndex(int(p.kind));
    fromEdit->setText(dateText(p.from));
    rateEdit->setText(rateText(p.rate));
    untilEdit->setText(dateText(p.until));
    const int series = seriesBox->findData(p.series);
    seriesBox->setCurrentIndex(series >= 0 ? series : 0);
    marginEdit->setText(p.margin.exactText());
    lagSpin->setValue(p.lagDays);
    nextMonthCheck->setChecked(p.nextMonth);
    roundingBox->setCurrentIndex(int(p.rounding));
    stepBox->setCurrentIndex(p.roundingStep == Rate::fromThousandths(10) ? 1 : 0);
    firstChangeEdit->setText(dateText(p.firstChange));
    monthsSpin->setValue(p.changeMonths);
    lookBackSpin->setValue(p.lookBackDays);
    firstCapEdit->setText(rateText(p.firstCap));
    eachCapEdit->setText(rateText(p.eachCap));
    lifeCapEdit->setText(rateText(p.lifeCap));
    floorEdit->setText(rateText(p.floor));
    enableFields();
    m_shownForm = formState();
}

std::optional<RateTerms::Period> RateTermsWindow::formPeriod(QString* problem) const {
    RateTerms::Period p;
    p.kind = Kind(qMax(0, kindBox->currentIndex()));
    // Each refusal a sentence of its own, the text typed as its %1.
    const auto date = [&](QLineEdit* edit, const QString& notADate, QDate* out) {
        if (!edit->isEnabled() || edit->text().trimmed().isEmpty())
            return true;
        *out = readDate(edit->text());
        if (out->isValid())
            return true;
        *problem = notADate.arg(edit->text().trimmed());
        return false;
    };
    const auto rate = [&](QLineEdit* edit, const QString& notARate, std::optional<Rate>* out) {
        if (!edit->isEnabled() || edit->text().trimmed().isEmpty())
            return true;
        *out = Rate::parse(edit->text());
        if (*out)
            return true;
        *problem = notARate.arg(edit->text().trimmed());
        return false;
    };
    if (fromEdit->text().trimmed().isEmpty()) {
        *problem = tr("Each terms period needs the date it starts.");
        return std::nullopt;
    }
    std::optional<Rate> margin;
    if (!date(fromEdit, tr("The start '%1' is not a date."), &p.from) ||
        !rate(rateEdit, tr("The rate '%1' is not a rate such as 4.35."), &p.rate) ||
        !date(untilEdit, tr("The end '%1' is not a date."), &p.until) ||
        !rate(marginEdit, tr("The margin '%1' is not a rate such as 4.35."), &margin) ||
        !date(firstChangeEdit, tr("The first change '%1' is not a date."), &p.firstChange) ||
        !rate(firstCapEdit, tr("The first change cap '%1' is not a rate such as 4.35."),
              &p.firstCap) ||
        !rate(eachCapEdit, tr("The each change cap '%1' is not a rate such as 4.35."),
              &p.eachCap) ||
        !rate(lifeCapEdit, tr("The life cap '%1' is not a rate such as 4.35."), &p.lifeCap) ||
        !rate(floorEdit, tr("The floor '%1' is not a rate such as 4.35."), &p.floor))
        return std::nullopt;
    p.margin = margin.value_or(Rate());
    if (seriesBox->isEnabled())
        p.series = seriesBox->currentData().toString();
    if (lagSpin->isEnabled())
        p.lagDays = lagSpin->value();
    p.nextMonth = nextMonthCheck->isEnabled() && nextMonthCheck->isChecked();
    if (p.kind == Kind::Adjustable) {
        p.rounding = RateTerms::Rounding(qMax(0, roundingBox->currentIndex()));
        p.roundingStep =
            stepBox->currentIndex() == 1 ? Rate::fromThousandths(10) : Rate::fromThousandths(125);
        p.changeMonths = monthsSpin->value();
        p.lookBackDays = lookBackSpin->value();
    }
    *problem = RateTerms::problemOf(p, everySeries());
    if (!problem->isEmpty())
        return std::nullopt;
    return p;
}

bool RateTermsWindow::savePeriod() {
    QString problem;
    const std::optional<RateTerms::Period> p = formPeriod(&problem);
    if (!p) {
        Dialogs::instance().message(problem);
        return false;
    }
    QVector<RateTerms::Period> terms = m_terms;
    const int row = termsGrid->currentRow();
    const bool replacing = row >= 0 && row < terms.size();
    for (int i = 0; i < terms.size(); ++i) {
        if (terms[i].from == p->from && !(replacing && i == row)) {
            Dialogs::instance().message(
                tr("A terms period already starts on %1.").arg(dateText(p->from)));
            return false;
        }
    }
    if (replacing)
        terms[row] = *p;
    else
        terms << *p;
    std::stable_sort(
        terms.begin(), terms.end(),
        [](const RateTerms::Period& a, const RateTerms::Period& b) { return a.from < b.from; });
    // The series it uses goes into the account with it: the account carries its evidence.
    RateTerms::SeriesSet series = m_series;
    if (!p->series.isEmpty() && !series.contains(p->series))
        series.insert(p->series, everySeries().value(p->series));
    if (!store(terms, series))
        return false;
    fillTermsGrid();
    const int saved = int(std::find(m_terms.cbegin(), m_terms.cend(), *p) - m_terms.cbegin());
    {
        const QSignalBlocker quiet(termsGrid);
        termsGrid->setCurrentCell(saved, 0);
    }
    deleteButton->setEnabled(true);
    m_shownForm = formState();
    return true;
}

void RateTermsWindow::deletePeriod() {
    const int row = termsGrid->currentRow();
    if (row < 0 || row >= m_terms.size())
        return;
    const QString asked = tr("Delete the terms period from %1 (%2)? It goes from the account "
                             "at once.");
    const RateTerms::Period& p = m_terms[row];
    if (!Dialogs::instance().question(asked.arg(dateText(p.from), RateTerms::kindName(p.kind))))
        return;
    QVector<RateTerms::Period> terms = m_terms;
    terms.remove(row);
    if (store(terms, m_series)) {
        fillTermsGrid();
        newPeriod();
    }
}

bool RateTermsWindow::store(const QVector<RateTerms::Period>& terms,
                            const RateTerms::SeriesSet& series) {
    QString error;
    if (!m_connection.isOpen())
        error = m_connection.lastError();
    else if (TermsStore::write(m_connection.database(), terms, series, &error)) {
        m_terms = terms;
        m_series = series;
        fillSeriesBox();
        refresh();
        return true;
    }
    Dialogs::instance().message(storeError(error));
    return false;
}

void RateTermsWindow::addSeries(ReferenceSeries series) {
    if (m_series.contains(series.key) &&
        !Dialogs::instance().question(
            tr("The account already holds a series '%1'. Replace it with this one?")
                .arg(series.key)))
        return;
    RateTerms::SeriesSet set = m_series;
    set.insert(series.key, series);
    if (store(m_terms, set))
        seriesBox->setCurrentIndex(qMax(0, seriesBox->findData(series.key)));
}

void RateTermsWindow::addSeriesFromFile() {
    FileDialogRequest request;
    request.title = tr("Add Series from File");
    request.filter = tr("Dates and rates|*.csv *.txt");
    const std::optional<QString> path = Dialogs::instance().chooseFile(request);
    if (!path)
        return;
    QFile file(*path);
    // A series of every business day for a century is far smaller.
    if (!file.open(QIODevice::ReadOnly) || file.size() > 4 * 1024 * 1024) {
        Dialogs::instance().message(seriesError(tr("'%1' cannot be read.").arg(*path)));
        return;
    }
    QString error;
    std::optional<ReferenceSeries> s = ReferenceSeriesFile::parse(
        file.readAll(), ReferenceSeriesFile::keyFromFileName(*path), &error);
    if (!s) {
        Dialogs::instance().message(seriesError(error));
        return;
    }
    if (s->table.isEmpty())
        s->table = QFileInfo(*path).fileName();
    addSeries(*s);
}

void RateTermsWindow::addTypedSeries() {
    const QString name = seriesNameEdit->text().trimmed();
    if (name.isEmpty()) {
        Dialogs::instance().message(tr("Give the typed series a name."));
        seriesNameEdit->setFocus();
        return;
    }
    QString error;
    std::optional<ReferenceSeries> s = ReferenceSeriesFile::parse(
        seriesTextEdit->toPlainText().toUtf8(), ReferenceSeriesFile::keyFromName(name), &error);
    if (!s) {
        Dialogs::instance().message(seriesError(error));
        return;
    }
    s->name = name;
    // Kept in the account with the series: the same words whatever the windows' language.
    s->table = QStringLiteral("typed by the borrower");
    addSeries(*s);
    seriesTextEdit->clear();
    seriesNameEdit->clear();
}

CalculationBasis RateTermsWindow::basis() const {
    return {InterestMethod::of(qMax(0, methodBox->currentIndex())), fixedDay(),
            m_snapshot ? m_snapshot->inputs.conventions : LenderConventions(), RateSource::Owed};
}

CalcDay::Day RateTermsWindow::fixedDay() const {
    if (!m_main.tag(Tag::IntCalcTo).isEmpty())
        return ReportBasis::dayOf(m_main.state());
    if (!m_snapshot || !m_snapshot->dayInForce)
        return CalcDay::Day();
    return CalcDay::Day::fromCalcTo(m_snapshot->dayInForce->calcTo());
}

void RateTermsWindow::refresh() {
    if (!m_snapshot) {
        verdictLabel->setText(tr("The account's history cannot be read: nothing is owed here."));
        reportButton->setEnabled(false);
        return;
    }
    const TermsStore::Stored stored = shownTerms();
    const RateTerms::Owed owed = TermsCheck::owed(m_snapshot->inputs, stored);
    m_coversHistory = !m_terms.isEmpty() && TermsCheck::owedCoverHistory(m_snapshot->inputs, owed);
    fillOwed(owed);
    fillPassOn();
    fillChart(owed);
    reportButton->setEnabled(m_coversHistory);
    if (m_terms.isEmpty()) {
        verdictLabel->setText(tr("Enter the loan's rate terms, period by period, from its first "
                                 "day."));
        return;
    }
    if (!m_coversHistory) {
        verdictLabel->setText(tr("The terms do not owe a rate on every day of the history yet: "
                                 "see the Owed Rates tab."));
        return;
    }
    // The report's own run, under the terms as the window holds them.
    auto shown = std::make_shared<AccountSnapshot>(*m_snapshot);
    shown->terms = stored;
    const ReportCase run(std::move(shown), basis(), false);
    const std::optional<InterestSummary::Summary> summary = InterestSummary::summarise(run.lines());
    verdictLabel->setText(
        summary ? tr("Under the terms: %1").arg(SummaryRendering::sentence(*summary)) : QString());
}

void RateTermsWindow::fillOwed(const RateTerms::Owed& owed) {
    const GridText grid;
    owedGrid->setRowCount(0);
    for (const RateTerms::OwedPeriod& p : owed.periods) {
        const int row = owedGrid->rowCount();
        owedGrid->insertRow(row);
        setListRow(owedGrid, row,
                   {grid.date(p.from), grid.date(p.to), p.rate.columnText() + QStringLiteral(" %"),
                    ReferenceRendering::storedBeside(p, m_snapshot->inputs.rates),
                    RateTerms::kindName(p.source), p.detail},
                   0, 2, 3);
    }
    owedNotesLabel->setText(owed.notices.join(QLatin1Char('\n')));
}

void RateTermsWindow::fillPassOn() {
    passOnGrid->setRowCount(0);
    const TermsStore::Stored stored = shownTerms();
    const AccountStore::CalculationInputs& in = m_snapshot->inputs;
    const PassOn::Calculation c{in.history, basis(), in.offset};
    QStringList totals;
    for (const TermsCheck::PassOnSection& section : TermsCheck::passOn(c, in.rates, stored)) {
        //: a reference series' name, its changes' total, the days the lender had to answer
        totals << tr("%1: %2 %3")
                      .arg(section.series.name, ReferenceRendering::passOnTotalLine(section.table),
                           ReferenceRendering::answerWindowLine(section.lagDays))
               << section.table.notices;
        for (const PassOn::Row& r : section.table.rows) {
            const int row = passOnGrid->rowCount();
            passOnGrid->insertRow(row);
            setListRow(passOnGrid, row, ReferenceRendering::passOnCells(r), 0, 1,
                       passOnGrid->columnCount() - 1);
        }
    }
    passOnTotalLabel->setText(totals.isEmpty()
                                  ? tr("Add a period of the lender's variable rate against a "
                                       "reference series to see whether its changes were passed "
                                       "on.")
                                  : totals.join(QLatin1Char('\n')));
}

void RateTermsWindow::viewReportUnderTerms() {
    if (!m_coversHistory)
        return;
    if (m_main.tag(Tag::File) != FileState::Open) {
        Dialogs::instance().message(tr("The account has no committed statement to report on yet."));
        return;
    }
    const CalculationBasis chosen = basis();
    confirmMethod(m_main.state(), chosen.methodCode());
    if (chosen.runsOnFixedDay() && m_main.tag(Tag::IntCalcTo).isEmpty())
        m_main.setTag(Tag::IntCalcTo, chosen.day.calcTo());
    m_main.setTag(Tag::OwedRates, FlagState::Yes);
    WindowHost& main = m_main;
    main.unloadWindow(WindowNames::Calculate);
    main.showWindow(WindowNames::Calculate);
}

void RateTermsWindow::closeWindow() {
    if (formState() != m_shownForm &&
        !Dialogs::instance().question(tr("The terms period typed is not saved. Close without "
                                         "saving it?")))
        return;
    unload();
}

QStringList RateTermsWindow::formState() const {
    QStringList state = {QString::number(nextMonthCheck->isChecked())};
    // The spin boxes' numbers with the texts: each shows it in a line edit of its own.
    for (const QLineEdit* edit : periodGroup->findChildren<QLineEdit*>())
        state << edit->text().trimmed();
    // A series by its key: adding a series may move it in the list.
    for (const QComboBox* box : periodGroup->findChildren<QComboBox*>())
        state << (box->currentData().isValid() ? box->currentData().toString()
                                               : QString::number(box->currentIndex()));
    return state;
}

void RateTermsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        closeWindow();
        return;
    }
    FormWindow::keyPressEvent(event);
}

void RateTermsWindow::formUnload() {
    m_connection.close();
}
