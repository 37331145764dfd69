// The interest calculation over a large account: 40 years of history (about 14,600 days), 480
// statements, 10,000 transactions and 200 rate periods. The engine, reading the history, writing
// the calculation's changes back, the command-line report from start to exit, and the search for
// the lender's method (its charges fall on every day of the month, so it tries all 28 days),
// the walk with its working recorded and every posting's effective rate.
//
//   vantrell_bench_report --write-account=PATH   writes the account and exits (for timing the
//                                                 report tool by hand)

#include "../RunBenchmarks.h"
#include "data/AccountConnection.h"
#include "data/ShortDate.h"
#include "engine/InterestEngine.h"
#include "engine/LenderFit.h"
#include "engine/AccountStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr int Transactions = 10000;
constexpr int Statements = 480;
constexpr int RatePeriods = 200;
const QDate FirstDay(1985, 1, 1);
const QDate LastDay(2024, 12, 31); // 14,610 days

Money dollars(qint64 cents) {
    return Money::fromRaw(cents * (Money::Scale / 100));
}

// The history in the report order: an opening balance row, then the transactions spread evenly
// over the 40 years (monthly interest charges among repayments, redraws and charges), and a
// balance row at the start of every 40th statement.
QVector<HistoryRow> largeHistory() {
    QVector<HistoryRow> rows;
    HistoryRow opening;
    opening.date = FirstDay;
    opening.closeBalance = StoredMoney::of(dollars(-30000000));
    rows << opening;
    const qint64 days = FirstDay.daysTo(LastDay);
    for (int i = 0; i < Transactions; ++i) {
        HistoryRow row;
        row.date = FirstDay.addDays(1 + i * (days - 1) / (Transactions - 1));
        const qint64 cents = 1000 + (i * 7919) % 90000;
        if (i % 21 == 20)
            row.amounts[AmountColumn::InterestPayment] = StoredMoney::of(dollars(150000 + cents));
        else if (i % 11 == 0)
            row.amounts[std::size_t(i % 2)] = StoredMoney::of(dollars(2500));
        else if (i % 3 == 0)
            row.amounts[AmountColumn::UserWithdrawal] = StoredMoney::of(dollars(cents));
        else
            row.amounts[AmountColumn::Deposit] = StoredMoney::of(dollars(cents * 3));
        rows << row;
    }
    for (int s = 40; s < Statements; s += 40) {
        HistoryRow balance;
        balance.date = FirstDay.addMonths(s);
        balance.closeBalance = StoredMoney::of(dollars(-25000000 + s * 1000));
        rows << balance;
    }
    // Date, then InterestPayment with empty first, as the report query orders them.
    std::stable_sort(rows.begin() + 1, rows.end(), [](const HistoryRow& a, const HistoryRow& b) {
        if (a.date != b.date)
            return a.date < b.date;
        const auto ia = a.amounts[AmountColumn::InterestPayment].money();
        const auto ib = b.amounts[AmountColumn::InterestPayment].money();
        return ia.has_value() != ib.has_value() ? !ia.has_value() : ia && *ia < *ib;
    });
    for (int i = 0; i < rows.size(); ++i)
        rows[i].id = i + 1;
    return rows;
}

QVector<RatePeriod> largeRates() {
    QVector<RatePeriod> periods;
    const qint64 days = FirstDay.daysTo(LastDay) + 1;
    for (int p = 0; p < RatePeriods; ++p) {
        RatePeriod r;
        r.id = p + 1;
        r.validFrom = FirstDay.addDays(p * days / RatePeriods);
        r.validTo = FirstDay.addDays((p + 1) * days / RatePeriods - 1);
        r.interestRate = Rate::fromThousandths(4000 + (p * 37 % 50) * 100);
        periods << r;
    }
    return periods;
}

QVariant money(const StoredMoney& m) {
    return m.money() ? QVariant(m.money()->raw()) : QVariant(QMetaType(QMetaType::LongLong));
}

bool writeAccount(const QString& path) {
    QString error;
    if (!AccountDatabase::createFromSchema(path, &error)) {
        qWarning("cannot create %s: %s", qPrintable(path), qPrintable(error));
        return false;
    }
    AccountConnection c;
    if (!c.open(path))
        return false;
    QSqlDatabase db = c.database();
    db.transaction();
    QSqlQuery q(db);
    q.prepare("insert into tblAllRecords (ID, Date, GovtCharge, BankCharge, UserWithdrawal, "
              "Deposit, InterestPayment, CloseBalance) values (?,?,?,?,?,?,?,?)");
    for (const HistoryRow& row : largeHistory()) {
        q.addBindValue(row.id);
        q.addBindValue(ShortDate::toIso(row.date));
        for (const StoredMoney& a : row.amounts)
            q.addBindValue(money(a));
        q.addBindValue(money(row.closeBalance));
        if (!q.exec())
            return false;
    }
    q.prepare("insert into tblInterestChanges (ValidFrom, ValidTo, InterestRate) values (?,?,?)");
    for (const RatePeriod& r : largeRates()) {
        q.addBindValue(ShortDate::toIso(r.validFrom));
        q.addBindValue(ShortDate::toIso(r.validTo));
        q.addBindValue(r.interestRate->percent());
        if (!q.exec())
            return false;
    }
    q.exec("insert into tblCalcTo (CalcFrom, CalcTo) values ('1', '28')");
    q.prepare("insert into tblNumber (StatementNumber) values (?)");
    for (int s = 1; s <= Statements; ++s) {
        q.addBindValue(s);
        q.exec();
    }
    return db.commit();
}

QString largeAccount() {
    static QTemporaryDir dir;
    static QString path;
    if (path.isEmpty()) {
        path = dir.filePath("large.mdb");
        if (!writeAccount(path))
            qFatal("cannot write the large account");
    }
    return path;
}

void BM_InterestEngine(benchmark::State& state) {
    const QVector<HistoryRow> history = largeHistory();
    const QVector<RatePeriod> rates = largeRates();
    const int method = int(state.range(0));
    std::size_t lines = 0;
    for (auto _ : state) {
        const InterestEngine::Result result = InterestEngine::calculate(
            history, rates,
            CalculationBasis::of(method, CalcDay::Day::fromCalcTo(QStringLiteral("28"))));
        lines = std::size_t(result.lines.size());
        benchmark::DoNotOptimize(result.lines.data());
    }
    state.counters["lines"] = double(lines);
}

// The engine under other conventions: 0 Actual/Actual with cents, 1 30/360 rounded at posting.
void BM_InterestEngineConventions(benchmark::State& state) {
    const QVector<HistoryRow> history = largeHistory();
    const QVector<RatePeriod> rates = largeRates();
    const LenderConventions conventions =
        state.range(0) == 0 ? LenderConventions{DayCount::ActualActual, InterestRounding::Day2}
                            : LenderConventions{DayCount::Thirty360, InterestRounding::Posting};
    for (auto _ : state) {
        const InterestEngine::Result result = InterestEngine::calculate(
            history, rates,
            CalculationBasis::of(InterestMethod::FixedDay,
                                 CalcDay::Day::fromCalcTo(QStringLiteral("28")), conventions));
        benchmark::DoNotOptimize(result.lines.data());
    }
}

// The engine on the same loan with an offset account of which 40 % counts, its balance changing
// every third day (about 4,900 rows): the walk's extra work is one look a day.
void BM_InterestEngineOffset(benchmark::State& state) {
    const QVector<HistoryRow> history = largeHistory();
    const QVector<RatePeriod> rates = largeRates();
    OffsetAccount offset{true, 4000, {}};
    for (QDate d = FirstDay; d <= LastDay; d = d.addDays(3))
        offset.balances << OffsetBalance{0, d,
                                         dollars(2000000 + (d.toJulianDay() * 7919) % 9000000)};
    for (auto _ : state) {
        const InterestEngine::Result result = InterestEngine::calculate(
            history, rates,
            CalculationBasis::of(int(state.range(0)),
                                 CalcDay::Day::fromCalcTo(QStringLiteral("28"))),
            offset);
        benchmark::DoNotOptimize(result.lines.data());
    }
    state.counters["offset_rows"] = double(offset.balances.size());
}

// The walk with its working recorded, as the report window runs it (0 to 3: the method).
void BM_InterestEngineWorking(benchmark::State& state) {
    const QVector<HistoryRow> history = largeHistory();
    const QVector<RatePeriod> rates = largeRates();
    std::size_t days = 0;
    for (auto _ : state) {
        const InterestEngine::Worked worked = InterestEngine::calculateWithWorking(
            history, rates,
            CalculationBasis::of(int(state.range(0)),
                                 CalcDay::Day::fromCalcTo(QStringLiteral("28"))));
        days = 0;
        for (const InterestWorking::PostingWorking& p : worked.working.postings)
            days += std::size_t(p.days.size());
        benchmark::DoNotOptimize(worked.result.lines.data());
    }
    state.counters["days"] = double(days);
}

// Every posting's effective rate (the summary's column and count, vantrell-report --rates), the
// working recorded once.
void BM_PostingRates(benchmark::State& state) {
    const InterestEngine::Worked worked = InterestEngine::calculateWithWorking(
        largeHistory(), largeRates(), CalculationBasis::of(InterestMethod::VariableDay));
    for (auto _ : state) {
        const QMap<QDate, InterestWorking::PostingRates> rates =
            InterestWorking::postingRates(worked.working, worked.result.lines);
        benchmark::DoNotOptimize(rates.size());
    }
    state.counters["postings"] = double(worked.working.postings.size());
}

// The whole search as the window runs it: the account read once, then every combination of
// method, day, day count and rounding, ranked.
void BM_LenderFit(benchmark::State& state) {
    AccountConnection c;
    if (!c.open(largeAccount())) {
        state.SkipWithError("cannot open the account");
        return;
    }
    std::size_t combinations = 0;
    for (auto _ : state) {
        QVector<HistoryRow> history;
        QVector<RatePeriod> rates;
        QString error;
        if (!AccountStore::readHistory(c.database(), &history, &error) ||
            !AccountStore::readRatePeriods(c.database(), &rates, &error)) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        const LenderFit::Ranking ranking = LenderFit::rank(
            history, rates, CalcDay::inForce(c.database()).value_or(CalcDay::Day()).calcFrom());
        combinations = std::size_t(ranking.scores.size());
        benchmark::DoNotOptimize(ranking.scores.data());
    }
    state.counters["combinations"] = double(combinations);
}

// One query for the history and one for the rates, into plain rows.
void BM_ReadHistory(benchmark::State& state) {
    AccountConnection c;
    if (!c.open(largeAccount())) {
        state.SkipWithError("cannot open the account");
        return;
    }
    for (auto _ : state) {
        QVector<HistoryRow> history;
        QVector<RatePeriod> rates;
        QString error;
        if (!AccountStore::readHistory(c.database(), &history, &error) ||
            !AccountStore::readRatePeriods(c.database(), &rates, &error)) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        benchmark::DoNotOptimize(history.data());
    }
}

// The first calculation on a fresh history writes every row: balances, "0" fills, deletions.
void BM_WriteBackFreshHistory(benchmark::State& state) {
    const InterestEngine::Result result = InterestEngine::calculate(
        largeHistory(), largeRates(),
        CalculationBasis::of(0, CalcDay::Day::fromCalcTo(QStringLiteral("28"))));
    QTemporaryDir dir;
    for (auto _ : state) {
        state.PauseTiming();
        const QString path = dir.filePath("copy.mdb");
        QFile::remove(path);
        QFile::copy(largeAccount(), path);
        {
            AccountConnection c;
            c.open(path);
            state.ResumeTiming();
            QString error;
            if (!AccountStore::writeBack(c.database(), result.changes, &error))
                state.SkipWithError(qPrintable(error));
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
    state.counters["rows"] = double(result.changes.updates.size());
}

// vantrell-report from start to exit, the report to a pipe: 0 text (the default), 1 CSV, 2 the
// search for the lender's method (--fit, CSV).
void BM_ReportTool(benchmark::State& state) {
    const QString account = largeAccount();
    const QStringList args[] = {{account, "--method", "0", "--format", "text"},
                                {account, "--method", "0", "--format", "csv"},
                                {account, "--fit", "--format", "csv"}};
    for (auto _ : state) {
        QProcess p;
        p.start(QStringLiteral(VANTRELL_PROGRAM_DIR "/vantrell-report"), args[state.range(0)]);
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            state.SkipWithError("vantrell-report failed");
            return;
        }
        benchmark::DoNotOptimize(p.readAllStandardOutput().size());
    }
}

BENCHMARK(BM_InterestEngine)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InterestEngineConventions)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InterestEngineOffset)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InterestEngineWorking)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PostingRates)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LenderFit)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadHistory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteBackFreshHistory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportTool)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--write-account=", 16) == 0)
            return writeAccount(QString::fromLocal8Bit(argv[i] + 16)) ? 0 : 1;
    }
    return runBenchmarks(argc, argv);
}
