#pragma once
// Threads made once and fed work through a queue, so work split over the
// cores (a select read in parts, the rows built from it) starts no thread
// and joins none each time. The thread that runs the work takes a share of
// it too and helps empty the queue, so a pool of n threads works with n-1
// threads of its own and never waits on a task that nobody takes.
//
// Meant for one caller at a time (the thread that owns the pool); the
// tasks of a run may run on any of its threads.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// The CPUs this process may run on: the calling thread's affinity mask,
// which `taskset`, a cgroup's cpuset and a container narrow (the machine's
// cores where the mask cannot be read). At least one.
size_t usableCores();

class WorkerPool {
public:
    // Says the work was given up: tasks not started yet are not started.
    using GivenUp = std::function<bool()>;

    // `threads` counting the caller's: threads-1 are started here.
    explicit WorkerPool(size_t threads);
    // Waits for the threads to end (no run may be going on).
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // The threads a run is spread over, counting the caller's.
    size_t threads() const { return own_.size() + 1; }
    // Starts threads until a run is spread over `threads` of them; never fewer.
    void grow(size_t threads);

    // Runs task(0) .. task(count-1), task 0 on the calling thread, the
    // others on whichever thread is free, and returns once all have ended;
    // tasks not yet begun when `givenUp` says true are left out.
    void run(size_t count, const std::function<void(size_t)>& task, const GivenUp& givenUp = nullptr);

    // Runs `work` over 0..count in as many consecutive ranges as threads
    // (fewer for a few thousand items, which one thread works faster than
    // it could hand them out).
    void inParts(int32_t count, const std::function<void(int32_t first, int32_t end)>& work,
                 const GivenUp& givenUp = nullptr);

private:
    void serve();
    // Takes one waiting task and runs it; false when none waits.
    bool runOne(std::unique_lock<std::mutex>& lock);

    std::mutex mutex_;
    std::condition_variable wake_, ended_;
    std::deque<std::function<void()>> queue_;
    size_t running_ = 0;  // tasks of the current run taken and not ended yet
    bool stop_ = false;
    std::vector<std::thread> own_;
};
