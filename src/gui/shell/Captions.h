#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QAbstractScrollArea;
class QLabel;
class QTableView;
class QTableWidget;
class QWidget;

// How an input gets its caption: the label is its buddy (Alt + the underlined letter goes to the
// input), and the caption without '&' and ':' is its name to the accessibility interface.
QLabel* captionFor(const QString& caption, QWidget* input, const QString& objectName = QString());

// A grid that lists and is not edited: whole rows selected, one at a time, its last column
// filling the width; `accessibleName` says what it lists.
void makeListGrid(QTableView* grid, const QString& objectName, const QString& accessibleName);
// Such a grid with a column for each heading.
QTableWidget* listGrid(const QStringList& headings, const QString& objectName,
                       const QString& accessibleName, QWidget* parent);
// Fills a row of such a grid with text cells from `firstColumn` on; those from `rightFrom` to
// `rightTo` (amounts, rates, counts) line up on the right.
void setListRow(QTableWidget* grid, int row, const QStringList& cells, int firstColumn,
                int rightFrom, int rightTo);

// Each column of the grid as wide as its heading and its widest cell need to read whole in the
// fonts the grid has, with a little room to spare: worked out from the texts' own metrics now
// and again whenever the grid's font or style changes, so that no system's fonts cut a heading.
// The grid scrolls sideways when its columns need more room than it has.
void fitColumnsToText(QTableView* grid);

// Calls `fit` whenever the grid's visible area changes size: when its window first shows, when it
// is resized and when a scroll bar comes or goes, so that columns fitted to the room stay fitted.
void refitOnResize(QAbstractScrollArea* grid, std::function<void()> fit);
