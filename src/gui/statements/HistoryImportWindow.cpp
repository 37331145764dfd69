#include "HistoryImportWindow.h"

#include "data/ShortDate.h"
#include "engine/RateProposal.h"
#include "import/BankSummary.h"
#include "shell/Captions.h"
#include "shell/CsvLayoutPanel.h"
#include "shell/Dialogs.h"
#include "shell/FormWindow.h"
#include "shell/ImportSteps.h"
#include "shell/WindowFit.h"
#include "shell/WindowHost.h"
#include "shell/Windows.h"
#include "state/WorkflowState.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

using namespace HistoryImport;

namespace {

QString caption() {
    return HistoryImportWindow::tr("Import Bank History");
}

// The cutting list's entries, in its order; the last cuts on the lender's own dates.
const Cutting::Every Everies[] = {Cutting::Every::Month, Cutting::Every::Quarter,
                                  Cutting::Every::HalfYear, Cutting::Every::Year};
const int EndDatesEntry = 4;

QStandardItem* cell(const QString& text, bool number = false) {
    auto* item = new QStandardItem(text);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

std::unique_ptr<HistoryImportWindow> HistoryImportWindow::open(WindowHost& main, QWidget* parent) {
    const std::optional<QString> path = ImportSteps::chooseFile(caption());
    if (!path)
        return nullptr;
    return open(*path, main, parent);
}

std::unique_ptr<HistoryImportWindow> HistoryImportWindow::open(const QString& path,
                                                               WindowHost& main, QWidget* parent) {
    // One connection from the first read to the write.
    auto connection = std::make_unique<AccountConnection>();
    if (!connection->open(main.tag(Tag::NewFile))) {
        Dialogs::instance().message(connection->lastError());
        return nullptr;
    }
    QString error;
    std::optional<AccountHistory> history = AccountHistory::load(connection->database(), &error);
    if (!history) {
        Dialogs::instance().message(tr("The account's history cannot be read: %1").arg(error));
        return nullptr;
    }
    const ImportChoices choices =
        ImportChoices::load(connection->database(), ImportChoices::StatementSetting);

    std::unique_ptr<ImportSession> session = ImportSteps::load(path, parent);
    if (!session)
        return nullptr;
    if (!ImportSteps::start(*session, choices.csv, ImportSession::Fallback::Refuse))
        return nullptr;
    std::unique_ptr<HistoryImportWindow> window(new HistoryImportWindow(
        main, std::move(connection), std::move(session), std::move(*history), choices, parent));
    window->rowsRead();
    return window;
}

HistoryImportWindow::HistoryImportWindow(WindowHost& main,
                                         std::unique_ptr<AccountConnection> connection,
                                         std::unique_ptr<ImportSession> session,
                                         AccountHistory history, const ImportChoices& choices,
                                         QWidget* parent)
    : QDialog(parent), m_main(main), m_connection(std::move(connection)),
      m_session(std::move(session)), m_history(std::move(history)), m_choices(choices) {
    setObjectName(QStringLiteral("HistoryImportWindow"));
    setWindowTitle(caption());
    createControls();
}

void HistoryImportWindow::createControls() {
    // Everything above the footer scrolls when the dialog is smaller than it needs; the status
    // and the buttons stay in view.
    auto* body = new QWidget;
    body->setObjectName(QStringLiteral("historyBody"));
    auto* root = new QVBoxLayout(body);
    root->setContentsMargins(0, 0, 0, 0);
    layoutPanel = ImportSteps::addHeader(root, *m_session, CsvLayoutPanel::Shape::Full);
    // The two signs below say it in the history's own terms.
    layoutPanel->hideSign();

    auto* choices = new QHBoxLayout;
    choices->addWidget(createCuttingGroup(), 3);
    choices->addWidget(createSignsGroup(), 2);
    root->addLayout(choices);

    m_statements = new QStandardItemModel(this);
    m_statements->setHorizontalHeaderLabels({tr("Number"), tr("Start"), tr("End"),
                                             //: The statement's opening balance.
                                             tr("Opening"),
                                             //: The statement's closing balance.
                                             tr("Closing"), tr("Rows"), tr("Status")});
    statementsGrid = new QTableView;
    statementsGrid->setModel(m_statements);
    makeListGrid(statementsGrid, QStringLiteral("statementsGrid"), tr("Statements"));
    m_rows = new QStandardItemModel(this);
    m_rows->setHorizontalHeaderLabels(
        {tr("Line"), tr("Date"), tr("Description"), tr("Amount"), tr("Balance")});
    rowsGrid = new QTableView;
    rowsGrid->setModel(m_rows);
    makeListGrid(rowsGrid, QStringLiteral("rowsGrid"), tr("The statement's rows"));
    for (const auto& [column, width] : {std::pair{0, 60}, {1, 100}, {2, 360}, {3, 120}})
        rowsGrid->setColumnWidth(column, width);
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(statementsGrid);
    split->addWidget(rowsGrid);
    root->addWidget(split, 1);

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(WindowFit::scrolling(body, this), 1);
    const ImportSteps::Footer footer = ImportSteps::addFooter(outer);
    statusLabel = footer.status;
    WindowFit::openWithin(this, QSize(1100, 700));

    connect(footer.importButton, &QPushButton::clicked, this,
            &HistoryImportWindow::importStatements);
    connect(footer.cancelButton, &QPushButton::clicked, this, &HistoryImportWindow::cancel);
    connect(layoutPanel, &CsvLayoutPanel::layoutEdited, this, &HistoryImportWindow::rowsRead);
    connect(layoutPanel, &CsvLayoutPanel::presetChosen, this, &HistoryImportWindow::rowsRead);
    connect(statementsGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &HistoryImportWindow::showStatementRows);
}

QWidget* HistoryImportWindow::createCuttingGroup() {
    auto* group = new QGroupBox(tr("Statements"));
    group->setObjectName(QStringLiteral("cuttingGroup"));
    auto* form = new QFormLayout(group);

    cuttingCombo = new QComboBox;
    cuttingCombo->addItems({tr("Every month"), tr("Every quarter"), tr("Every half-year"),
                            tr("Every year"), tr("On the lender's end dates")});
    form->addRow(captionFor(tr("&Cut the history:"), cuttingCombo, QStringLiteral("cuttingBox")),
                 cuttingCombo);

    cutDaySpin = new QSpinBox;
    cutDaySpin->setRange(0, 31);
    //: The cut day's value 0: periods end on the last day of each month.
    cutDaySpin->setSpecialValueText(tr("the month's last"));
    form->addRow(captionFor(tr("Periods end on &day:"), cutDaySpin, QStringLiteral("cutDaySpin")),
                 cutDaySpin);

    endDatesEdit = new QPlainTextEdit;
    endDatesEdit->setTabChangesFocus(true);
    endDatesEdit->setPlaceholderText(
        tr("The statements' end dates, one a line or pasted as a list"));
    endDatesEdit->setFixedHeight(fontMetrics().lineSpacing() * 4);
    endDatesEdit->setEnabled(false);
    form->addRow(
        captionFor(tr("Lender's &end dates:"), endDatesEdit, QStringLiteral("endDatesEdit")),
        endDatesEdit);

    firstNumberSpin = new QSpinBox;
    firstNumberSpin->setRange(1, 99999);
    const int next =
        m_history.numbers.isEmpty()
            ? 1
            : *std::max_element(m_history.numbers.begin(), m_history.numbers.end()) + 1;
    firstNumberSpin->setValue(next);
    form->addRow(captionFor(tr("&First statement number:"), firstNumberSpin,
                            QStringLiteral("firstNumberSpin")),
                 firstNumberSpin);

    openingEdit = new QLineEdit;
    openingEdit->setPlaceholderText(tr("only for a file without balances"));
    form->addRow(captionFor(tr("&Opening balance:"), openingEdit, QStringLiteral("openingEdit")),
                 openingEdit);
    closingEdit = new QLineEdit;
    closingEdit->setPlaceholderText(tr("the last statement's, to check the amounts"));
    form->addRow(captionFor(tr("C&losing balance:"), closingEdit, QStringLiteral("closingEdit")),
                 closingEdit);

    connect(cuttingCombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        endDatesEdit->setEnabled(index == EndDatesEntry);
        cutDaySpin->setEnabled(index != EndDatesEntry);
        showPlan();
    });
    connect(cutDaySpin, &QSpinBox::valueChanged, this, &HistoryImportWindow::showPlan);
    connect(firstNumberSpin, &QSpinBox::valueChanged, this, &HistoryImportWindow::showPlan);
    connect(endDatesEdit, &QPlainTextEdit::textChanged, this, &HistoryImportWindow::showPlan);
    connect(openingEdit, &QLineEdit::textChanged, this, &HistoryImportWindow::showPlan);
    connect(closingEdit, &QLineEdit::textChanged, this, &HistoryImportWindow::showPlan);
    return group;
}

QWidget* HistoryImportWindow::createSignsGroup() {
    auto* group = new QGroupBox(tr("Signs (a loan in debit is negative)"));
    group->setObjectName(QStringLiteral("signsGroup"));
    auto* box = new QVBoxLayout(group);
    turnAmountsCheck = new QCheckBox(tr("Turn the &amounts' sign"));
    turnAmountsCheck->setObjectName(QStringLiteral("turnAmountsCheck"));
    turnBalancesCheck = new QCheckBox(tr("Turn the &balances' sign"));
    turnBalancesCheck->setObjectName(QStringLiteral("turnBalancesCheck"));
    signsLabel = new QLabel;
    signsLabel->setObjectName(QStringLiteral("signsLabel"));
    signsLabel->setWordWrap(true);
    box->addWidget(turnAmountsCheck);
    box->addWidget(turnBalancesCheck);
    box->addWidget(signsLabel, 1);
    connect(turnAmountsCheck, &QCheckBox::toggled, this, &HistoryImportWindow::signsEdited);
    connect(turnBalancesCheck, &QCheckBox::toggled, this, &HistoryImportWindow::signsEdited);
    return group;
}

QString HistoryImportWindow::unreadable() const {
    const ReadResult& result = m_session->result();
    if (!result.error.isEmpty())
        return result.error;
    for (const ImportedRow& r : result.rows) {
        if (!r.ok())
            return tr("Line %1 does not read: %2").arg(r.line).arg(r.error);
    }
    if (result.rows.isEmpty())
        return tr("The file holds no transactions.");
    return {};
}

void HistoryImportWindow::rowsRead() {
    m_signs = proposeSigns(*m_session);
    layoutPanel->showLayout();
    const QSignalBlocker amounts(turnAmountsCheck);
    const QSignalBlocker balances(turnBalancesCheck);
    turnAmountsCheck->setChecked(m_signs.turnAmounts);
    turnBalancesCheck->setChecked(m_signs.turnBalances);
    signsLabel->setText(m_signs.why.isEmpty() ? QString() : tr("Proposed: %1.").arg(m_signs.why));
    offerOpening();
    showPlan();
}

void HistoryImportWindow::offerOpening() {
    // What the user typed stays; an opening offered for the last reading gives way to this one's.
    const QString typed = openingEdit->text().trimmed();
    if (!typed.isEmpty() && typed != m_offeredOpening)
        return;
    const std::optional<Money> offered =
        HistoryImport::offeredOpening(m_session->result(), m_history);
    m_offeredOpening = offered ? offered->toPlainText() : QString();
    const QSignalBlocker blocker(openingEdit);
    openingEdit->setText(m_offeredOpening);
}

void HistoryImportWindow::signsEdited() {
    m_signs.turnAmounts = turnAmountsCheck->isChecked();
    m_signs.turnBalances = turnBalancesCheck->isChecked();
    m_signs.why = tr("as you set them");
    signsLabel->setText(tr("The signs are as you set them."));
    showPlan();
}

std::optional<Cutting> HistoryImportWindow::cutting(QString* error) const {
    Cutting c;
    c.firstNumber = firstNumberSpin->value();
    const int entry = cuttingCombo->currentIndex();
    if (entry != EndDatesEntry) {
        c.every = Everies[entry];
        c.cutDay = cutDaySpin->value();
        return c;
    }
    // Pasted from anywhere: dates apart by line breaks, commas, semicolons or tabs.
    static const QRegularExpression apart(QStringLiteral("[\\n\\r,;\\t]+"));
    for (const QString& text : endDatesEdit->toPlainText().split(apart, Qt::SkipEmptyParts)) {
        if (text.trimmed().isEmpty())
            continue;
        const QDate date = ShortDate::parse(text);
        if (!date.isValid()) {
            *error = tr("'%1' is not a date (%2).").arg(text.trimmed(), ShortDate::pattern());
            return std::nullopt;
        }
        c.ends << date;
    }
    if (c.ends.isEmpty()) {
        *error = tr("Type or paste the lender's statement end dates.");
        return std::nullopt;
    }
    return c;
}

std::optional<Balances> HistoryImportWindow::balances(QString* error) const {
    Balances b;
    const std::pair<QLineEdit*, std::optional<Money>*> fields[] = {{openingEdit, &b.opening},
                                                                   {closingEdit, &b.closing}};
    for (const auto& [edit, value] : fields) {
        const QString text = edit->text().trimmed();
        if (text.isEmpty())
            continue;
        *value = Money::parse(text);
        if (!*value) {
            *error = tr("%1 '%2' is not an amount.").arg(edit->accessibleName(), text);
            return std::nullopt;
        }
    }
    return b;
}

void HistoryImportWindow::showPlan() {
    m_plan = Plan();
    m_problem = unreadable();
    std::optional<Cutting> cut;
    std::optional<Balances> given;
    if (m_problem.isEmpty())
        cut = cutting(&m_problem);
    if (m_problem.isEmpty())
        given = balances(&m_problem);
    if (m_problem.isEmpty())
        m_plan =
            HistoryImport::cut(applied(m_session->result().rows, m_signs), *cut, *given, m_history);
    if (m_problem.isEmpty())
        m_problem = m_plan.refusal;

    m_statements->removeRows(0, m_statements->rowCount());
    for (const Statement& s : std::as_const(m_plan.statements))
        m_statements->appendRow({cell(QString::number(s.number), true),
                                 cell(ShortDate::format(s.start)), cell(ShortDate::format(s.end)),
                                 cell(s.opening.format(), true), cell(s.closing.format(), true),
                                 cell(QString::number(s.rows.size()), true),
                                 cell(s.statusShown())});
    statementsGrid->resizeColumnsToContents();
    if (m_statements->rowCount() > 0)
        statementsGrid->setCurrentIndex(m_statements->index(0, 0));
    else
        showStatementRows();

    QStringList lines;
    if (!m_problem.isEmpty()) {
        lines << m_problem;
    } else {
        int ready = 0;
        for (const Statement& s : std::as_const(m_plan.statements))
            ready += s.status == Status::Ready;
        lines << tr("%1 statements, %2 ready to import.").arg(m_plan.statements.size()).arg(ready);
        if (m_plan.statements.isEmpty())
            lines << tr("No period of the file is complete yet.");
        if (!m_plan.note.isEmpty())
            lines << tr("Note: %1.").arg(m_plan.note);
        if (const QString note = m_session->dateNote(); !note.isEmpty())
            lines << note;
        lines << BankSummary::sentences(m_session->result().summary);
        if (!m_plan.caution.isEmpty())
            lines.prepend(m_plan.caution);
        if (m_plan.rowsAfter > 0)
            lines << (m_plan.rowsAfter == 1
                          ? tr("1 row after the last complete period is left for the "
                               "next import.")
                          : tr("%1 rows after the last complete period are left for "
                               "the next import.")
                                .arg(m_plan.rowsAfter));
    }
    statusLabel->setText(lines.join(u' '));
}

void HistoryImportWindow::showStatementRows() {
    m_rows->removeRows(0, m_rows->rowCount());
    const int at = statementsGrid->currentIndex().row();
    if (at < 0 || at >= m_plan.statements.size())
        return;
    for (const ImportedRow& r : m_plan.statements[at].rows)
        m_rows->appendRow({cell(QString::number(r.line), true), cell(ShortDate::format(r.date)),
                           cell(r.description), cell(r.amount.format(), true),
                           cell(r.balance ? r.balance->format() : QString(), true)});
}

void HistoryImportWindow::importStatements() {
    if (!m_problem.isEmpty()) {
        Dialogs::instance().message(m_problem);
        return;
    }
    if (!m_plan.caution.isEmpty() &&
        !Dialogs::instance().question(tr("%1\n\nImport it all the same?").arg(m_plan.caution)))
        return;
    const Outcome outcome =
        importInto(m_connection->database(), m_main.tag(Tag::NewFile), m_history, m_plan, m_choices,
                   m_session->csvLayout(), m_signs);
    m_copy = outcome.copy;
    switch (outcome.step) {
    case Outcome::Step::NothingReady:
        Dialogs::instance().message(tr("No statement is ready: there is nothing to import."));
        return;
    case Outcome::Step::NoCopy:
        Dialogs::instance().message(
            tr("No copy of the account could be kept, so nothing was imported: %1")
                .arg(outcome.reason));
        return;
    case Outcome::Step::NotWritten:
        Dialogs::instance().message(
            tr("Import Error: nothing was imported: %1").arg(outcome.reason));
        return;
    case Outcome::Step::Done:
        break;
    }
    carryOn(outcome);
    accept();
}

void HistoryImportWindow::carryOn(const Outcome& outcome) {
    const bool ratesCover = RateProposal::ratesCoverHistory(m_connection->database());
    m_connection->close();

    // As after a committed statement: the account holds history, and no statement is being
    // entered, so the rates window's Close checks every committed day.
    for (const QString& field : {Tag::Statement, Tag::StartDate, Tag::EndDate, Tag::OpenBalance,
                                 Tag::CloseBalance, Tag::InterestChanged, Tag::NextForm})
        m_main.setTag(field, QString());
    m_main.setTag(Tag::File, FileState::Open);

    const std::pair<QDate, QDate> span = *m_plan.readySpan();
    QString done = tr("%1 statements with %2 transactions were imported.")
                       .arg(outcome.written.statements)
                       .arg(outcome.written.rows);
    if (!outcome.copy.isEmpty())
        done += QLatin1Char('\n') +
                tr("The account as it was before the import is kept as %1.").arg(outcome.copy);
    Dialogs::instance().message(done);

    const QString rates = tr("The bank's file holds no interest rates: enter the rate "
                             "periods from %1 to %2, or read them from the lender's "
                             "charges with Propose from Charges….")
                              .arg(ShortDate::format(span.first), ShortDate::format(span.second));
    if (FormWindow* window = m_main.window(WindowNames::InterestChanges))
        window->setTag(ratesCover ? QString() : rates);
    m_main.showWindow(WindowNames::InterestChanges);
}

void HistoryImportWindow::cancel() {
    reject();
}
