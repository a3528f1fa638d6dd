// Creating, deleting, copying and moving the file or folder an item names.
#include "framework/files/AppleDouble.h"
#include "framework/files/AtomicFileWriter.h"
#include "framework/files/ExtendedAttributes.h"
#include "framework/files/FileHandle.h"
#include "framework/files/FolderItem.h"
#include "framework/runtime/RuntimeException.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr size_t kMaxAttributeBytes = 16u << 20;

// The Mac metadata that travels with a file when it is copied.
void copyMacMetadata(const fs::path& from, const fs::path& to) {
    for (const char* name : {kFinderInfoAttribute, kResourceForkAttribute})
        if (auto value = readExtendedAttribute(from, name, kMaxAttributeBytes))
            writeExtendedAttribute(to, name, *value);
}

// Streams `from` into a replacement of `to`; 0 or the errno of the failure.
int copyContents(const fs::path& from, const fs::path& to) {
    int error = 0;
    const auto in = FileHandle::openExisting(from, false, error);  // plain files only
    if (!in) return error;
    AtomicFileWriter out(to);
    constexpr size_t kChunk = 1 << 16;
    for (int64_t position = 0;; position += kChunk) {
        const std::string chunk = in->readAt(position, kChunk);
        if (chunk.empty() || !out.write(chunk)) break;
    }
    if (in->errorCode() != 0) out.noteFailure(in->errorCode());  // never commit a cut-off copy
    if (!out.commit()) return out.errorCode() ? out.errorCode() : EIO;
    return 0;
}

const FolderItem& required(const std::shared_ptr<FolderItem>& item) {
    if (!item) throw NilObjectException("The destination folder item is nil.");
    return *item;
}

}  // namespace

bool FolderItem::CreateAsFolder() {
    if (::mkdir(path_.c_str(), 0777) != 0) return record(errno);
    return record(0);
}

bool FolderItem::Delete() {
    if (::remove(path_.c_str()) != 0) return record(errno);
    // A sidecar left behind would lend its type, creator and resource fork
    // to the next file created under this name.
    ::unlink(appleDoubleSidecarPath(path_).c_str());
    return record(0);
}

bool FolderItem::CopyFileTo(const std::shared_ptr<FolderItem>& destination) {
    return CopyFileTo(required(destination));
}

bool FolderItem::CopyFileTo(const FolderItem& destination) {
    if (!Exists()) return record(ENOENT);
    if (Directory()) return record(EISDIR);
    fs::path target = destination.Directory() ? destination.path() / path_.filename() : destination.path();
    if (FolderItem(target) == *this) return record(0);
    if (const int error = copyContents(path_, target)) return record(error);
    copyMacMetadata(path_, target);
    return record(0);
}

bool FolderItem::MoveFileTo(const std::shared_ptr<FolderItem>& destination) {
    return MoveFileTo(required(destination));
}

bool FolderItem::MoveFileTo(const FolderItem& destination) {
    if (!Exists()) return record(ENOENT);
    fs::path target = destination.Directory() ? destination.path() / path_.filename() : destination.path();
    if (FolderItem(target) == *this) return record(0);
    if (::rename(path_.c_str(), target.c_str()) != 0) {
        // Another file system: copy, then remove the original only once the
        // copy is safely in place.
        if (errno != EXDEV || Directory()) return record(errno);
        if (const int error = copyContents(path_, target)) return record(error);
        copyMacMetadata(path_, target);
        ::unlink(path_.c_str());
    }
    path_ = FolderItem(target).path();
    return record(0);
}
