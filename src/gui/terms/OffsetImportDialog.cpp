#include "OffsetImportDialog.h"

#include "data/ShortDate.h"
#include "engine/AccountStore.h"
#include "import/BankSummary.h"
#include "import/ImportChoices.h"
#include "shell/CsvLayoutPanel.h"
#include "shell/Dialogs.h"
#include "shell/ImportSteps.h"
#include "shell/WindowFit.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// A line about some rows of the file: its singular and plural each a text of their own.
QString rowsLine(int n, const QString& one, const QString& many) {
    return n == 1 ? one : many.arg(n);
}

} // namespace

QString OffsetImportDialog::caption() {
    return tr("Import Offset Balances");
}

QString OffsetImportDialog::openingNeeded() {
    return tr("The file states no balances: type the offset account's balance before its first "
              "transaction as the opening balance.");
}

QString OffsetImportDialog::openingUnreadable(const QString& typed) {
    return tr("The opening balance \"%1\" does not read as an amount of money, such as "
              "1,234.56 or -25.00.")
        .arg(typed);
}

int OffsetImportDialog::run(QWidget* parent, QSqlDatabase db) {
    const std::optional<QString> path = ImportSteps::chooseFile(caption());
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
                tr("The balances were imported, but the file's layout could not be remembered: %1")
                    .arg(error));
    }
    return window->added();
}

std::unique_ptr<OffsetImportDialog>
OffsetImportDialog::open(const QString& path, QSqlDatabase db,
                         const std::optional<CsvLayout>& remembered, QWidget* parent) {
    std::unique_ptr<ImportSession> session = ImportSteps::load(path, parent);
    if (!session)
        return nullptr;
    QSet<QDate> stored;
    QString error;
    if (!OffsetImport::storedDates(db, &stored, &error)) {
        Dialogs::instance().message(
            tr("The offset account's balances cannot be read: %1").arg(error));
        return nullptr;
    }
    std::unique_ptr<OffsetImportDialog> window(
        new OffsetImportDialog(std::move(session), db, std::move(stored), parent));
    // A file that no layout reads whole is still shown: the rows that do not read are left out.
    if (!ImportSteps::start(*window->m_session, remembered,
                            ImportSession::Fallback::FirstPresetThatFits))
        return nullptr;
    window->layoutPanel->showLayout();
    window->showDays();
    return window;
}

OffsetImportDialog::OffsetImportDialog(std::unique_ptr<ImportSession> session, QSqlDatabase db,
                                       QSet<QDate> stored, QWidget* parent)
    : QDialog(parent), m_session(std::move(session)), m_db(db), m_stored(std::move(stored)) {
    setObjectName(QStringLiteral("OffsetImportDialog"));
    setWindowTitle(caption());
    createControls();
}

void OffsetImportDialog::createControls() {
    auto* root = new QVBoxLayout(this);
    layoutPanel = ImportSteps::addHeader(root, *m_session, CsvLayoutPanel::Shape::Compact);

    // Asked only of a file that states no balances.
    auto* opening = new QHBoxLayout;
    openingLabel = new QLabel(tr("&Opening balance:"));
    openingEdit = new QLineEdit;
    openingEdit->setObjectName(QStringLiteral("openingEdit"));
    openingEdit->setAccessibleName(tr("Opening balance"));
    openingEdit->setMaximumWidth(160);
    openingLabel->setBuddy(openingEdit);
    opening->addWidget(openingLabel);
    opening->addWidget(openingEdit);
    opening->addStretch(1);
    root->addLayout(opening);

    daysGrid = new QTableWidget(0, 3);
    daysGrid->setObjectName(QStringLiteral("daysGrid"));
    daysGrid->setAccessibleName(tr("Balances at the end of each day"));
    daysGrid->setHorizontalHeaderLabels({tr("Date"), tr("Balance"), tr("Status")});
    daysGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    daysGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    daysGrid->verticalHeader()->hide();
    daysGrid->horizontalHeader()->setStretchLastSection(true);
    daysGrid->setColumnWidth(0, 120);
    daysGrid->setColumnWidth(1, 140);
    root->addWidget(daysGrid, 1);

    const ImportSteps::Footer footer = ImportSteps::addFooter(root);
    statusLabel = footer.status;
    WindowFit::openWithin(this, QSize(560, 520));

    connect(footer.importButton, &QPushButton::clicked, this, &OffsetImportDialog::importBalances);
    connect(footer.cancelButton, &QPushButton::clicked, this, &OffsetImportDialog::cancel);
    connect(layoutPanel, &CsvLayoutPanel::layoutEdited, this, &OffsetImportDialog::showDays);
    connect(layoutPanel, &CsvLayoutPanel::presetChosen, this, &OffsetImportDialog::showDays);
    connect(openingEdit, &QLineEdit::textChanged, this, &OffsetImportDialog::showDays);
}

bool OffsetImportDialog::needsOpening() const {
    const ReadResult& read = m_session->result();
    return read.error.isEmpty() && !statesBalances(read.rows);
}

void OffsetImportDialog::showDays() {
    const bool opening = needsOpening();
    // The opening balance the file's own lines state, offered once: what the user then types
    // or clears stays.
    if (opening && !m_openingOffered) {
        m_openingOffered = true;
        if (const auto offered = BankSummary::offeredOpening(m_session->result().summary);
            offered && openingEdit->text().trimmed().isEmpty()) {
            const QSignalBlocker blocker(openingEdit);
            openingEdit->setText(offered->toPlainText());
        }
    }
    openingLabel->setVisible(opening);
    openingEdit->setVisible(opening);
    const QString openingText = openingEdit->text().trimmed();
    const std::optional<Money> openingBalance =
        opening ? Money::parse(openingText) : std::optional<Money>();
    m_days = OffsetImport::daily(m_session->result().rows, openingBalance);
    OffsetImport::markStored(m_days.days, m_stored);

    daysGrid->setRowCount(int(m_days.days.size()));
    int stored = 0;
    const QString alreadyStored = tr("Already stored");
    //: a day's balance the account does not hold yet
    const QString newDay = tr("New");
    for (int i = 0; i < m_days.days.size(); ++i) {
        const OffsetImport::Day& d = m_days.days[i];
        auto* balance = new QTableWidgetItem(d.balance.format());
        balance->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        daysGrid->setItem(i, 0, new QTableWidgetItem(ShortDate::format(d.date)));
        daysGrid->setItem(i, 1, balance);
        daysGrid->setItem(i, 2, new QTableWidgetItem(d.stored ? alreadyStored : newDay));
        stored += d.stored ? 1 : 0;
    }

    const QString& readError = m_session->result().error;
    QStringList lines;
    if (!readError.isEmpty())
        lines << readError;
    else if (opening && openingText.isEmpty())
        lines << openingNeeded();
    else if (opening && !openingBalance)
        lines << openingUnreadable(openingText);
    else if (!m_days.error.isEmpty())
        lines << m_days.error;
    else
        lines << tr("%1 days: %2 new, %3 already stored.")
                     .arg(m_days.days.size())
                     .arg(m_days.days.size() - stored)
                     .arg(stored);
    if (m_days.unreadable > 0)
        lines << rowsLine(m_days.unreadable, tr("1 row of the file do not read and are left out."),
                          tr("%1 rows of the file do not read and are left out."));
    if (const QString note = m_session->signNote(); !note.isEmpty())
        lines << note;
    if (const QString note = m_session->dateNote(); !note.isEmpty())
        lines << note;
    if (m_days.pending > 0)
        lines << rowsLine(m_days.pending, tr("1 row without a date yet (pending) are left out."),
                          tr("%1 rows without a date yet (pending) are left out."));
    if (m_days.beforeFirstBalance > 0)
        lines << rowsLine(m_days.beforeFirstBalance,
                          tr("1 row before the file's first balance are left out: the balance of "
                             "their days is not known."),
                          tr("%1 rows before the file's first balance are left out: the balance "
                             "of their days is not known."));
    lines << BankSummary::sentences(m_session->result().summary);
    statusLabel->setText(lines.join(u'\n'));
}

std::optional<CsvLayout> OffsetImportDialog::layout() const {
    return m_session->csvLayout();
}

void OffsetImportDialog::importBalances() {
    if (const QString& readError = m_session->result().error; !readError.isEmpty()) {
        Dialogs::instance().message(tr("The file does not read in this layout: %1").arg(readError));
        return;
    }
    if (needsOpening()) {
        const QString text = openingEdit->text().trimmed();
        if (text.isEmpty() || !Money::parse(text)) {
            Dialogs::instance().message(text.isEmpty() ? openingNeeded() : openingUnreadable(text));
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
                ? tr("The file gives no day's balance: there is nothing to import.")
                : tr("Every day of the file already has a balance in the account: there is "
                     "nothing to import."));
        return;
    }
    QString error;
    if (!AccountStore::addOffsetBalances(m_db, balances, &error)) {
        Dialogs::instance().message(tr("Import Error: %1").arg(error));
        return;
    }
    m_added = int(balances.size());
    accept();
}

void OffsetImportDialog::cancel() {
    reject();
}
