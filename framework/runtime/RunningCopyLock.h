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
// Only a regular file in the folder itself is a lock file: a link is not
// followed (it may lead into another data folder's lock, whose holder would
// then be taken for this folder's), and a device or a pipe in its place
// (a link to /dev/null, say) takes locks that tell nothing and holds no
// announcement, so it cannot be used.
//
// The holder writes into each file it holds where it takes hand-overs: its
// process number on the first line, its hand-over socket on the second. It
// keeps holding what stands at the files' paths (keepHeld): files removed or
// replaced while it runs are taken again.
#include <cstdint>
#include <mutex>
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
    // Lets go of every file again (a launch that found the running copy after all).
    void release();
    // The holder writes where it listens (replacing what a former holder wrote).
    bool announce(const std::string& socketPath);
    // What the current holder wrote: in the file a failed tryTake found held,
    // else in the first usable one; nothing while it has not written yet.
    std::optional<Holder> holder() const;
    // What every usable file says of its holder, the file a failed tryTake
    // found held first, each with the index of its file.
    std::vector<std::pair<size_t, Holder>> holders() const;
    // A file whose holder serves another data folder (a hard link to its
    // lock) decides nothing here: it is no longer used.
    void setAside(size_t index);
    // The holder's check: a file removed or replaced under it (by a cleaner,
    // a restore, a user) is opened anew and taken, and the announcement
    // written into it. Runs on any one thread, once the lock is held.
    void keepHeld();
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
    bool stillAtItsPath(size_t index) const;
    bool write(const File& file) const;

    std::vector<std::string> paths_;
    std::vector<File> files_;
    size_t heldElsewhere_ = 0;  // the file the last tryTake found held by another process
    bool held_ = false;
    std::string announcement_;
    // keepHeld runs on the hand-over server's thread while the main thread announces.
    mutable std::mutex mutex_;
};
