#include "Captions.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>

namespace {

class ResizeWatcher : public QObject {
public:
    ResizeWatcher(QObject* parent, std::function<void()> fit)
        : QObject(parent), m_fit(std::move(fit)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            m_fit();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_fit;
};

} // namespace

QLabel* captionFor(const QString& caption, QWidget* input, const QString& objectName) {
    if (!objectName.isEmpty())
        input->setObjectName(objectName);
    auto* label = new QLabel(caption);
    label->setBuddy(input);
    input->setAccessibleName(QString(caption).remove(u'&').remove(u':'));
    return label;
}

void makeListGrid(QTableView* grid, const QString& objectName, const QString& accessibleName) {
    grid->setObjectName(objectName);
    grid->setAccessibleName(accessibleName);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
}

void refitOnResize(QAbstractScrollArea* grid, std::function<void()> fit) {
    QWidget* viewport = grid->viewport();
    viewport->installEventFilter(new ResizeWatcher(viewport, std::move(fit)));
}
