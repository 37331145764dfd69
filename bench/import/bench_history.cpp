// A ten-year history of 3,000 rows cut into 120 monthly statements: previewed (signs proposed,
// cut, every statement checked against the file's balances), and committed into an empty account
// in one transaction, as `vantrell-import --into` does after reading the file. And the largest a
// loan's history is taken to be: 500,000 rows over forty years, committed (target: under 5 s).
#include "data/AccountConnection.h"
#include "import/HistoryImport.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// `perMonth` rows a month from January 2014, over its first 28 days: repayments of 3,200.00 a
// month in all, fees, and the month's interest last, with the balance after each.
QList<ImportedRow> monthly(int months, int perMonth) {
    QList<ImportedRow> rows;
    rows.reserve(months * perMonth + 1);
    qint64 balance = -4000000000; // 400,000.00 in ten-thousandths
    for (int month = 0; month < months; ++month) {
        const QDate first = QDate(2014, 1, 1).addMonths(month);
        for (int i = 0; i < perMonth; ++i) {
            ImportedRow r;
            r.line = int(rows.size()) + 2;
            r.date = first.addDays(i * 28 / perMonth);
            const bool interest = i == perMonth - 1;
            r.description = interest ? QStringLiteral("Interest charged")
                                     : QStringLiteral("Repayment %1").arg(i);
            r.amount = Money::fromRaw(interest ? -15000000 : i % 2 ? 64000000 / perMonth : -20000);
            balance += r.amount.raw();
            r.balance = Money::fromRaw(balance);
            rows << r;
        }
    }
    // One row into the next month, so that the last month is complete.
    ImportedRow next = rows.last();
    next.line += 1;
    next.date = QDate(2014, 1, 1).addMonths(months);
    next.balance = Money::fromRaw(balance + next.amount.raw());
    rows << next;
    return rows;
}

QList<ImportedRow> tenYears() {
    return monthly(120, 25);
}

void BM_HistoryPreview(benchmark::State& state) {
    const QList<ImportedRow> rows = tenYears();
    for (auto _ : state) {
        const HistoryImport::Signs signs = HistoryImport::proposeSigns(rows);
        const HistoryImport::Plan plan =
            HistoryImport::cut(HistoryImport::applied(rows, signs), {}, {}, {});
        if (plan.statements.size() != 120)
            state.SkipWithError("not 120 statements");
        benchmark::DoNotOptimize(plan);
    }
}
BENCHMARK(BM_HistoryPreview)->Unit(benchmark::kMillisecond);

// Previews and commits `rows` into a new account each run: `statements` of them.
void previewAndCommit(benchmark::State& state, const QList<ImportedRow>& rows, int statements) {
    QTemporaryDir dir;
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString path = dir.filePath(QStringLiteral("Loan%1.mdb").arg(run++));
        QString error;
        if (!AccountDatabase::createFromSchema(path, &error)) {
            state.SkipWithError("no account");
            break;
        }
        AccountConnection account;
        account.open(path);
        state.ResumeTiming();
        const HistoryImport::Signs signs = HistoryImport::proposeSigns(rows);
        const HistoryImport::Plan plan =
            HistoryImport::cut(HistoryImport::applied(rows, signs), {}, {}, {});
        const std::optional<HistoryImport::Written> written =
            HistoryImport::commit(account.database(), plan, &error);
        if (!written || written->statements != statements)
            state.SkipWithError("not written");
    }
}

void BM_HistoryPreviewAndCommit(benchmark::State& state) {
    previewAndCommit(state, tenYears(), 120);
}
BENCHMARK(BM_HistoryPreviewAndCommit)->Unit(benchmark::kMillisecond);

// 480 months of 1,042 rows: 500,160 rows.
void BM_HistoryPreviewAndCommit500k(benchmark::State& state) {
    previewAndCommit(state, monthly(480, 1042), 480);
}
BENCHMARK(BM_HistoryPreviewAndCommit500k)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
