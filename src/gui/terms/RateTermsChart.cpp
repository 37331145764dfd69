// The window's chart: the stored rates, the rates owed and each reference series the terms
// follow, over the history's span.
#include "RateTermsWindow.h"

#include "engine/InterestEngine.h"
#include "engine/InterestSummary.h"
#include "render/ReferenceRendering.h"
#include "shell/Charts.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

void RateTermsWindow::fillChart(const RateTerms::Owed& owed) {
    QChart* chart = termsChart->chart();
    Charts::clear(chart);
    const auto [first, last] = historyDates(m_snapshot->inputs.history);
    if (!first.isValid())
        return;
    QVector<QPair<QString, QVector<QPointF>>> lines = {
        {tr("Stored rates"), ReferenceRendering::steps(m_snapshot->inputs.rates)},
        {tr("Owed rates"), ReferenceRendering::steps(owed.ratePeriods())}};
    QStringList shown;
    const RateTerms::SeriesSet every = everySeries();
    for (const RateTerms::Period& p : std::as_const(m_terms)) {
        if (p.series.isEmpty() || shown.contains(p.series) || !every.contains(p.series))
            continue;
        shown << p.series;
        lines.append({every.value(p.series).name,
                      ReferenceRendering::steps(every.value(p.series), first, last)});
    }
    QVector<double> values;
    auto* x = new QDateTimeAxis;
    constexpr int Ticks = 5;
    x->setFormat(InterestSummary::timeAxisFormat(first, last, Ticks));
    x->setTickCount(Ticks);
    x->setRange(first.startOfDay(), last.addDays(1).startOfDay());
    chart->addAxis(x, Qt::AlignBottom);
    auto* y = new QValueAxis;
    y->setLabelFormat(QStringLiteral("%.2f"));
    chart->addAxis(y, Qt::AlignLeft);
    for (const auto& [name, points] : std::as_const(lines)) {
        if (points.isEmpty())
            continue;
        auto* series = new QLineSeries;
        series->setName(name);
        series->append(points);
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
        for (const QPointF& point : points)
            values << point.y();
    }
    const InterestSummary::ValueRange range = InterestSummary::valueRange(values);
    y->setRange(range.low, range.high);
    y->applyNiceNumbers();
}
