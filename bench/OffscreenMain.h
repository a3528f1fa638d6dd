#pragma once
// The main of a benchmark that needs widgets but no application: an
// offscreen toolkit for the length of the run.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "bench/BenchMain.h"

namespace bench {

inline int runBenchmarksOffscreen(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}

}  // namespace bench
