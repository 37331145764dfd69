#include "Keyboard.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

namespace {

bool isTab(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    return key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
}

// The table whose cell `widget` is (or is inside of), and the cell's own widget.
QAbstractItemView* tableAround(QWidget* widget, QWidget** cell) {
    for (QWidget* w = widget; w && !w->isWindow(); w = w->parentWidget()) {
        QWidget* viewport = w->parentWidget();
        auto* view =
            viewport ? qobject_cast<QAbstractItemView*>(viewport->parentWidget()) : nullptr;
        if (view && view->viewport() == viewport) {
            *cell = w;
            return view;
        }
    }
    return nullptr;
}

class TableTabbing : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Polish) {
            if (auto* view = qobject_cast<QAbstractItemView*>(watched))
                view->setTabKeyNavigation(false);
            return false;
        }
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto& key = *static_cast<QKeyEvent*>(event);
        QWidget* cell = nullptr;
        QAbstractItemView* view =
            isTab(key) ? tableAround(static_cast<QWidget*>(watched), &cell) : nullptr;
        if (!view)
            return false;
        leave(view, cell, key);
        return true;
    }

private:
    // The cell's editor is closed with what was typed kept; the key then goes to the table,
    // which no longer walks its cells with it and so hands the focus on.
    static void leave(QAbstractItemView* table, QWidget* cell, const QKeyEvent& key) {
        const QPointer<QAbstractItemView> view(table);
        const QPointer<QWidget> editor(cell);
        const QPersistentModelIndex index(view->currentIndex());
        // An open editor (not one kept open for good) is the table's widget for its cell.
        const auto editing = [&] {
            return view && editor && view->indexWidget(index) == editor &&
                   !view->isPersistentEditorOpen(index);
        };
        // Saving the cell may refill the table (the transactions window does), closing its
        // editors on the way.
        QAbstractItemDelegate* delegate = view->itemDelegateForIndex(index);
        if (delegate && editing()) {
            emit delegate->commitData(cell);
            if (editing())
                emit delegate->closeEditor(cell, QAbstractItemDelegate::NoHint);
        }
        if (!view)
            return;
        view->setTabKeyNavigation(false);
        view->setFocus(Qt::TabFocusReason);
        QKeyEvent again(QEvent::KeyPress, key.key(), key.modifiers(), key.text());
        QCoreApplication::sendEvent(view, &again);
    }
};

} // namespace

namespace Keyboard {

void install() {
    static QPointer<TableTabbing> rules;
    if (rules || !qApp)
        return;
    rules = new TableTabbing(qApp);
    qApp->installEventFilter(rules);
}

bool pressDefault(QWidget* window) {
    QWidget* focus = QApplication::focusWidget();
    auto* focused = qobject_cast<QPushButton*>(focus);
    if (focused && window->isAncestorOf(focused) && focused->isEnabled()) {
        focused->click();
        return true;
    }
    const QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
    for (QPushButton* button : buttons) {
        if (button->isDefault() && button->isVisible() && button->isEnabled()) {
            button->click();
            return true;
        }
    }
    return false;
}

} // namespace Keyboard
