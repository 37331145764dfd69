#include "frmOffsetImport.h"

#include "data/ShortDate.h"
#include "report/core/ReportStore.h"
#include "shell/Dialogs.h"
#include "statements/import/ImportChoices.h"
#include "statements/import/OfxReader.h"
#include "statements/import/QifReader.h"

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

int frmOffsetImport::run(QWidget* parent, QSqlDatabase db) {
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
    std::unique_ptr<frmOffsetImport> window = open(*path, db, choices.csv, parent);
    if (!window || window->exec() != QDialog::Accepted)
        return 0;
    if (const std::optional<CsvLayout> layout = window->layout()) {
        choices.csv = layout;
        choices.store(db, ChoicesSetting);
    }
    return window->added();
}

std::unique_ptr<frmOffsetImport> frmOffsetImport::open(const QString& path, QSqlDatabase db,
                                                       const std::optional<CsvLayout>& remembered,
                                                       QWidget* parent) {
    StatementFile::Loaded loaded = StatementFile::load(path);
    if (!loaded.error.isEmpty()) {
        Dialogs::instance().message(loaded.error);
        return nullptr;
    }
    QSet<QDate> stored;
    QString error;
    if (!OffsetImport::storedDates(db, &stored, &error)) {
        Dialogs::instance().message(
            QStringLiteral("The offset account's balances cannot be read: %1").arg(error));
        return nullptr;
    }
    std::unique_ptr<frmOffsetImport> window(
        new frmOffsetImport(std::move(loaded), path, db, std::move(stored), remembered, parent));
    if (!window->start(&error)) {
        Dialogs::instance().message(
            QStringLiteral("%1 cannot be imported. %2").arg(QFileInfo(path).fileName(), error));
        return nullptr;
    }
    return window;
}

frmOffsetImport::frmOffsetImport(StatementFile::Loaded loaded, const QString& path, QSqlDatabase db,
                                 QSet<QDate> stored, const std::optional<CsvLayout>& remembered,
                                 QWidget* parent)
    : QDialog(parent), m_loaded(std::move(loaded)), m_db(db), m_stored(std::move(stored)),
      m_remembered(remembered) {
    setObjectName(QStringLiteral("frmOffsetImport"));
    setWindowTitle(Caption);
    if (m_loaded.format == StatementFormat::Csv)
        m_csv = std::make_unique<CsvReader>(m_loaded.text);
    createControls(path);
}

void frmOffsetImport::createControls(const QString& path) {
    auto* root = new QVBoxLayout(this);
    lblFile = new QLabel(
        QStringLiteral("%1 (%2)").arg(QDir::toNativeSeparators(path), formatName(m_loaded.format)));
    lblFile->setObjectName(QStringLiteral("lblFile"));
    root->addWidget(lblFile);

    auto* choices = new QHBoxLayout;
    lblPreset = new QLabel(QStringLiteral("&Layout:"));
    cboPreset = new QComboBox;
    cboPreset->setObjectName(QStringLiteral("cboPreset"));
    cboPreset->setAccessibleName(QStringLiteral("Layout"));
    lblPreset->setBuddy(cboPreset);
    lblDateOrder = new QLabel(QStringLiteral("&Date order:"));
    cboDateOrder = new QComboBox;
    cboDateOrder->setObjectName(QStringLiteral("cboDateOrder"));
    cboDateOrder->addItem(QStringLiteral("Day first (31/01/2024)"));
    cboDateOrder->addItem(QStringLiteral("Month first (01/31/2024)"));
    cboDateOrder->setAccessibleName(QStringLiteral("Date order"));
    lblDateOrder->setBuddy(cboDateOrder);
    choices->addWidget(lblPreset);
    choices->addWidget(cboPreset, 1);
    choices->addWidget(lblDateOrder);
    choices->addWidget(cboDateOrder);
    root->addLayout(choices);

    // Asked only of a file that states no balances.
    auto* opening = new QHBoxLayout;
    lblOpening = new QLabel(QStringLiteral("&Opening balance:"));
    txtOpening = new QLineEdit;
    txtOpening->setObjectName(QStringLiteral("txtOpening"));
    txtOpening->setAccessibleName(QStringLiteral("Opening balance"));
    txtOpening->setMaximumWidth(160);
    lblOpening->setBuddy(txtOpening);
    opening->addWidget(lblOpening);
    opening->addWidget(txtOpening);
    opening->addStretch(1);
    root->addLayout(opening);

    grdDays = new QTableWidget(0, 3);
    grdDays->setObjectName(QStringLiteral("grdDays"));
    grdDays->setAccessibleName(QStringLiteral("Balances at the end of each day"));
    grdDays->setHorizontalHeaderLabels(
        {QStringLiteral("Date"), QStringLiteral("Balance"), QStringLiteral("Status")});
    grdDays->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdDays->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdDays->verticalHeader()->hide();
    grdDays->horizontalHeader()->setStretchLastSection(true);
    grdDays->setColumnWidth(0, 120);
    grdDays->setColumnWidth(1, 140);
    root->addWidget(grdDays, 1);

    lblStatus = new QLabel;
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    root->addWidget(lblStatus);

    auto* buttons = new QHBoxLayout;
    cmdImport = new QPushButton(QStringLiteral("&Import"));
    cmdImport->setObjectName(QStringLiteral("cmdImport"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    // Enter in the opening balance must not import.
    cmdImport->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(cmdImport);
    buttons->addWidget(cmdCancel);
    root->addLayout(buttons);
    resize(560, 520);

    connect(cmdImport, &QPushButton::clicked, this, &frmOffsetImport::cmdImport_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOffsetImport::cmdCancel_Click);
    connect(cboPreset, &QComboBox::activated, this, &frmOffsetImport::presetChosen);
    connect(cboDateOrder, &QComboBox::currentIndexChanged, this, &frmOffsetImport::dateOrderChosen);
    connect(txtOpening, &QLineEdit::textChanged, this, &frmOffsetImport::showDays);
}

bool frmOffsetImport::start(QString* error) {
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

void frmOffsetImport::readFile(const ReadResult* given) {
    ReadResult result;
    if (given)
        result = *given;
    else if (m_loaded.format == StatementFormat::Csv)
        result = m_csv->read(m_layout);
    else if (m_loaded.format == StatementFormat::Qif)
        result = QifReader::read(m_loaded.text, m_dateOrder);
    else
        result = OfxReader::read(m_loaded.bytes);
    m_ambiguous = result.dateOrderAmbiguous;
    m_readError = result.error;
    m_rows = result.error.isEmpty() ? result.rows : QList<ImportedRow>();
}

bool frmOffsetImport::needsOpening() const {
    return m_readError.isEmpty() && !OffsetImport::statesBalances(m_rows);
}

void frmOffsetImport::showChoices() {
    m_showing = true;
    const bool csv = m_loaded.format == StatementFormat::Csv;
    lblPreset->setVisible(csv);
    cboPreset->setVisible(csv);
    // OFX dates have one reading.
    lblDateOrder->setVisible(m_loaded.format != StatementFormat::Ofx);
    cboDateOrder->setVisible(m_loaded.format != StatementFormat::Ofx);
    if (csv) {
        cboPreset->clear();
        cboPreset->addItem(QStringLiteral("As detected"), Detected);
        if (m_remembered)
            cboPreset->addItem(QStringLiteral("As last time"), Remembered);
        for (const CsvPreset& preset : CsvPresets::builtIn())
            cboPreset->addItem(preset.name, preset.name);
        cboPreset->setCurrentIndex(std::max(0, cboPreset->findData(m_layoutSource)));
    }
    const DateOrder order = csv ? m_layout.dateOrder : m_dateOrder;
    cboDateOrder->setCurrentIndex(order == DateOrder::DayFirst ? 0 : 1);
    m_showing = false;
}

void frmOffsetImport::showDays() {
    const bool opening = needsOpening();
    lblOpening->setVisible(opening);
    txtOpening->setVisible(opening);
    const QString openingText = txtOpening->text().trimmed();
    const std::optional<Money> openingBalance =
        opening ? Money::parse(openingText) : std::optional<Money>();
    m_days = OffsetImport::daily(m_rows, openingBalance);
    OffsetImport::markStored(m_days.days, m_stored);

    grdDays->setRowCount(int(m_days.days.size()));
    int stored = 0;
    for (int i = 0; i < m_days.days.size(); ++i) {
        const OffsetImport::Day& d = m_days.days[i];
        auto* balance = new QTableWidgetItem(d.balance.format());
        balance->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grdDays->setItem(i, 0, new QTableWidgetItem(ShortDate::format(d.date)));
        grdDays->setItem(i, 1, balance);
        grdDays->setItem(i, 2, new QTableWidgetItem(d.stored ? AlreadyStored : New));
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
    lblStatus->setText(lines.join(u'\n'));
}

void frmOffsetImport::presetChosen(int index) {
    const QString source = cboPreset->itemData(index).toString();
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
                                        .arg(cboPreset->itemText(index), error));
        showChoices();
        return;
    }
    m_layout = *layout;
    m_layoutSource = source;
    readFile();
    showChoices();
    showDays();
}

void frmOffsetImport::dateOrderChosen(int index) {
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

std::optional<CsvLayout> frmOffsetImport::layout() const {
    if (m_loaded.format != StatementFormat::Csv)
        return std::nullopt;
    return m_layout;
}

void frmOffsetImport::cmdImport_Click() {
    if (!m_readError.isEmpty()) {
        Dialogs::instance().message(
            QStringLiteral("The file does not read in this layout: %1").arg(m_readError));
        return;
    }
    if (needsOpening()) {
        const QString text = txtOpening->text().trimmed();
        if (text.isEmpty() || !Money::parse(text)) {
            Dialogs::instance().message(text.isEmpty() ? OpeningNeeded
                                                       : OpeningUnreadable.arg(text));
            txtOpening->setFocus();
            txtOpening->selectAll();
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

void frmOffsetImport::cmdCancel_Click() {
    reject();
}
