#pragma once

#include <QRect>
#include <QScrollArea>
#include <QSize>

class QWidget;

// Every window fits the room it is shown in: a window inside the main window fits the main
// window's client area, a dialog the main window, the main window its screen. What needs more
// room than there is scrolls inside the window, so that the window's buttons stay in view.
namespace WindowFit {

// The size the main window opens at on a screen whose free area is `available`: most of it,
// never less than the size every window is laid out for unless the screen is smaller still.
QSize mainWindowSize(const QSize& available);

// `wanted`, no larger than `room`, and no smaller than `minimum` (a window cannot shrink below
// what its contents need; the area around it scrolls then).
QSize bounded(const QSize& wanted, const QSize& room, const QSize& minimum);

// A window inside the main window brought within `room` (the client area's rectangle): resized
// to no more than the room and moved wholly inside it. A maximised window fills it already.
void fitInto(QWidget* frame, const QRect& room);

// A dialog at `wanted` (its opening size) fitted over `over`'s window: no larger than it and
// placed within it.
void placeDialog(QWidget* dialog, const QWidget* over, const QSize& wanted);
// The dialog opens at `wanted`, placed as above over its parent's window (or its screen) each
// time it is shown, once its contents are known.
void openWithin(QWidget* dialog, const QSize& wanted);

// `body` inside a scroll area without a frame of its own: the part of a window that scrolls
// when the window is given less room than the part needs, while the window's buttons, outside
// it, stay in view. The area's minimum height is `minimumHeight`.
QScrollArea* scrolling(QWidget* body, QWidget* parent, int minimumHeight = 120);

} // namespace WindowFit
