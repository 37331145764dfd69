#pragma once

#include <QHash>
#include <QPointer>
#include <QSize>
#include <QString>
#include <functional>

class FormWindow;
class MDIForm1;
class QMdiArea;
class QMdiSubWindow;
class QWidget;

// Creates each window by name when it is first shown or referred to, knows which windows are
// loaded, and unloads them. Windows register once, saying whether they hold a connection to the
// account, so that New and Open can unload every one of those.
class WindowRegistry {
public:
    using Factory = std::function<FormWindow*(MDIForm1&)>;

    WindowRegistry(MDIForm1& main, QMdiArea& area);

    void add(const QString& name, Factory factory, bool holdsAccount);

    // The loaded window, loading it (hidden) if needed; nullptr for an unknown name, and for a
    // window that unloaded itself while it was being made (it refused to load).
    FormWindow* window(const QString& name);
    FormWindow* loaded(const QString& name) const;
    bool isLoaded(const QString& name) const { return loaded(name) != nullptr; }
    QStringList loadedNames() const;
    // Every window registered, loaded or not, in name order.
    QStringList names() const;

    void unload(const QString& name);
    void unloadAccountWindows();

    QMdiSubWindow* frameOf(const QString& name) const;

    // Shown for the first time, a window opens at its own opening size where the client area
    // has room for it, and wholly inside the area.
    void placeOnOpening(const QString& name);
    // Every window shown brought back within the client area (after another window went, whose
    // going may have made one grow).
    void fitShown();

private:
    struct Entry {
        Factory factory;
        bool holdsAccount = false;
        QPointer<QMdiSubWindow> frame;
        QPointer<FormWindow> form;
        bool making = false;         // the factory is running
        bool unloadedMaking = false; // the window asked to be unloaded meanwhile
        QSize opening;               // the window's size as it made itself
        bool placed = false;         // shown once, at its opening size
    };

    MDIForm1& m_main;
    QMdiArea& m_area;
    QHash<QString, Entry> m_entries;
};
