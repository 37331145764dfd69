#include "frmOptions.h"

#include "MDIForm1.h"
#include "Windows.h"

#include <QApplication>
#include <QGroupBox>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

frmOptions::frmOptions(WindowHost& main) : FormWindow(main, WindowNames::Options) {
    // Its caption shows while it is restored or minimised. Maximised it has none, so that the main
    // window's "Vantrell - <account>" stays as it is rather than gaining " - [Task Menu]".
    setWindowTitle(taskMenuCaption());
    setAccessibleName(tr("Tasks"));

    // Frame1 is placed by hand, centred in the window, not by a layout of the window.
    m_frame1 = new QGroupBox(this);
    m_frame1->setObjectName("Frame1");
    auto* layout = new QVBoxLayout(m_frame1);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(10);
    auto addButton = [&](const char* name, const QString& caption) {
        auto* button = new QPushButton(caption, m_frame1);
        button->setObjectName(name);
        button->setMinimumSize(280, 36);
        layout->addWidget(button);
        return button;
    };
    m_cmdDataEntry = addButton("cmdDataEntry", tr("Enter Statement Details"));
    m_cmdInterest = addButton("cmdInterest", tr("View/Amend Interest Changes"));
    m_cmdPrevious = addButton("cmdPrevious", tr("View/Amend Transactions"));
    m_cmdReport = addButton("cmdReport", tr("View Report"));
    m_cmdExit = addButton("cmdExit", tr("Exit"));
    m_frame1->adjustSize();
    // The frame's restore button must not shrink the menu to a bare title bar: restored, the
    // window is still large enough to show every task.
    setMinimumSize(m_frame1->size() + QSize(40, 40));

    // Activation enables these when the account allows.
    for (QPushButton* b : {m_cmdInterest, m_cmdPrevious, m_cmdReport})
        b->setEnabled(false);

    connect(m_cmdDataEntry, &QPushButton::clicked, this, &frmOptions::cmdDataEntry_Click);
    connect(m_cmdInterest, &QPushButton::clicked, this, &frmOptions::cmdInterest_Click);
    connect(m_cmdPrevious, &QPushButton::clicked, this, &frmOptions::cmdPrevious_Click);
    connect(m_cmdReport, &QPushButton::clicked, this, &frmOptions::cmdReport_Click);
    connect(m_cmdExit, &QPushButton::clicked, this, &frmOptions::cmdExit_Click);
}

QString frmOptions::taskMenuCaption() {
    return tr("Task Menu");
}

bool frmOptions::eventFilter(QObject* watched, QEvent* event) {
    // Before the area sees the change: a maximised window's caption would be joined to the main
    // window's, so it has none while maximised.
    if (event->type() == QEvent::WindowStateChange && watched == parentWidget()) {
        auto* frame = static_cast<QWidget*>(watched);
        frame->setWindowTitle(frame->isMaximized() ? QString() : taskMenuCaption());
    }
    return FormWindow::eventFilter(watched, event);
}

void frmOptions::formActivate() {
    m_frame1->hide();
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        if (!m_captionFollowsState) {
            m_captionFollowsState = true;
            frame->installEventFilter(this);
        }
        frame->setWindowTitle(QString());
        frame->showMaximized();
    }
    QCoreApplication::processEvents();

    centreFrame();
    m_frame1->show();
    QCoreApplication::processEvents();

    // A task may have left the hourglass up; back here the pointer is the plain arrow.
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();

    setTaskButtons();
    // Keyboard users start on the first task.
    m_cmdDataEntry->setFocus();

    // Coming back to the menu ends any report still on screen.
    m_main.unloadWindow(WindowNames::Calculate);
}

void frmOptions::resizeEvent(QResizeEvent* event) {
    FormWindow::resizeEvent(event);
    m_frame1->hide();
    centreFrame();
    m_frame1->show();
}

void frmOptions::centreFrame() {
    centreInParent(m_frame1);
}

void frmOptions::setTaskButtons() {
    // A new account has nothing committed yet: only a statement can be entered.
    const bool open = m_main.tag(Tag::File) == FileState::Open;
    for (QPushButton* b : {m_cmdInterest, m_cmdPrevious, m_cmdReport})
        b->setEnabled(open);
}

// Every task closes the menu first; the windows it leads to come back to a fresh one. The menu
// is destroyed only once this click is done, but nothing below touches it after closeMenu().

void frmOptions::closeMenu() {
    // Being maximised is the menu's own affair: without this the area would open the next task
    // window maximised too, or not, depending on when the closed menu is finally deleted.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->showNormal();
    unload();
}

void frmOptions::cmdDataEntry_Click() {
    WindowHost& main = m_main;
    const bool open = main.tag(Tag::File) == FileState::Open;
    closeMenu();
    // Statement entry always starts fresh, never from a half-filled window left behind.
    main.unloadWindow(WindowNames::NewStatement);
    if (open) {
        // Loading the period loader again refreshes the fixed-day end in the workflow state.
        main.unloadWindow(WindowNames::InterestPeriod);
        QCoreApplication::processEvents();
        main.window(WindowNames::InterestPeriod);
        QCoreApplication::processEvents();
    } else {
        main.unloadWindow(WindowNames::Calculate);
    }
    main.showWindow(WindowNames::NewStatement);
}

void frmOptions::cmdInterest_Click() {
    WindowHost& main = m_main;
    closeMenu();
    main.showWindow(WindowNames::InterestChanges);
}

void frmOptions::cmdPrevious_Click() {
    WindowHost& main = m_main;
    closeMenu();
    main.showWindow(WindowNames::AllRecords);
}

void frmOptions::cmdReport_Click() {
    WindowHost& main = m_main;
    closeMenu();
    // The report reads the calculation periods through the period loader; loaded once, hidden.
    main.window(WindowNames::InterestPeriod);
    QCoreApplication::processEvents();
    main.showWindow(WindowNames::Method);
}

void frmOptions::cmdExit_Click() {
    // Every change is already saved: nothing to ask.
    qApp->quit();
}
