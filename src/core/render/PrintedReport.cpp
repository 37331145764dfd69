#include "PrintedReport.h"

#include "GridText.h"
#include "SummaryPage.h"
#include "WorkingPage.h"
#include "data/OutputFile.h"
#include "data/ShortDate.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

// The design, in twips.
constexpr int ReportWidth = 9071;
constexpr int ReportHeaderHeight = 816;
constexpr int PageHeaderHeight = 260;
constexpr int DetailHeight = 240;
constexpr int ReportFooterHeight = 795;
constexpr int PageFooterHeight = 934;
constexpr int ColumnLeft[] = {0, 1134, 2268, 3402, 4535, 5669, 6803, 7937, 9071};
constexpr int ColumnWidth = 1130;
// An account with an offset account has a ninth column, and the report is that much wider.
constexpr int OffsetReportWidth = ReportWidth + 1134;

int widthOf(bool offsetColumn) {
    return offsetColumn ? OffsetReportWidth : ReportWidth;
}
constexpr int FieldHeight = 240;

const char* const ReportTitle = "Vantrell";
const char* const Labels[] = {QT_TRANSLATE_NOOP("PrintedReport", "Date:"),
                              QT_TRANSLATE_NOOP("PrintedReport", "Govt Charge:"),
                              QT_TRANSLATE_NOOP("PrintedReport", "Bank Charge:"),
                              QT_TRANSLATE_NOOP("PrintedReport", "Withdrawal:"),
                              QT_TRANSLATE_NOOP("PrintedReport", "Deposit:"),
                              QT_TRANSLATE_NOOP("PrintedReport", "Interest Paid:"),
                              QT_TRANSLATE_NOOP("PrintedReport", "Interest Due:"),
                              QT_TRANSLATE_NOOP("PrintedReport", "Balance:"),
                              QT_TRANSLATE_NOOP("PrintedReport", "Offset:")};
const char* const DateFormat = "d/MM/yyyy";
const char* const Notice1 = QT_TRANSLATE_NOOP("PrintedReport", "Errors and Omissions Excluded.");
const char* const Notice2 =
    QT_TRANSLATE_NOOP("PrintedReport", "If any statements have not been included in this report "
                                       "the calculated interest due for these periods will not be "
                                       "accurate.");
const char* const PageOf = QT_TRANSLATE_NOOP("PrintedReport", "Page %1 of %2 Pages");
const char* const PrintedOn = QT_TRANSLATE_NOOP("PrintedReport", "Printed on %1");
//: A total too large to show
const char* const Overflow = QT_TRANSLATE_NOOP("PrintedReport", "overflow");

QString translated(const char* text) {
    return QCoreApplication::translate("PrintedReport", text);
}

QRectF field(int column, int top) {
    return QRectF(ColumnLeft[column], top, ColumnWidth, FieldHeight);
}

class Painter {
public:
    Painter(QPainter& p, const PrintedReport::Content& c, int pageCount)
        : m_p(p), m_content(c), m_pageCount(pageCount), m_width(widthOf(c.offsetColumn)),
          m_columns(c.offsetColumn ? 9 : 8), m_body(PrintedReport::font(8)),
          m_bold(PrintedReport::font(8, true)), m_title(PrintedReport::font(16, true)),
          m_path(PrintedReport::font(10)), m_notice(PrintedReport::font(8)) {
        // The long notice runs across the page on one line: smaller type where it would not.
        const qreal width =
            QFontMetricsF(m_notice, m_p.device()).horizontalAdvance(translated(Notice2));
        if (width > ReportWidth)
            m_notice.setPixelSize(int(m_notice.pixelSize() * ReportWidth / width));
    }

    void band(const PrintedReport::Band& b, int page) {
        switch (b.kind) {
        case PrintedReport::BandKind::ReportHeader:
            m_p.setFont(m_title);
            m_p.drawText(QRectF(0, 240, 3300, 480), Qt::AlignLeft | Qt::AlignTop,
                         QString::fromLatin1(ReportTitle));
            m_p.setFont(m_path);
            m_p.drawText(QRectF(3402, 240, 5703, ReportHeaderHeight - 240),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere, m_content.title);
            break;
        case PrintedReport::BandKind::PageHeader:
            m_p.setFont(m_bold);
            for (int c = 0; c < m_columns; ++c)
                m_p.drawText(field(c, b.top), alignment(c), translated(Labels[c]));
            m_p.setPen(QPen(Qt::black, 10));
            m_p.drawLine(QLineF(0, b.top + 250, m_width, b.top + 250));
            break;
        case PrintedReport::BandKind::Detail:
            detail(m_content.rows[b.row], b.top);
            break;
        case PrintedReport::BandKind::ReportFooter: {
            m_p.setFont(m_bold);
            const PrintedReport::Totals t = PrintedReport::totals(m_content.rows);
            for (std::size_t i = 0; i < t.size(); ++i)
                m_p.drawText(field(int(i) + 1, b.top + 120), alignment(1),
                             t[i] ? m_text.amount(*t[i]) : translated(Overflow));
            m_p.setFont(m_body);
            m_p.drawText(QRectF(0, b.top + 480, m_width, FieldHeight), Qt::AlignLeft,
                         m_content.conventions);
            break;
        }
        case PrintedReport::BandKind::PageFooter:
            m_p.setFont(m_body);
            m_p.drawText(QRectF(0, b.top + 120, ReportWidth, FieldHeight), Qt::AlignLeft,
                         translated(Notice1));
            m_p.setFont(m_notice);
            m_p.drawText(QRectF(0, b.top + 360, ReportWidth, FieldHeight), Qt::AlignLeft,
                         translated(Notice2));
            m_p.setFont(m_body);
            m_p.drawText(QRectF(3402, b.top + 687, 2800, FieldHeight), Qt::AlignLeft,
                         translated(PageOf).arg(page + 1).arg(m_pageCount));
            m_p.drawText(QRectF(6236, b.top + 687, ReportWidth - 6236, FieldHeight), Qt::AlignLeft,
                         translated(PrintedOn).arg(ShortDate::format(m_content.printedOn)));
            break;
        }
    }

private:
    static Qt::Alignment alignment(int column) {
        return (column == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
    }

    void detail(const ReportTableRow& row, int top) {
        m_p.setFont(m_body);
        m_p.setPen(Qt::black);
        if (row.date.isValid())
            m_p.drawText(field(0, top), alignment(0), m_locale.toString(row.date, DateFormat));
        for (int f = 0; f < ReportTableRow::FieldCount; ++f) {
            if (const std::optional<Money>& m = row.values[std::size_t(f)])
                m_p.drawText(field(f + 1, top), alignment(f + 1), m_text.amount(*m));
        }
        if (m_content.offsetColumn && row.offset)
            m_p.drawText(field(8, top), alignment(8), m_text.amount(*row.offset));
        m_p.setPen(QPen(Qt::gray, 5));
        m_p.drawLine(QLineF(0, top + DetailHeight - 5, m_width, top + DetailHeight - 5));
        m_p.setPen(Qt::black);
    }

    QPainter& m_p;
    const PrintedReport::Content& m_content;
    int m_pageCount;
    int m_width;   // twips
    int m_columns; // 8, or 9 with the Offset column
    QFont m_body, m_bold, m_title, m_path, m_notice;
    const GridText m_text;
    const QLocale m_locale;
};

} // namespace

namespace PrintedReport {

QFont font(double points, bool bold) {
    QFont f;
    f.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(1, int(std::lround(points * TwipsPerPoint))));
    f.setBold(bold);
    return f;
}

QVector<Page> layout(int rowCount, int pageHeight) {
    QVector<Page> pages;
    const int bodyEnd = pageHeight - PageFooterHeight;
    Page page;
    int y = 0;
    bool hasDetail = false;
    const auto startPage = [&] {
        page = Page();
        y = 0;
        hasDetail = false;
        if (pages.isEmpty()) {
            page.bands.append({BandKind::ReportHeader, 0, -1});
            y += ReportHeaderHeight;
        }
        page.bands.append({BandKind::PageHeader, y, -1});
        y += PageHeaderHeight;
    };
    const auto endPage = [&] {
        page.bands.append({BandKind::PageFooter, std::max(y, bodyEnd), -1});
        pages.append(page);
    };
    // A band goes on the next page when it does not fit, unless the page has no detail yet: a
    // page too small for anything still moves on, one band at a time.
    startPage();
    for (int r = 0; r < rowCount; ++r) {
        if (y + DetailHeight > bodyEnd && hasDetail) {
            endPage();
            startPage();
        }
        page.bands.append({BandKind::Detail, y, r});
        y += DetailHeight;
        hasDetail = true;
    }
    if (y + ReportFooterHeight > bodyEnd && hasDetail) {
        endPage();
        startPage();
    }
    page.bands.append({BandKind::ReportFooter, y, -1});
    y += ReportFooterHeight;
    endPage();
    return pages;
}

Totals totals(const QVector<ReportTableRow>& rows) {
    Totals sums;
    sums.fill(Money());
    for (const ReportTableRow& row : rows) {
        for (std::size_t i = 0; i < sums.size(); ++i) {
            if (sums[i] && row.values[i])
                sums[i] = Money::add(*sums[i], *row.values[i]);
        }
    }
    return sums;
}

QPageLayout pageLayout(const QPageSize& size, bool offsetColumn) {
    const QSizeF paper = size.size(QPageSize::Millimeter);
    const double widthMm = widthOf(offsetColumn) * 25.4 / TwipsPerInch;
    const double side = std::max(5.0, (paper.width() - widthMm) / 2);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(side, 15, side, 15),
                       QPageLayout::Millimeter);
}

namespace {

// One page of an appendix: its heading ("(continued)" after the first page), then `perPage` of
// its lines from `first`, in a fixed-width face.
void paintTextPage(QPainter& painter, int width, const Content::TextPage& text, qsizetype first,
                   int perPage, int lineHeight) {
    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(font(12, true));
    painter.drawText(
        QRectF(0, 240, width, 400), Qt::AlignLeft | Qt::AlignTop,
        first == 0
            ? text.heading
            : QCoreApplication::translate("PrintedReport", "%1 (continued)").arg(text.heading));
    QFont mono(QStringLiteral("Liberation Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSizeF(7);
    painter.setFont(mono);
    double y = 800;
    for (qsizetype i = first; i < text.lines.size() && i < first + perPage; ++i) {
        painter.drawText(QRectF(0, y, width, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         text.lines[i]);
        y += lineHeight;
    }
    painter.restore();
}

} // namespace

namespace {

// The painter begun on `device` and scaled so that `width` twips fit the paper: the height in
// twips a page has above a footer of `footerHeight`. nullopt, with `error`, when it cannot be.
std::optional<int> beginPages(QPagedPaintDevice& device, QPainter& painter, int width,
                              int footerHeight, QString* error) {
    const QRectF area = device.pageLayout().paintRect(QPageLayout::Point);
    if (area.width() <= 0 || area.height() <= 0) {
        if (error)
            *error =
                QCoreApplication::translate("PrintedReport", "The page has no room to print on.");
        return std::nullopt;
    }
    const double shrink = std::min(1.0, area.width() * TwipsPerPoint / width);
    if (!painter.begin(&device)) {
        if (error)
            *error = QCoreApplication::translate(
                "PrintedReport", "The report could not be sent to the printer or file.");
        return std::nullopt;
    }
    painter.scale(device.logicalDpiX() * shrink / TwipsPerInch,
                  device.logicalDpiY() * shrink / TwipsPerInch);
    return int(std::floor(area.height() * TwipsPerPoint / shrink)) - footerHeight;
}

// A footer takes the page's last lines.
void paintFooter(QPainter& painter, int width, int pageHeight, int footerHeight,
                 const QString& footer) {
    if (footer.isEmpty())
        return;
    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(font(8));
    painter.drawText(QRectF(0, pageHeight + 60, width, footerHeight - 60),
                     Qt::AlignLeft | Qt::AlignBottom, footer);
    painter.restore();
}

// One content's pages after the painter's current one (its first on a new page unless `first`):
// the summary page, the numbered pages, the workings and the appendix, each page with the
// content's footer.
bool paintContent(QPagedPaintDevice& device, QPainter& painter, const Content& content, int width,
                  int pageHeight, int footerHeight, bool first, QString* error) {
    const QVector<Page> pages = layout(int(content.rows.size()), pageHeight);
    Painter report(painter, content, int(pages.size()));
    const auto foot = [&] {
        paintFooter(painter, width, pageHeight, footerHeight, content.footer);
    };
    const auto nextPage = [&] {
        foot();
        if (device.newPage())
            return true;
        painter.end();
        if (error)
            *error = QCoreApplication::translate("PrintedReport",
                                                 "The printer or file took no further page.");
        return false;
    };
    if (!first && !device.newPage()) {
        painter.end();
        if (error)
            *error = QCoreApplication::translate("PrintedReport",
                                                 "The printer or file took no further page.");
        return false;
    }
    // What the lender over- or under-charged heads the report, on a page of its own before the
    // numbered pages.
    SummaryPage::paint(painter, QSizeF(width, pageHeight), content.title, content.rows,
                       content.incomplete, content.missingStatement,
                       content.rates ? &*content.rates : nullptr, content.explanations);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (!nextPage())
            return false;
        for (const Band& band : pages[i].bands)
            report.band(band, int(i));
    }
    for (const WorkingRendering::Table& table : content.workings) {
        const int count = WorkingPage::pageCount(table, QSizeF(width, pageHeight));
        for (int page = 0; page < count; ++page) {
            if (!nextPage())
                return false;
            WorkingPage::paint(painter, QSizeF(width, pageHeight), table, content.title, page);
        }
    }
    for (const Content::TextPage& text : content.appendix) {
        constexpr int LineHeight = 170;
        const int perPage = std::max(1, (pageHeight - 900) / LineHeight);
        for (qsizetype at = 0; at == 0 || at < text.lines.size(); at += perPage) {
            if (!nextPage())
                return false;
            paintTextPage(painter, width, text, at, perPage, LineHeight);
        }
    }
    foot();
    return true;
}

} // namespace

bool paint(QPagedPaintDevice& device, const Content& content, QString* error) {
    return paint(device, QVector<Content>{content}, error);
}

bool paint(QPagedPaintDevice& device, const QVector<Content>& contents, QString* error) {
    int width = 0;
    bool footers = false;
    for (const Content& content : contents) {
        width = std::max(width, widthOf(content.offsetColumn));
        footers = footers || !content.footer.isEmpty();
    }
    const int footerHeight = footers ? 300 : 0;
    QPainter painter;
    const std::optional<int> pageHeight = beginPages(device, painter, width, footerHeight, error);
    if (!pageHeight)
        return false;
    for (qsizetype i = 0; i < contents.size(); ++i)
        if (!paintContent(device, painter, contents[i], width, *pageHeight, footerHeight, i == 0,
                          error))
            return false;
    if (!painter.end()) {
        if (error)
            *error = QCoreApplication::translate(
                "PrintedReport", "The report could not be finished on the printer or file.");
        return false;
    }
    return true;
}

bool paintText(QPagedPaintDevice& device, const QVector<Content::TextPage>& pages,
               const QString& footer, QString* error) {
    const int width = widthOf(false);
    const int footerHeight = footer.isEmpty() ? 0 : 300;
    QPainter painter;
    const std::optional<int> height = beginPages(device, painter, width, footerHeight, error);
    if (!height)
        return false;
    const int pageHeight = *height;
    constexpr int LineHeight = 170;
    const int perPage = std::max(1, (pageHeight - 900) / LineHeight);
    bool first = true;
    for (const Content::TextPage& text : pages) {
        for (qsizetype line = 0; line == 0 || line < text.lines.size(); line += perPage) {
            if (!first && !device.newPage()) {
                painter.end();
                if (error)
                    *error = QCoreApplication::translate(
                        "PrintedReport", "The printer or file took no further page.");
                return false;
            }
            first = false;
            paintTextPage(painter, width, text, line, perPage, LineHeight);
            paintFooter(painter, width, pageHeight, footerHeight, footer);
        }
    }
    if (!painter.end()) {
        if (error)
            *error = QCoreApplication::translate(
                "PrintedReport", "The pages could not be finished on the printer or file.");
        return false;
    }
    return true;
}

bool writePdf(const QString& path, const Content& content, const QString& title,
              const QStringList& keep, QString* error) {
    return writePdf(path, QVector<Content>{content}, title, keep, error);
}

bool writePdf(const QString& path, const QVector<Content>& contents, const QString& title,
              const QStringList& keep, QString* error) {
    const bool offsetColumn = std::any_of(contents.begin(), contents.end(),
                                          [](const Content& c) { return c.offsetColumn; });
    return OutputFile::write(
        path,
        [&](QIODevice& file, QString* why) {
            QPdfWriter writer(&file);
            writer.setPageLayout(pageLayout(QPageSize(QPageSize::A4), offsetColumn));
            writer.setTitle(title);
            writer.setCreator(QStringLiteral("Vantrell"));
            return paint(writer, contents, why);
        },
        keep, error);
}

} // namespace PrintedReport
