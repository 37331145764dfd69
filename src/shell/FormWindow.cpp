#include "FormWindow.h"

#include "MDIForm1.h"

#include <QCloseEvent>

FormWindow::FormWindow(MDIForm1& main, const QString& name) : m_main(main) {
    setObjectName(name);
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
