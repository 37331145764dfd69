// Rate periods proposed from the lender's charges on a ten-year loan: 120 monthly charges made
// under twelve rate changes, some inside a posting's period. One method, and every method, day
// and convention (--propose-rates --method any). And the same loan's rates held against a
// reference series that changed 40 times: the pass-on table, one run of the engine a change.

#include "../RunBenchmarks.h"
#include "engine/HistoryRows.h"
#include "engine/RateProposal.h"
#include "reference/PassOn.h"
#include "support/ChargedHistory.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int Months = 120;

// A change every ten months and three days, so that it moves through the month; the rates step
// up and down.
QVector<RatePeriod> rateHistory() {
    QVector<RatePeriod> rates;
    QDate from(2015, 1, 1);
    for (int i = 0; i < 12; ++i) {
        const QDate to =
            i == 11 ? QDate(2026, 12, 31) : QDate(2015, 11, 1).addMonths(10 * i).addDays(3 * i);
        rates << RatePeriod{i + 1, from, to,
                            Rate::fromThousandths((450 + (i % 4) * 35 - (i % 3) * 10) * 10)};
        from = to.addDays(1);
    }
    return rates;
}

const QVector<HistoryRow>& history() {
    static const QVector<HistoryRow> rows =
        ChargedHistory::charged(InterestMethod::FixedDay, QStringLiteral("14"), {}, rateHistory(),
                                {QDate(2015, 1, 1), Months, -500000, 3600, {}, 3});
    return rows;
}

void BM_ProposeRates(benchmark::State& state) {
    const QVector<HistoryRow>& rows = history();
    for (auto _ : state) {
        const RateProposal::Proposal p = RateProposal::propose(
            rows, CalculationBasis::of(InterestMethod::FixedDay,
                                       CalcDay::Day::fromCalcTo(QStringLiteral("14"))));
        if (!p.unexplained.isEmpty() || p.periods.size() != 12) {
            state.SkipWithError("the proposal is not the history");
            return;
        }
        benchmark::DoNotOptimize(p.periods.size());
    }
}

void BM_ProposeRatesAnyMethod(benchmark::State& state) {
    const QVector<HistoryRow>& rows = history();
    for (auto _ : state) {
        const RateProposal::Ranking r = RateProposal::proposeAny(rows, QString());
        benchmark::DoNotOptimize(r.ranked.size());
    }
}

// A change every three months, up and down by a quarter point.
ReferenceSeries reference() {
    ReferenceSeries s;
    s.key = QStringLiteral("bench");
    for (int i = 0; i <= 40; ++i)
        s.changes << SeriesChange{QDate(2015, 1, 20).addMonths(3 * i),
                                  Rate::fromThousandths(2000 + (i % 5) * 250 - (i % 3) * 250)};
    return s;
}

void BM_PassOn(benchmark::State& state) {
    const PassOn::Calculation c{
        history(),
        CalculationBasis::of(InterestMethod::FixedDay,
                             CalcDay::Day::fromCalcTo(QStringLiteral("14"))),
        {}};
    const QVector<RatePeriod> stored = rateHistory();
    const ReferenceSeries series = reference();
    for (auto _ : state) {
        const PassOn::Table t = PassOn::table(c, stored, series, 0);
        if (t.rows.size() < 30) {
            state.SkipWithError("the series' changes are not in the table");
            return;
        }
        benchmark::DoNotOptimize(t.total);
    }
}

BENCHMARK(BM_ProposeRates)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProposeRatesAnyMethod)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PassOn)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
