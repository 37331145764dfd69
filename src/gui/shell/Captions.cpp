#include "Captions.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QVariant>

#include <algorithm>
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

// Fits the grid's columns again when its fonts or style change (a font is known only once the
// grid is polished, and the user's desktop may change it later).
class FontWatcher : public QObject {
public:
    explicit FontWatcher(QTableView* grid) : QObject(grid), m_grid(grid) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type t = event->type();
        if (t == QEvent::FontChange || t == QEvent::StyleChange || t == QEvent::Polish)
            fitColumns(m_grid);
        return QObject::eventFilter(watched, event);
    }
    static void fitColumns(QTableView* grid);

private:
    QTableView* m_grid;
};

void FontWatcher::fitColumns(QTableView* grid) {
    const QAbstractItemModel* model = grid->model();
    if (!model)
        return;
    QHeaderView* header = grid->horizontalHeader();
    // A heading may be drawn bold (the section of the current cell); it must fit then too.
    QFont boldFont = header->font();
    boldFont.setBold(true);
    const QFontMetrics plain = header->fontMetrics();
    const QFontMetrics bold(boldFont);
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int spare = plain.averageCharWidth() * 2;
    for (int c = 0; c < model->columnCount(); ++c) {
        const QString heading = model->headerData(c, Qt::Horizontal).toString();
        int width = std::max(plain.horizontalAdvance(heading), bold.horizontalAdvance(heading));
        width = std::max(width + margins, header->sectionSizeHint(c));
        width = std::max(width, static_cast<QAbstractItemView*>(grid)->sizeHintForColumn(c)) + spare;
        header->setSectionResizeMode(c, QHeaderView::Interactive);
        header->resizeSection(c, width);
    }
}

} // namespace

void fitColumnsToText(QTableView* grid) {
    if (!grid->property("fitsText").toBool()) {
        grid->setProperty("fitsText", true);
        grid->installEventFilter(new FontWatcher(grid));
        grid->horizontalHeader()->installEventFilter(new FontWatcher(grid));
    }
    FontWatcher::fitColumns(grid);
}

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
