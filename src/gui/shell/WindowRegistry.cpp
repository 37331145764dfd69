#include "WindowRegistry.h"

#include "FormWindow.h"
#include "WindowFit.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

WindowRegistry::WindowRegistry(MDIForm1& main, QMdiArea& area) : m_main(main), m_area(area) {}

void WindowRegistry::add(const QString& name, Factory factory, bool holdsAccount) {
    Entry& entry = m_entries[name];
    entry.factory = std::move(factory);
    entry.holdsAccount = holdsAccount;
}

FormWindow* WindowRegistry::loaded(const QString& name) const {
    const auto it = m_entries.constFind(name);
    if (it == m_entries.cend() || !it->form || it->form->isUnloaded())
        return nullptr;
    return it->form.data();
}

QMdiSubWindow* WindowRegistry::frameOf(const QString& name) const {
    const auto it = m_entries.constFind(name);
    return it == m_entries.cend() ? nullptr : it->frame.data();
}

QStringList WindowRegistry::names() const {
    QStringList names = m_entries.keys();
    names.sort();
    return names;
}

QStringList WindowRegistry::loadedNames() const {
    QStringList names;
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
        if (isLoaded(it.key()))
            names << it.key();
    }
    return names;
}

FormWindow* WindowRegistry::window(const QString& name) {
    const auto it = m_entries.find(name);
    if (it == m_entries.end())
        return nullptr;
    if (it->form && !it->form->isUnloaded())
        return it->form;
    auto* frame = new QMdiSubWindow;
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setObjectName(name + QStringLiteral("Frame"));
    // Load into the frame before the frame joins the area, so that nothing is shown half-made.
    it->making = true;
    it->unloadedMaking = false;
    const Factory factory = it->factory;
    FormWindow* form = factory(m_main);
    // The factory may have made other windows: the entry is looked up again.
    Entry& entry = m_entries[name];
    entry.making = false;
    if (form && entry.unloadedMaking) {
        // It refused to load: it goes as an unloaded window goes, and is never shown.
        if (!form->isUnloaded())
            form->close();
        form->deleteLater();
        form = nullptr;
    }
    if (!form) {
        delete frame;
        return nullptr;
    }
    // The size the window gave itself, if it did; one that places its frame itself gives none.
    const QSize opening = form->testAttribute(Qt::WA_Resized) ? form->size() : QSize();
    frame->setWidget(form);
    frame->setWindowTitle(form->windowTitle());
    QObject::connect(form, &QWidget::windowTitleChanged, frame, &QWidget::setWindowTitle);
    m_area.addSubWindow(frame);
    frame->hide();
    entry.frame = frame;
    entry.form = form;
    entry.opening = opening;
    entry.placed = false;
    return form;
}

void WindowRegistry::placeOnOpening(const QString& name) {
    const auto it = m_entries.find(name);
    if (it == m_entries.end() || !it->frame || !it->form || it->placed)
        return;
    it->placed = true;
    QMdiSubWindow* frame = it->frame;
    if (frame->isMaximized())
        return;
    const QRect room = m_area.viewport()->rect();
    if (it->opening.isValid()) {
        // The frame's own edges and caption around the window.
        const QSize wanted = it->opening.grownBy(frame->contentsMargins());
        frame->resize(WindowFit::bounded(wanted, room.size(), frame->minimumSizeHint()));
    }
    WindowFit::fitInto(frame, room);
}

void WindowRegistry::fitShown() {
    const QRect room = m_area.viewport()->rect();
    for (const Entry& entry : std::as_const(m_entries)) {
        if (entry.frame && entry.form && entry.frame->isVisible())
            WindowFit::fitInto(entry.frame, room);
    }
}

void WindowRegistry::unload(const QString& name) {
    const auto it = m_entries.find(name);
    if (it == m_entries.end())
        return;
    if (it->making) {
        // Unloaded from its own constructor: dropped once the factory returns.
        it->unloadedMaking = true;
        return;
    }
    if (!it->form)
        return;
    const QPointer<QMdiSubWindow> frame = it->frame;
    const QPointer<FormWindow> form = it->form;
    it->form = nullptr;
    it->frame = nullptr;
    // Closing releases the window's resources at once; the frame deletes itself afterwards.
    if (frame)
        frame->close();
    if (form && !form->isUnloaded())
        form->close();
    if (form)
        form->deleteLater();
    // The windows left may grow once they are laid out again (one shown anew in front): each is
    // brought back within the area then, and at once for those that already have.
    fitShown();
    QTimer::singleShot(0, &m_area, [this] { fitShown(); });
}

void WindowRegistry::unloadAccountWindows() {
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->holdsAccount)
            unload(it.key());
    }
}
