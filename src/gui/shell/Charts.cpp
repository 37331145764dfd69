#include "Charts.h"

#include <QAbstractAxis>
#include <QChart>

namespace Charts {

void clear(QChart* chart) {
    chart->removeAllSeries();
    const QList<QAbstractAxis*> axes = chart->axes();
    for (QAbstractAxis* axis : axes) {
        chart->removeAxis(axis);
        delete axis;
    }
}

} // namespace Charts
