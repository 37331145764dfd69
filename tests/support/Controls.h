#pragma once

#include <QAbstractButton>
#include <QTest>
#include <QWidget>

// Finds a control by name under `parent` and clicks it, failing clearly when it is missing,
// hidden or disabled. Use inside a test function (it returns early on failure).
#define CLICK(parent, name)                                                                        \
    do {                                                                                           \
        auto* button_ = (parent)->findChild<QAbstractButton*>(name);                               \
        QVERIFY2(button_, qPrintable(QStringLiteral("no control named %1").arg(name)));            \
        QVERIFY2(button_->isEnabled(), qPrintable(QStringLiteral("%1 is disabled").arg(name)));    \
        button_->click();                                                                          \
    } while (false)

template <typename T> T* control(QObject* parent, const QString& name) {
    return parent ? parent->findChild<T*>(name) : nullptr;
}

#include <QCoreApplication>
#include <QLineEdit>
#include <QTableView>

// Types into a grid cell as a user does: open the editor, replace its text, press Enter.
inline void typeIntoCell(QTableView* grid, int row, int col, const QString& text) {
    const QModelIndex cell = grid->model()->index(row, col);
    grid->setCurrentIndex(cell);
    grid->edit(cell);
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The grid commits the cell once the key is done with; the old editor is deleted later.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
