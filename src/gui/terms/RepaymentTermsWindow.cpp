#include "RepaymentTermsWindow.h"

#include "data/Rate.h"
#include "data/ShortDate.h"
#include "engine/InterestMethod.h"
#include "render/GridText.h"
#include "render/RepaymentRendering.h"
#include "run/ReportBasis.h"
#include "run/ReportCase.h"
#include "shell/Captions.h"
#include "shell/Dialogs.h"
#include "shell/WindowFit.h"
#include "shell/WindowHost.h"
#include "shell/Windows.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

using Repayments::TermKind;

namespace {

constexpr int RepaymentColumn = 2; // the deposits grid's tick

QLineEdit* lineEdit(QWidget* parent, int width = 120) {
    auto* edit = new QLineEdit(parent);
    edit->setMaximumWidth(width);
    edit->setMaxLength(20);
    return edit;
}

QLabel* wrapped(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString dateText(const QDate& d) {
    return d.isValid() ? ShortDate::format(d) : QString();
}

QString cellText(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text().trimmed() : QString();
}

} // namespace

RepaymentTermsWindow::RepaymentTermsWindow(WindowHost& main)
    : FormWindow(main, WindowNames::RepaymentTerms) {
    setWindowTitle(tr("Repayment Terms"));
    tabs = new QTabWidget(this);
    tabs->setObjectName("repaymentTabs");
    tabs->addTab(createTermsTab(), tr("Terms"));
    tabs->addTab(createCheckTab(), tr("Repayments"));
    tabs->addTab(createDepositsTab(), tr("Deposits"));
    tabs->addTab(createPayoffTab(), tr("Payoff"));

    saveButton = new QPushButton(tr("&Save"), this);
    saveButton->setObjectName("saveButton");
    saveButton->setDefault(true);
    clearButton = new QPushButton(tr("Clear T&erms"), this);
    clearButton->setObjectName("clearButton");
    closeButton = new QPushButton(tr("&Close"), this);
    closeButton->setObjectName("closeButton");
    connect(saveButton, &QPushButton::clicked, this, [this] { saveTerms(); });
    connect(clearButton, &QPushButton::clicked, this, &RepaymentTermsWindow::clearTerms);
    connect(closeButton, &QPushButton::clicked, this, &RepaymentTermsWindow::closeWindow);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveButton);
    buttons->addWidget(clearButton);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);

    // The tabs scroll when the window is smaller than they need; the buttons stay in view.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(WindowFit::scrolling(tabs, this), 1);
    layout->addLayout(buttons);
    resize(1000, 640);

    // What cannot be read is said once; the window then shows what could be.
    if (!m_connection.open(main.tag(Tag::NewFile))) {
        Dialogs::instance().message(m_connection.lastError());
    } else {
        // The terms the form edits: read apart from the run, so that an account whose history
        // does not read can still be given them.
        QString notice;
        m_stored = Repayments::read(m_connection.database(), &notice);
        if (!notice.isEmpty())
            Dialogs::instance().message(notice);
        QString error;
        m_snapshot = Snapshot::read(m_connection.database(), &error);
        if (!m_snapshot)
            Dialogs::instance().message(error);
    }
    showTerms(m_stored);
    refresh();
}

RepaymentTermsWindow::~RepaymentTermsWindow() = default;

QWidget* RepaymentTermsWindow::createTermsTab() {
    auto* tab = new QWidget(this);
    auto* columns = new QHBoxLayout;
    columns->addWidget(createForm(tab));
    columns->addWidget(createInterestOnly(tab), 1);
    formulaLabel = wrapped(tab, "formulaLabel");
    formulaLabel->setText(Repayments::formula());
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(columns, 1);
    layout->addWidget(formulaLabel);
    return tab;
}

QWidget* RepaymentTermsWindow::createForm(QWidget* parent) {
    formPanel = new QWidget(parent);
    auto* form = new QFormLayout(formPanel);
    form->setContentsMargins(0, 0, 0, 0);
    const auto row = [&](const QString& caption, QWidget* input, const char* name) {
        form->addRow(captionFor(caption, input, QString::fromLatin1(name)), input);
    };
    firstRepaymentEdit = lineEdit(formPanel);
    row(tr("&First repayment:"), firstRepaymentEdit, "firstRepaymentEdit");
    termKindBox = new QComboBox(formPanel);
    termKindBox->addItems(
        {tr("Last repayment"), tr("Number of repayments"), tr("Initial repayment rate")});
    row(tr("&Term:"), termKindBox, "termKindBox");
    lastRepaymentEdit = lineEdit(formPanel);
    row(tr("Last repa&yment:"), lastRepaymentEdit, "lastRepaymentEdit");
    countEdit = lineEdit(formPanel, 80);
    row(tr("&Number of repayments:"), countEdit, "countEdit");
    initialRateEdit = lineEdit(formPanel, 80);
    initialRateEdit->setToolTip(tr("Per cent a year of the amount lent, repaid beside the "
                                   "interest until the rate changes."));
    row(tr("&Initial repayment rate (%):"), initialRateEdit, "initialRateEdit");
    frequencyBox = new QComboBox(formPanel);
    frequencyBox->addItems(Repayments::frequencyNames());
    row(tr("Fre&quency:"), frequencyBox, "frequencyBox");
    statedEdit = lineEdit(formPanel);
    statedEdit->setToolTip(tr("The repayment the lender stated at the start; empty: the one the "
                              "formula gives."));
    row(tr("Repayment stated by the &lender:"), statedEdit, "statedEdit");
    roundingBox = new QComboBox(formPanel);
    roundingBox->addItems(Repayments::roundingNames());
    row(tr("R&ounding:"), roundingBox, "roundingBox");
    connect(termKindBox, &QComboBox::currentIndexChanged, this, [this] { enableTerm(); });
    return formPanel;
}

QWidget* RepaymentTermsWindow::createInterestOnly(QWidget* parent) {
    auto* panel = new QWidget(parent);
    interestOnlyGrid = new QTableWidget(0, 2, panel);
    interestOnlyGrid->setHorizontalHeaderLabels({tr("From"), tr("To")});
    interestOnlyGrid->verticalHeader()->hide();
    interestOnlyGrid->horizontalHeader()->setStretchLastSection(true);
    interestOnlyGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    interestOnlyGrid->setMinimumHeight(90);
    auto* caption = captionFor(tr("Interest only &periods:"), interestOnlyGrid,
                               QStringLiteral("interestOnlyGrid"));
    addInterestOnlyButton = new QPushButton(tr("&Add"), panel);
    addInterestOnlyButton->setObjectName("addInterestOnlyButton");
    removeInterestOnlyButton = new QPushButton(tr("Re&move"), panel);
    removeInterestOnlyButton->setObjectName("removeInterestOnlyButton");
    connect(addInterestOnlyButton, &QPushButton::clicked, this,
            &RepaymentTermsWindow::addInterestOnly);
    connect(removeInterestOnlyButton, &QPushButton::clicked, this,
            &RepaymentTermsWindow::removeInterestOnly);
    // The buttons above the list: in view however little room the window has.
    auto* top = new QHBoxLayout;
    top->addWidget(caption);
    top->addStretch(1);
    top->addWidget(addInterestOnlyButton);
    top->addWidget(removeInterestOnlyButton);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(interestOnlyGrid, 1);
    return panel;
}

QWidget* RepaymentTermsWindow::createCheckTab() {
    auto* tab = new QWidget(this);
    repaymentGrid = listGrid(RepaymentRendering::headings(), QStringLiteral("repaymentGrid"),
                             tr("Repayments required and taken"), tab);
    auto* caption = new QLabel(tr("Repayments &required and taken:"), tab);
    caption->setBuddy(repaymentGrid);
    findingsLabel = wrapped(tab, "findingsLabel");
    QFont bold = findingsLabel->font();
    bold.setBold(true);
    findingsLabel->setFont(bold);
    checkNoticesLabel = wrapped(tab, "checkNoticesLabel");
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(caption);
    layout->addWidget(repaymentGrid, 1);
    layout->addWidget(findingsLabel);
    layout->addWidget(checkNoticesLabel);
    return tab;
}

QWidget* RepaymentTermsWindow::createDepositsTab() {
    auto* tab = new QWidget(this);
    depositsGrid =
        listGrid({tr("Date"), tr("Amount"), tr("Repayment")}, QStringLiteral("depositsGrid"),
                 tr("Deposits taken as repayments"), tab);
    auto* caption = new QLabel(tr("&Deposits taken as repayments:"), tab);
    caption->setBuddy(depositsGrid);
    depositsNoteLabel = wrapped(tab, "depositsNoteLabel");
    depositsNoteLabel->setText(tr("Untick a deposit that is no repayment (a lump sum paid in, a "
                                  "refund): the check then takes none for it. A tick is stored "
                                  "in the account at once."));
    connect(depositsGrid, &QTableWidget::itemChanged, this, &RepaymentTermsWindow::depositToggled);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(caption);
    layout->addWidget(depositsGrid, 1);
    layout->addWidget(depositsNoteLabel);
    return tab;
}

QWidget* RepaymentTermsWindow::createPayoffTab() {
    auto* tab = new QWidget(this);
    payoffLabel = wrapped(tab, "payoffLabel");
    extraEdit = lineEdit(tab);
    auto* extraCaption = captionFor(tr("E&xtra each repayment:"), extraEdit, "extraEdit");
    projectButton = new QPushButton(tr("Pro&ject"), tab);
    projectButton->setObjectName("projectButton");
    projectButton->setToolTip(tr("When the loan is paid off with this much more each repayment, "
                                 "and the interest it saves."));
    connect(projectButton, &QPushButton::clicked, this, [this] { project(); });
    auto* extra = new QHBoxLayout;
    extra->addWidget(extraCaption);
    extra->addWidget(extraEdit);
    extra->addWidget(projectButton);
    extra->addStretch(1);

    auto* chart = new QChart();
    chart->setTitle(tr("Balance owed"));
    chart->legend()->setAlignment(Qt::AlignBottom);
    payoffChart = new QChartView(chart, tab);
    payoffChart->setObjectName("payoffChart");
    payoffChart->setAccessibleName(chart->title());
    payoffChart->setRenderHint(QPainter::Antialiasing);
    payoffChart->setMinimumSize(360, 220);
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(extra);
    layout->addWidget(payoffLabel);
    layout->addWidget(payoffChart, 1);
    return tab;
}

void RepaymentTermsWindow::enableTerm() {
    const auto kind = TermKind(qMax(0, termKindBox->currentIndex()));
    lastRepaymentEdit->setEnabled(kind == TermKind::LastRepayment);
    countEdit->setEnabled(kind == TermKind::Count);
    initialRateEdit->setEnabled(kind == TermKind::InitialRate);
}

void RepaymentTermsWindow::showTerms(const Repayments::Terms& t) {
    firstRepaymentEdit->setText(dateText(t.firstRepayment));
    termKindBox->setCurrentIndex(int(t.termKind));
    lastRepaymentEdit->setText(dateText(t.lastRepayment));
    countEdit->setText(t.isSet() && t.count > 0 ? QString::number(t.count) : QString());
    initialRateEdit->setText(t.initialRate.raw() > 0 ? t.initialRate.exactText() : QString());
    frequencyBox->setCurrentIndex(int(t.frequency));
    interestOnlyGrid->setRowCount(0);
    for (const Repayments::InterestOnly& io : t.interestOnly) {
        const int row = interestOnlyGrid->rowCount();
        interestOnlyGrid->insertRow(row);
        interestOnlyGrid->setItem(row, 0, new QTableWidgetItem(dateText(io.from)));
        interestOnlyGrid->setItem(row, 1, new QTableWidgetItem(dateText(io.to)));
    }
    statedEdit->setText(t.stated ? t.stated->toPlainText() : QString());
    roundingBox->setCurrentIndex(int(t.rounding));
    enableTerm();
    m_shownForm = formState();
}

std::optional<Repayments::Terms> RepaymentTermsWindow::formTerms(QString* problem) const {
    Repayments::Terms t;
    t.unticked = m_stored.unticked;
    // Each refusal a sentence of its own, the text typed as its %1.
    const auto given = [&](QLineEdit* edit, const QString& missing) {
        if (!edit->text().trimmed().isEmpty())
            return true;
        *problem = missing;
        return false;
    };
    const auto date = [&](QLineEdit* edit, const QString& missing, const QString& notADate,
                          QDate* out) {
        if (!given(edit, missing))
            return false;
        *out = ShortDate::parse(edit->text());
        if (out->isValid())
            return true;
        *problem = notADate.arg(edit->text().trimmed());
        return false;
    };
    if (!date(firstRepaymentEdit, tr("Give the first repayment's date."),
              tr("The first repayment '%1' is not a date."), &t.firstRepayment))
        return std::nullopt;
    t.termKind = TermKind(qMax(0, termKindBox->currentIndex()));
    if (t.termKind == TermKind::LastRepayment &&
        !date(lastRepaymentEdit, tr("Give the last repayment's date."),
              tr("The last repayment '%1' is not a date."), &t.lastRepayment))
        return std::nullopt;
    if (t.termKind == TermKind::Count) {
        bool whole = false;
        t.count = countEdit->text().trimmed().toInt(&whole);
        if (!given(countEdit, tr("Give the number of repayments.")))
            return std::nullopt;
        if (!whole) {
            *problem = tr("The number of repayments '%1' is not a whole number.")
                           .arg(countEdit->text().trimmed());
            return std::nullopt;
        }
    }
    if (t.termKind == TermKind::InitialRate) {
        if (!given(initialRateEdit, tr("Give the initial repayment rate.")))
            return std::nullopt;
        const std::optional<Rate> rate = Rate::parse(initialRateEdit->text().trimmed());
        if (!rate) {
            *problem = tr("The initial repayment rate '%1' is not a rate such as 2.5.")
                           .arg(initialRateEdit->text().trimmed());
            return std::nullopt;
        }
        t.initialRate = *rate;
    }
    t.frequency = Repayments::Frequency(qMax(0, frequencyBox->currentIndex()));
    t.rounding = Repayments::Rounding(qMax(0, roundingBox->currentIndex()));
    if (const QString stated = statedEdit->text().trimmed(); !stated.isEmpty()) {
        t.stated = Money::parse(stated);
        if (!t.stated) {
            *problem = tr("The repayment stated by the lender '%1' is not an amount.").arg(stated);
            return std::nullopt;
        }
    }
    if (!readInterestOnly(t, problem))
        return std::nullopt;
    *problem = Repayments::refusal(t);
    if (!problem->isEmpty())
        return std::nullopt;
    return t;
}

bool RepaymentTermsWindow::readInterestOnly(Repayments::Terms& t, QString* problem) const {
    for (int row = 0; row < interestOnlyGrid->rowCount(); ++row) {
        const QString from = cellText(interestOnlyGrid, row, 0);
        const QString to = cellText(interestOnlyGrid, row, 1);
        if (from.isEmpty() && to.isEmpty())
            continue; // a row added and never typed in
        if (from.isEmpty() || to.isEmpty()) {
            *problem = tr("The interest-only period in row %1 needs the day it starts and the "
                          "day it ends.")
                           .arg(row + 1);
            return false;
        }
        Repayments::InterestOnly io{ShortDate::parse(from), ShortDate::parse(to)};
        if (!io.from.isValid() || !io.to.isValid()) {
            *problem = tr("The interest-only period in row %1: '%2' is not a date.")
                           .arg(row + 1)
                           .arg(io.from.isValid() ? to : from);
            return false;
        }
        t.interestOnly.append(io);
    }
    return true;
}

bool RepaymentTermsWindow::saveTerms() {
    QString problem;
    const std::optional<Repayments::Terms> t = formTerms(&problem);
    if (!t) {
        Dialogs::instance().message(problem);
        return false;
    }
    if (!store(*t))
        return false;
    showTerms(m_stored);
    tabs->setCurrentIndex(1);
    return true;
}

void RepaymentTermsWindow::clearTerms() {
    if (!Dialogs::instance().question(tr("Clear the repayment terms from the account? The "
                                         "repayments are then not checked.")))
        return;
    if (store(Repayments::Terms{}))
        showTerms(m_stored);
}

bool RepaymentTermsWindow::store(const Repayments::Terms& t) {
    QString error;
    if (!m_connection.isOpen())
        error = m_connection.lastError();
    else if (Repayments::write(m_connection.database(), t, &error)) {
        m_stored = t;
        refresh();
        return true;
    }
    Dialogs::instance().message(tr("The repayment terms could not be stored: %1").arg(error));
    return false;
}

void RepaymentTermsWindow::addInterestOnly() {
    const int row = interestOnlyGrid->rowCount();
    interestOnlyGrid->insertRow(row);
    interestOnlyGrid->setItem(row, 0, new QTableWidgetItem);
    interestOnlyGrid->setItem(row, 1, new QTableWidgetItem);
    interestOnlyGrid->setCurrentCell(row, 0);
    interestOnlyGrid->setFocus();
    interestOnlyGrid->editItem(interestOnlyGrid->item(row, 0));
}

void RepaymentTermsWindow::removeInterestOnly() {
    const int row = interestOnlyGrid->currentRow();
    if (row >= 0 && row < interestOnlyGrid->rowCount())
        interestOnlyGrid->removeRow(row);
}

CalculationBasis RepaymentTermsWindow::basis() const {
    const WorkflowState& state = m_main.state();
    CalculationBasis b = ReportBasis::fromState(state, m_snapshot->inputs.conventions);
    // Before a method is chosen, the method most lenders use, as the Rate Terms window does.
    if (!ReportBasis::chosenMethod(state))
        b.method = InterestMethod::VariableDay;
    if (m_main.tag(Tag::IntCalcTo).isEmpty() && m_snapshot->dayInForce)
        b.day = CalcDay::Day::fromCalcTo(m_snapshot->dayInForce->calcTo());
    return b;
}

void RepaymentTermsWindow::refresh() {
    m_case.reset();
    clearButton->setEnabled(m_stored.isSet());
    if (!m_snapshot) {
        showNoCheck(tr("The account's history cannot be read: the repayments are not checked."));
        return;
    }
    if (!m_stored.isSet()) {
        showNoCheck(tr("No repayment terms are kept for this account."));
        return;
    }
    // The report's own run, with the terms as stored.
    auto shown = std::make_shared<AccountSnapshot>(*m_snapshot);
    shown->repaymentTerms = m_stored;
    m_case = std::make_unique<ReportCase>(std::move(shown), basis(), false);
    const RepaymentCheck::Result& r = m_case->repayments();
    fillCheck(r);
    fillDeposits(r);
    fillPayoff();
}

void RepaymentTermsWindow::showNoCheck(const QString& why) {
    repaymentGrid->setRowCount(0);
    findingsLabel->setText(why);
    checkNoticesLabel->clear();
    {
        const QSignalBlocker quiet(depositsGrid);
        depositsGrid->setRowCount(0);
    }
    payoffLabel->setText(why);
    fillChart(Payoff::Result());
    projectButton->setEnabled(false);
}

void RepaymentTermsWindow::fillCheck(const RepaymentCheck::Result& r) {
    repaymentGrid->setRowCount(0);
    for (const QStringList& cells : RepaymentRendering::rows(r)) {
        const int row = repaymentGrid->rowCount();
        repaymentGrid->insertRow(row);
        setListRow(repaymentGrid, row, cells, 0, 1, int(cells.size()) - 1);
    }
    fitColumnsToText(repaymentGrid);
    QStringList sentences;
    for (const RepaymentCheck::Finding& f : r.findings)
        sentences << RepaymentRendering::sentence(f);
    if (sentences.isEmpty())
        sentences << (r.rows.isEmpty() ? tr("No repayment of the terms falls within the history.")
                                       : tr("Every repayment taken is at least the one the "
                                            "terms require."));
    findingsLabel->setText(sentences.join(QLatin1Char('\n')));
    checkNoticesLabel->setText(r.notices.join(QLatin1Char('\n')));
}

void RepaymentTermsWindow::fillDeposits(const RepaymentCheck::Result& r) {
    const QSignalBlocker quiet(depositsGrid);
    const GridText grid;
    depositsGrid->setRowCount(0);
    for (const RepaymentCheck::Deposit& d : r.deposits) {
        const int row = depositsGrid->rowCount();
        depositsGrid->insertRow(row);
        setListRow(depositsGrid, row, {grid.date(d.date), grid.amount(d.amount), QString()}, 0, 1,
                   1);
        QTableWidgetItem* tick = depositsGrid->item(row, RepaymentColumn);
        tick->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        tick->setCheckState(d.unticked ? Qt::Unchecked : Qt::Checked);
        tick->setData(Qt::UserRole, d.row);
        tick->setToolTip(d.taken ? tr("Taken as a repayment of the terms.")
                                 : tr("Not taken: no repayment falls due near it."));
    }
    fitColumnsToText(depositsGrid);
}

void RepaymentTermsWindow::depositToggled(QTableWidgetItem* item) {
    if (!item || item->column() != RepaymentColumn || !m_stored.isSet())
        return;
    const qint64 id = item->data(Qt::UserRole).toLongLong();
    const bool ticked = item->checkState() == Qt::Checked;
    const int row = item->row();
    // Once the grid is done with the click: storing fills it afresh.
    QMetaObject::invokeMethod(
        this, [this, id, ticked, row] { setDepositTaken(id, ticked, row); }, Qt::QueuedConnection);
}

void RepaymentTermsWindow::setDepositTaken(qint64 id, bool ticked, int row) {
    Repayments::Terms t = m_stored;
    t.unticked.removeAll(id);
    if (!ticked)
        t.unticked.append(id);
    std::sort(t.unticked.begin(), t.unticked.end());
    // Stored at once, whatever the form holds: the typed terms stay as typed.
    if (t != m_stored && !store(t) && m_case)
        fillDeposits(m_case->repayments());
    if (row < depositsGrid->rowCount())
        depositsGrid->setCurrentCell(row, RepaymentColumn);
}

bool RepaymentTermsWindow::project() {
    const QString text = extraEdit->text().trimmed();
    std::optional<Money> extra = text.isEmpty() ? Money() : Money::parse(text);
    if (!extra || extra->raw() < 0) {
        Dialogs::instance().message(
            tr("The extra each repayment '%1' is not an amount of zero or more.").arg(text));
        return false;
    }
    m_extra = *extra;
    fillPayoff();
    return true;
}

void RepaymentTermsWindow::fillPayoff() {
    if (!m_case)
        return;
    const Payoff::Result p = m_case->payoff(m_extra);
    const QStringList lines = RepaymentRendering::payoffLines(p, m_case->repayments().termEnd);
    payoffLabel->setText(lines.join(QLatin1Char('\n')));
    projectButton->setEnabled(p.base.has_value());
    fillChart(p);
}

void RepaymentTermsWindow::closeWindow() {
    if (formState() != m_shownForm &&
        !Dialogs::instance().question(tr("The repayment terms typed are not saved. Close "
                                         "without saving them?")))
        return;
    unload();
}

QStringList RepaymentTermsWindow::formState() const {
    QStringList state;
    for (const QLineEdit* edit : formPanel->findChildren<QLineEdit*>())
        state << edit->text().trimmed();
    for (const QComboBox* box : formPanel->findChildren<QComboBox*>())
        state << QString::number(box->currentIndex());
    for (int row = 0; row < interestOnlyGrid->rowCount(); ++row) {
        const QString from = cellText(interestOnlyGrid, row, 0);
        const QString to = cellText(interestOnlyGrid, row, 1);
        if (!from.isEmpty() || !to.isEmpty())
            state << from << to;
    }
    return state;
}

void RepaymentTermsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        closeWindow();
        return;
    }
    FormWindow::keyPressEvent(event);
}

void RepaymentTermsWindow::formUnload() {
    m_connection.close();
}
