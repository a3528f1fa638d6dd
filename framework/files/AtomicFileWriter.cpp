#include "framework/files/AtomicFileWriter.h"

#include "framework/files/LeftoverTemporaries.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The process umask, read without changing it (umask() itself would race
// with other threads creating files).
mode_t currentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Umask:", 0) == 0) return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
    return 022;
}

// A symbolic link is replaced at its destination, so the link survives.
fs::path resolveLinks(const fs::path& target) {
    std::error_code ec;
    if (fs::is_symlink(target, ec)) {
        auto resolved = fs::weakly_canonical(target, ec);
        if (!ec) return resolved;
    }
    return target;
}

void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // best effort: the rename is already done
    ::close(fd);
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(fs::path target) : target_(resolveLinks(target)) {
    // Named after the target where the name leaves room, so a leftover from
    // a crash says what it was; names are limited to 255 bytes.
    const std::string name = target_.filename().string();
    const std::string prefix = name.size() <= 200 ? "." + name + ".tmp-" : ".tmp-";
    // The name is chosen here rather than by mkstemp, so the journal of
    // leftovers names the file before it exists (a kill right after the
    // creation still leaves it noted).
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        std::string suffix(6, 'x');
        for (char& c : suffix) c = kLetters[random() % (sizeof(kLetters) - 1)];
        const std::string candidate = (target_.parent_path() / (prefix + suffix)).string();
        LeftoverTemporaries::note(candidate);
        fd_ = ::open(candidate.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd_ >= 0) {
            temporary_ = candidate;
            break;
        }
        error_ = errno;
        LeftoverTemporaries::forget(candidate);
        if (error_ != EEXIST) break;
    }
    if (fd_ < 0) {
        finished_ = true;
        return;
    }
    error_ = 0;
    // The file is private until here; give it the old file's permissions, or
    // those any newly created file would get.
    struct stat old {};
    const mode_t mode = ::stat(target_.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~currentUmask());
    ::fchmod(fd_, mode);
}

AtomicFileWriter::~AtomicFileWriter() { discard(); }

bool AtomicFileWriter::write(std::string_view bytes) {
    if (fd_ < 0 || error_ != 0) return false;
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            error_ = errno;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

void AtomicFileWriter::noteFailure(int errorCode) {
    if (error_ == 0) error_ = errorCode ? errorCode : EIO;
}

bool AtomicFileWriter::commit() {
    if (finished_ || fd_ < 0) return false;
    if (error_ == 0 && ::fsync(fd_) != 0) error_ = errno;
    if (::close(fd_) != 0 && error_ == 0) error_ = errno;
    fd_ = -1;
    if (error_ == 0 && ::rename(temporary_.c_str(), target_.c_str()) != 0) error_ = errno;
    if (error_ != 0) {
        ::unlink(temporary_.c_str());
        LeftoverTemporaries::forget(temporary_.string());
        finished_ = true;
        return false;
    }
    finished_ = true;
    LeftoverTemporaries::forget(temporary_.string());
    syncFolder(target_.parent_path());
    return true;
}

void AtomicFileWriter::discard() {
    if (finished_) return;
    finished_ = true;
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    ::unlink(temporary_.c_str());
    LeftoverTemporaries::forget(temporary_.string());
}

int replaceFileAtomically(const fs::path& target, std::string_view contents) {
    AtomicFileWriter writer(target);
    writer.write(contents);
    if (writer.commit()) return 0;
    return writer.errorCode() ? writer.errorCode() : EIO;
}
