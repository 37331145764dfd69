// Reading a bank's CSV file of 10 MB: split, layout found and every row read, as the preview
// does when the file is opened; and a read again in a given layout, as after each correction.
#include "import/CsvReader.h"
#include "import/ImportPreview.h"
#include "import/QifReader.h"

#include <QString>
#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype FileBytes = 10 * 1024 * 1024;

// A header, then rows like a bank's: date, description, signed amount, running balance.
QString bigCsv() {
    QString text = QStringLiteral("Date,Description,Amount,Balance\r\n");
    qint64 balance = -25000000; // cents
    for (int i = 0; text.size() < FileBytes; ++i) {
        const int day = 1 + i % 28;
        const int month = 1 + (i / 28) % 12;
        const int year = 2000 + (i / 336) % 24;
        const qint64 amount = i % 5 == 0 ? 150000 : -(1000 + (i * 37) % 90000);
        balance += amount;
        text += QStringLiteral("%1/%2/%3,\"Transaction %4, ref %5\",%6.%7,%8.%9\r\n")
                    .arg(day, 2, 10, QChar(u'0'))
                    .arg(month, 2, 10, QChar(u'0'))
                    .arg(year)
                    .arg(i)
                    .arg(i * 7919)
                    .arg(amount / 100)
                    .arg(std::abs(amount % 100), 2, 10, QChar(u'0'))
                    .arg(balance / 100)
                    .arg(std::abs(balance % 100), 2, 10, QChar(u'0'));
    }
    return text;
}

QString bigQif() {
    QString text = QStringLiteral("!Type:Bank\n");
    for (int i = 0; text.size() < FileBytes; ++i)
        text += QStringLiteral("D%1/%2/2024\nT-%3.50\nPPayee %4\nMMemo %4\n^\n")
                    .arg(1 + i % 28)
                    .arg(1 + i % 12)
                    .arg(i % 1000)
                    .arg(i);
    return text;
}

void BM_CsvOpen(benchmark::State& state) {
    const QString text = bigCsv();
    qsizetype rows = 0;
    for (auto _ : state) {
        CsvReader reader(text);
        QString error;
        const auto proposal = reader.propose(std::nullopt, &error);
        if (!proposal) {
            state.SkipWithError(qPrintable(error));
            break;
        }
        rows = proposal->result.rows.size();
        benchmark::DoNotOptimize(proposal);
    }
    state.counters["rows"] = double(rows);
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_CsvOpen)->Unit(benchmark::kMillisecond);

void BM_CsvReread(benchmark::State& state) {
    const QString text = bigCsv();
    CsvReader reader(text);
    QString error;
    const CsvLayout layout = reader.propose(std::nullopt, &error)->layout;
    for (auto _ : state)
        benchmark::DoNotOptimize(reader.read(layout));
}
BENCHMARK(BM_CsvReread)->Unit(benchmark::kMillisecond);

// What the preview adds when it opens the file: the columns, the duplicate and balance checks,
// the sign that fits the statement, the closing balance.
void BM_PreviewOpen(benchmark::State& state) {
    const QString text = bigCsv();
    CsvReader reader(text);
    QString error;
    const ReadResult read = reader.propose(std::nullopt, &error)->result;
    const StatementContext statement{QDate(2000, 1, 1), QDate(2023, 12, 31),
                                     *Money::parse("-250000"), *Money::parse("-250000")};
    KnownTransactions known;
    for (int i = 0; i < 5000; ++i)
        known.committed << KnownTransactions::Entry{QDate(1999, 1, 1).addDays(i % 365),
                                                    Money::fromRaw(-10000 * (i % 97))};
    for (auto _ : state) {
        ImportPreview preview(statement, known, ColumnRules::defaults());
        preview.setRows(read.rows);
        benchmark::DoNotOptimize(preview.balanceCheck());
        benchmark::DoNotOptimize(preview.closingAfterImport());
        benchmark::DoNotOptimize(preview.fitsBetterFlipped());
    }
}
BENCHMARK(BM_PreviewOpen)->Unit(benchmark::kMillisecond);

void BM_QifRead(benchmark::State& state) {
    const QString text = bigQif();
    for (auto _ : state)
        benchmark::DoNotOptimize(QifReader::read(text));
}
BENCHMARK(BM_QifRead)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
