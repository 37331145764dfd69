#include "frmImport.h"

#include "ImportRowsModel.h"

#include "shell/Dialogs.h"
#include "shell/MDIForm1.h"
#include "statements/import/ImportWriter.h"
#include "statements/import/OfxReader.h"
#include "statements/import/QifReader.h"

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

bool frmImport::run(MDIForm1& main, QSqlDatabase db, const StatementContext& statement,
                    ImportChoices& choices) {
    FileDialogRequest request;
    request.kind = FileDialogRequest::Open;
    request.title = Caption;
    request.filter = StatementFile::dialogFilter();
    request.folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    const std::optional<QString> path = Dialogs::instance().chooseFile(request);
    if (!path)
        return false;
    std::unique_ptr<frmImport> window = open(*path, db, statement, choices, &main);
    if (!window || window->exec() != QDialog::Accepted || window->importedRows() == 0)
        return false;
    choices = window->choices();
    return true;
}

std::unique_ptr<frmImport> frmImport::open(const QString& path, QSqlDatabase db,
                                           const StatementContext& statement,
                                           const ImportChoices& choices, QWidget* parent) {
    StatementFile::Loaded loaded = StatementFile::load(path);
    if (!loaded.error.isEmpty()) {
        Dialogs::instance().message(loaded.error);
        return nullptr;
    }
    QString error;
    std::optional<KnownTransactions> known = KnownTransactions::load(db, &error);
    if (!known) {
        Dialogs::instance().message(
            QStringLiteral("The statement's transactions cannot be read: %1").arg(error));
        return nullptr;
    }
    std::unique_ptr<frmImport> window(
        new frmImport(std::move(loaded), path, db, statement, std::move(*known), choices, parent));
    if (!window->start(&error)) {
        Dialogs::instance().message(
            QStringLiteral("%1 cannot be imported. %2").arg(QFileInfo(path).fileName(), error));
        return nullptr;
    }
    return window;
}

frmImport::frmImport(StatementFile::Loaded loaded, const QString& path, QSqlDatabase db,
                     const StatementContext& statement, KnownTransactions known,
                     const ImportChoices& choices, QWidget* parent)
    : QDialog(parent), m_loaded(std::move(loaded)), m_db(db),
      m_preview(statement, std::move(known), choices.rules), m_choices(choices),
      m_rules(choices.rules) {
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(Caption);
    if (m_loaded.format == StatementFormat::Csv)
        m_csv = std::make_unique<CsvReader>(m_loaded.text);
    createControls(path);
}

void frmImport::createControls(const QString& path) {
    auto* root = new QVBoxLayout(this);
    lblFile = new QLabel(
        QStringLiteral("%1 (%2)").arg(QDir::toNativeSeparators(path), formatName(m_loaded.format)));
    lblFile->setObjectName(QStringLiteral("lblFile"));
    root->addWidget(lblFile);

    // The CSV layout: every choice the file's reading depends on.
    fraLayout = new QGroupBox(QStringLiteral("CSV layout"));
    fraLayout->setObjectName(QStringLiteral("fraLayout"));
    auto* grid = new QGridLayout(fraLayout);
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
    cboPreset = new QComboBox;
    place(QStringLiteral("&Layout:"), cboPreset, QStringLiteral("cboPreset"));
    cboDelimiter = new QComboBox;
    for (const auto& [c, name] : delimiters())
        cboDelimiter->addItem(name, QVariant(c));
    place(QStringLiteral("&Delimiter:"), cboDelimiter, QStringLiteral("cboDelimiter"));
    spnSkip = new QSpinBox;
    spnSkip->setRange(0, 1000);
    place(QStringLiteral("Lines to &skip:"), spnSkip, QStringLiteral("spnSkip"));
    cboDecimal = new QComboBox;
    cboDecimal->addItem(QStringLiteral("Point (1,234.56)"), QVariant(QChar(u'.')));
    cboDecimal->addItem(QStringLiteral("Comma (1.234,56)"), QVariant(QChar(u',')));
    place(QStringLiteral("Decimal poi&nt:"), cboDecimal, QStringLiteral("cboDecimal"));
    cboAmounts = new QComboBox;
    cboAmounts->addItem(QStringLiteral("One signed column"));
    cboAmounts->addItem(QStringLiteral("Debit and credit columns"));
    place(QStringLiteral("&Amounts:"), cboAmounts, QStringLiteral("cboAmounts"));
    cboDateColumn = new QComboBox;
    place(QStringLiteral("Da&te column:"), cboDateColumn, QStringLiteral("cboDateColumn"));
    cboDescriptionColumn = new QComboBox;
    place(QStringLiteral("Descri&ption column:"), cboDescriptionColumn,
          QStringLiteral("cboDescriptionColumn"));
    cboAmountColumn = new QComboBox;
    place(QStringLiteral("A&mount column:"), cboAmountColumn, QStringLiteral("cboAmountColumn"));
    cboDebitColumn = new QComboBox;
    place(QStringLiteral("De&bit column:"), cboDebitColumn, QStringLiteral("cboDebitColumn"));
    cboCreditColumn = new QComboBox;
    place(QStringLiteral("C&redit column:"), cboCreditColumn, QStringLiteral("cboCreditColumn"));
    cboBalanceColumn = new QComboBox;
    place(QStringLiteral("Balan&ce column:"), cboBalanceColumn, QStringLiteral("cboBalanceColumn"));
    chkHeader = new QCheckBox(QStringLiteral("&Header row"));
    chkHeader->setObjectName(QStringLiteral("chkHeader"));
    grid->addWidget(chkHeader, cell / 4, (cell % 4) * 2 + 1);
    root->addWidget(fraLayout);

    // What every format shares: the date order and the sign.
    auto* common = new QHBoxLayout;
    auto* lblDateOrder = new QLabel(QStringLiteral("Date &order:"));
    cboDateOrder = new QComboBox;
    cboDateOrder->setObjectName(QStringLiteral("cboDateOrder"));
    cboDateOrder->addItem(QStringLiteral("Day first (31/01/2024)"));
    cboDateOrder->addItem(QStringLiteral("Month first (01/31/2024)"));
    cboDateOrder->setAccessibleName(QStringLiteral("Date order"));
    lblDateOrder->setBuddy(cboDateOrder);
    chkFlip = new QCheckBox(QStringLiteral("&Flip the sign"));
    chkFlip->setObjectName(QStringLiteral("chkFlip"));
    common->addWidget(lblDateOrder);
    common->addWidget(cboDateOrder);
    common->addWidget(chkFlip);
    common->addStretch();
    root->addLayout(common);

    auto* rulesRow = new QHBoxLayout;
    auto* lblRuleText = new QLabel(QStringLiteral("Column r&ules (word = column):"));
    txtRules = new QPlainTextEdit(m_rules.toText());
    txtRules->setObjectName(QStringLiteral("txtRules"));
    txtRules->setAccessibleName(QStringLiteral("Column rules"));
    txtRules->setTabChangesFocus(true);
    txtRules->setFixedHeight(fontMetrics().lineSpacing() * 5);
    lblRuleText->setBuddy(txtRules);
    lblRules = new QLabel;
    lblRules->setObjectName(QStringLiteral("lblRules"));
    lblRules->setWordWrap(true);
    rulesRow->addWidget(lblRuleText);
    rulesRow->addWidget(txtRules, 1);
    rulesRow->addWidget(lblRules, 1);
    root->addLayout(rulesRow);

    m_model = new ImportRowsModel(m_preview, this);
    grdImport = new QTableView;
    grdImport->setObjectName(QStringLiteral("grdImport"));
    grdImport->setAccessibleName(Caption);
    grdImport->setModel(m_model);
    grdImport->setItemDelegateForColumn(ImportRowsModel::AmountColumn,
                                        new AmountColumnDelegate(grdImport));
    grdImport->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grdImport->verticalHeader()->hide();
    grdImport->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdImport->horizontalHeader()->setStretchLastSection(true);
    grdImport->setColumnWidth(ImportRowsModel::Tick, 60);
    grdImport->setColumnWidth(ImportRowsModel::Line, 50);
    grdImport->setColumnWidth(ImportRowsModel::Description, 260);
    grdImport->setColumnWidth(ImportRowsModel::AmountColumn, 120);
    root->addWidget(grdImport, 1);

    lblStatus = new QLabel;
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    root->addWidget(lblStatus);

    auto* buttons = new QHBoxLayout;
    cmdImport = new QPushButton(QStringLiteral("&Import"));
    cmdImport->setObjectName(QStringLiteral("cmdImport"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    // Enter in a field must not import.
    cmdImport->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(cmdImport);
    buttons->addWidget(cmdCancel);
    root->addLayout(buttons);
    resize(1000, 700);

    connect(cmdImport, &QPushButton::clicked, this, &frmImport::cmdImport_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmImport::cmdCancel_Click);
    connect(m_model, &ImportRowsModel::rowsEdited, this, &frmImport::showStatus);
    connect(txtRules, &QPlainTextEdit::textChanged, this, &frmImport::rulesEdited);
    connect(cboPreset, &QComboBox::activated, this, &frmImport::presetChosen);
    for (QComboBox* box :
         {cboDelimiter, cboDecimal, cboAmounts, cboDateColumn, cboDescriptionColumn,
          cboAmountColumn, cboDebitColumn, cboCreditColumn, cboBalanceColumn, cboDateOrder})
        connect(box, &QComboBox::currentIndexChanged, this, &frmImport::layoutEdited);
    connect(spnSkip, &QSpinBox::valueChanged, this, &frmImport::layoutEdited);
    connect(chkHeader, &QCheckBox::toggled, this, &frmImport::layoutEdited);
    connect(chkFlip, &QCheckBox::toggled, this, &frmImport::layoutEdited);
}

bool frmImport::start(QString* error) {
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
        m_ofx = OfxReader::read(m_loaded.bytes);
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

bool frmImport::readFile(QString* error, const ReadResult* given) {
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

void frmImport::fillColumnLists() {
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
    const QList<QPair<QComboBox*, int>> lists = {{cboDateColumn, m_layout.dateColumn},
                                                 {cboDescriptionColumn, m_layout.descriptionColumn},
                                                 {cboAmountColumn, m_layout.amountColumn},
                                                 {cboDebitColumn, m_layout.debitColumn},
                                                 {cboCreditColumn, m_layout.creditColumn},
                                                 {cboBalanceColumn, m_layout.balanceColumn}};
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

void frmImport::showLayout() {
    m_showing = true;
    const bool csv = m_loaded.format == StatementFormat::Csv;
    fraLayout->setEnabled(csv);
    fraLayout->setVisible(csv);
    cboDateOrder->setEnabled(m_loaded.format != StatementFormat::Ofx);
    if (csv) {
        cboPreset->clear();
        cboPreset->addItem(QStringLiteral("As detected"), Detected);
        if (m_choices.csv)
            cboPreset->addItem(QStringLiteral("As last time"), Remembered);
        for (const CsvPreset& preset : CsvPresets::builtIn())
            cboPreset->addItem(preset.name, preset.name);
        cboPreset->setCurrentIndex(std::max(0, cboPreset->findData(m_layoutSource)));
        for (int i = 0; i < cboDelimiter->count(); ++i) {
            if (cboDelimiter->itemData(i).value<QChar>() == m_layout.delimiter)
                cboDelimiter->setCurrentIndex(i);
        }
        spnSkip->setValue(m_layout.skipLines);
        chkHeader->setChecked(m_layout.header);
        cboDecimal->setCurrentIndex(m_layout.decimal == u',' ? 1 : 0);
        cboAmounts->setCurrentIndex(m_layout.amounts == CsvLayout::Amounts::Signed ? 0 : 1);
        fillColumnLists();
        const bool signedAmounts = m_layout.amounts == CsvLayout::Amounts::Signed;
        cboAmountColumn->setEnabled(signedAmounts);
        cboDebitColumn->setEnabled(!signedAmounts);
        cboCreditColumn->setEnabled(!signedAmounts);
        cboDateOrder->setCurrentIndex(m_layout.dateOrder == DateOrder::DayFirst ? 0 : 1);
        chkFlip->setChecked(m_layout.flipSign);
    } else {
        cboDateOrder->setCurrentIndex(m_dateOrder == DateOrder::DayFirst ? 0 : 1);
        chkFlip->setChecked(m_flip);
    }
    m_showing = false;
    showStatus();
}

void frmImport::layoutEdited() {
    if (m_showing)
        return;
    const DateOrder order =
        cboDateOrder->currentIndex() == 1 ? DateOrder::MonthFirst : DateOrder::DayFirst;
    if (m_loaded.format == StatementFormat::Csv) {
        auto column = [](QComboBox* box) { return box->currentData().toInt(); };
        m_layout.delimiter = cboDelimiter->currentData().value<QChar>();
        m_layout.skipLines = spnSkip->value();
        m_layout.header = chkHeader->isChecked();
        m_layout.decimal = cboDecimal->currentData().value<QChar>();
        m_layout.amounts = cboAmounts->currentIndex() == 1 ? CsvLayout::Amounts::DebitCredit
                                                           : CsvLayout::Amounts::Signed;
        m_layout.dateColumn = column(cboDateColumn);
        m_layout.descriptionColumn = column(cboDescriptionColumn);
        m_layout.amountColumn = column(cboAmountColumn);
        m_layout.debitColumn = column(cboDebitColumn);
        m_layout.creditColumn = column(cboCreditColumn);
        m_layout.balanceColumn = column(cboBalanceColumn);
        m_layout.dateOrder = order;
        m_layout.flipSign = chkFlip->isChecked();
    } else {
        m_dateOrder = order;
        m_flip = chkFlip->isChecked();
    }
    QString error;
    readFile(&error);
    showLayout();
    if (!error.isEmpty())
        lblStatus->setText(error);
}

void frmImport::presetChosen(int index) {
    const QString source = cboPreset->itemData(index).toString();
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
                                        .arg(cboPreset->itemText(index), error));
        cboPreset->setCurrentIndex(std::max(0, cboPreset->findData(m_layoutSource)));
        return;
    }
    m_layout = *layout;
    m_layoutSource = source;
    readFile(&error);
    showLayout();
}

void frmImport::rulesEdited() {
    QString error;
    const auto rules = ColumnRules::fromText(txtRules->toPlainText(), &error);
    lblRules->setText(rules ? QString() : error);
    if (!rules)
        return;
    m_rules = *rules;
    m_preview.setRules(m_rules);
    m_model->reload();
    showStatus();
}

void frmImport::showStatus() {
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
    const Money close = m_preview.statement().closeBalance;
    if (closing && *closing == close)
        lines << QStringLiteral("With the ticked rows the statement reaches its closing balance, "
                                "%1.")
                     .arg(close.format());
    else if (closing)
        lines << QStringLiteral("With the ticked rows the statement reaches %1; its closing "
                                "balance is %2.")
                     .arg(closing->format(), close.format());
    lblStatus->setText(lines.join(u' '));
}

ImportChoices frmImport::choices() const {
    ImportChoices c = m_choices;
    if (m_loaded.format == StatementFormat::Csv)
        c.csv = m_layout;
    c.rules = m_rules;
    return c;
}

void frmImport::cmdImport_Click() {
    const int bad = m_preview.firstTickedUnreadable();
    if (bad >= 0) {
        const ImportedRow& row = m_preview.rows()[bad].source;
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

void frmImport::cmdCancel_Click() {
    reject();
}
