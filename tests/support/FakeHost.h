#pragma once

#include "shell/FormWindow.h"
#include "shell/WindowHost.h"

#include <QStringList>
#include <QWidget>

// A stand-in for the main window: a workflow state of its own, and a log of what the windows
// asked of it ("show X", "unload X", "help 3"), with no window loaded.
class FakeHost : public WindowHost {
public:
    WorkflowState& state() override { return m_state; }
    const WorkflowState& state() const override { return m_state; }
    FormWindow* window(const QString& name) override { return log("load " + name); }
    FormWindow* loadedWindow(const QString&) const override { return nullptr; }
    bool isLoaded(const QString&) const override { return false; }
    FormWindow* showWindow(const QString& name) override { return log("show " + name); }
    void unloadWindow(const QString& name) override { log("unload " + name); }
    void showHelpPage(const QString& page) override { log("help " + page); }
    void setAccountCaption(const QString& path) override { log("caption " + path); }
    QSize clientSize() const override { return {1024, 768}; }
    QWidget* dialogParent() override { return &m_parent; }

    QStringList asked;

private:
    FormWindow* log(const QString& what) {
        asked << what;
        return nullptr;
    }
    WorkflowState m_state;
    QWidget m_parent;
};
