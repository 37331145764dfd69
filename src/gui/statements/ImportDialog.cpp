#include "ImportDialog.h"

#include "models/ImportRowsModel.h"

#include "import/BankSummary.h"
#include "import/ImportWriter.h"
#include "shell/Captions.h"
#include "shell/CsvLayoutPanel.h"
#include "shell/Dialogs.h"
#include "shell/ImportSteps.h"
#include "shell/WindowFit.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QString caption() {
    return ImportDialog::tr("Import Transactions");
}

// The grid's column cell: a list of the five columns.
class AmountColumnDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* box = new QComboBox(parent);
        box->addItems(AmountColumns::shownCaptions());
        box->setAccessibleName(ImportDialog::tr("Column"));
        return box;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* box = static_cast<QComboBox*>(editor);
        box->setCurrentText(index.data(Qt::EditRole).toString());
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        model->setData(index, static_cast<QComboBox*>(editor)->currentText(), Qt::EditRole);
    }
};

} // namespace

bool ImportDialog::run(QWidget* parent, QSqlDatabase db, const StatementHeader& statement,
                       ImportChoices& choices) {
    const std::optional<QString> path = ImportSteps::chooseFile(caption());
    if (!path)
        return false;
    std::unique_ptr<ImportDialog> window = open(*path, db, statement, choices, parent);
    if (!window || window->exec() != QDialog::Accepted || window->importedRows() == 0)
        return false;
    choices = window->choices();
    return true;
}

std::unique_ptr<ImportDialog> ImportDialog::open(const QString& path, QSqlDatabase db,
                                                 const StatementHeader& statement,
                                                 const ImportChoices& choices, QWidget* parent) {
    std::unique_ptr<ImportSession> session = ImportSteps::load(path, parent);
    if (!session)
        return nullptr;
    QString error;
    std::optional<KnownTransactions> known = KnownTransactions::load(db, &error);
    if (!known) {
        Dialogs::instance().message(
            tr("The statement's transactions cannot be read: %1").arg(error));
        return nullptr;
    }
    std::unique_ptr<ImportDialog> window(
        new ImportDialog(std::move(session), db, statement, std::move(*known), choices, parent));
    if (!ImportSteps::start(*window->m_session, choices.csv, ImportSession::Fallback::Refuse))
        return nullptr;
    window->showStart();
    return window;
}

ImportDialog::ImportDialog(std::unique_ptr<ImportSession> session, QSqlDatabase db,
                           const StatementHeader& statement, KnownTransactions known,
                           const ImportChoices& choices, QWidget* parent)
    : QDialog(parent), m_session(std::move(session)), m_db(db),
      m_preview(statement, std::move(known), choices.rules), m_choices(choices),
      m_rules(choices.rules) {
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(caption());
    createControls();
}

void ImportDialog::createControls() {
    // Everything above the footer scrolls when the dialog is smaller than it needs; the status
    // and the buttons stay in view.
    auto* body = new QWidget;
    body->setObjectName(QStringLiteral("importBody"));
    auto* root = new QVBoxLayout(body);
    root->setContentsMargins(0, 0, 0, 0);
    layoutPanel = ImportSteps::addHeader(root, *m_session, CsvLayoutPanel::Shape::Full);

    auto* rulesRow = new QHBoxLayout;
    auto* ruleTextLabel = new QLabel(tr("Column r&ules (word = column):"));
    rulesEdit = new QPlainTextEdit(m_rules.toText());
    rulesEdit->setObjectName(QStringLiteral("rulesEdit"));
    rulesEdit->setAccessibleName(tr("Column rules"));
    rulesEdit->setTabChangesFocus(true);
    rulesEdit->setFixedHeight(fontMetrics().lineSpacing() * 5);
    ruleTextLabel->setBuddy(rulesEdit);
    rulesLabel = new QLabel;
    rulesLabel->setObjectName(QStringLiteral("rulesLabel"));
    rulesLabel->setWordWrap(true);
    rulesRow->addWidget(ruleTextLabel);
    rulesRow->addWidget(rulesEdit, 1);
    rulesRow->addWidget(rulesLabel, 1);
    root->addLayout(rulesRow);

    m_model = new ImportRowsModel(m_preview, this);
    importGrid = new QTableView;
    importGrid->setObjectName(QStringLiteral("importGrid"));
    importGrid->setAccessibleName(caption());
    importGrid->setModel(m_model);
    importGrid->setItemDelegateForColumn(ImportRowsModel::AmountColumn,
                                         new AmountColumnDelegate(importGrid));
    importGrid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    importGrid->verticalHeader()->hide();
    importGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    importGrid->setColumnWidth(ImportRowsModel::Tick, 60);
    importGrid->setColumnWidth(ImportRowsModel::Line, 50);
    importGrid->setColumnWidth(ImportRowsModel::Description, 260);
    importGrid->setColumnWidth(ImportRowsModel::AmountColumn, 120);
    root->addWidget(importGrid, 1);
    refitOnResize(importGrid, [this] { fitReasonColumn(); });

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(WindowFit::scrolling(body, this), 1);
    const ImportSteps::Footer footer = ImportSteps::addFooter(outer);
    statusLabel = footer.status;
    WindowFit::openWithin(this, QSize(1000, 700));

    connect(footer.importButton, &QPushButton::clicked, this, &ImportDialog::importRows);
    connect(footer.cancelButton, &QPushButton::clicked, this, &ImportDialog::cancel);
    connect(m_model, &ImportRowsModel::rowsEdited, this, &ImportDialog::showStatus);
    connect(rulesEdit, &QPlainTextEdit::textChanged, this, &ImportDialog::rulesEdited);
    connect(layoutPanel, &CsvLayoutPanel::layoutEdited, this, &ImportDialog::layoutEdited);
    connect(layoutPanel, &CsvLayoutPanel::presetChosen, this, &ImportDialog::presetChosen);
}

void ImportDialog::showStart() {
    m_session->proposeSign(m_preview);
    showPreview();
    layoutPanel->showLayout();
    showStatus();
}

void ImportDialog::showRows() {
    m_preview.setRows(m_session->result().rows);
    showPreview();
}

void ImportDialog::showPreview() {
    m_model->reload();
    fitReasonColumn();
}

void ImportDialog::fitReasonColumn() {
    // The reasons are few texts repeated: each is measured once.
    QSet<QString> reasons;
    for (int row = 0; row < m_model->rowCount(); ++row)
        reasons.insert(m_model->index(row, ImportRowsModel::Reason).data().toString());
    const QFontMetrics metrics = importGrid->fontMetrics();
    QHeaderView* header = importGrid->horizontalHeader();
    // Its heading, at the least.
    int needed = header->fontMetrics().horizontalAdvance(
        m_model->headerData(ImportRowsModel::Reason, Qt::Horizontal, Qt::DisplayRole).toString());
    for (const QString& reason : std::as_const(reasons))
        needed = std::max(needed, metrics.horizontalAdvance(reason));
    // The column fills what the others leave, and more where a reason needs it: the grid then
    // scrolls sideways rather than cut a reason short.
    int others = 0;
    for (int c = 0; c < ImportRowsModel::Reason; ++c)
        others += header->sectionSize(c);
    header->setStretchLastSection(false);
    header->resizeSection(ImportRowsModel::Reason,
                          std::max(needed + 16, importGrid->viewport()->width() - others));
}

void ImportDialog::layoutEdited() {
    showRows();
    showStatus();
    // Why the file does not read in the choice just made.
    if (!m_session->result().error.isEmpty())
        statusLabel->setText(m_session->result().error);
}

void ImportDialog::presetChosen() {
    showRows();
    showStatus();
}

void ImportDialog::rulesEdited() {
    QString error;
    const auto rules = ColumnRules::fromText(rulesEdit->toPlainText(), &error);
    rulesLabel->setText(rules ? QString() : error);
    if (!rules)
        return;
    m_rules = *rules;
    m_preview.setRules(m_rules);
    m_model->reload();
    fitReasonColumn();
    showStatus();
}

void ImportDialog::showStatus() {
    QStringList lines;
    const qsizetype rows = m_preview.rows().size();
    lines << tr("%1 of %2 rows ticked.").arg(m_preview.tickedCount()).arg(rows);
    const int bad = m_preview.firstTickedUnreadable();
    if (bad >= 0)
        lines << tr("Line %1 does not read; untick it to import the other rows.")
                     .arg(m_preview.rows()[bad].source.line);
    const ImportPreview::BalanceCheck balance = m_preview.balanceCheck();
    if (balance.available && balance.partsAt < 0)
        lines << tr("The file's balances agree with the running balance.");
    else if (balance.partsAt >= 0)
        lines << tr("The file's balance parts from the running balance at line %1.")
                     .arg(m_preview.rows()[balance.partsAt].source.line);
    const auto closing = m_preview.closingAfterImport();
    const Money close = m_preview.statement().closeBalance.value_or(Money());
    if (closing && *closing == close)
        lines << tr("With the ticked rows the statement reaches its closing balance, "
                    "%1.")
                     .arg(close.format());
    else if (closing)
        lines << tr("With the ticked rows the statement reaches %1; its closing "
                    "balance is %2.")
                     .arg(closing->format(), close.format());
    if (const QString note = m_session->signNote(); !note.isEmpty())
        lines << note;
    if (const QString note = m_session->dateNote(); !note.isEmpty())
        lines << note;
    lines << BankSummary::sentences(m_session->result().summary, m_preview.statement().openBalance);
    statusLabel->setText(lines.join(u' '));
}

ImportChoices ImportDialog::choices() const {
    ImportChoices c = m_choices;
    if (const std::optional<CsvLayout> layout = m_session->csvLayout())
        c.csv = layout;
    c.rules = m_rules;
    return c;
}

void ImportDialog::importRows() {
    const int bad = m_preview.firstTickedUnreadable();
    if (bad >= 0) {
        const ImportedRow row = m_preview.rows()[bad].source;
        Dialogs::instance().message(
            tr("Line %1 does not read: %2\nUntick it to import the other rows.")
                .arg(row.line)
                .arg(row.error));
        return;
    }
    if (m_preview.tickedCount() == 0) {
        Dialogs::instance().message(tr("No row is ticked: there is nothing to import."));
        return;
    }
    QString error;
    const std::optional<int> written = ImportWriter::write(m_db, m_preview, &error);
    if (!written) {
        Dialogs::instance().message(tr("Import Error: %1").arg(error));
        return;
    }
    m_imported = *written;
    accept();
}

void ImportDialog::cancel() {
    reject();
}
