#pragma once

#include "app/RegisterWindows.h"
#include "shell/MDIForm1.h"

#include <QCoreApplication>
#include <QEvent>

#include <memory>

// The program's main window with every window registered: what a window test that drives the
// program as a whole starts from. Used as a pointer to the main window; reset() lets go of it and
// of the windows it left to be deleted later, so that the next test starts clean.
class MainWindowHarness {
public:
    ~MainWindowHarness() { reset(); }

    MDIForm1& start() {
        reset();
        m_main = std::make_unique<MDIForm1>();
        // The size the windows are laid out for, whatever screen the test platform makes up (the
        // offscreen one is 800 x 600, where a window opens cut down to fit).
        m_main->resize(900, 650);
        registerWindows(*m_main);
        return *m_main;
    }
    void reset() {
        if (!m_main)
            return;
        m_main.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    MDIForm1* get() const { return m_main.get(); }
    MDIForm1* operator->() const { return m_main.get(); }
    MDIForm1& operator*() const { return *m_main; }
    explicit operator bool() const { return bool(m_main); }

private:
    std::unique_ptr<MDIForm1> m_main;
};
