#include "Captions.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

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

QTableWidget* listGrid(const QStringList& headings, const QString& objectName,
                       const QString& accessibleName, QWidget* parent) {
    auto* grid = new QTableWidget(0, int(headings.size()), parent);
    grid->setHorizontalHeaderLabels(headings);
    makeListGrid(grid, objectName, accessibleName);
    return grid;
}

void setListRow(QTableWidget* grid, int row, const QStringList& cells, int firstColumn,
                int rightFrom, int rightTo) {
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        const int column = c + firstColumn;
        if (column >= rightFrom && column <= rightTo)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->setItem(row, column, item);
    }
}

void refitOnResize(QAbstractScrollArea* grid, std::function<void()> fit) {
    QWidget* viewport = grid->viewport();
    viewport->installEventFilter(new ResizeWatcher(viewport, std::move(fit)));
}
