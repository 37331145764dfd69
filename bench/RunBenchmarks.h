#pragma once

#include <benchmark/benchmark.h>

// Runs the benchmarks the command line names, under the Qt application the caller made first
// (the database drivers and the program's resources need one).
inline int runBenchmarks(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
