#include "OffsetWindow.h"

#include "OffsetImportDialog.h"
#include "data/Queries.h"
#include "engine/AccountStore.h"
#include "shell/Dialogs.h"
#include "shell/WindowHost.h"
#include "shell/Windows.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString MoneyFormat = QStringLiteral("#,##0.00");
// Dates show and read as the user's Short Date, as in the other grids.
const QString DateFormat;
} // namespace

OffsetWindow::OffsetWindow(WindowHost& main)
    : RecordForm(main, WindowNames::Offset, Variant::Grid) {
    setWindowTitle(tr("Offset Account"));
    setGridColumns({{"ID", "ID", QString(), true},
                    {tr("Date"), "Date", DateFormat},
                    {tr("Balance"), "Balance", MoneyFormat}});
    showRecordButtons({"cmdAdd", "cmdDelete", "cmdClose"});
    picStatBox->hide();
    grdDataGrid->setObjectName("balancesGrid");
    grdDataGrid->setAccessibleName(tr("Offset account balances"));
    grdDataGrid->horizontalHeader()->setStretchLastSection(true);
    grdDataGrid->horizontalHeader()->setDefaultSectionSize(140);

    bodyLayout()->insertWidget(0, createSettings());

    importButton = new QPushButton(tr("&Import..."), picButtons);
    importButton->setObjectName("importButton");
    QAbstractButton* closeButton = button("cmdClose");
    buttonBarLayout()->insertWidget(buttonBarLayout()->indexOf(closeButton), importButton);
    setTabOrder(offsetCheck, shareEdit);
    setTabOrder(shareEdit, grdDataGrid);
    setTabOrder(grdDataGrid, button("cmdAdd"));
    setTabOrder(button("cmdAdd"), button("cmdDelete"));
    setTabOrder(button("cmdDelete"), importButton);
    setTabOrder(importButton, closeButton);
    setMinimumSize(460, 420);

    Form_Load(Queries::OffsetBalances);
    // A balance says something about a day only with both.
    if (adoPrimaryRS) {
        adoPrimaryRS->setRequired(QStringLiteral("Date"));
        adoPrimaryRS->setRequired(QStringLiteral("Balance"));
    }
    // An account that cannot be read shows no offset account; storing then says what is wrong.
    OffsetAccount stored;
    QString error;
    if (m_connection.isOpen() &&
        !AccountStore::readOffset(m_connection.database(), &stored, &error))
        Dialogs::instance().message(error);
    m_enabled = stored.enabled;
    m_share = stored.share;
    showSettings();

    connect(offsetCheck, &QCheckBox::toggled, this, [this] { offsetToggled(); });
    connect(shareEdit, &QLineEdit::editingFinished, this, [this] {
        // The focus leaving a window that is going is no edit of the user's.
        if (!isUnloaded())
            validateShare();
    });
    connect(importButton, &QPushButton::clicked, this, &OffsetWindow::importBalances);
    offsetCheck->setFocus();
}

// Whether there is an offset account, the share that counts and the balances' caption.
QWidget* OffsetWindow::createSettings() {
    auto* settings = new QWidget(this);
    settings->setObjectName("settingsGroup");
    auto* top = new QVBoxLayout(settings);
    introLabel = new QLabel(
        tr("An offset account is a transaction account whose balance the lender sets against the "
           "loan's before it works out the interest. Enter its balance at the end of each day on "
           "which it changed (each holds until the next one), or import them from the bank's "
           "file."),
        settings);
    introLabel->setObjectName("introLabel");
    introLabel->setWordWrap(true);
    offsetCheck = new QCheckBox(tr("This loan has an &offset account"), settings);
    offsetCheck->setObjectName("offsetCheck");
    shareLabel = new QLabel(tr("&Share that counts (%):"), settings);
    shareLabel->setObjectName("shareLabel");
    shareEdit = new QLineEdit(settings);
    shareEdit->setObjectName("shareEdit");
    shareEdit->setMaxLength(10);
    shareEdit->setMaximumWidth(90);
    shareEdit->setAccessibleName(tr("Share that counts (%)"));
    shareLabel->setBuddy(shareEdit);
    auto* shareRow = new QHBoxLayout;
    shareRow->addWidget(shareLabel);
    shareRow->addWidget(shareEdit);
    shareRow->addStretch(1);
    balancesLabel = new QLabel(tr("&Balances at the end of each day:"), settings);
    balancesLabel->setObjectName("balancesLabel");
    balancesLabel->setBuddy(grdDataGrid);
    top->addWidget(introLabel);
    top->addWidget(offsetCheck);
    top->addLayout(shareRow);
    top->addWidget(balancesLabel);
    return settings;
}

void OffsetWindow::showSettings() {
    m_showing = true;
    offsetCheck->setChecked(m_enabled);
    shareEdit->setText(Offset::shareText(m_share));
    m_showing = false;
    enableBalances();
}

void OffsetWindow::enableBalances() {
    // Unticked, the balances stay stored for the day the box is ticked again.
    for (QWidget* w :
         std::initializer_list<QWidget*>{shareLabel, shareEdit, balancesLabel, grdDataGrid,
                                         button("cmdAdd"), button("cmdDelete"), importButton})
        w->setEnabled(m_enabled);
}

bool OffsetWindow::storeSettings(bool enabled, int share) {
    QString error;
    if (!m_connection.isOpen()) {
        error = m_connection.lastError();
    } else if (AccountStore::writeOffsetSettings(m_connection.database(), enabled, share, &error)) {
        m_enabled = enabled;
        m_share = share;
        showSettings();
        return true;
    }
    // Nothing was stored: the window shows what the account holds.
    showSettings();
    Dialogs::instance().message(
        tr("The offset account's settings could not be stored: %1").arg(error));
    return false;
}

void OffsetWindow::offsetToggled() {
    if (m_showing || isUnloaded())
        return;
    const bool on = offsetCheck->isChecked();
    if (!on) {
        // A row being typed is saved before the grid is put away, or the box stays ticked.
        QString error;
        if (!saveTypedRow(&error)) {
            showSettings();
            if (!error.isEmpty())
                reportError(Operation::Update, error);
            return;
        }
    }
    storeSettings(on, m_share);
}

bool OffsetWindow::validateShare() {
    if (m_showing)
        return true;
    const QString typed = shareEdit->text().trimmed();
    const std::optional<int> share = Offset::shareFromText(typed);
    if (!share) {
        // The field shows the stored share before the message, so that the focus the message
        // takes does not validate the refused text a second time.
        showSettings();
        Dialogs::instance().message(
            tr("\"%1\" is not a share that can count. Type a per cent from 0 to 100 with at "
               "most two decimals, such as 100, 40 or 33.5. The share stays %2 %.")
                .arg(typed, Offset::shareText(m_share)));
        return false;
    }
    if (*share == m_share) {
        showSettings();
        return true;
    }
    return storeSettings(m_enabled, *share);
}

void OffsetWindow::importBalances() {
    // What is typed is saved first: the preview marks the dates the account already has.
    QString error;
    if (!saveTypedRow(&error)) {
        if (!error.isEmpty())
            reportError(Operation::Update, error);
        return;
    }
    if (!m_connection.isOpen()) {
        Dialogs::instance().message(m_connection.lastError());
        return;
    }
    if (OffsetImportDialog::run(m_main.dialogParent(), m_connection.database()) > 0)
        cmdRefresh_Click();
    grdDataGrid->setFocus();
}

void OffsetWindow::cmdDelete_Click() {
    if (!adoPrimaryRS || adoPrimaryRS->currentRow() < 0)
        return;
    const int row = adoPrimaryRS->currentRow();
    // A row still being typed goes without a question: deleting it is how it is abandoned.
    if (!adoPrimaryRS->isNewRow(row)) {
        const QString date = gridModel()->index(row, colDate).data().toString();
        const QString balance = gridModel()->index(row, colBalance).data().toString();
        if (!Dialogs::instance().question(tr("Delete the balance of %1 (%2)?").arg(date, balance)))
            return;
    }
    RecordForm::cmdDelete_Click();
    grdDataGrid->setFocus();
}

void OffsetWindow::cmdClose_Click() {
    if (!validateShare())
        return;
    RecordForm::cmdClose_Click();
}

bool OffsetWindow::keyLeftToControl(const QWidget* target, const QKeyEvent& key) const {
    // The share keeps its Home, End and arrows; Escape still closes.
    if (target == shareEdit && key.key() != Qt::Key_Escape)
        return true;
    return RecordForm::keyLeftToControl(target, key);
}

bool OffsetWindow::eventFilter(QObject* watched, QEvent* event) {
    // Delete on the grid (not in a cell being typed into) deletes the row.
    if (event->type() == QEvent::KeyPress && watched == grdDataGrid && !isUnloaded()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            cmdDelete_Click();
            return true;
        }
    }
    return RecordForm::eventFilter(watched, event);
}

void OffsetWindow::closeEvent(QCloseEvent* event) {
    if (closedByUser() && !validateShare()) {
        event->ignore();
        return;
    }
    RecordForm::closeEvent(event);
}

void OffsetWindow::formUnload() {
    // New or Open is under way, or the window closes: a share typed but not yet stored goes in.
    validateShare();
    RecordForm::formUnload();
}
