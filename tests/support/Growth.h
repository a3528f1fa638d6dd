#pragma once
// How the cost of some work grows with its size, measured within one run.
// The cost is the processor time of the calling thread, not the time on the
// clock: on a busy machine a short run may finish within one turn on the
// processor while a long one waits for several, and clock times would then
// grow for reasons of the machine's, not the work's. Each size counts its
// cheapest run.
#include <time.h>

#include <algorithm>
#include <functional>
#include <limits>

// The processor time this thread has used, in seconds.
inline double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// The cheapest of `runs` runs of `work`, in seconds of this thread's time.
inline double cheapestSeconds(const std::function<void()>& work, int runs = 3) {
    double cheapest = std::numeric_limits<double>::infinity();
    for (int i = 0; i < runs; ++i) {
        const double started = threadSeconds();
        work();
        cheapest = std::min(cheapest, threadSeconds() - started);
    }
    return cheapest;
}

// How many times more `large` costs than `small` (run first). Work that
// grows linearly answers about the ratio of the sizes; work that grows with
// the square of the size answers that ratio squared.
inline double growth(const std::function<void()>& small, const std::function<void()>& large, int runs = 3) {
    const double smallSeconds = cheapestSeconds(small, runs);
    return cheapestSeconds(large, runs) / std::max(smallSeconds, 1e-9);
}
