#include "WorkingPage.h"

#include "PrintedReport.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

// Twips, as the rest of the printed report.
using PrintedReport::TwipsPerInch;
using PrintedReport::TwipsPerPoint;
constexpr double LineHeight = 240;
constexpr double RowHeight = 220;
constexpr double TitleHeight = 400;
constexpr double CellGap = 120;
constexpr double FooterHeight = 360;

// The lines a line about the working takes on a page `width` wide: one, or two where it is
// wider (it wraps there).
int aboutLines(const QString& line, double width) {
    return QFontMetricsF(PrintedReport::font(9)).horizontalAdvance(line) > width ? 2 : 1;
}

// The title, the account and the lines about the working (room for three at least: the method,
// the conventions and the period; a rest, equal periods or compounding adds its own), then the
// headings.
double headTop(const WorkingRendering::Table& t, double width) {
    int about = 0;
    for (const QString& line : t.about)
        about += aboutLines(line, width);
    return TitleHeight + LineHeight * (1 + std::max(3, about)) + 120;
}

// The rows a page holds below the headings, and the room the foot takes on the last page.
double footHeight(const WorkingRendering::Table& t) {
    // A note runs over two lines at most.
    return 240 + LineHeight * double(t.foot.size()) + 2 * LineHeight * double(t.notes.size());
}

int rowsPerPage(const WorkingRendering::Table& t, const QSizeF& area) {
    return std::max(
        1, int((area.height() - headTop(t, area.width()) - LineHeight - FooterHeight) / RowHeight));
}

// Which rows go on which page: each page as full as it can be, the foot after the last row on
// the last page (a page of its own when it does not fit).
QVector<std::pair<int, int>> pages(const WorkingRendering::Table& t, const QSizeF& area) {
    const int perPage = rowsPerPage(t, area);
    const int rows = int(t.rows.size());
    QVector<std::pair<int, int>> ranges; // first row, row count
    for (int first = 0; first < rows; first += perPage)
        ranges.append({first, std::min(perPage, rows - first)});
    if (ranges.isEmpty())
        ranges.append({0, 0});
    const double lastRowsEnd =
        headTop(t, area.width()) + LineHeight + RowHeight * ranges.last().second;
    if (lastRowsEnd + footHeight(t) > area.height() - FooterHeight && ranges.last().second > 0)
        ranges.append({rows, 0});
    return ranges;
}

// The title, the account and the lines about the working.
void paintHead(QPainter& p, double width, const WorkingRendering::Table& t, const QString& account,
               int page) {
    p.setFont(PrintedReport::font(12, true));
    p.drawText(QRectF(0, 0, width, TitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
               page == 0
                   ? t.title
                   : QCoreApplication::translate("WorkingPage", "%1 (continued)").arg(t.title));
    p.setFont(PrintedReport::font(9));
    double y = TitleHeight;
    p.drawText(QRectF(0, y, width, LineHeight), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("WorkingPage", "Vantrell: %1").arg(account));
    y += LineHeight;
    for (const QString& line : t.about) {
        const double height = LineHeight * aboutLines(line, width);
        p.drawText(QRectF(0, y, width, height), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                   line);
        y += height;
    }
}

// The table's columns: as wide as their widest cell; the type shrinks where they would not fit.
struct Columns {
    QFont body = PrintedReport::font(8);
    QFont bold = PrintedReport::font(8, true);
    QVector<double> widths;
    double gap = 0;

    Columns(const WorkingRendering::Table& t, double width) : widths(t.headings.size()) {
        measure(t);
        double total = 0;
        for (double w : widths)
            total += w + CellGap;
        if (total > width && total > 0) {
            const double scale = width / total;
            body = PrintedReport::font(8 * scale);
            bold = PrintedReport::font(8 * scale, true);
            measure(t);
        }
        gap = widths.isEmpty() ? 0 : CellGap;
    }

    void measure(const WorkingRendering::Table& t) {
        const QFontMetricsF bodyMetrics(body), boldMetrics(bold);
        for (qsizetype c = 0; c < t.headings.size(); ++c) {
            double w = boldMetrics.horizontalAdvance(t.headings[c]);
            for (const QStringList& row : t.rows)
                w = std::max(w, bodyMetrics.horizontalAdvance(row.value(c)));
            widths[c] = w;
        }
    }

    void paintRow(QPainter& p, double top, const QStringList& cells, bool strong) const {
        p.setFont(strong ? bold : body);
        double x = 0;
        for (qsizetype c = 0; c < cells.size() && c < widths.size(); ++c) {
            p.drawText(QRectF(x, top, widths[c], RowHeight),
                       (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, cells[c]);
            x += widths[c] + gap;
        }
    }
};

// The last page's foot from `y`: each label beside its value, then the notes.
void paintFoot(QPainter& p, double width, const WorkingRendering::Table& t, double y) {
    p.setFont(PrintedReport::font(9));
    double labelWidth = 0;
    const QFontMetricsF metrics(p.font());
    for (const auto& [label, value] : t.foot)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(label));
    for (const auto& [label, value] : t.foot) {
        p.drawText(QRectF(0, y, labelWidth, LineHeight), Qt::AlignLeft | Qt::AlignVCenter, label);
        p.drawText(QRectF(labelWidth + CellGap, y, width - labelWidth - CellGap, LineHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, value);
        y += LineHeight;
    }
    p.setFont(PrintedReport::font(8));
    for (const QString& note : t.notes) {
        p.drawText(QRectF(0, y, width, 2 * LineHeight), Qt::AlignLeft | Qt::TextWordWrap, note);
        y += 2 * LineHeight;
    }
}

} // namespace

namespace WorkingPage {

int pageCount(const WorkingRendering::Table& table, const QSizeF& area) {
    return int(pages(table, area).size());
}

void paint(QPainter& p, const QSizeF& area, const WorkingRendering::Table& t,
           const QString& account, int page) {
    const QVector<std::pair<int, int>> ranges = pages(t, area);
    if (page < 0 || page >= ranges.size())
        return;
    const auto [first, count] = ranges[page];
    const double width = area.width();
    p.save();
    p.setPen(Qt::black);

    paintHead(p, width, t, account, page);

    const Columns columns(t, width);
    double y = headTop(t, width);
    columns.paintRow(p, y, t.headings, true);
    p.setPen(QPen(Qt::black, 8));
    p.drawLine(QPointF(0, y + LineHeight - 10), QPointF(width, y + LineHeight - 10));
    p.setPen(Qt::black);
    y += LineHeight;
    for (int r = first; r < first + count; ++r) {
        columns.paintRow(p, y, t.rows[r], false);
        y += RowHeight;
    }
    if (page == ranges.size() - 1)
        paintFoot(p, width, t, y + 240);

    p.setFont(PrintedReport::font(8));
    p.drawText(QRectF(0, area.height() - LineHeight, width, LineHeight),
               Qt::AlignRight | Qt::AlignVCenter,
               QCoreApplication::translate("WorkingPage", "%1: page %2 of %3")
                   .arg(t.title)
                   .arg(page + 1)
                   .arg(ranges.size()));
    p.restore();
}

bool print(QPagedPaintDevice& device, const QVector<WorkingRendering::Table>& tables,
           const QString& account, QString* error) {
    const QRectF area = device.pageLayout().paintRect(QPageLayout::Point);
    if (area.width() <= 0 || area.height() <= 0) {
        if (error)
            *error =
                QCoreApplication::translate("WorkingPage", "The page has no room to print on.");
        return false;
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        if (error)
            *error = QCoreApplication::translate(
                "WorkingPage", "The working could not be sent to the printer or file.");
        return false;
    }
    painter.scale(device.logicalDpiX() / double(TwipsPerInch),
                  device.logicalDpiY() / double(TwipsPerInch));
    const QSizeF twips(area.width() * TwipsPerPoint, area.height() * TwipsPerPoint);
    bool firstPage = true;
    for (const WorkingRendering::Table& table : tables) {
        const int count = pageCount(table, twips);
        for (int page = 0; page < count; ++page) {
            if (!firstPage && !device.newPage()) {
                painter.end();
                if (error)
                    *error = QCoreApplication::translate(
                        "WorkingPage", "The printer or file took no further page.");
                return false;
            }
            firstPage = false;
            paint(painter, twips, table, account, page);
        }
    }
    if (!painter.end()) {
        if (error)
            *error = QCoreApplication::translate(
                "WorkingPage", "The working could not be finished on the printer or file.");
        return false;
    }
    return true;
}

} // namespace WorkingPage
