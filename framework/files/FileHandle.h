#pragma once
// An open file as the streams see it: positioned reads and writes, length,
// and close. A file created to replace another writes into a temporary file
// beside it (AtomicFileWriter) and only takes the target's place when it is
// closed without any write having failed, so an interrupted or failed save
// never destroys what was there.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class AtomicFileWriter;

class FileHandle {
public:
    // An existing file, read-only or read-write. Nothing on failure, with the
    // errno in `errorCode`.
    static std::unique_ptr<FileHandle> openExisting(const std::filesystem::path& file, bool writable,
                                                    int& errorCode);
    // A new, empty file that replaces `file` when closed.
    static std::unique_ptr<FileHandle> createReplacing(const std::filesystem::path& file, int& errorCode);
    ~FileHandle();  // closes (and so commits a replacement)

    bool writable() const { return writable_; }
    bool isOpen() const { return fd_ >= 0; }
    int64_t length() const;
    // Up to `count` bytes from `position`; fewer at the end, none past it.
    // A read error also gives fewer bytes, and sets errorCode().
    std::string readAt(int64_t position, size_t count) const;
    bool writeAt(int64_t position, std::string_view bytes);
    bool setLength(int64_t length);
    bool flush();
    // False when the file (or its replacement) could not be written out.
    bool close();
    // Runs once the file has been closed successfully (for a replacement:
    // once it has taken the old file's place), e.g. to stamp metadata that
    // must sit on the final file.
    void onCommitted(std::function<void()> action) { onCommitted_ = std::move(action); }

    // errno of the first failure, 0 when none.
    int errorCode() const { return error_; }

private:
    FileHandle() = default;
    void fail(int errorCode);

    int fd_ = -1;
    bool writable_ = false;
    mutable int error_ = 0;  // reads record their failures too
    std::unique_ptr<AtomicFileWriter> replacement_;
    std::function<void()> onCommitted_;
};
