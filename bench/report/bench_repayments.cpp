// The repayment check and the payoff on a forty-year loan (480 monthly repayments, a rate change
// every year, the interest charged day by day): the check beside the terms, and the payoff walked
// on from the history's end with and without an extra amount.

#include "../RunBenchmarks.h"
#include "repayment/Payoff.h"
#include "support/ChargedHistory.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

RepaymentCheck::Inputs fortyYears(int months) {
    RepaymentCheck::Inputs in;
    in.basis = CalculationBasis::of(InterestMethod::VariableDay);
    for (int i = 0; i < 40; ++i)
        in.rates << RatePeriod{i + 1, QDate(2015 + i, 1, 1), QDate(2015 + i, 12, 31),
                               Rate::fromThousandths(4500 + (i % 4) * 350 - (i % 3) * 100)};
    in.rates.last().validTo = QDate(2099, 12, 31);
    in.history = ChargedHistory::charged(InterestMethod::VariableDay, QString(), {}, in.rates,
                                         {QDate(2015, 1, 1), months, -500000, 2900, {}, 3});
    in.lines = InterestEngine::calculate(in.history, in.rates, in.basis).lines;
    in.terms.firstRepayment = QDate(2015, 2, 3);
    in.terms.count = 480;
    return in;
}

void BM_RepaymentCheck(benchmark::State& state) {
    const RepaymentCheck::Inputs in = fortyYears(480);
    for (auto _ : state) {
        const RepaymentCheck::Result r = RepaymentCheck::check(in);
        if (r.rows.size() < 470) {
            state.SkipWithError("the repayments are not all there");
            return;
        }
        benchmark::DoNotOptimize(r.findings.size());
    }
}

// Ten years of history, thirty projected.
void BM_Payoff(benchmark::State& state) {
    const RepaymentCheck::Inputs in = fortyYears(120);
    const RepaymentCheck::Result r = RepaymentCheck::check(in);
    for (auto _ : state) {
        const Payoff::Result p = Payoff::project(in, r, Money::fromRaw(100 * Money::Scale));
        if (!p.base || !p.base->payoff.isValid()) {
            state.SkipWithError("no payoff");
            return;
        }
        benchmark::DoNotOptimize(p.interestSaved);
    }
}

BENCHMARK(BM_RepaymentCheck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Payoff)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
