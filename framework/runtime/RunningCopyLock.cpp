#include "framework/runtime/RunningCopyLock.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <sstream>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A regular file at `path` itself, never what a link there leads to: -1
// for anything else. Close-on-exec: a program started by the running copy
// must not inherit, and so keep holding, the lock after the copy ended.
int openLockFile(const std::string& path) {
    struct stat info {};
    // Something else in its place is not opened at all: opening a device may do something.
    if (::lstat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return -1;
    // Not following a link put there meanwhile, nor waiting for a pipe's other end.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0) return -1;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

int lockWithoutWaiting(int fd) {
    int result;
    do result = ::flock(fd, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    return result;
}

}  // namespace

RunningCopyLock::RunningCopyLock(const std::string& folder) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    for (const char* name : {kFileName, kSecondFileName}) {
        paths_.push_back(folder + "/" + name);
        files_.push_back({openLockFile(paths_.back()), false});
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

void RunningCopyLock::release() {
    letGo();
    held_ = false;
}

bool RunningCopyLock::tryTake() {
    if (held_ || !usable()) return held_;
    for (size_t i = 0; i < files_.size(); ++i) {
        File& file = files_[i];
        if (file.fd < 0) continue;
        if (lockWithoutWaiting(file.fd) == 0) {
            file.taken = true;
        } else if (errno == EWOULDBLOCK) {
            heldElsewhere_ = i;
            letGo();
            return false;
        } else {
            // A file system that takes no such lock: the file cannot be used.
            setAside(i);
        }
    }
    held_ = usable();
    return held_;
}

void RunningCopyLock::setAside(size_t index) {
    File& file = files_[index];
    if (file.fd >= 0) ::close(file.fd);
    file = {};
}

bool RunningCopyLock::write(const File& file) const {
    return ::ftruncate(file.fd, 0) == 0 &&
           ::pwrite(file.fd, announcement_.data(), announcement_.size(), 0) ==
               static_cast<ssize_t>(announcement_.size()) &&
           ::fdatasync(file.fd) == 0;
}

bool RunningCopyLock::announce(const std::string& socketPath) {
    const std::lock_guard guard(mutex_);
    if (!held_) return false;
    announcement_ = std::to_string(::getpid()) + "\n" + socketPath + "\n";
    bool written = true;
    for (const File& file : files_)
        if (file.taken) written = write(file) && written;
    return written;
}

bool RunningCopyLock::stillAtItsPath(size_t index) const {
    struct stat atPath {}, held {};
    return ::lstat(paths_[index].c_str(), &atPath) == 0 && ::fstat(files_[index].fd, &held) == 0 &&
           atPath.st_dev == held.st_dev && atPath.st_ino == held.st_ino;
}

void RunningCopyLock::keepHeld() {
    const std::lock_guard guard(mutex_);
    if (!held_) return;
    for (size_t i = 0; i < files_.size(); ++i) {
        if (files_[i].taken && stillAtItsPath(i)) continue;
        const int fd = openLockFile(paths_[i]);
        if (fd < 0) continue;
        // A launch that made the file anew holds it while it asks this
        // copy's socket, and lets go once it handed over: the next check takes it.
        if (lockWithoutWaiting(fd) != 0) {
            ::close(fd);
            continue;
        }
        if (files_[i].fd >= 0) ::close(files_[i].fd);
        files_[i] = {fd, true};
        if (!announcement_.empty()) write(files_[i]);
    }
}

std::vector<std::pair<size_t, RunningCopyLock::Holder>> RunningCopyLock::holders() const {
    std::vector<size_t> order{heldElsewhere_};
    for (size_t i = 0; i < files_.size(); ++i)
        if (i != heldElsewhere_) order.push_back(i);
    std::vector<std::pair<size_t, Holder>> found;
    for (size_t index : order) {
        if (files_[index].fd < 0) continue;
        char buffer[4096];
        const ssize_t length = ::pread(files_[index].fd, buffer, sizeof buffer, 0);
        if (length <= 0) continue;
        std::istringstream in(std::string(buffer, static_cast<size_t>(length)));
        Holder holder;
        std::string pid;
        // Both lines end with a line feed: anything shorter is still being written.
        if (!std::getline(in, pid) || !std::getline(in, holder.socketPath) || in.eof()) continue;
        try {
            holder.processID = std::stoll(pid);
        } catch (...) {
            continue;
        }
        found.emplace_back(index, holder);
    }
    return found;
}

std::optional<RunningCopyLock::Holder> RunningCopyLock::holder() const {
    const auto found = holders();
    if (found.empty()) return std::nullopt;
    return found.front().second;
}
