#pragma once
// One running copy per data folder, as desktop applications are: a second
// launch hands its documents to the copy already running, which opens them as
// if they had been opened from the desktop, and ends. Two copies on one
// database would each overwrite the other's edits.
//
// Which process is the running copy is decided by a lock file in the data
// folder itself (RunningCopyLock.h), never by anything of the session: a
// launch from another session, user switch, cron or ssh, with another or no
// runtime folder or session bus, meets the same lock. The holder listens on
// a local socket from the moment it holds the lock (HandOverServer.h) and
// writes the socket's path into the lock, so every launch finds it. Where
// there is a session bus the running copy also serves the desktop's
// org.freedesktop.Application interface there (SessionBusApplication.h).
//
// A launch that cannot take the lock never runs on its own: it hands its
// documents over and ends. Only when the holder takes nothing for a
// generous while (it hangs) does it give up, without running. Nor does a
// launch that finds no lock file it can use: it cannot tell whether it is
// the only copy, so it names the files to remove and ends.
//
// The running copy listens on its socket for its whole life: when the
// socket's file is removed or replaced under it (a cleaner of temporary
// folders, a user), it listens anew at the same path, and lock files
// removed or replaced under it are taken again. Until then a launch that
// takes the lock still asks the data folder's socket first: a copy that
// answers there is the running copy.
#include <functional>
#include <memory>
#include <string>
#include <vector>

class SingleInstance {
public:
    // Receives the documents a later launch handed over (absolute paths;
    // none for a launch without documents, which asks to be brought forward).
    using Delivery = std::function<void(const std::vector<std::string>& documents)>;

    enum class Outcome {
        Run,         // this process is the running copy (or there is no data folder, which the start reports)
        HandedOver,  // the running copy took the documents: end
        NotTaken,    // the running copy holds the lock but took nothing: end, telling the user
        NoLock,      // no lock file can be used, so nobody can tell who runs: end, telling the user
    };

    // `key` tells copies apart that may run side by side (see instanceKey);
    // the lock lives in `dataFolder`, beside the data the copies share.
    SingleInstance(std::string key, std::string dataFolder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Becomes the running copy, or hands `documents` (made absolute against
    // the current folder) to the copy already running. Later launches reach
    // `deliver` from the event loop.
    Outcome claim(const std::vector<std::string>& documents, Delivery deliver);
    // The running copy is ending: it takes no more documents, and those
    // handed over and still queued reach `deliver` before this returns. The
    // lock stays held until the copy is gone; a launch meanwhile waits for it
    // and then runs on its own.
    void stopTakingDocuments();

    // How long a launch keeps trying to hand over before it gives up.
    static constexpr int kPatienceMilliseconds = 20000;

    // The key for an application on a data folder: a short hash of its name
    // and the folder's absolute path.
    static std::string instanceKey(const std::string& applicationName, const std::string& dataFolderPath);

    // The box a launch shows when the running copy took nothing.
    static std::string notTakenMessage(const std::string& applicationName, const std::vector<std::string>& documents);
    // The box a launch shows when no lock file can be used: the files to remove.
    std::string noLockMessage(const std::string& applicationName) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
