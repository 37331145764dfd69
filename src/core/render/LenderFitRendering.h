#pragma once

#include "engine/LenderFit.h"

#include <QByteArray>
#include <QStringList>
#include <QVector>

// The ranking of Find Lender's Method as text, for the report tool.
namespace LenderFitRendering {

// "method,day,day_count,rounding,matched,charges,difference,rest,compounding,per_year", then one
// line a score: the method's code, the day (empty for Variable Day), the report tool's option
// words, the difference as a plain decimal, and the periods a year only where equal periods or
// compounding count them.
QByteArray csv(const QVector<FitScore>& scores);
// Aligned columns under headings, one line a score.
QByteArray text(const QVector<FitScore>& scores);

// "Day Count", "Rounding", "Rest", "Compounding": the headings of a way's conventions in a
// ranking, and its cells under them by name, the periods a year after equal periods and
// compounding ("Equal periods (12)", "Half-yearly (26)").
const QStringList& conventionHeadings();
QStringList conventionCells(const LenderConventions& c);

} // namespace LenderFitRendering
