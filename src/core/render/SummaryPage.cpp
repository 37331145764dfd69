#include "SummaryPage.h"

#include "GridText.h"
#include "PrintedReport.h"
#include "SummaryRendering.h"
#include "engine/InterestSummary.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Twips, as the report's bands.
constexpr double RowHeight = 240;
constexpr double AxisLabelWidth = 1200;

double msecs(const QDate& d) {
    return double(d.startOfDay().toMSecsSinceEpoch());
}

// The running total against time in `box`: a zero line, the line through the postings, the
// amounts at its top, zero and bottom, and years (or the first and last dates) along the foot.
void paintChart(QPainter& p, const QRectF& box, const InterestSummary::Summary& s,
                const GridText& text) {
    p.setFont(PrintedReport::font(11, true));
    p.drawText(QRectF(box.left(), box.top() - 480, box.width(), 300), Qt::AlignLeft,
               QCoreApplication::translate("SummaryPage", "Running total of charged - due"));
    const QRectF plot = box.adjusted(AxisLabelWidth, 0, 0, -RowHeight - 40);
    p.setPen(QPen(Qt::gray, 8));
    p.drawRect(plot);
    p.setFont(PrintedReport::font(8));
    const QVector<QPointF> points = InterestSummary::runningTotalSeries(s);
    if (points.isEmpty()) {
        p.setPen(Qt::black);
        p.drawText(plot, Qt::AlignCenter,
                   QCoreApplication::translate("SummaryPage", "No posting to compare."));
        return;
    }

    // Named members, not a structured binding: the lambda below captures them, which clang 14
    // (the fuzz build's compiler) refuses for bindings.
    const InterestSummary::ValueRange range = InterestSummary::valueRange(points);
    const double low = range.low, high = range.high;
    const QDate firstDate = s.postings.first().date.addDays(-15);
    const QDate lastDate = s.postings.last().date.addDays(15);
    const double first = msecs(firstDate), last = msecs(lastDate);
    const auto at = [&](double x, double y) {
        return QPointF(plot.left() + (x - first) / (last - first) * plot.width(),
                       plot.bottom() - (y - low) / (high - low) * plot.height());
    };

    p.setPen(QPen(Qt::gray, 6, Qt::DashLine));
    p.drawLine(at(first, 0), at(last, 0));
    p.setPen(Qt::black);
    for (const double y : SummaryPage::labelledLevels(low, high, plot.height(), RowHeight)) {
        const Money amount = Money::fromDouble(y).value_or(Money());
        const QPointF level = at(first, y);
        p.drawText(QRectF(box.left(), level.y() - RowHeight / 2, AxisLabelWidth - 80, RowHeight),
                   Qt::AlignRight | Qt::AlignVCenter, text.amount(amount));
    }

    // Years along the foot, at most eight of them; a short history shows its two ends.
    const QRectF foot(plot.left(), plot.bottom() + 40, plot.width(), RowHeight);
    const int years = lastDate.year() - firstDate.year();
    if (years >= 2) {
        const int step = std::max(1, (years + 7) / 8);
        for (int y = firstDate.year() + 1; y <= lastDate.year(); y += step) {
            const double x = at(msecs(QDate(y, 1, 1)), 0).x();
            p.setPen(QPen(Qt::gray, 6));
            p.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 40));
            p.setPen(Qt::black);
            p.drawText(QRectF(x - 400, foot.top(), 800, RowHeight), Qt::AlignCenter,
                       QString::number(y));
        }
    } else {
        p.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter, text.date(s.postings.first().date));
        p.drawText(foot, Qt::AlignRight | Qt::AlignVCenter, text.date(s.postings.last().date));
    }

    QPainterPath line;
    for (const QPointF& pt : points) {
        const QPointF q = at(pt.x(), pt.y());
        if (line.elementCount() == 0)
            line.moveTo(q);
        else
            line.lineTo(q);
    }
    p.setPen(QPen(Qt::black, 18));
    p.setBrush(Qt::NoBrush);
    p.drawPath(line);
    if (points.size() <= 120) {
        p.setBrush(Qt::black);
        for (const QPointF& pt : points)
            p.drawEllipse(at(pt.x(), pt.y()), 30, 30);
        p.setBrush(Qt::NoBrush);
    }
}

// The years' table's columns in twips, and its text's size as a share of 8 points.
struct YearColumns {
    std::array<double, 4> widths;
    double scale = 1;
    double blockWidth() const { return widths[0] + widths[1] + widths[2] + widths[3] + 3 * Gap; }
    static constexpr double Gap = 60;
};

// Each column as the design has it, wider where a cell needs more in the face it is painted in
// ("Total of every posting" does); where `blocks` blocks would then not fit across `width`, each
// column as wide as its widest cell, and the text smaller while even that does not fit.
YearColumns yearColumns(const QPaintDevice* device, const QVector<QStringList>& rows, int blocks,
                        double width, double scale) {
    constexpr std::array<double, 4> Design = {600, 1150, 1150, 1150};
    constexpr double BlockGap = 300; // between two blocks
    const double room = (width - (blocks - 1) * BlockGap) / blocks;
    const auto needed = [&](double s) {
        const QFontMetricsF body(PrintedReport::font(8 * s), device);
        const QFontMetricsF bold(PrintedReport::font(8 * s, true), device);
        std::array<double, 4> w = {};
        const auto widen = [&](const QStringList& cells, const QFontMetricsF& metrics) {
            for (int c = 0; c < 4 && c < cells.size(); ++c)
                w[std::size_t(c)] = std::max(w[std::size_t(c)],
                                             std::ceil(metrics.horizontalAdvance(cells[c])) + 20);
        };
        widen(SummaryRendering::yearHeadings(), bold);
        for (qsizetype r = 0; r < rows.size(); ++r)
            widen(rows[r], r == rows.size() - 1 ? bold : body);
        return YearColumns{w, s};
    };
    YearColumns columns = needed(scale);
    const YearColumns tight = columns;
    for (std::size_t c = 0; c < Design.size(); ++c)
        columns.widths[c] = std::max(columns.widths[c], Design[c] * scale);
    if (columns.blockWidth() <= room)
        return columns;
    columns = tight;
    // The text's width goes with its size; a second measure allows for the face's rounding.
    for (int i = 0; i < 3 && columns.blockWidth() > room; ++i)
        columns = needed(columns.scale * room / columns.blockWidth() * 0.99);
    return columns;
}

// The calendar years and their total in side-by-side blocks, as many as the room below needs.
void paintYears(QPainter& p, const QRectF& room, const InterestSummary::Summary& s) {
    p.setPen(Qt::black);
    p.setFont(PrintedReport::font(11, true));
    p.drawText(QRectF(room.left(), room.top(), room.width(), 280), Qt::AlignLeft,
               QCoreApplication::translate("SummaryPage", "By calendar year"));
    if (!s.incomplete.isEmpty()) {
        p.setFont(PrintedReport::font(8));
        p.drawText(
            QRectF(room.left() + 2000, room.top(), room.width() - 2000, 280),
            Qt::AlignLeft | Qt::AlignBottom,
            QCoreApplication::translate("SummaryRendering", SummaryRendering::IncompleteYearNote));
    }
    const QVector<QStringList> rows = SummaryRendering::yearRows(s);

    const double top = room.top() + 320;
    const double height = room.bottom() - top;
    if (height < 2 * RowHeight)
        return; // a page too short for the table: the report's own pages follow
    // Two blocks across the page where one would not fit; rows shrink where even two would not.
    const int fitting = int(height / RowHeight) - 1;
    const int blocks = rows.size() > fitting ? 2 : 1;
    const int perBlock = int((rows.size() + blocks - 1) / blocks);
    const double rowHeight = std::min(RowHeight, height / (perBlock + 1));
    const YearColumns columns =
        yearColumns(p.device(), rows, blocks, room.width(), rowHeight / RowHeight);
    const QFont body = PrintedReport::font(8 * columns.scale);
    const QFont bold = PrintedReport::font(8 * columns.scale, true);
    const double blockWidth = columns.blockWidth();
    for (int b = 0; b < blocks; ++b) {
        // The second block ends at the right margin.
        const double left = b == 0 ? room.left() : room.right() - blockWidth;
        const auto rowAt = [&](int i, const QStringList& cells, bool strong) {
            p.setFont(strong ? bold : body);
            double x = left;
            for (int c = 0; c < cells.size(); ++c) {
                const double w = columns.widths[std::size_t(c)];
                p.drawText(QRectF(x, top + i * rowHeight, w, rowHeight),
                           (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, cells[c]);
                x += w + YearColumns::Gap;
            }
        };
        rowAt(0, SummaryRendering::yearHeadings(), true);
        p.setPen(QPen(Qt::black, 8));
        p.drawLine(QPointF(left, top + rowHeight), QPointF(left + blockWidth, top + rowHeight));
        p.setPen(Qt::black);
        for (int i = 0; i < perBlock; ++i) {
            const int r = b * perBlock + i;
            if (r >= rows.size())
                break;
            rowAt(i + 1, rows[r], r == rows.size() - 1);
        }
    }
}

} // namespace

namespace SummaryPage {

QVector<double> labelledLevels(double low, double high, double height, double labelHeight) {
    QVector<double> levels = {high, low};
    // Zero only where its label clears both ends' labels.
    const double zero = high > low ? (high - 0) / (high - low) * height : 0;
    if (high > 0 && low < 0 && zero >= labelHeight && height - zero >= labelHeight)
        levels.append(0);
    return levels;
}

void paint(QPainter& p, const QSizeF& area, const QString& title,
           const QVector<ReportTableRow>& rows,
           const InterestSummary::IncompletePostings& incomplete, int missingStatement,
           const InterestSummary::PostingRateMap* rates, const QStringList& explanations) {
    const GridText text;
    const double width = area.width();
    p.save();
    p.setPen(Qt::black);
    p.setFont(PrintedReport::font(16, true));
    p.drawText(QRectF(0, 240, 3300, 480), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Vantrell"));
    p.setFont(PrintedReport::font(10));
    p.drawText(QRectF(3402, 240, width - 3402, 576),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere, title);

    p.setFont(PrintedReport::font(12, true));
    p.drawText(QRectF(0, 1000, width, 320), Qt::AlignLeft,
               QCoreApplication::translate("SummaryPage", "Interest charged and interest due"));
    const std::optional<InterestSummary::Summary> summary =
        ReportTable::summarise(rows, incomplete, missingStatement, rates);
    p.setFont(PrintedReport::font(11));
    if (!summary) {
        p.drawText(QRectF(0, 1400, width, 800), Qt::AlignLeft | Qt::TextWordWrap,
                   QCoreApplication::translate(
                       "SummaryPage", "The report's interest adds up to more than an amount can "
                                      "hold: no summary."));
        p.restore();
        return;
    }
    const InterestSummary::Summary& s = *summary;
    p.drawText(QRectF(0, 1400, width, 800), Qt::AlignLeft | Qt::TextWordWrap,
               SummaryRendering::sentence(s));

    p.setFont(PrintedReport::font(9));
    double y = 2300;
    for (const auto& [label, amount] : SummaryRendering::totals(s)) {
        p.drawText(QRectF(0, y, 3600, RowHeight), Qt::AlignLeft | Qt::AlignVCenter, label);
        p.drawText(QRectF(3600, y, 1400, RowHeight), Qt::AlignRight | Qt::AlignVCenter,
                   text.amount(amount));
        y += RowHeight;
    }
    if (const QString line = SummaryRendering::ratesLine(s); !line.isEmpty()) {
        y += 120;
        p.drawText(QRectF(0, y, width, 2 * RowHeight), Qt::AlignLeft | Qt::TextWordWrap, line);
        y += 2 * RowHeight;
    }

    if (!explanations.isEmpty()) {
        y += 200;
        p.setFont(PrintedReport::font(9, true));
        p.drawText(QRectF(0, y, width, RowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   QCoreApplication::translate("SummaryPage", "What explains them"));
        y += RowHeight;
        p.setFont(PrintedReport::font(9));
        constexpr int Shown = 4;
        QStringList lines = explanations.mid(0, Shown);
        if (explanations.size() > Shown)
            lines << QCoreApplication::translate(
                         "SummaryPage", "%1 more in the summary window and the report tool.")
                         .arg(explanations.size() - Shown);
        for (const QString& line : std::as_const(lines)) {
            const QRectF box = p.boundingRect(QRectF(0, y, width, 4 * RowHeight),
                                              Qt::AlignLeft | Qt::TextWordWrap, line);
            p.drawText(QRectF(0, y, width, box.height()), Qt::AlignLeft | Qt::TextWordWrap, line);
            y += box.height() + 40;
        }
    }

    const double chartTop = y + 800;
    const double chartHeight = std::clamp(area.height() * 0.27, 2000.0, 4200.0);
    paintChart(p, QRectF(0, chartTop, width, chartHeight), s, text);
    paintYears(p,
               QRectF(0, chartTop + chartHeight + 300, width,
                      area.height() - 240 - (chartTop + chartHeight + 300)),
               s);
    p.restore();
}

} // namespace SummaryPage
