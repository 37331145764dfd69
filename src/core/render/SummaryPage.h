#pragma once

#include "ReportTable.h"
#include "engine/InterestSummary.h"

#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVector>

class QPainter;

// The printed report's first page: what the lender over- or under-charged, in one sentence, the
// totals, the running total of the differences as a chart and the calendar years as a table.
// Painted with QPainter alone, so that the report tool's PDF has it too without any widget.
namespace SummaryPage {

// The value axis's labels on a chart `height` high: its two ends, and zero between them when it
// lies inside with room for its label (`labelHeight`) clear of both ends'.
QVector<double> labelledLevels(double low, double high, double height, double labelHeight);

// Paints the page onto `painter`, whose unit is the twip, in the area (0, 0) to `area`.
// `title` is the account file the report is for; `rows` are tblReport's; `incomplete` and
// `missingStatement` as InterestSummary::summarise takes them.
// `rates`: the postings' rates, when known, for the line that says how many lie off the rates
// entered. `explanations`: what explains the differences, a sentence each, under "What explains
// them" (the first four; the rest are counted).
void paint(QPainter& painter, const QSizeF& area, const QString& title,
           const QVector<ReportTableRow>& rows,
           const InterestSummary::IncompletePostings& incomplete = {}, int missingStatement = 0,
           const InterestSummary::PostingRateMap* rates = nullptr,
           const QStringList& explanations = {});

} // namespace SummaryPage
