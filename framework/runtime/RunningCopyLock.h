#pragma once
// The lock that makes one process the running copy on a data folder: a
// file in that folder, held with flock for the life of the process. The
// kernel lets go of it when the process ends however it ends, so a copy
// that was killed never leaves a lock behind, and every launch meets the
// same lock whatever its session, runtime folder or session bus: the file
// sits beside the data the copies would otherwise share.
//
// The holder writes into the file where it takes hand-overs: its process
// number on the first line, its hand-over socket on the second.
#include <cstdint>
#include <optional>
#include <string>

class RunningCopyLock {
public:
    struct Holder {
        int64_t processID = 0;
        std::string socketPath;  // empty until the holder listens
    };

    // Opens (creating it and its folder if needed) the lock file in `folder`.
    explicit RunningCopyLock(const std::string& folder);
    ~RunningCopyLock();
    RunningCopyLock(const RunningCopyLock&) = delete;
    RunningCopyLock& operator=(const RunningCopyLock&) = delete;

    // Whether the file could be opened and locks can be taken on it at all.
    bool usable() const { return fd_ >= 0; }
    // Takes the lock without waiting; True once this process holds it.
    bool tryTake();
    bool held() const { return held_; }
    // The holder writes where it listens (replacing what a former holder wrote).
    bool announce(const std::string& socketPath);
    // What the current holder wrote; nothing while it has not written yet.
    std::optional<Holder> holder() const;

    static constexpr const char* kFileName = ".lock";

private:
    int fd_ = -1;
    bool held_ = false;
};
