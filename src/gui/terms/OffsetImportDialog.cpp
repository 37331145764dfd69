#include "OffsetImportDialog.h"

#include "data/ShortDate.h"
#include "engine/ReportStore.h"
#include "import/ImportChoices.h"
#include "import/QifReader.h"
#include "shell/BusyDialog.h"
#include "shell/Dialogs.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString Caption = QStringLiteral("Import Offset Balances");
const QString Remembered = QStringLiteral("remembered");
const QString Detected = QStringLiteral("detected");
const QString New = QStringLiteral("New");
const QString AlreadyStored = QStringLiteral("Already stored");
const QString OpeningNeeded =
    QStringLiteral("The file states no balances: type the offset account's balance before its "
                   "first transaction as the opening balance.");
const QString OpeningUnreadable =
    QStringLiteral("The opening balance \"%1\" does not read as an amount of money, such as "
                   "1,234.56 or -25.00.");

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

QString rows(int n) {
    return n == 1 ? QStringLiteral("1 row") : QStringLiteral("%1 rows").arg(n);
}

} // namespace

int OffsetImportDialog::run(QWidget* parent, QSqlDatabase db) {
    FileDialogRequest request;
    request.kind = FileDialogRequest::Open;
    request.title = Caption;
    request.filter = StatementFile::dialogFilter();
    request.folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    const std::optional<QString> path = Dialogs::instance().chooseFile(request);
    if (!path)
        return 0;
    // The account remembers the last CSV layout; a file without one detects it afresh.
    ImportChoices choices = ImportChoices::load(db, ChoicesSetting);
    std::unique_ptr<OffsetImportDialog> window = open(*path, db, choices.csv, parent);
    if (!window || window->exec() != QDialog::Accepted)
        return 0;
    if (const std::optional<CsvLayout> layout = window->layout()) {
        choices.csv = layout;
        QString error;
        if (!choices.store(db, ChoicesSetting, &error))
            Dialogs::instance().message(
                QStringLiteral("The balances were imported, but the file's layout could not be "
                               "remembered: ") +
                error);
    }
    return window->added();
}

std::unique_ptr<OffsetImportDialog>
OffsetImportDialog::open(const QString& path, QSqlDatabase db,
                         const std::optional<CsvLayout>& remembered, QWidget* parent) {
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
    QSet<QDate> stored;
    QString error;
    if (!OffsetImport::storedDates(db, &stored, &error)) {
        Dialogs::instance().message(
            QStringLiteral("The offset account's balances cannot be read: %1").arg(error));
        return nullptr;
    }
    std::unique_ptr<OffsetImportDialog> window(
        new OffsetImportDialog(std::move(loaded), path, db, std::move(stored), remembered, parent));
    window->m_ofx = std::move(ofx);
    if (!window->start(&error)) {
        Dialogs::instance().message(
            QStringLiteral("%1 cannot be imported. %2").arg(QFileInfo(path).fileName(), error));
        return nullptr;
    }
    return window;
}

OffsetImportDialog::OffsetImportDialog(StatementFile::Loaded loaded, const QString& path,
                                       QSqlDatabase db, QSet<QDate> stored,
                                       const std::optional<CsvLayout>& remembered, QWidget* parent)
    : QDialog(parent), m_loaded(std::move(loaded)), m_db(db), m_stored(std::move(stored)),
      m_remembered(remembered) {
    setObjectName(QStringLiteral("OffsetImportDialog"));
    setWindowTitle(Caption);
    if (m_loaded.format == StatementFormat::Csv)
        m_csv = std::make_unique<CsvReader>(m_loaded.text);
    createControls(path);
}

void OffsetImportDialog::createControls(const QString& path) {
    auto* root = new QVBoxLayout(this);
    fileLabel = new QLabel(
        QStringLiteral("%1 (%2)").arg(QDir::toNativeSeparators(path), formatName(m_loaded.format)));
    fileLabel->setObjectName(QStringLiteral("lblFile"));
    root->addWidget(fileLabel);

    auto* choices = new QHBoxLayout;
    presetLabel = new QLabel(QStringLiteral("&Layout:"));
    presetCombo = new QComboBox;
    presetCombo->setObjectName(QStringLiteral("cboPreset"));
    presetCombo->setAccessibleName(QStringLiteral("Layout"));
    presetLabel->setBuddy(presetCombo);
    dateOrderLabel = new QLabel(QStringLiteral("&Date order:"));
    dateOrderCombo = new QComboBox;
    dateOrderCombo->setObjectName(QStringLiteral("cboDateOrder"));
    dateOrderCombo->addItem(QStringLiteral("Day first (31/01/2024)"));
    dateOrderCombo->addItem(QStringLiteral("Month first (01/31/2024)"));
    dateOrderCombo->setAccessibleName(QStringLiteral("Date order"));
    dateOrderLabel->setBuddy(dateOrderCombo);
    choices->addWidget(presetLabel);
    choices->addWidget(presetCombo, 1);
    choices->addWidget(dateOrderLabel);
    choices->addWidget(dateOrderCombo);
    root->addLayout(choices);

    // Asked only of a file that states no balances.
    auto* opening = new QHBoxLayout;
    openingLabel = new QLabel(QStringLiteral("&Opening balance:"));
    openingEdit = new QLineEdit;
    openingEdit->setObjectName(QStringLiteral("txtOpening"));
    openingEdit->setAccessibleName(QStringLiteral("Opening balance"));
    openingEdit->setMaximumWidth(160);
    openingLabel->setBuddy(openingEdit);
    opening->addWidget(openingLabel);
    opening->addWidget(openingEdit);
    opening->addStretch(1);
    root->addLayout(opening);

    daysGrid = new QTableWidget(0, 3);
    daysGrid->setObjectName(QStringLiteral("grdDays"));
    daysGrid->setAccessibleName(QStringLiteral("Balances at the end of each day"));
    daysGrid->setHorizontalHeaderLabels(
        {QStringLiteral("Date"), QStringLiteral("Balance"), QStringLiteral("Status")});
    daysGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    daysGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    daysGrid->verticalHeader()->hide();
    daysGrid->horizontalHeader()->setStretchLastSection(true);
    daysGrid->setColumnWidth(0, 120);
    daysGrid->setColumnWidth(1, 140);
    root->addWidget(daysGrid, 1);

    statusLabel = new QLabel;
    statusLabel->setObjectName(QStringLiteral("lblStatus"));
    statusLabel->setWordWrap(true);
    root->addWidget(statusLabel);

    auto* buttons = new QHBoxLayout;
    importButton = new QPushButton(QStringLiteral("&Import"));
    importButton->setObjectName(QStringLiteral("cmdImport"));
    cancelButton = new QPushButton(QStringLiteral("Cancel"));
    cancelButton->setObjectName(QStringLiteral("cmdCancel"));
    // Enter in the opening balance must not import.
    importButton->setAutoDefault(false);
    cancelButton->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(importButton);
    buttons->addWidget(cancelButton);
    root->addLayout(buttons);
    resize(560, 520);

    connect(importButton, &QPushButton::clicked, this, &OffsetImportDialog::importBalances);
    connect(cancelButton, &QPushButton::clicked, this, &OffsetImportDialog::cancel);
    connect(presetCombo, &QComboBox::activated, this, &OffsetImportDialog::presetChosen);
    connect(dateOrderCombo, &QComboBox::currentIndexChanged, this,
            &OffsetImportDialog::dateOrderChosen);
    connect(openingEdit, &QLineEdit::textChanged, this, &OffsetImportDialog::showDays);
}

bool OffsetImportDialog::start(QString* error) {
    switch (m_loaded.format) {
    case StatementFormat::Csv: {
        QString why;
        if (const auto proposal = m_csv->propose(m_remembered, &why)) {
            m_layout = proposal->layout;
            m_layoutSource = proposal->source;
            readFile(&proposal->result);
            break;
        }
        // Nothing detected: the first preset that fits is read, its rows that do not read left
        // out, and the user may choose another.
        const QList<CsvPreset>& presets = CsvPresets::builtIn();
        const auto fits = std::find_if(presets.begin(), presets.end(), [this](const CsvPreset& p) {
            return m_csv->fit(p, nullptr).has_value();
        });
        if (fits == presets.end()) {
            *error = why;
            return false;
        }
        m_layout = *m_csv->fit(*fits, nullptr);
        m_layoutSource = fits->name;
        readFile();
        break;
    }
    case StatementFormat::Qif: {
        const ReadResult r = QifReader::read(m_loaded.text);
        m_dateOrder = r.dateOrder;
        readFile(&r);
        break;
    }
    case StatementFormat::Ofx:
        readFile();
        break;
    }
    if (!m_readError.isEmpty()) {
        *error = m_readError;
        return false;
    }
    const bool csv = m_loaded.format == StatementFormat::Csv;
    // A remembered layout carries the user's answer already.
    if (m_ambiguous && !(csv && m_layoutSource == Remembered)) {
        const bool dayFirst = Dialogs::instance().question(
            QStringLiteral("The dates of this file read both with the day first and with the "
                           "month first.\nAre the days first, as in 31/01/2024?"));
        const DateOrder order = dayFirst ? DateOrder::DayFirst : DateOrder::MonthFirst;
        DateOrder& read = csv ? m_layout.dateOrder : m_dateOrder;
        if (order != read) {
            read = order;
            readFile();
        }
    }
    showChoices();
    showDays();
    return true;
}

void OffsetImportDialog::readFile(const ReadResult* given) {
    ReadResult result;
    if (given)
        result = *given;
    else if (m_loaded.format == StatementFormat::Csv)
        result = m_csv->read(m_layout);
    else if (m_loaded.format == StatementFormat::Qif)
        result = QifReader::read(m_loaded.text, m_dateOrder);
    else
        result = m_ofx;
    m_ambiguous = result.dateOrderAmbiguous;
    m_readError = result.error;
    m_rows = result.error.isEmpty() ? result.rows : QList<ImportedRow>();
}

bool OffsetImportDialog::needsOpening() const {
    return m_readError.isEmpty() && !OffsetImport::statesBalances(m_rows);
}

void OffsetImportDialog::showChoices() {
    m_showing = true;
    const bool csv = m_loaded.format == StatementFormat::Csv;
    presetLabel->setVisible(csv);
    presetCombo->setVisible(csv);
    // OFX dates have one reading.
    dateOrderLabel->setVisible(m_loaded.format != StatementFormat::Ofx);
    dateOrderCombo->setVisible(m_loaded.format != StatementFormat::Ofx);
    if (csv) {
        presetCombo->clear();
        presetCombo->addItem(QStringLiteral("As detected"), Detected);
        if (m_remembered)
            presetCombo->addItem(QStringLiteral("As last time"), Remembered);
        for (const CsvPreset& preset : CsvPresets::builtIn())
            presetCombo->addItem(preset.name, preset.name);
        presetCombo->setCurrentIndex(std::max(0, presetCombo->findData(m_layoutSource)));
    }
    const DateOrder order = csv ? m_layout.dateOrder : m_dateOrder;
    dateOrderCombo->setCurrentIndex(order == DateOrder::DayFirst ? 0 : 1);
    m_showing = false;
}

void OffsetImportDialog::showDays() {
    const bool opening = needsOpening();
    openingLabel->setVisible(opening);
    openingEdit->setVisible(opening);
    const QString openingText = openingEdit->text().trimmed();
    const std::optional<Money> openingBalance =
        opening ? Money::parse(openingText) : std::optional<Money>();
    m_days = OffsetImport::daily(m_rows, openingBalance);
    OffsetImport::markStored(m_days.days, m_stored);

    daysGrid->setRowCount(int(m_days.days.size()));
    int stored = 0;
    for (int i = 0; i < m_days.days.size(); ++i) {
        const OffsetImport::Day& d = m_days.days[i];
        auto* balance = new QTableWidgetItem(d.balance.format());
        balance->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        daysGrid->setItem(i, 0, new QTableWidgetItem(ShortDate::format(d.date)));
        daysGrid->setItem(i, 1, balance);
        daysGrid->setItem(i, 2, new QTableWidgetItem(d.stored ? AlreadyStored : New));
        stored += d.stored ? 1 : 0;
    }

    QStringList lines;
    if (!m_readError.isEmpty())
        lines << m_readError;
    else if (opening && openingText.isEmpty())
        lines << OpeningNeeded;
    else if (opening && !openingBalance)
        lines << OpeningUnreadable.arg(openingText);
    else if (!m_days.error.isEmpty())
        lines << m_days.error;
    else
        lines << QStringLiteral("%1 days: %2 new, %3 already stored.")
                     .arg(m_days.days.size())
                     .arg(m_days.days.size() - stored)
                     .arg(stored);
    if (m_days.unreadable > 0)
        lines << QStringLiteral("%1 of the file do not read and are left out.")
                     .arg(rows(m_days.unreadable));
    if (m_days.beforeFirstBalance > 0)
        lines << QStringLiteral("%1 before the file's first balance are left out: the balance "
                                "of their days is not known.")
                     .arg(rows(m_days.beforeFirstBalance));
    statusLabel->setText(lines.join(u'\n'));
}

void OffsetImportDialog::presetChosen(int index) {
    const QString source = presetCombo->itemData(index).toString();
    std::optional<CsvLayout> layout;
    QString error;
    if (source == Detected) {
        layout = m_csv->detect(m_layout.dateOrder, &error);
    } else if (source == Remembered) {
        layout = m_remembered;
    } else {
        for (const CsvPreset& preset : CsvPresets::builtIn()) {
            if (preset.name == source)
                layout = m_csv->fit(preset, &error);
        }
    }
    if (!layout) {
        Dialogs::instance().message(QStringLiteral("The layout \"%1\" does not fit this file. %2")
                                        .arg(presetCombo->itemText(index), error));
        showChoices();
        return;
    }
    m_layout = *layout;
    m_layoutSource = source;
    readFile();
    showChoices();
    showDays();
}

void OffsetImportDialog::dateOrderChosen(int index) {
    if (m_showing)
        return;
    const DateOrder order = index == 1 ? DateOrder::MonthFirst : DateOrder::DayFirst;
    if (m_loaded.format == StatementFormat::Csv)
        m_layout.dateOrder = order;
    else
        m_dateOrder = order;
    readFile();
    showDays();
}

std::optional<CsvLayout> OffsetImportDialog::layout() const {
    if (m_loaded.format != StatementFormat::Csv)
        return std::nullopt;
    return m_layout;
}

void OffsetImportDialog::importBalances() {
    if (!m_readError.isEmpty()) {
        Dialogs::instance().message(
            QStringLiteral("The file does not read in this layout: %1").arg(m_readError));
        return;
    }
    if (needsOpening()) {
        const QString text = openingEdit->text().trimmed();
        if (text.isEmpty() || !Money::parse(text)) {
            Dialogs::instance().message(text.isEmpty() ? OpeningNeeded
                                                       : OpeningUnreadable.arg(text));
            openingEdit->setFocus();
            openingEdit->selectAll();
            return;
        }
    }
    if (!m_days.error.isEmpty()) {
        Dialogs::instance().message(m_days.error);
        return;
    }
    const QVector<OffsetBalance> balances = OffsetImport::newBalances(m_days.days);
    if (balances.isEmpty()) {
        Dialogs::instance().message(
            m_days.days.isEmpty()
                ? QStringLiteral("The file gives no day's balance: there is nothing to import.")
                : QStringLiteral("Every day of the file already has a balance in the account: "
                                 "there is nothing to import."));
        return;
    }
    QString error;
    if (!ReportStore::addOffsetBalances(m_db, balances, &error)) {
        Dialogs::instance().message(QStringLiteral("Import Error: ") + error);
        return;
    }
    m_added = int(balances.size());
    accept();
}

void OffsetImportDialog::cancel() {
    reject();
}
