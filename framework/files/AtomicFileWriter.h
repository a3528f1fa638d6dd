#pragma once
// Replaces a file without ever leaving it half written. The new content goes
// to a temporary file beside the target (same folder, so the final rename
// cannot cross file systems); commit() flushes it to disk and renames it over
// the target in one step. Until then, and after any failure, the target is
// exactly what it was: a crash, a full disk or a write error leaves the old
// file byte-identical and removes the temporary file.
#include <filesystem>
#include <string>
#include <string_view>

class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::filesystem::path target);
    ~AtomicFileWriter();  // discards unless committed
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // The temporary file's descriptor, for streams that write and seek in it.
    int fd() const { return fd_; }
    const std::filesystem::path& target() const { return target_; }

    // Appends at the current file offset; a failure is remembered and makes
    // commit() refuse.
    bool write(std::string_view bytes);
    void noteFailure(int errorCode);

    // fsync, rename over the target, fsync the folder. False (and the target
    // untouched) when anything failed before or during the commit.
    bool commit();
    void discard();

    // errno of the first failure, 0 when none.
    int errorCode() const { return error_; }

private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int fd_ = -1;
    int error_ = 0;
    bool finished_ = false;
};

// Writes `contents` as the whole new content of `target`, atomically.
// Answers 0 on success, else the errno of the failure.
int replaceFileAtomically(const std::filesystem::path& target, std::string_view contents);
