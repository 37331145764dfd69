#pragma once

class QChart;

namespace Charts {

// Empties a chart that is drawn afresh: its series and its axes go, and are deleted. A chart
// lets go of an axis it removes without deleting it, so a refresh that only removed them would
// leak each time.
void clear(QChart* chart);

} // namespace Charts
