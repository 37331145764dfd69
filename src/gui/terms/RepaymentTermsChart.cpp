// The window's chart: the balance owed as it went, as the terms require it, and as projected at
// the last repayment taken (and with the extra amount), each owed amount above zero.
#include "RepaymentTermsWindow.h"

#include "engine/InterestSummary.h"
#include "shell/Charts.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

namespace {

QVector<QPointF> pointsOf(const QVector<Payoff::Point>& owed) {
    QVector<QPointF> points;
    points.reserve(owed.size());
    for (const Payoff::Point& p : owed)
        points << QPointF(double(p.date.startOfDay().toMSecsSinceEpoch()), p.owed.toDouble());
    return points;
}

} // namespace

void RepaymentTermsWindow::fillChart(const Payoff::Result& p) {
    QChart* chart = payoffChart->chart();
    Charts::clear(chart);
    QVector<QPair<QString, const QVector<Payoff::Point>*>> lines = {
        {tr("Balance as it went"), &p.history}, {tr("Balance the terms require"), &p.required}};
    if (p.base)
        lines.append({tr("Projection"), &p.base->owed});
    if (p.extra)
        lines.append({tr("Projection with extra"), &p.extra->owed});
    QDate from;
    QDate to;
    QVector<double> values = {0.0}; // the balance runs down to nothing
    for (const auto& line : std::as_const(lines)) {
        for (const Payoff::Point& point : *line.second) {
            from = from.isValid() ? std::min(from, point.date) : point.date;
            to = to.isValid() ? std::max(to, point.date) : point.date;
            values << point.owed.toDouble();
        }
    }
    if (!from.isValid())
        return;
    auto* x = new QDateTimeAxis;
    constexpr int Ticks = 5;
    x->setFormat(InterestSummary::timeAxisFormat(from, to, Ticks));
    x->setTickCount(Ticks);
    x->setRange(from.startOfDay(), to.addDays(1).startOfDay());
    chart->addAxis(x, Qt::AlignBottom);
    auto* y = new QValueAxis;
    y->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(y, Qt::AlignLeft);
    for (const auto& [name, owed] : std::as_const(lines)) {
        if (owed->isEmpty())
            continue;
        auto* series = new QLineSeries;
        series->setName(name);
        series->append(pointsOf(*owed));
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    const InterestSummary::ValueRange range = InterestSummary::valueRange(values);
    y->setRange(range.low, range.high);
    y->applyNiceNumbers();
}
