#include "ConventionsWindow.h"

#include "engine/AccountStore.h"
#include "shell/Dialogs.h"
#include "shell/WindowHost.h"
#include "shell/Windows.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const QString Caption = QStringLiteral("Lender's Conventions");
const QString CaptionDayCount = QStringLiteral("Day Count");
const QString CaptionRounding = QStringLiteral("Rounding of Interest");
const QString CaptionIntro =
    QStringLiteral("How your lender works out a day's interest. Each choice is stored at once "
                   "and used by every report of this account.");
const QString StoreError = QStringLiteral("The lender's conventions could not be stored: ");

// One radio button a choice, each with its line of explanation under it.
QButtonGroup* addChoices(QWidget* owner, QVBoxLayout* layout, const QString& caption,
                         const char* name, const QStringList& names,
                         const QStringList& explanations) {
    auto* box = new QGroupBox(caption, owner);
    box->setObjectName(QStringLiteral("%1Group").arg(QLatin1String(name)));
    auto* inner = new QVBoxLayout(box);
    auto* group = new QButtonGroup(owner);
    for (int i = 0; i < names.size(); ++i) {
        auto* option = new QRadioButton(names[i], box);
        option->setObjectName(QStringLiteral("%1Option%2").arg(QLatin1String(name)).arg(i));
        auto* line = new QLabel(explanations.value(i), box);
        line->setObjectName(QStringLiteral("%1Label%2").arg(QLatin1String(name)).arg(i));
        line->setWordWrap(true);
        line->setContentsMargins(22, 0, 0, 6);
        line->setBuddy(option);
        option->setAccessibleDescription(explanations.value(i));
        group->addButton(option, i);
        inner->addWidget(option);
        inner->addWidget(line);
    }
    layout->addWidget(box);
    return group;
}

} // namespace

ConventionsWindow::ConventionsWindow(WindowHost& main)
    : FormWindow(main, WindowNames::Conventions) {
    setWindowTitle(Caption);
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(CaptionIntro, this);
    intro->setObjectName("introLabel");
    intro->setWordWrap(true);
    layout->addWidget(intro);
    m_dayCount = addChoices(this, layout, CaptionDayCount, "dayCount", Conventions::dayCountNames(),
                            Conventions::dayCountExplanations());
    m_rounding = addChoices(this, layout, CaptionRounding, "rounding", Conventions::roundingNames(),
                            Conventions::roundingExplanations());
    auto* buttons = new QHBoxLayout;
    closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName("closeButton");
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    setMinimumWidth(560);

    // A file that cannot be read shows the defaults; storing a choice then says what is wrong.
    QString error;
    if (!m_connection.open(main.tag(Tag::NewFile)))
        Dialogs::instance().message(m_connection.lastError());
    else if (!AccountStore::readConventions(m_connection.database(), &m_stored, &error))
        Dialogs::instance().message(error);
    showConventions(m_stored);

    connect(m_dayCount, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            saveConventions();
    });
    connect(m_rounding, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            saveConventions();
    });
    connect(closeButton, &QPushButton::clicked, this, &ConventionsWindow::closeWindow);
}

LenderConventions ConventionsWindow::shownConventions() const {
    return {DayCount(qMax(0, m_dayCount->checkedId())),
            InterestRounding(qMax(0, m_rounding->checkedId()))};
}

void ConventionsWindow::showConventions(const LenderConventions& c) {
    m_showing = true;
    m_dayCount->button(int(c.dayCount))->setChecked(true);
    m_rounding->button(int(c.rounding))->setChecked(true);
    m_showing = false;
}

void ConventionsWindow::saveConventions() {
    if (m_showing)
        return;
    const LenderConventions chosen = shownConventions();
    if (chosen == m_stored)
        return;
    QString error;
    if (!m_connection.isOpen()) {
        error = m_connection.lastError();
    } else if (AccountStore::writeConventions(m_connection.database(), chosen, &error)) {
        m_stored = chosen;
        return;
    }
    // Nothing was stored: the window shows what the account holds.
    showConventions(m_stored);
    Dialogs::instance().message(StoreError + error);
}

void ConventionsWindow::closeWindow() {
    unload();
}

void ConventionsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        closeWindow();
        return;
    }
    FormWindow::keyPressEvent(event);
}

void ConventionsWindow::formUnload() {
    m_connection.close();
}
