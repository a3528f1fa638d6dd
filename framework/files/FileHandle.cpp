#include "framework/files/FileHandle.h"

#include "framework/files/AtomicFileWriter.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::unique_ptr<FileHandle> FileHandle::openExisting(const std::filesystem::path& file, bool writable,
                                                     int& errorCode) {
    // Non-blocking only for the open itself: a named pipe or device must
    // not stall the program; it is refused below as not a plain file.
    const int fd = ::open(file.c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        errorCode = errno;
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        errorCode = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        return nullptr;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::unique_ptr<FileHandle> handle(new FileHandle);
    handle->fd_ = fd;
    handle->writable_ = writable;
    errorCode = 0;
    return handle;
}

std::unique_ptr<FileHandle> FileHandle::createReplacing(const std::filesystem::path& file, int& errorCode) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) {
        errorCode = EISDIR;
        return nullptr;
    }
    auto writer = std::make_unique<AtomicFileWriter>(file);
    if (!writer->isOpen()) {
        errorCode = writer->errorCode();
        return nullptr;
    }
    std::unique_ptr<FileHandle> handle(new FileHandle);
    handle->fd_ = writer->fd();
    handle->writable_ = true;
    handle->replacement_ = std::move(writer);
    errorCode = 0;
    return handle;
}

FileHandle::~FileHandle() { close(); }

void FileHandle::fail(int errorCode) {
    if (error_ == 0) error_ = errorCode ? errorCode : EIO;
    if (replacement_) replacement_->noteFailure(error_);
}

int64_t FileHandle::length() const {
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0) return 0;
    return info.st_size;
}

std::string FileHandle::readAt(int64_t position, size_t count) const {
    std::string bytes;
    if (fd_ < 0 || position < 0) return bytes;
    const int64_t available = length() - position;
    if (available <= 0) return bytes;
    bytes.resize(static_cast<size_t>(std::min<int64_t>(available, static_cast<int64_t>(count))));
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::pread(fd_, bytes.data() + done, bytes.size() - done, position + done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && error_ == 0) error_ = errno;
        if (got <= 0) break;
        done += static_cast<size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

bool FileHandle::writeAt(int64_t position, std::string_view bytes) {
    if (fd_ < 0 || !writable_ || position < 0) {
        fail(EBADF);
        return false;
    }
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd_, bytes.data(), bytes.size(), position);
        if (written < 0) {
            if (errno == EINTR) continue;
            fail(errno);
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
        position += written;
    }
    return true;
}

bool FileHandle::setLength(int64_t length) {
    if (fd_ < 0 || !writable_ || length < 0 || ::ftruncate(fd_, length) != 0) {
        fail(fd_ < 0 || !writable_ || length < 0 ? EINVAL : errno);
        return false;
    }
    return true;
}

bool FileHandle::flush() {
    if (fd_ < 0) return false;
    if (writable_ && ::fsync(fd_) != 0) {
        fail(errno);
        return false;
    }
    return true;
}

bool FileHandle::close() {
    if (fd_ < 0) return error_ == 0;
    if (replacement_) {
        // The writer owns the descriptor and closes it while committing.
        const bool committed = replacement_->commit();
        if (!committed && error_ == 0) error_ = replacement_->errorCode() ? replacement_->errorCode() : EIO;
        replacement_.reset();
    } else if (::close(fd_) != 0 && error_ == 0) {
        error_ = errno;
    }
    fd_ = -1;
    if (error_ == 0 && onCommitted_) onCommitted_();
    onCommitted_ = nullptr;
    return error_ == 0;
}
