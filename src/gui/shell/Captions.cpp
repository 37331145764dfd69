#include "Captions.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>

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
