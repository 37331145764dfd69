#include "WindowFit.h"

#include <QEvent>
#include <QScreen>
#include <QScrollArea>
#include <QWidget>

#include <algorithm>

namespace WindowFit {

namespace {

// The size the windows are laid out for: each opens whole in a main window of this size.
constexpr QSize LaidOutFor(900, 650);

// Places a dialog over its parent's window as it is shown.
class OpeningWatcher : public QObject {
public:
    OpeningWatcher(QWidget* dialog, const QSize& wanted) : QObject(dialog), m_wanted(wanted) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == parent()) {
            auto* dialog = static_cast<QWidget*>(watched);
            placeDialog(dialog, dialog->parentWidget(), m_wanted);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QSize m_wanted;
};

} // namespace

QSize mainWindowSize(const QSize& available) {
    if (!available.isValid() || available.isEmpty())
        return LaidOutFor;
    // Room for the main window's own frame and for the desktop's panels around it.
    const QSize most(available.width() * 9 / 10, available.height() * 9 / 10);
    return most.expandedTo(LaidOutFor).boundedTo(available);
}

QSize bounded(const QSize& wanted, const QSize& room, const QSize& minimum) {
    return wanted.boundedTo(room).expandedTo(minimum);
}

void fitInto(QWidget* frame, const QRect& room) {
    if (!frame || room.isEmpty() || frame->isMaximized() || frame->isMinimized())
        return;
    const QSize size = bounded(frame->size(), room.size(), frame->minimumSizeHint());
    if (size != frame->size())
        frame->resize(size);
    // Wholly inside: the right and bottom edges first, then the left and top ones win.
    const int x = std::max(room.left(), std::min(frame->x(), room.right() + 1 - size.width()));
    const int y = std::max(room.top(), std::min(frame->y(), room.bottom() + 1 - size.height()));
    if (QPoint(x, y) != frame->pos())
        frame->move(x, y);
}

void placeDialog(QWidget* dialog, const QWidget* over, const QSize& wanted) {
    const QWidget* window = over ? over->window() : nullptr;
    QRect room = window ? window->geometry() : QRect();
    if (room.isEmpty()) {
        if (const QScreen* screen = dialog->screen())
            room = screen->availableGeometry();
    }
    if (room.isEmpty()) {
        dialog->resize(wanted);
        return;
    }
    const QSize size = bounded(wanted, room.size(), dialog->minimumSizeHint());
    dialog->resize(size);
    dialog->move(room.left() + std::max(0, (room.width() - size.width()) / 2),
                 room.top() + std::max(0, (room.height() - size.height()) / 2));
}

void openWithin(QWidget* dialog, const QSize& wanted) {
    dialog->resize(wanted);
    dialog->installEventFilter(new OpeningWatcher(dialog, wanted));
}

QScrollArea* scrolling(QWidget* body, QWidget* parent, int minimumHeight) {
    auto* area = new QScrollArea(parent);
    area->setObjectName(body->objectName().isEmpty() ? QStringLiteral("bodyScroll")
                                                     : body->objectName() + QStringLiteral("Scroll"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setWidget(body);
    area->setMinimumHeight(minimumHeight);
    // Tab walks the body's controls, not the area itself.
    area->setFocusPolicy(Qt::NoFocus);
    return area;
}

} // namespace WindowFit
