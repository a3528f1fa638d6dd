#include "framework/runtime/RunningCopyLock.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <sstream>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

RunningCopyLock::RunningCopyLock(const std::string& folder) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    for (const char* name : {kFileName, kSecondFileName}) {
        paths_.push_back(folder + "/" + name);
        // Close-on-exec: a program started by the running copy must not
        // inherit, and so keep holding, the lock after the copy ended.
        files_.push_back({::open(paths_.back().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600), false});
    }
}

RunningCopyLock::~RunningCopyLock() {
    // Closing lets go of the lock; the files stay, so a launch that opened
    // them meanwhile still locks the very files the next holder locks.
    for (File& file : files_)
        if (file.fd >= 0) ::close(file.fd);
}

bool RunningCopyLock::usable() const {
    return std::any_of(files_.begin(), files_.end(), [](const File& f) { return f.fd >= 0; });
}

void RunningCopyLock::letGo() {
    for (File& file : files_) {
        if (file.taken) ::flock(file.fd, LOCK_UN);
        file.taken = false;
    }
}

bool RunningCopyLock::tryTake() {
    if (held_ || !usable()) return held_;
    for (size_t i = 0; i < files_.size(); ++i) {
        File& file = files_[i];
        if (file.fd < 0) continue;
        int result;
        do result = ::flock(file.fd, LOCK_EX | LOCK_NB);
        while (result != 0 && errno == EINTR);
        if (result == 0) {
            file.taken = true;
        } else if (errno == EWOULDBLOCK) {
            heldElsewhere_ = i;
            letGo();
            return false;
        } else {
            // A file system that takes no such lock: the file cannot be used.
            ::close(file.fd);
            file.fd = -1;
        }
    }
    held_ = usable();
    return held_;
}

bool RunningCopyLock::announce(const std::string& socketPath) {
    if (!held_) return false;
    const std::string text = std::to_string(::getpid()) + "\n" + socketPath + "\n";
    bool written = true;
    for (const File& file : files_) {
        if (!file.taken) continue;
        written = ::ftruncate(file.fd, 0) == 0 &&
                  ::pwrite(file.fd, text.data(), text.size(), 0) == static_cast<ssize_t>(text.size()) &&
                  ::fdatasync(file.fd) == 0 && written;
    }
    return written;
}

std::optional<RunningCopyLock::Holder> RunningCopyLock::holder() const {
    size_t index = heldElsewhere_;
    if (files_[index].fd < 0) {
        const auto open = std::find_if(files_.begin(), files_.end(), [](const File& f) { return f.fd >= 0; });
        if (open == files_.end()) return std::nullopt;
        index = static_cast<size_t>(open - files_.begin());
    }
    char buffer[4096];
    const ssize_t length = ::pread(files_[index].fd, buffer, sizeof buffer, 0);
    if (length <= 0) return std::nullopt;
    std::istringstream in(std::string(buffer, static_cast<size_t>(length)));
    Holder holder;
    std::string pid;
    // Both lines end with a line feed: anything shorter is still being written.
    if (!std::getline(in, pid) || !std::getline(in, holder.socketPath) || in.eof()) return std::nullopt;
    try {
        holder.processID = std::stoll(pid);
    } catch (...) {
        return std::nullopt;
    }
    return holder;
}
