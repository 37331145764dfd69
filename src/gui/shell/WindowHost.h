#pragma once

#include "state/WorkflowState.h"

#include <QSize>
#include <QString>

class FormWindow;
class QWidget;

// What a window may ask of the main window: the workflow state, the other windows by name, a
// help page, the caption and the size of the client area. Windows hold this, not the main window
// itself, so that they depend on no more of it than they use and a test can stand in for it.
class WindowHost {
public:
    virtual ~WindowHost() = default;

    // The workflow state, readable and writable from every window.
    virtual WorkflowState& state() = 0;
    virtual const WorkflowState& state() const = 0;
    QString tag(const QString& field) const { return state().value(field); }
    void setTag(const QString& field, const QString& text) { state().setValue(field, text); }

    // Windows by name: loaded when referred to, shown (loaded if needed, and activated), unloaded.
    virtual FormWindow* window(const QString& name) = 0;
    // The window when it is loaded, without loading it.
    virtual FormWindow* loadedWindow(const QString& name) const = 0;
    virtual bool isLoaded(const QString& name) const = 0;
    virtual FormWindow* showWindow(const QString& name) = 0;
    virtual void unloadWindow(const QString& name) = 0;

    virtual void showHelpPage(const QString& page) = 0;
    // The account chosen: caption "Vantrell - " + path.
    virtual void setAccountCaption(const QString& path) = 0;
    // The room the windows are shown in.
    virtual QSize clientSize() const = 0;
    // The parent of the modal dialogs a window opens.
    virtual QWidget* dialogParent() = 0;
};
