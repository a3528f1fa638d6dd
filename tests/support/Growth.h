#pragma once
// How the cost of some work grows with its size, measured within one run: a
// busy machine slows both sizes alike, so a ratio holds where a bound in
// seconds would not. Each size counts its fastest run, which leaves out the
// moments another process had the processor.
#include <algorithm>
#include <chrono>
#include <functional>
#include <limits>

// The fastest of `runs` runs of `work`, in seconds.
inline double fastestSeconds(const std::function<void()>& work, int runs = 3) {
    double fastest = std::numeric_limits<double>::infinity();
    for (int i = 0; i < runs; ++i) {
        const auto started = std::chrono::steady_clock::now();
        work();
        fastest = std::min(fastest, std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    }
    return fastest;
}

// How many times longer `large` takes than `small` (run first). Work that
// grows linearly answers about the ratio of the sizes; work that grows with
// the square of the size answers that ratio squared.
inline double growth(const std::function<void()>& small, const std::function<void()>& large, int runs = 3) {
    const double smallSeconds = fastestSeconds(small, runs);
    return fastestSeconds(large, runs) / std::max(smallSeconds, 1e-9);
}
