// Whether a reference series was passed on, on a large account: 200,000 rows over 40 years
// under a lender's variable rate. A hostile series (a change every day of the 40 years) is matched
// and its costs refused; a series at the most whose costs are worked out (100 changes over the
// 200,000 rows) has each cost run over the whole history; the report tool, from start to exit,
// on the hostile series as a file of 271,271 daily rates.

#include "../RunBenchmarks.h"
#include "data/AccountConnection.h"
#include "data/ShortDate.h"
#include "reference/PassOn.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

constexpr int Rows = 200000;
const QDate FirstDay(1985, 1, 1);
const QDate LastDay(2024, 12, 31); // 14,610 days

Money dollars(qint64 cents) {
    return Money::fromRaw(cents * (Money::Scale / 100));
}

// An opening balance, then repayments and redraws spread over the 40 years with the lender's
// charge on the first row of each month.
QVector<HistoryRow> largeHistory() {
    QVector<HistoryRow> rows;
    HistoryRow opening;
    opening.id = 1;
    opening.date = FirstDay;
    opening.closeBalance = StoredMoney::of(dollars(-30000000));
    rows << opening;
    const qint64 days = FirstDay.daysTo(LastDay);
    int month = -1;
    for (int i = 1; i < Rows; ++i) {
        HistoryRow row;
        row.id = i + 1;
        row.date = FirstDay.addDays(1 + qint64(i) * (days - 1) / (Rows - 1));
        const qint64 cents = 1000 + (i * 7919) % 90000;
        if (row.date.month() != month) {
            month = row.date.month();
            row.amounts[AmountColumn::InterestPayment] = StoredMoney::of(dollars(150000 + cents));
        } else if (i % 3 == 0) {
            row.amounts[AmountColumn::UserWithdrawal] = StoredMoney::of(dollars(cents));
        } else {
            row.amounts[AmountColumn::Deposit] = StoredMoney::of(dollars(cents));
        }
        rows << row;
    }
    return rows;
}

// The lender's rate: one change a year.
QVector<RatePeriod> yearlyRates() {
    QVector<RatePeriod> periods;
    for (int y = FirstDay.year(); y <= LastDay.year(); ++y)
        periods << RatePeriod{y, QDate(y, 1, 1), QDate(y, 12, 31),
                              Rate::fromThousandths(4000 + (y * 37 % 50) * 100)};
    return periods;
}

// `changes` changes spread evenly over the history (the rate alternating), from a day before it.
ReferenceSeries spreadSeries(int changes, const QDate& from = FirstDay) {
    ReferenceSeries s;
    s.key = QStringLiteral("hostile");
    s.name = s.key;
    const qint64 days = from.daysTo(LastDay);
    s.changes << SeriesChange{from.addDays(-1), Rate::fromThousandths(4000)};
    for (int i = 1; i <= changes; ++i)
        s.changes << SeriesChange{from.addDays(qint64(i) * days / changes),
                                  Rate::fromThousandths(i % 2 ? 4100 : 4000)};
    return s;
}

void BM_PassOnHostileSeries(benchmark::State& state) {
    const QVector<HistoryRow> history = largeHistory();
    const QVector<RatePeriod> rates = yearlyRates();
    const PassOn::Calculation c{history, CalculationBasis::of(InterestMethod::VariableDay), {}};
    const ReferenceSeries daily = spreadSeries(int(FirstDay.daysTo(LastDay)));
    for (auto _ : state) {
        const PassOn::Table t = PassOn::table(c, rates, daily, 30);
        if (!t.costsRefused) {
            state.SkipWithError("the costs were worked out");
            return;
        }
        benchmark::DoNotOptimize(t.rows.size());
    }
}

// The most work whose costs are worked out: MostCostWork changes times rows.
void BM_PassOnAtTheLimit(benchmark::State& state) {
    const QVector<HistoryRow> history = largeHistory();
    const QVector<RatePeriod> rates = yearlyRates();
    const PassOn::Calculation c{history, CalculationBasis::of(InterestMethod::VariableDay), {}};
    const ReferenceSeries s = spreadSeries(int(PassOn::MostCostWork / Rows));
    for (auto _ : state) {
        const PassOn::Table t = PassOn::table(c, rates, s, 30);
        if (t.costsRefused || !t.notices.isEmpty()) {
            state.SkipWithError("the costs were not worked out");
            return;
        }
        benchmark::DoNotOptimize(t.total);
    }
    state.counters["changes"] = double(s.changes.size() - 1);
}

QVariant money(const StoredMoney& m) {
    return m.money() ? QVariant(m.money()->raw()) : QVariant(QMetaType(QMetaType::LongLong));
}

bool writeAccount(const QString& path) {
    QString error;
    if (!AccountDatabase::createFromSchema(path, &error))
        return false;
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
    for (const RatePeriod& r : yearlyRates()) {
        q.addBindValue(ShortDate::toIso(r.validFrom));
        q.addBindValue(ShortDate::toIso(r.validTo));
        q.addBindValue(r.interestRate->percent());
        if (!q.exec())
            return false;
    }
    return db.commit();
}

// 271,271 daily rates, alternating, the last on the history's last day: under 4 MiB.
bool writeDailySeries(const QString& path) {
    QByteArray text = "effective_date,rate\n";
    const QDate first = LastDay.addDays(-271270);
    for (int i = 0; i < 271271; ++i)
        text += ShortDate::toIso(first.addDays(i)).toLatin1() + (i % 2 ? ",4.1\n" : ",4\n");
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

double childCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BM_ReportToolHostileSeries(benchmark::State& state) {
    QTemporaryDir dir;
    const QString account = dir.filePath("large.mdb");
    const QString series = dir.filePath("daily.csv");
    if (!writeAccount(account) || !writeDailySeries(series)) {
        state.SkipWithError("cannot write the account or the series");
        return;
    }
    const double cpuBefore = childCpuSeconds();
    for (auto _ : state) {
        QProcess p;
        p.start(QStringLiteral(VANTRELL_PROGRAM_DIR "/vantrell-report"),
                {account, "--method", "2", "--reference", series, "--lag", "30"});
        // Refused with a message: exit 2.
        if (!p.waitForFinished(120000) || p.exitCode() != 2) {
            state.SkipWithError("vantrell-report did not refuse the series");
            return;
        }
        benchmark::DoNotOptimize(p.readAllStandardError().size());
    }
    // The tool's own CPU time a run, which the bound is on.
    state.counters["tool_cpu_s"] =
        benchmark::Counter(childCpuSeconds() - cpuBefore, benchmark::Counter::kAvgIterations);
}

BENCHMARK(BM_PassOnHostileSeries)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PassOnAtTheLimit)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReportToolHostileSeries)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
