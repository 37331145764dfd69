#include "FormWindow.h"

#include "Keyboard.h"
#include "MDIForm1.h"

#include <QApplication>

#include <QCloseEvent>
#include <QKeyEvent>

FormWindow::FormWindow(WindowHost& main, const QString& name) : m_main(main) {
    setObjectName(name);
    Keyboard::install();
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    // A window inside the main window is no dialog to Qt: Return would reach no button.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !m_unloaded &&
        Keyboard::pressDefault(this))
        return;
    QWidget::keyPressEvent(event);
}

void FormWindow::unload() {
    m_main.unloadWindow(objectName());
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (!m_unloaded) {
        m_unloaded = true;
        formUnload();
    }
    event->accept();
}

void FormWindow::centreInParent(QWidget* panel) {
    if (const QWidget* parent = panel ? panel->parentWidget() : nullptr)
        panel->move((parent->width() - panel->width()) / 2,
                    (parent->height() - panel->height()) / 2);
}

void FormWindow::setHourglass() {
    if (QApplication::overrideCursor())
        QApplication::changeOverrideCursor(Qt::WaitCursor);
    else
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

void FormWindow::setDefaultPointer() {
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void FormWindow::letEventsRun() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
