#pragma once

#include "WorkingRendering.h"

#include <QSizeF>
#include <QString>
#include <QVector>

class QPagedPaintDevice;
class QPainter;

// The working of a posting on paper: its title, how it was worked out, the days in columns (on
// as many pages as they need, the headings repeated) and the foot. Painted with QPainter alone,
// for the printed report's appended pages and the Show Working window's Print or PDF.
namespace WorkingPage {

// The pages `table` takes on an area of `area` twips.
int pageCount(const WorkingRendering::Table& table, const QSizeF& area);

// Paints page `page` (from 0) of `table` onto `painter`, whose unit is the twip, in the area
// (0, 0) to `area`. `account` is the account file, said at the top.
void paint(QPainter& painter, const QSizeF& area, const WorkingRendering::Table& table,
           const QString& account, int page);

// Every page of `tables` on `device` with its page layout, each table from a page of its own.
// False with the reason when the device cannot be painted on.
bool print(QPagedPaintDevice& device, const QVector<WorkingRendering::Table>& tables,
           const QString& account, QString* error);

} // namespace WorkingPage
