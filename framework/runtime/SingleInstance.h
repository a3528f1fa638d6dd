#pragma once
// One running copy per data folder, as desktop applications are: a second
// launch hands its documents to the copy already running, which opens them as
// if they had been opened from the desktop, and ends. Two copies on one
// database would each overwrite the other's edits.
//
// The copies meet on the desktop's session bus where there is one: the
// running copy owns the bus name "org.larderwise.Larderwise.D<key>" and
// serves the freedesktop interface org.freedesktop.Application (Activate,
// Open with file URIs, ActivateAction) at /org/larderwise/Larderwise. The
// key is a hash of the application's name and the data folder's path, so copies on different data
// folders (tests, other users' sessions) stay apart. Without a session bus,
// a lock file and a local socket in $XDG_RUNTIME_DIR (else the temporary
// folder) do the same: the lock names the running copy, and a lock or socket
// left by a copy that crashed is taken over at once (the lock records the
// process, which no longer exists).
//
// A second launch that cannot reach the running copy (it hangs, or the bus
// call fails) starts on its own rather than not at all.
#include <functional>
#include <memory>
#include <string>
#include <vector>

class SingleInstance {
public:
    // Receives the documents a later launch handed over (absolute paths;
    // none for a launch without documents, which asks to be brought forward).
    using Delivery = std::function<void(const std::vector<std::string>& documents)>;

    // `key` tells copies apart that may run side by side (see instanceKey).
    explicit SingleInstance(std::string key);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Becomes the running copy and answers True; or hands `documents` (made
    // absolute against the current folder) to the copy already running and
    // answers False, when this process should end. Later launches reach
    // `deliver` from the event loop.
    bool claim(const std::vector<std::string>& documents, Delivery deliver);

    // How the copies met: "bus", "socket", or "" (not claimed / on its own).
    std::string channel() const;

    // The key for an application on a data folder: a short hash of its name
    // and the folder's absolute path.
    static std::string instanceKey(const std::string& applicationName, const std::string& dataFolderPath);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
