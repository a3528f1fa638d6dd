#include "framework/runtime/RunningCopyLock.h"

#include <cerrno>
#include <filesystem>
#include <sstream>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

RunningCopyLock::RunningCopyLock(const std::string& folder) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    // Close-on-exec: a program started by the running copy must not inherit,
    // and so keep holding, the lock after the copy ended.
    fd_ = ::open((folder + "/" + kFileName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
}

RunningCopyLock::~RunningCopyLock() {
    // Closing lets go of the lock; the file stays, so a launch that opened it
    // meanwhile still locks the very file the next holder locks.
    if (fd_ >= 0) ::close(fd_);
}

bool RunningCopyLock::tryTake() {
    if (fd_ < 0) return false;
    if (!held_) {
        int result;
        do result = ::flock(fd_, LOCK_EX | LOCK_NB);
        while (result != 0 && errno == EINTR);
        held_ = result == 0;
    }
    return held_;
}

bool RunningCopyLock::announce(const std::string& socketPath) {
    if (!held_) return false;
    const std::string text = std::to_string(::getpid()) + "\n" + socketPath + "\n";
    if (::ftruncate(fd_, 0) != 0) return false;
    const ssize_t written = ::pwrite(fd_, text.data(), text.size(), 0);
    return written == static_cast<ssize_t>(text.size()) && ::fdatasync(fd_) == 0;
}

std::optional<RunningCopyLock::Holder> RunningCopyLock::holder() const {
    if (fd_ < 0) return std::nullopt;
    char buffer[4096];
    const ssize_t length = ::pread(fd_, buffer, sizeof buffer, 0);
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
