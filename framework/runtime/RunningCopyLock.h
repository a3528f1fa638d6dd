#pragma once
// The lock that makes one process the running copy on a data folder: files
// in that folder, held with flock for the life of the process. The kernel
// lets go of them when the process ends however it ends, so a copy that was
// killed never leaves a lock behind, and every launch meets the same lock
// whatever its session, runtime folder or session bus: the files sit beside
// the data the copies would otherwise share.
//
// There are two files, and the running copy holds every one of them that
// can be opened, taken in one order. So one file that cannot be used (made
// a folder, or a file nobody may open) still decides who runs, and a file
// removed or replaced while a copy runs finds that copy through the other.
// Only when neither can be used can nobody tell, and no launch runs.
//
// The holder writes into each file it holds where it takes hand-overs: its
// process number on the first line, its hand-over socket on the second.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class RunningCopyLock {
public:
    struct Holder {
        int64_t processID = 0;
        std::string socketPath;  // empty until the holder listens
    };

    // Opens (creating them and their folder if needed) the lock files in `folder`.
    explicit RunningCopyLock(const std::string& folder);
    ~RunningCopyLock();
    RunningCopyLock(const RunningCopyLock&) = delete;
    RunningCopyLock& operator=(const RunningCopyLock&) = delete;

    // Whether any of the files could be opened to take locks on.
    bool usable() const;
    // Takes the lock of every usable file without waiting; True once this
    // process holds them all. A file another process holds lets go of those
    // taken on the way, so two launches never each hold a part.
    bool tryTake();
    bool held() const { return held_; }
    // The holder writes where it listens (replacing what a former holder wrote).
    bool announce(const std::string& socketPath);
    // What the current holder wrote: in the file a failed tryTake found held,
    // else in the first usable one; nothing while it has not written yet.
    std::optional<Holder> holder() const;
    // The lock files, for a message that asks the user to remove them.
    const std::vector<std::string>& paths() const { return paths_; }

    static constexpr const char* kFileName = ".lock";
    static constexpr const char* kSecondFileName = ".lock-2";

private:
    struct File {
        int fd = -1;
        bool taken = false;
    };
    void letGo();

    std::vector<std::string> paths_;
    std::vector<File> files_;
    size_t heldElsewhere_ = 0;  // the file the last tryTake found held by another process
    bool held_ = false;
};
