#pragma once

#include "reference/PassOn.h"
#include "reference/RateTerms.h"

#include <QByteArray>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVector>

// The reference series, the owed rate periods and the pass-on table as text and CSV: for the
// report tool, the summary and the Rate Terms window alike.
namespace ReferenceRendering {

// "+0.25", "-0.5", "0": a change of a rate with its sign.
QString changeText(Rate change);

// "name  publisher  first  known to  changes", a line a series.
QString seriesListText(const QVector<ReferenceSeries>& series);

// A terms period's details in a line: "4.5 % until 31/5/2022", "rba-cash + 2.5, 14 days after
// each change", "cmt + 2.75 to the nearest 0.125, from 1/6/2023 every 12 months, ...".
QString termsDetail(const RateTerms::Period& p);

// The stored rates in force over an owed period: "4.25 %", "4.25 % to 4.75 %", "" for none.
QString storedBeside(const RateTerms::OwedPeriod& owed, const QVector<RatePeriod>& stored);

// A chart's steps: a point at each period's start and one at the day after its end, x the day's
// start in milliseconds since the epoch (the unit of a date-time axis).
QVector<QPointF> steps(const QVector<RatePeriod>& periods);
// A series' steps from `from` to `to`.
QVector<QPointF> steps(const ReferenceSeries& series, const QDate& from, const QDate& to);

// "from,to,rate,source": ISO dates, the rate with every decimal it has, the terms' word
// ("fixed", "tracker", "adjustable", "variable").
QByteArray owedCsv(const RateTerms::Owed& owed);
// The owed periods in aligned columns with how each rate came about, then the notices.
QString owedText(const RateTerms::Owed& owed);

// The pass-on table's column headings and one row's cells, as a grid shows them.
QStringList passOnHeadings();
QStringList passOnCells(const PassOn::Row& row);
// "reference_date,reference_change,reference_rate,lender_date,lender_change,lender_rate,
// days_late,not_passed_on,cost"; an unanswered change leaves the lender's fields empty.
QByteArray passOnCsv(const PassOn::Table& table);
// The table in aligned columns under a heading naming the series, then its total.
QString passOnText(const PassOn::Table& table, const ReferenceSeries& series, int lagDays);
// "The changes not passed on in full cost 123.45 in interest over the history." (or "saved").
QString passOnTotalLine(const PassOn::Table& table);
// Where the lender's answer to a change is looked for under a lag of `lagDays`.
QString answerWindowLine(int lagDays);

} // namespace ReferenceRendering
