#include "LoanSetWindow.h"

#include "data/AccountConnection.h"
#include "data/ProgramPaths.h"
#include "shell/Captions.h"
#include "shell/Dialogs.h"
#include "shell/Keyboard.h"
#include "shell/LoanSetCommands.h"
#include "shell/WindowFit.h"
#include "shell/WindowHost.h"
#include "shell/Windows.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

LoanSetWindow::LoanSetWindow(WindowHost& main) : FormWindow(main, WindowNames::LoanSet) {
    Keyboard::install();
    setWindowTitle(tr("Loan Set"));
    createControls();
    m_path = m_main.tag(Tag::LoanSet);
    readSet();
    showParts();
    resize(760, 440);
}

void LoanSetWindow::createControls() {
    auto* layout = new QVBoxLayout(this);
    nameEdit = new QLineEdit(this);
    nameEdit->setObjectName("nameEdit");
    auto* nameRow = new QHBoxLayout;
    QLabel* nameLabel = captionFor(tr("&Name of the loan set:"), nameEdit);
    nameLabel->setObjectName("nameLabel");
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(nameEdit, 1);
    layout->addLayout(nameRow);

    partsGrid = listGrid({tr("Name"), tr("Account file"), tr("Method"), tr("Status")},
                         QStringLiteral("partsGrid"), tr("Parts of the loan"), this);
    layout->addWidget(captionFor(tr("&Parts of the loan:"), partsGrid));
    layout->addWidget(partsGrid, 1);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const QString& caption, const char* name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(b);
        return b;
    };
    addPartButton = button(tr("&Add Part…"), "addPartButton");
    removePartButton = button(tr("&Remove Part"), "removePartButton");
    buttons->addStretch(1);
    saveButton = button(tr("&Save"), "saveButton");
    checkButton = button(tr("C&heck"), "checkButton");
    closeButton = button(tr("&Close"), "closeButton");
    saveButton->setDefault(true);
    layout->addLayout(buttons);

    connect(addPartButton, &QPushButton::clicked, this, &LoanSetWindow::addPart);
    connect(removePartButton, &QPushButton::clicked, this, &LoanSetWindow::removePart);
    connect(saveButton, &QPushButton::clicked, this, [this] { save(); });
    connect(checkButton, &QPushButton::clicked, this, &LoanSetWindow::check);
    connect(closeButton, &QPushButton::clicked, this, [this] { unload(); });
}

void LoanSetWindow::readSet() {
    // A new set's file is not there yet: it is named after the file until the borrower names it.
    if (m_path.isEmpty() || !QFileInfo::exists(m_path)) {
        nameEdit->setText(QFileInfo(m_path).completeBaseName());
        return;
    }
    const std::optional<LoanSet::Set> set = LoanSetCommands::readOrSay(m_path);
    if (!set) {
        m_readable = false;
        return;
    }
    nameEdit->setText(set->name);
    for (const LoanSet::Part& p : set->parts)
        m_parts.append({p.name, LoanSet::accountPath(m_path, p), p.method});
}

void LoanSetWindow::formActivate() {
    const QString handed = tag();
    setTag(QString());
    if (handed.isEmpty() || handed == m_path)
        return;
    m_path = handed;
    m_main.setTag(Tag::LoanSet, m_path);
    m_parts.clear();
    m_readable = true;
    readSet();
    showParts();
}

QString LoanSetWindow::status(const QString& accountPath) {
    if (!QFileInfo::exists(accountPath))
        return tr("Missing");
    QString error;
    return AccountDatabase::isAccountFile(accountPath, &error) ? QString() : tr("Not an account");
}

void LoanSetWindow::showParts() {
    partsGrid->setRowCount(int(m_parts.size()));
    for (int row = 0; row < m_parts.size(); ++row) {
        const Part& p = m_parts[row];
        const QString method = p.method ? InterestMethod::shownNames().value(int(*p.method)) : QString();
        setListRow(partsGrid, row,
                   {p.name, LoanSet::accountName(m_path, p.path), method, status(p.path)}, 0, -1,
                   -1);
    }
    removePartButton->setEnabled(!m_parts.isEmpty());
    fitColumnsToText(partsGrid);
}

LoanSet::Set LoanSetWindow::shown() const {
    LoanSet::Set s{nameEdit->text().trimmed(), {}};
    for (const Part& p : m_parts)
        s.parts.append({p.name, LoanSet::accountName(m_path, p.path), p.method});
    return s;
}

void LoanSetWindow::addPart() {
    Dialogs& d = Dialogs::instance();
    const QString folder = QFileInfo(m_path).absolutePath();
    const std::optional<QString> account = d.chooseFile(LoanSetCommands::partAccountDialog(folder));
    if (!account)
        return;
    QString error;
    if (!AccountDatabase::isAccountFile(*account, &error)) {
        d.message(tr("%1 is not an account: %2").arg(*account, error));
        return;
    }
    const std::optional<QString> name =
        d.askText(tr("Name of the part:"), QFileInfo(*account).completeBaseName());
    if (!name)
        return;
    m_parts.append({name->trimmed(), QFileInfo(*account).absoluteFilePath(), std::nullopt});
    showParts();
    partsGrid->selectRow(int(m_parts.size()) - 1);
}

void LoanSetWindow::removePart() {
    const int row = partsGrid->currentRow();
    if (row < 0 || row >= m_parts.size())
        return;
    m_parts.removeAt(row);
    showParts();
}

bool LoanSetWindow::save() {
    Dialogs& d = Dialogs::instance();
    if (!m_readable) {
        d.message(tr("This file is not a loan set, and is not written over: save the set under "
                     "another name from New Loan Set."));
        return false;
    }
    const LoanSet::Set s = shown();
    if (m_path.isEmpty()) {
        const std::optional<QString> path = d.chooseFile(LoanSetCommands::saveSetDialog(
            ProgramPaths::dataFolder(), s.name + u'.' + QLatin1String(LoanSet::Suffix)));
        if (!path)
            return false;
        m_path = *path;
    }
    if (const QString refused = LoanSet::refusal(s); !refused.isEmpty()) {
        d.message(refused);
        return false;
    }
    QString error;
    if (!LoanSet::write(m_path, s, &error)) {
        d.message(error);
        return false;
    }
    m_main.setTag(Tag::LoanSet, m_path);
    return true;
}

void LoanSetWindow::check() {
    if (save())
        LoanSetCommands::showSummary(m_main, m_path);
}
