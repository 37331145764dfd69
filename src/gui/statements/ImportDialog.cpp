#include "ImportDialog.h"

#include "ImportRowsModel.h"

#include "import/ImportWriter.h"
#include "import/QifReader.h"
#include "shell/BusyDialog.h"
#include "shell/Dialogs.h"
#include "shell/WindowHost.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString Caption = QStringLiteral("Import Transactions");
const QString Remembered = QStringLiteral("remembered");
const QString Detected = QStringLiteral("detected");

const QList<QPair<QChar, QString>>& delimiters() {
    static const QList<QPair<QChar, QString>> list = {{u',', QStringLiteral("Comma")},
                                                      {u';', QStringLiteral("Semicolon")},
                                                      {u'\t', QStringLiteral("Tab")},
                                                      {u'|', QStringLiteral("Pipe")}};
    return list;
}

QString formatName(StatementFormat f) {
    switch (f) {
    case StatementFormat::Csv:
        return QStringLiteral("CSV");
    case StatementFormat::Ofx:
        return QStringLiteral("OFX");
    case StatementFormat::Qif:
        return QStringLiteral("QIF");
    }
    return {};
}

// The grid's column cell: a list of the five columns.
class AmountColumnDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* box = new QComboBox(parent);
        box->addItems(AmountColumns::captions());
        box->setAccessibleName(QStringLiteral("Column"));
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

ReadResult flipped(ReadResult r) {
    for (ImportedRow& row : r.rows) {
        row.amount = Money::fromRaw(-row.amount.raw());
        if (row.balance)
            row.balance = Money::fromRaw(-row.balance->raw());
    }
    return r;
}

} // namespace

bool ImportDialog::run(QWidget* parent, QSqlDatabase db, const StatementHeader& statement,
                       ImportChoices& choices) {
    FileDialogRequest request;
    request.kind = FileDialogRequest::Open;
    request.title = Caption;
    request.filter = StatementFile::dialogFilter();
    request.folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    const std::optional<QString> path = Dialogs::instance().chooseFile(request);
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
    StatementFile::Loaded loaded = StatementFile::load(path);
    if (!loaded.error.isEmpty()) {
        Dialogs::instance().message(loaded.error);
        return nullptr;
    }
    ReadResult ofx;
    if (loaded.format == StatementFormat::Ofx) {
        std::optional<ReadResult> read = BusyDialog::readOfx(loaded.bytes, parent);
        if (!read)
            return nullptr; // cancelled: nothing to say
        ofx = std::move(*read);
    }
    QString error;
    std::optional<KnownTransactions> known = KnownTransactions::load(db, &error);
    if (!known) {
        Dialogs::instance().message(
            QStringLiteral("The statement's transactions cannot be read: %1").arg(error));
        return nullptr;
    }
    std::unique_ptr<ImportDialog> window(new ImportDialog(std::move(loaded), path, db, statement,
                                                          std::move(*known), choices, parent));
    window->m_ofx = std::move(ofx);
    if (!window->start(&error)) {
        Dialogs::instance().message(
            QStringLiteral("%1 cannot be imported. %2").arg(QFileInfo(path).fileName(), error));
        return nullptr;
    }
    return window;
}

ImportDialog::ImportDialog(StatementFile::Loaded loaded, const QString& path, QSqlDatabase db,
                           const StatementHeader& statement, KnownTransactions known,
                           const ImportChoices& choices, QWidget* parent)
    : QDialog(parent), m_loaded(std::move(loaded)), m_db(db),
      m_preview(statement, std::move(known), choices.rules), m_choices(choices),
      m_rules(choices.rules) {
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(Caption);
    if (m_loaded.format == StatementFormat::Csv)
        m_csv = std::make_unique<CsvReader>(m_loaded.text);
    createControls(path);
}

void ImportDialog::createControls(const QString& path) {
    auto* root = new QVBoxLayout(this);
    fileLabel = new QLabel(
        QStringLiteral("%1 (%2)").arg(QDir::toNativeSeparators(path), formatName(m_loaded.format)));
    fileLabel->setObjectName(QStringLiteral("lblFile"));
    root->addWidget(fileLabel);

    // The CSV layout: every choice the file's reading depends on.
    layoutGroup = new QGroupBox(QStringLiteral("CSV layout"));
    layoutGroup->setObjectName(QStringLiteral("fraLayout"));
    auto* grid = new QGridLayout(layoutGroup);
    int cell = 0;
    auto place = [&](const QString& caption, QWidget* input, const QString& name) {
        input->setObjectName(name);
        auto* label = new QLabel(caption);
        label->setBuddy(input);
        input->setAccessibleName(QString(caption).remove(u'&').remove(u':'));
        grid->addWidget(label, cell / 4, (cell % 4) * 2);
        grid->addWidget(input, cell / 4, (cell % 4) * 2 + 1);
        ++cell;
    };
    presetCombo = new QComboBox;
    place(QStringLiteral("&Layout:"), presetCombo, QStringLiteral("cboPreset"));
    delimiterCombo = new QComboBox;
    for (const auto& [c, name] : delimiters())
        delimiterCombo->addItem(name, QVariant(c));
    place(QStringLiteral("&Delimiter:"), delimiterCombo, QStringLiteral("cboDelimiter"));
    spnSkip = new QSpinBox;
    spnSkip->setRange(0, 1000);
    place(QStringLiteral("Lines to &skip:"), spnSkip, QStringLiteral("spnSkip"));
    decimalCombo = new QComboBox;
    decimalCombo->addItem(QStringLiteral("Point (1,234.56)"), QVariant(QChar(u'.')));
    decimalCombo->addItem(QStringLiteral("Comma (1.234,56)"), QVariant(QChar(u',')));
    place(QStringLiteral("Decimal poi&nt:"), decimalCombo, QStringLiteral("cboDecimal"));
    amountsCombo = new QComboBox;
    amountsCombo->addItem(QStringLiteral("One signed column"));
    amountsCombo->addItem(QStringLiteral("Debit and credit columns"));
    place(QStringLiteral("&Amounts:"), amountsCombo, QStringLiteral("cboAmounts"));
    dateColumnCombo = new QComboBox;
    place(QStringLiteral("Da&te column:"), dateColumnCombo, QStringLiteral("cboDateColumn"));
    descriptionColumnCombo = new QComboBox;
    place(QStringLiteral("Descri&ption column:"), descriptionColumnCombo,
          QStringLiteral("cboDescriptionColumn"));
    amountColumnCombo = new QComboBox;
    place(QStringLiteral("A&mount column:"), amountColumnCombo, QStringLiteral("cboAmountColumn"));
    debitColumnCombo = new QComboBox;
    place(QStringLiteral("De&bit column:"), debitColumnCombo, QStringLiteral("cboDebitColumn"));
    creditColumnCombo = new QComboBox;
    place(QStringLiteral("C&redit column:"), creditColumnCombo, QStringLiteral("cboCreditColumn"));
    balanceColumnCombo = new QComboBox;
    place(QStringLiteral("Balan&ce column:"), balanceColumnCombo,
          QStringLiteral("cboBalanceColumn"));
    headerCheck = new QCheckBox(QStringLiteral("&Header row"));
    headerCheck->setObjectName(QStringLiteral("chkHeader"));
    grid->addWidget(headerCheck, cell / 4, (cell % 4) * 2 + 1);
    root->addWidget(layoutGroup);

    // What every format shares: the date order and the sign.
    auto* common = new QHBoxLayout;
    auto* dateOrderLabel = new QLabel(QStringLiteral("Date &order:"));
    dateOrderCombo = new QComboBox;
    dateOrderCombo->setObjectName(QStringLiteral("cboDateOrder"));
    dateOrderCombo->addItem(QStringLiteral("Day first (31/01/2024)"));
    dateOrderCombo->addItem(QStringLiteral("Month first (01/31/2024)"));
    dateOrderCombo->setAccessibleName(QStringLiteral("Date order"));
    dateOrderLabel->setBuddy(dateOrderCombo);
    flipCheck = new QCheckBox(QStringLiteral("&Flip the sign"));
    flipCheck->setObjectName(QStringLiteral("chkFlip"));
    common->addWidget(dateOrderLabel);
    common->addWidget(dateOrderCombo);
    common->addWidget(flipCheck);
    common->addStretch();
    root->addLayout(common);

    auto* rulesRow = new QHBoxLayout;
    auto* ruleTextLabel = new QLabel(QStringLiteral("Column r&ules (word = column):"));
    rulesEdit = new QPlainTextEdit(m_rules.toText());
    rulesEdit->setObjectName(QStringLiteral("txtRules"));
    rulesEdit->setAccessibleName(QStringLiteral("Column rules"));
    rulesEdit->setTabChangesFocus(true);
    rulesEdit->setFixedHeight(fontMetrics().lineSpacing() * 5);
    ruleTextLabel->setBuddy(rulesEdit);
    rulesLabel = new QLabel;
    rulesLabel->setObjectName(QStringLiteral("lblRules"));
    rulesLabel->setWordWrap(true);
    rulesRow->addWidget(ruleTextLabel);
    rulesRow->addWidget(rulesEdit, 1);
    rulesRow->addWidget(rulesLabel, 1);
    root->addLayout(rulesRow);

    m_model = new ImportRowsModel(m_preview, this);
    importGrid = new QTableView;
    importGrid->setObjectName(QStringLiteral("grdImport"));
    importGrid->setAccessibleName(Caption);
    importGrid->setModel(m_model);
    importGrid->setItemDelegateForColumn(ImportRowsModel::AmountColumn,
                                         new AmountColumnDelegate(importGrid));
    importGrid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    importGrid->verticalHeader()->hide();
    importGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    importGrid->horizontalHeader()->setStretchLastSection(true);
    importGrid->setColumnWidth(ImportRowsModel::Tick, 60);
    importGrid->setColumnWidth(ImportRowsModel::Line, 50);
    importGrid->setColumnWidth(ImportRowsModel::Description, 260);
    importGrid->setColumnWidth(ImportRowsModel::AmountColumn, 120);
    root->addWidget(importGrid, 1);

    statusLabel = new QLabel;
    statusLabel->setObjectName(QStringLiteral("lblStatus"));
    statusLabel->setWordWrap(true);
    root->addWidget(statusLabel);

    auto* buttons = new QHBoxLayout;
    importButton = new QPushButton(QStringLiteral("&Import"));
    importButton->setObjectName(QStringLiteral("cmdImport"));
    cancelButton = new QPushButton(QStringLiteral("Cancel"));
    cancelButton->setObjectName(QStringLiteral("cmdCancel"));
    // Enter in a field must not import.
    importButton->setAutoDefault(false);
    cancelButton->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(importButton);
    buttons->addWidget(cancelButton);
    root->addLayout(buttons);
    resize(1000, 700);

    connect(importButton, &QPushButton::clicked, this, &ImportDialog::importRows);
    connect(cancelButton, &QPushButton::clicked, this, &ImportDialog::cancel);
    connect(m_model, &ImportRowsModel::rowsEdited, this, &ImportDialog::showStatus);
    connect(rulesEdit, &QPlainTextEdit::textChanged, this, &ImportDialog::rulesEdited);
    connect(presetCombo, &QComboBox::activated, this, &ImportDialog::presetChosen);
    for (QComboBox* box : {delimiterCombo, decimalCombo, amountsCombo, dateColumnCombo,
                           descriptionColumnCombo, amountColumnCombo, debitColumnCombo,
                           creditColumnCombo, balanceColumnCombo, dateOrderCombo})
        connect(box, &QComboBox::currentIndexChanged, this, &ImportDialog::layoutEdited);
    connect(spnSkip, &QSpinBox::valueChanged, this, &ImportDialog::layoutEdited);
    connect(headerCheck, &QCheckBox::toggled, this, &ImportDialog::layoutEdited);
    connect(flipCheck, &QCheckBox::toggled, this, &ImportDialog::layoutEdited);
}

bool ImportDialog::start(QString* error) {
    switch (m_loaded.format) {
    case StatementFormat::Csv: {
        const auto proposal = m_csv->propose(m_choices.csv, error);
        if (!proposal)
            return false;
        m_layout = proposal->layout;
        m_layoutSource = proposal->source;
        if (!readFile(error, &proposal->result))
            return false;
        break;
    }
    case StatementFormat::Qif: {
        const ReadResult r = QifReader::read(m_loaded.text);
        m_dateOrder = r.dateOrder;
        if (!readFile(error, &r))
            return false;
        break;
    }
    case StatementFormat::Ofx:
        if (!readFile(error))
            return false;
        break;
    }

    const bool csv = m_loaded.format == StatementFormat::Csv;
    // A remembered layout carries the user's answer already.
    if (m_ambiguous && !(csv && m_layoutSource == Remembered)) {
        const bool dayFirst = Dialogs::instance().question(
            QStringLiteral("The dates of this file read both with the day first and with the "
                           "month first.\nAre the days first, as in 31/01/2024?"));
        const DateOrder order = dayFirst ? DateOrder::DayFirst : DateOrder::MonthFirst;
        const DateOrder read = csv ? m_layout.dateOrder : m_dateOrder;
        m_dateOrder = order;
        m_layout.dateOrder = order;
        if (order != read)
            readFile(error);
    }
    // A bank that counts the loan's balance as a positive debt writes its amounts the other way
    // round: the sign that reaches the statement's balances is proposed.
    if (csv && m_layoutSource != Remembered && m_preview.fitsBetterFlipped()) {
        m_layout.flipSign = !m_layout.flipSign;
        readFile(error);
    }
    showLayout();
    return true;
}

bool ImportDialog::readFile(QString* error, const ReadResult* given) {
    ReadResult result;
    if (given) {
        result = *given;
    } else if (m_loaded.format == StatementFormat::Csv) {
        result = m_csv->read(m_layout);
    } else if (m_loaded.format == StatementFormat::Qif) {
        result = QifReader::read(m_loaded.text, m_dateOrder);
    } else {
        result = m_ofx;
    }
    if (m_loaded.format != StatementFormat::Csv && m_flip)
        result = flipped(std::move(result));
    m_ambiguous = result.dateOrderAmbiguous;
    if (!result.error.isEmpty()) {
        if (error)
            *error = result.error;
        m_preview.setRows({});
    } else {
        m_preview.setRows(result.rows);
    }
    m_model->reload();
    return result.error.isEmpty();
}

void ImportDialog::fillColumnLists() {
    // Each column by its number and its header (or its first value).
    QStringList names;
    if (m_csv) {
        const QList<CsvRecord>& records = m_csv->split(m_layout.delimiter).records;
        int width = 0;
        const CsvRecord* first = nullptr;
        int seen = 0;
        for (const CsvRecord& r : records) {
            if (r.line <= m_layout.skipLines)
                continue;
            if (!first)
                first = &r;
            width = std::max(width, int(r.fields.size()));
            if (++seen == 50)
                break;
        }
        for (int c = 0; c < width; ++c) {
            const QString sample =
                first ? first->fields.value(c).toString().simplified().left(24) : QString();
            names << QStringLiteral("%1: %2").arg(c + 1).arg(sample);
        }
    }
    const QList<QPair<QComboBox*, int>> lists = {
        {dateColumnCombo, m_layout.dateColumn},
        {descriptionColumnCombo, m_layout.descriptionColumn},
        {amountColumnCombo, m_layout.amountColumn},
        {debitColumnCombo, m_layout.debitColumn},
        {creditColumnCombo, m_layout.creditColumn},
        {balanceColumnCombo, m_layout.balanceColumn}};
    for (const auto& [box, column] : lists) {
        box->clear();
        box->addItem(QStringLiteral("(none)"), -1);
        for (int c = 0; c < names.size(); ++c)
            box->addItem(names[c], c);
        // A column the file does not have (a remembered layout) is kept and shown by number.
        if (column >= names.size())
            box->addItem(QStringLiteral("%1:").arg(column + 1), column);
        box->setCurrentIndex(std::max(0, box->findData(column)));
    }
}

void ImportDialog::showLayout() {
    m_showing = true;
    const bool csv = m_loaded.format == StatementFormat::Csv;
    layoutGroup->setEnabled(csv);
    layoutGroup->setVisible(csv);
    dateOrderCombo->setEnabled(m_loaded.format != StatementFormat::Ofx);
    if (csv) {
        presetCombo->clear();
        presetCombo->addItem(QStringLiteral("As detected"), Detected);
        if (m_choices.csv)
            presetCombo->addItem(QStringLiteral("As last time"), Remembered);
        for (const CsvPreset& preset : CsvPresets::builtIn())
            presetCombo->addItem(preset.name, preset.name);
        presetCombo->setCurrentIndex(std::max(0, presetCombo->findData(m_layoutSource)));
        for (int i = 0; i < delimiterCombo->count(); ++i) {
            if (delimiterCombo->itemData(i).value<QChar>() == m_layout.delimiter)
                delimiterCombo->setCurrentIndex(i);
        }
        spnSkip->setValue(m_layout.skipLines);
        headerCheck->setChecked(m_layout.header);
        decimalCombo->setCurrentIndex(m_layout.decimal == u',' ? 1 : 0);
        amountsCombo->setCurrentIndex(m_layout.amounts == CsvLayout::Amounts::Signed ? 0 : 1);
        fillColumnLists();
        const bool signedAmounts = m_layout.amounts == CsvLayout::Amounts::Signed;
        amountColumnCombo->setEnabled(signedAmounts);
        debitColumnCombo->setEnabled(!signedAmounts);
        creditColumnCombo->setEnabled(!signedAmounts);
        dateOrderCombo->setCurrentIndex(m_layout.dateOrder == DateOrder::DayFirst ? 0 : 1);
        flipCheck->setChecked(m_layout.flipSign);
    } else {
        dateOrderCombo->setCurrentIndex(m_dateOrder == DateOrder::DayFirst ? 0 : 1);
        flipCheck->setChecked(m_flip);
    }
    m_showing = false;
    showStatus();
}

void ImportDialog::layoutEdited() {
    if (m_showing)
        return;
    const DateOrder order =
        dateOrderCombo->currentIndex() == 1 ? DateOrder::MonthFirst : DateOrder::DayFirst;
    if (m_loaded.format == StatementFormat::Csv) {
        auto column = [](QComboBox* box) { return box->currentData().toInt(); };
        m_layout.delimiter = delimiterCombo->currentData().value<QChar>();
        m_layout.skipLines = spnSkip->value();
        m_layout.header = headerCheck->isChecked();
        m_layout.decimal = decimalCombo->currentData().value<QChar>();
        m_layout.amounts = amountsCombo->currentIndex() == 1 ? CsvLayout::Amounts::DebitCredit
                                                             : CsvLayout::Amounts::Signed;
        m_layout.dateColumn = column(dateColumnCombo);
        m_layout.descriptionColumn = column(descriptionColumnCombo);
        m_layout.amountColumn = column(amountColumnCombo);
        m_layout.debitColumn = column(debitColumnCombo);
        m_layout.creditColumn = column(creditColumnCombo);
        m_layout.balanceColumn = column(balanceColumnCombo);
        m_layout.dateOrder = order;
        m_layout.flipSign = flipCheck->isChecked();
    } else {
        m_dateOrder = order;
        m_flip = flipCheck->isChecked();
    }
    QString error;
    readFile(&error);
    showLayout();
    if (!error.isEmpty())
        statusLabel->setText(error);
}

void ImportDialog::presetChosen(int index) {
    const QString source = presetCombo->itemData(index).toString();
    std::optional<CsvLayout> layout;
    QString error;
    if (source == Detected) {
        layout = m_csv->detect(m_layout.dateOrder, &error);
    } else if (source == Remembered) {
        layout = m_choices.csv;
    } else {
        for (const CsvPreset& preset : CsvPresets::builtIn()) {
            if (preset.name == source)
                layout = m_csv->fit(preset, &error);
        }
    }
    if (!layout) {
        Dialogs::instance().message(QStringLiteral("The layout \"%1\" does not fit this file. %2")
                                        .arg(presetCombo->itemText(index), error));
        presetCombo->setCurrentIndex(std::max(0, presetCombo->findData(m_layoutSource)));
        return;
    }
    m_layout = *layout;
    m_layoutSource = source;
    readFile(&error);
    showLayout();
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
    showStatus();
}

void ImportDialog::showStatus() {
    QStringList lines;
    const qsizetype rows = m_preview.rows().size();
    lines << QStringLiteral("%1 of %2 rows ticked.").arg(m_preview.tickedCount()).arg(rows);
    const int bad = m_preview.firstTickedUnreadable();
    if (bad >= 0)
        lines << QStringLiteral("Line %1 does not read; untick it to import the other rows.")
                     .arg(m_preview.rows()[bad].source.line);
    const ImportPreview::BalanceCheck balance = m_preview.balanceCheck();
    if (balance.available && balance.partsAt < 0)
        lines << QStringLiteral("The file's balances agree with the running balance.");
    else if (balance.partsAt >= 0)
        lines << QStringLiteral("The file's balance parts from the running balance at line %1.")
                     .arg(m_preview.rows()[balance.partsAt].source.line);
    const auto closing = m_preview.closingAfterImport();
    const Money close = m_preview.statement().closeBalance.value_or(Money());
    if (closing && *closing == close)
        lines << QStringLiteral("With the ticked rows the statement reaches its closing balance, "
                                "%1.")
                     .arg(close.format());
    else if (closing)
        lines << QStringLiteral("With the ticked rows the statement reaches %1; its closing "
                                "balance is %2.")
                     .arg(closing->format(), close.format());
    statusLabel->setText(lines.join(u' '));
}

ImportChoices ImportDialog::choices() const {
    ImportChoices c = m_choices;
    if (m_loaded.format == StatementFormat::Csv)
        c.csv = m_layout;
    c.rules = m_rules;
    return c;
}

void ImportDialog::importRows() {
    const int bad = m_preview.firstTickedUnreadable();
    if (bad >= 0) {
        const ImportedRow row = m_preview.rows()[bad].source;
        Dialogs::instance().message(
            QStringLiteral("Line %1 does not read: %2\nUntick it to import the other rows.")
                .arg(row.line)
                .arg(row.error));
        return;
    }
    if (m_preview.tickedCount() == 0) {
        Dialogs::instance().message(
            QStringLiteral("No row is ticked: there is nothing to import."));
        return;
    }
    QString error;
    const std::optional<int> written = ImportWriter::write(m_db, m_preview, &error);
    if (!written) {
        Dialogs::instance().message(QStringLiteral("Import Error: ") + error);
        return;
    }
    m_imported = *written;
    accept();
}

void ImportDialog::cancel() {
    reject();
}
