#pragma once

#include <QString>
#include <QWidget>

class WindowHost;

// A window shown inside the main window. It is created when first referred to and unloaded
// (destroyed) when closed; the main window's registry keeps track of it by its name.
class FormWindow : public QWidget {
    Q_OBJECT
public:
    FormWindow(WindowHost& main, const QString& name);

    WindowHost& main() const { return m_main; }

    // The window's free text, which callers set before showing it (the help page number).
    QString tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }

    // Centres `panel` in its parent's client area (the panels placed by hand, not by a layout).
    static void centreInParent(QWidget* panel);

    // Runs each time the window becomes the active window.
    virtual void formActivate() {}

    // Closes the window: its resources are released at once, the widget itself is destroyed
    // once the events under way are done (a window may unload itself from its own button).
    void unload();
    bool isUnloaded() const { return m_unloaded; }

    // The screen's mouse pointer: one setting, not a stack.
    static void setHourglass();
    static void setDefaultPointer();
    // Lets pending window events run (painting), but no user input that could start other work.
    static void letEventsRun();

protected:
    // Releases what the window holds (its connection to the account). Runs once, on close.
    virtual void formUnload() {}
    void closeEvent(QCloseEvent* event) override;
    // Return or Enter that no control took presses the focused button, else the default one.
    void keyPressEvent(QKeyEvent* event) override;

    WindowHost& m_main;

private:
    QString m_tag;
    bool m_unloaded = false;
};
