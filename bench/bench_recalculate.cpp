// The all-records balance recomputation over a large history: the pass run on every activation
// of the all-records window and on its Refresh.

#include "RunBenchmarks.h"
#include "data/AccountConnection.h"
#include "data/Money.h"
#include "data/Queries.h"
#include "data/RecordSet.h"
#include "engine/BalanceRecalculation.h"
#include "records/frmAllRecords.h"
#include "shell/MDIForm1.h"
#include "shell/WindowRegistry.h"
#include "shell/Windows.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int HistoryRows = 10000;

// A history as committed statements leave it: an opening balance row on a day of its own, then
// about three transactions a day (repayments, redraws, now and then a charge, a monthly interest
// charge), with the amounts that do not apply, the balances and CloseBalance all empty, so that
// the first pass writes every row.
QString pristineHistory() {
    static QTemporaryDir dir;
    static QString path;
    if (!path.isEmpty())
        return path;
    path = dir.filePath("history.mdb");
    QString error;
    if (!AccountDatabase::createFromSchema(path, &error))
        qFatal("cannot create the account: %s", qPrintable(error));
    AccountConnection c;
    if (!c.open(path))
        qFatal("cannot open the account: %s", qPrintable(c.lastError()));
    QSqlDatabase db = c.database();
    db.transaction();
    QSqlQuery q(db);
    q.exec(
        QStringLiteral("insert into tblAllRecords (Date, CloseBalance) values ('2000-01-01', %1)")
            .arg(Money::parse("-250000").value().raw()));
    q.prepare("insert into tblAllRecords (Date, GovtCharge, BankCharge, UserWithdrawal, Deposit, "
              "InterestPayment) values (?, ?, ?, ?, ?, ?)");
    const QVariant empty{QMetaType(QMetaType::LongLong)};
    for (int i = 1; i < HistoryRows; ++i) {
        QVariant amounts[5] = {empty, empty, empty, empty, empty};
        const qint64 cents = 1000 + (i * 7919) % 90000;
        if (i % 30 == 0)
            amounts[4] = cents * 100; // interest
        else if (i % 11 == 0)
            amounts[i % 2] = 250 * 100; // government or bank charge
        else if (i % 3 == 0)
            amounts[2] = cents * 100; // redraw
        else
            amounts[3] = cents * 100; // repayment
        q.addBindValue(QDate(2000, 1, 2).addDays(i / 3).toString(Qt::ISODate));
        for (const QVariant& a : amounts)
            q.addBindValue(a);
        if (!q.exec())
            qFatal("cannot insert a row");
    }
    db.commit();
    return path;
}

// A fresh copy of the history with the window's record set open on it.
struct Account {
    QTemporaryDir dir;
    QString path;
    AccountConnection connection;
    std::unique_ptr<RecordSet> rs;

    Account() {
        path = dir.filePath("HomeLoan1.mdb");
        QFile::copy(pristineHistory(), path);
        connection.open(path);
        rs = std::make_unique<RecordSet>(connection.database(), Queries::AllRecordsView);
        rs->open();
    }

    // Changes the first repayment, so every later balance moves.
    void editFirstDeposit(int round) {
        QSqlQuery q(connection.database());
        q.exec(QStringLiteral("update tblAllRecords set Deposit=%1 where ID=2")
                   .arg(1000000 + round % 2 * 10000));
    }
};

// Every row written: empty amounts stored as 0 and every balance stored.
void BM_RecalculateFreshHistory(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto account = std::make_unique<Account>();
        state.ResumeTiming();
        BalanceRecalculation::recalculate(account->connection.database(), *account->rs);
        state.PauseTiming();
        account.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * HistoryRows);
}

// An amount near the start edited: every later balance is rewritten.
void BM_RecalculateAfterEdit(benchmark::State& state) {
    Account account;
    BalanceRecalculation::recalculate(account.connection.database(), *account.rs);
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        account.editFirstDeposit(++round);
        state.ResumeTiming();
        BalanceRecalculation::recalculate(account.connection.database(), *account.rs);
    }
    state.SetItemsProcessed(state.iterations() * HistoryRows);
}

// Nothing edited: the rows are read and checked, nothing is written.
void BM_RecalculateUnchanged(benchmark::State& state) {
    Account account;
    BalanceRecalculation::recalculate(account.connection.database(), *account.rs);
    for (auto _ : state)
        BalanceRecalculation::recalculate(account.connection.database(), *account.rs);
    state.SetItemsProcessed(state.iterations() * HistoryRows);
}

// What the user waits for after an edit: Refresh in the window, grid rebuilt included.
void BM_RefreshWindowAfterEdit(benchmark::State& state) {
    Account account;
    account.rs.reset();
    MDIForm1 main;
    main.registry().add(
        WindowNames::AllRecords, [](MDIForm1& m) { return new frmAllRecords(m); }, true);
    main.setTag(Tag::NewFile, account.path);
    main.show();
    auto* w = qobject_cast<frmAllRecords*>(main.showWindow(WindowNames::AllRecords));
    if (!w) {
        state.SkipWithError("the window did not open");
        return;
    }
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        account.editFirstDeposit(++round);
        state.ResumeTiming();
        w->cmdRefresh_Click();
    }
    state.SetItemsProcessed(state.iterations() * HistoryRows);
    main.unloadWindow(WindowNames::AllRecords);
}

BENCHMARK(BM_RecalculateFreshHistory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecalculateAfterEdit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecalculateUnchanged)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshWindowAfterEdit)->Unit(benchmark::kMillisecond);

} // namespace

// The benchmarks run with a Qt application (offscreen unless told otherwise), as the windows
// and the database drivers need one.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
