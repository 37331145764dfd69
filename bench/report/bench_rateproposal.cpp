// Rate periods proposed from the lender's charges on a ten-year loan: 120 monthly charges made
// under twelve rate changes, some inside a posting's period. One method, and every method, day
// and convention (--propose-rates --method any).

#include "engine/InterestEngine.h"
#include "engine/RateProposal.h"

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
        rates << RatePeriod{i + 1, from, to, (450 + (i % 4) * 35 - (i % 3) * 10) / 100.0};
        from = to.addDays(1);
    }
    return rates;
}

// Each charge what the method posts on its date under the rates, with the charges before it.
QVector<HistoryRow> chargedHistory(int method, const QVector<RatePeriod>& rates) {
    QVector<HistoryRow> rows(1);
    rows[0].date = QDate(2015, 1, 1);
    rows[0].closeBalance = StoredMoney::of(Money::fromRaw(-500000LL * Money::Scale));
    for (int m = 0; m < Months; ++m) {
        HistoryRow repayment;
        repayment.date = QDate(2015, 1, 3).addMonths(m);
        repayment.amounts[ReportLine::Deposit] =
            StoredMoney::of(Money::fromRaw(3600LL * Money::Scale));
        rows << repayment;
        HistoryRow charge;
        charge.date = QDate(2015, 1, 15).addMonths(m);
        charge.amounts[ReportLine::InterestPayment] = StoredMoney::of(Money::fromRaw(100));
        rows << charge;
        const InterestEngine::Result r = InterestEngine::calculate(
            rows, rates, method, QStringLiteral("14"), {}, {}, InterestEngine::Output::Postings);
        for (const ReportLine& line : r.lines) {
            if (line.kind == ReportLine::Kind::Interest && line.date == charge.date)
                rows.last().amounts[ReportLine::InterestPayment] =
                    StoredMoney::of(*line.interestDue->roundedToCents());
        }
    }
    for (int i = 0; i < rows.size(); ++i)
        rows[i].id = i + 1;
    return rows;
}

const QVector<HistoryRow>& history() {
    static const QVector<HistoryRow> rows = chargedHistory(InterestMethod::FixedDay, rateHistory());
    return rows;
}

void BM_ProposeRates(benchmark::State& state) {
    const QVector<HistoryRow>& rows = history();
    for (auto _ : state) {
        const RateProposal::Proposal p =
            RateProposal::propose(rows, InterestMethod::FixedDay, QStringLiteral("14"), {});
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

BENCHMARK(BM_ProposeRates)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProposeRatesAnyMethod)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
