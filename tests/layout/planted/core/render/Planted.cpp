// render/ may use engine/; a chart is a widget.
#include "engine/InterestEngine.h"
#include <QChartView>
