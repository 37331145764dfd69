// What the user waits for after the method window's OK: the report window loading, the
// calculation over the 40-year account with its write-back, and the grid shown.

#include "models/ReportLinesModel.h"
#include "report/frmCalculate.h"
#include "shell/MDIForm1.h"
#include "shell/WindowRegistry.h"
#include "shell/Windows.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The report benchmark's large account: 40 years, 480 statements, 10,000 transactions, 200 rate
// periods.
QString largeAccount() {
    static QTemporaryDir dir;
    static QString path;
    if (path.isEmpty()) {
        path = dir.filePath("large.mdb");
        if (QProcess::execute(QStringLiteral(VANTRELL_BENCH_REPORT),
                              {QStringLiteral("--write-account=") + path}) != 0)
            path.clear();
    }
    return path;
}

void BM_ReportWindowShown(benchmark::State& state) {
    const QString account = largeAccount();
    if (account.isEmpty()) {
        state.SkipWithError("the large account could not be written");
        return;
    }
    MDIForm1 main;
    main.registry().add(
        WindowNames::Calculate, [](MDIForm1& m) { return new frmCalculate(m); }, true);
    main.setTag(Tag::NewFile, account);
    main.setTag(Tag::File, QStringLiteral("Open"));
    main.setTag(Tag::Method, QString::number(state.range(0)));
    main.setTag(Tag::IntCalcTo, QStringLiteral("28"));
    main.show();
    qsizetype lines = 0;
    for (auto _ : state) {
        auto* w = qobject_cast<frmCalculate*>(main.showWindow(WindowNames::Calculate));
        QCoreApplication::processEvents();
        if (!w || !w->flexGrid()->isVisible()) {
            state.SkipWithError("the report was not shown");
            return;
        }
        lines = w->reportModel()->lines().size();
        state.PauseTiming();
        main.unloadWindow(WindowNames::Calculate);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["lines"] = double(lines);
}

BENCHMARK(BM_ReportWindowShown)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
