#pragma once

#include "ReportTable.h"
#include "WorkingRendering.h"
#include "engine/InterestSummary.h"

#include <QDate>
#include <QFont>
#include <QPageLayout>
#include <QString>
#include <QVector>

#include <array>
#include <optional>

class QPagedPaintDevice;

// The printed report (rptReport): a banded report of tblReport's rows drawn with QPainter on any
// paged device, a printer for preview and print or a PDF writer. Positions are the report's
// design in twips (1/1440 inch, 1/20 point) from the top left of the printable area.
namespace PrintedReport {

// The printed pages are laid out in twips, as the report designer laid them out.
inline constexpr int TwipsPerPoint = 20;
inline constexpr int TwipsPerInch = 1440;

// The printed pages' face: Arial, or a face with its metrics where it is not installed, sized in
// twips so that it is the same on every device under the painter's scale.
QFont font(double points, bool bold = false);

// The printed document's name; in a window through
// QCoreApplication::translate("PrintedReport", Caption).
inline constexpr const char* Caption = QT_TRANSLATE_NOOP("PrintedReport", "Vantrell Report");

enum class BandKind { ReportHeader, PageHeader, Detail, ReportFooter, PageFooter };

struct Band {
    BandKind kind = BandKind::Detail;
    int top = 0;  // twips
    int row = -1; // the detail band's row
    friend bool operator==(const Band&, const Band&) = default;
};

struct Page {
    QVector<Band> bands;
};

// The report's pages for `rowCount` detail rows on a printable area `pageHeight` twips high: the
// report header on the first page, a page header on every page, detail bands while they fit above
// the page footer, the report footer after the last row (on a page of its own when no room is
// left), the page footer at the foot of every page.
QVector<Page> layout(int rowCount, int pageHeight);

// The report footer's sums of GovtCharge ... InterestDue over all rows (the balance has no
// total); nullopt where a sum leaves the money range.
using Totals = std::array<std::optional<Money>, ReportTableRow::Balance>;
Totals totals(const QVector<ReportTableRow>& rows);

struct Content {
    QString title; // the report header's "%i": the account file
    QDate printedOn;
    QVector<ReportTableRow> rows;
    QString conventions;       // the lender's conventions when not the defaults, under the totals
    bool offsetColumn = false; // an account with an offset account: its column after Balance
    // For the summary page: the postings that cannot be compared, and the one missing statement.
    InterestSummary::IncompletePostings incomplete;
    int missingStatement = 0;
    // The postings' rates, when known: the summary page says how many lie off the rates entered.
    std::optional<InterestSummary::PostingRateMap> rates;
    // What explains the differences, a sentence each, for the summary page.
    QStringList explanations;
    // The working of the postings the user picked, each from a page of its own after the report.
    QVector<WorkingRendering::Table> workings;
    // Pages of text after the workings (the evidence pack's): a heading, then lines in a
    // fixed-width font, running on to further pages as needed.
    struct TextPage {
        QString heading;
        QStringList lines;
    };
    QVector<TextPage> appendix;
    // A line at the foot of every page ("HomeLoan1.mdb, made 9/12/2026"); "" for none.
    QString footer;
};

// A4 portrait unless told otherwise, with the report's 16 cm width (18 cm with the Offset column)
// centred between the side margins.
QPageLayout pageLayout(const QPageSize& size = QPageSize(QPageSize::A4), bool offsetColumn = false);

// Paints the whole report with the device's page layout: the summary page (SummaryPage) first,
// then every page from its first to its last, then the workings (WorkingPage), shrunk to the
// width where the paper is narrower than the report. False with the reason when the device cannot
// be painted on (a printer that cannot be opened, a file that cannot be written).
bool paint(QPagedPaintDevice& device, const Content& content, QString* error);
// Several reports one after another (each part of a split loan), each from a new page.
bool paint(QPagedPaintDevice& device, const QVector<Content>& contents, QString* error);

// Pages of text alone (a loan set's summary): each TextPage as the report's appended pages are
// painted, its heading and lines in a fixed-width face, with `footer` at the foot of every page.
// False with the reason when the device cannot be painted on.
bool paintText(QPagedPaintDevice& device, const QVector<Content::TextPage>& pages,
               const QString& footer, QString* error);

// The report painted into a PDF file on A4 (OutputFile::write: never over a file of `keep`, a
// link or anything but a regular file; whole or not at all), the document titled `title`.
// False with `error` saying why.
bool writePdf(const QString& path, const Content& content, const QString& title,
              const QStringList& keep, QString* error);
bool writePdf(const QString& path, const QVector<Content>& contents, const QString& title,
              const QStringList& keep, QString* error);

} // namespace PrintedReport
