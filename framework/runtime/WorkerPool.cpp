#include "framework/runtime/WorkerPool.h"

#include <algorithm>

#ifdef __linux__
#include <sched.h>
#endif

size_t usableCores() {
#ifdef __linux__
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (sched_getaffinity(0, sizeof allowed, &allowed) == 0) return std::max(CPU_COUNT(&allowed), 1);
#endif
    return std::max(std::thread::hardware_concurrency(), 1u);
}

WorkerPool::WorkerPool(size_t threads) { grow(threads); }

WorkerPool::~WorkerPool() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    for (std::thread& t : own_) t.join();
}

void WorkerPool::grow(size_t threads) {
    while (own_.size() + 1 < threads) own_.emplace_back([this] { serve(); });
}

void WorkerPool::serve() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [&] { return stop_ || !queue_.empty(); });
        if (stop_) return;
        runOne(lock);
    }
}

bool WorkerPool::runOne(std::unique_lock<std::mutex>& lock) {
    if (queue_.empty()) return false;
    std::function<void()> task = std::move(queue_.front());
    queue_.pop_front();
    ++running_;
    lock.unlock();
    task();
    lock.lock();
    if (--running_ == 0 && queue_.empty()) ended_.notify_all();
    return true;
}

void WorkerPool::run(size_t count, const std::function<void(size_t)>& task, const GivenUp& givenUp) {
    if (count == 0) return;
    auto unlessGivenUp = [&](size_t i) {
        if (!givenUp || !givenUp()) task(i);
    };
    if (count > 1) {
        {
            std::lock_guard lock(mutex_);
            for (size_t i = 1; i < count; ++i) queue_.emplace_back([&unlessGivenUp, i] { unlessGivenUp(i); });
        }
        wake_.notify_all();
    }
    unlessGivenUp(0);
    std::unique_lock lock(mutex_);
    while (runOne(lock)) {
    }
    ended_.wait(lock, [&] { return running_ == 0 && queue_.empty(); });
}

// Fewer items than this are worked on one thread: handing them out costs
// more than it saves.
constexpr int32_t kItemsWorthAThread = 4096;

void WorkerPool::inParts(int32_t count, const std::function<void(int32_t first, int32_t end)>& work,
                         const GivenUp& givenUp) {
    const size_t parts = std::clamp<size_t>(static_cast<size_t>(std::max(count, 0) / kItemsWorthAThread), 1, threads());
    auto bound = [&](size_t part) { return static_cast<int32_t>(static_cast<int64_t>(count) * part / parts); };
    run(parts, [&](size_t part) { work(bound(part), bound(part + 1)); }, givenUp);
}
