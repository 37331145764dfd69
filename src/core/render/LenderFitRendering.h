#pragma once

#include "engine/LenderFit.h"

#include <QByteArray>
#include <QVector>

// The ranking of Find Lender's Method as text, for the report tool.
namespace LenderFitRendering {

// "method,day,day_count,rounding,matched,charges,difference", then one line a score: the
// method's code, the day (empty for Variable Day), the report tool's option words and the
// difference as a plain decimal.
QByteArray csv(const QVector<FitScore>& scores);
// Aligned columns under headings, one line a score.
QByteArray text(const QVector<FitScore>& scores);

} // namespace LenderFitRendering
