#pragma once
// The main of a benchmark that needs widgets but no application: an
// offscreen toolkit for the length of the run.
#include <QApplication>
#include <benchmark/benchmark.h>

namespace bench {

inline int runBenchmarksOffscreen(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace bench
