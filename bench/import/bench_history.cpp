// A ten-year history of 3,000 rows cut into 120 monthly statements: previewed (signs proposed,
// cut, every statement checked against the file's balances), and committed into an empty account
// in one transaction, as `vantrell-import --into` does after reading the file.
#include "data/AccountConnection.h"
#include "import/HistoryImport.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// 25 rows a month: a repayment, interest and fees, with the balance after each.
QList<ImportedRow> tenYears() {
    QList<ImportedRow> rows;
    qint64 balance = -4000000000; // 400,000.00 in ten-thousandths
    for (int month = 0; month < 120; ++month) {
        const QDate first = QDate(2014, 1, 1).addMonths(month);
        for (int i = 0; i < 25; ++i) {
            ImportedRow r;
            r.line = int(rows.size()) + 2;
            r.date = first.addDays(i);
            const bool interest = i == 24;
            r.description = interest ? QStringLiteral("Interest charged")
                                     : QStringLiteral("Repayment %1").arg(i);
            r.amount = Money::fromRaw(interest ? -15000000 : i % 2 ? 600000 : -20000);
            balance += r.amount.raw();
            r.balance = Money::fromRaw(balance);
            rows << r;
        }
    }
    // One row into the next month, so that the last month is complete.
    ImportedRow next = rows.last();
    next.line += 1;
    next.date = QDate(2024, 1, 1);
    next.balance = Money::fromRaw(balance + next.amount.raw());
    rows << next;
    return rows;
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

void BM_HistoryPreviewAndCommit(benchmark::State& state) {
    const QList<ImportedRow> rows = tenYears();
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
        if (!written || written->statements != 120)
            state.SkipWithError("not written");
    }
}
BENCHMARK(BM_HistoryPreviewAndCommit)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
