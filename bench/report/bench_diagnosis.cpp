// Naming the lender's mistake. A ten-year loan (120 postings) whose lender applied one rate
// change 14 days late and kept another rate five months: the whole search, on every core. And a
// forty-year loan charged under another method than the report's, where every posting differs
// and the search has the most to try.

#include "../RunBenchmarks.h"
#include "diagnosis/Diagnosis.h"
#include "support/ChargedHistory.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

QVector<RatePeriod> rates(int years, int shiftDays) {
    QVector<RatePeriod> out;
    QDate from(2015, 1, 1);
    for (int i = 0; i < years; ++i) {
        const QDate to = i == years - 1
                             ? QDate(2015 + years, 12, 31)
                             : QDate(2015, 11, 10).addYears(i).addDays(i == 3 ? shiftDays : 0);
        out << RatePeriod{i + 1, from, to,
                          Rate::fromThousandths(4500 + (i % 4) * 350 - (i % 3) * 100)};
        from = to.addDays(1);
    }
    return out;
}

Diagnosis::Inputs tenYears() {
    Diagnosis::Inputs in;
    in.basis = CalculationBasis::of(InterestMethod::VariableDay);
    in.rates = rates(10, 0);
    in.history = ChargedHistory::charged(InterestMethod::VariableDay, QString(), {}, rates(10, 14),
                                         {QDate(2015, 1, 1), 120, -500000, 3600, {}, 3});
    return in;
}

Diagnosis::Inputs fortyYearsOtherMethod() {
    Diagnosis::Inputs in;
    in.basis = CalculationBasis::of(InterestMethod::VariableDay);
    in.rates = rates(40, 0);
    in.history = ChargedHistory::charged(InterestMethod::FixedDay, QStringLiteral("14"),
                                         {DayCount::Actual360}, in.rates,
                                         {QDate(2015, 1, 1), 480, -500000, 2600, {}, 3});
    return in;
}

void BM_DiagnoseTenYears(benchmark::State& state) {
    const Diagnosis::Inputs in = tenYears();
    for (auto _ : state) {
        const Diagnosis::Result r = Diagnosis::diagnose(in);
        if (r.explanations.size() != 1) {
            state.SkipWithError("the planted mistake is not named");
            return;
        }
        benchmark::DoNotOptimize(r.explanations.size());
    }
}

void BM_DiagnoseFortyYearsEverythingDiffers(benchmark::State& state) {
    const Diagnosis::Inputs in = fortyYearsOtherMethod();
    for (auto _ : state) {
        const Diagnosis::Result r = Diagnosis::diagnose(in);
        benchmark::DoNotOptimize(r.differing);
    }
}

BENCHMARK(BM_DiagnoseTenYears)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DiagnoseFortyYearsEverythingDiffers)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
