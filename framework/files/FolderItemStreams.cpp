// Opening the file an item names as a stream or as a resource fork.
#include "framework/files/AppleDouble.h"
#include "framework/files/BinaryStream.h"
#include "framework/files/ClippingPropertyList.h"
#include "framework/files/ExtendedAttributes.h"
#include "framework/files/FileHandle.h"
#include "framework/files/FileType.h"
#include "framework/files/FinderInfo.h"
#include "framework/files/FolderItem.h"
#include "framework/files/ResourceFork.h"
#include "framework/files/TextInputStream.h"
#include "framework/files/TextOutputStream.h"
#include "framework/graphics/Picture.h"

#include <cerrno>

namespace {

constexpr size_t kMaxResourceForkBytes = 16u << 20;

}  // namespace

std::shared_ptr<TextOutputStream> FolderItem::CreateTextFile() {
    int error = 0;
    auto file = FileHandle::createReplacing(path_, error);
    record(error);
    return file ? std::make_shared<TextOutputStream>(std::move(file)) : nullptr;
}

std::shared_ptr<TextInputStream> FolderItem::OpenAsTextFile() {
    int error = 0;
    auto file = FileHandle::openExisting(path_, false, error);
    if (!record(error)) return nullptr;
    std::string bytes = file->readAt(0, static_cast<size_t>(file->length()));
    return std::make_shared<TextInputStream>(std::move(bytes));
}

std::shared_ptr<BinaryStream> FolderItem::CreateBinaryFile(const std::string& fileType) {
    int error = 0;
    auto file = FileHandle::createReplacing(path_, error);
    if (!record(error)) return nullptr;
    if (auto type = registeredFileTypeNamed(fileType))
        file->onCommitted([path = path_, type] { storeFinderCode(path, type->macType, type->macCreator); });
    return std::make_shared<BinaryStream>(std::move(file));
}

std::shared_ptr<BinaryStream> FolderItem::OpenAsBinaryFile(bool readWrite) {
    int error = 0;
    auto file = FileHandle::openExisting(path_, readWrite, error);
    if (!record(error)) return nullptr;
    return std::make_shared<BinaryStream>(std::move(file));
}

std::shared_ptr<Picture> FolderItem::OpenAsPicture() {
    if (!Exists()) {
        record(ENOENT);
        return nullptr;
    }
    auto picture = Picture::fromFile(path_.string());
    record(picture ? 0 : EINVAL);
    return picture;
}

std::shared_ptr<ResourceFork> FolderItem::OpenResourceFork() {
    auto bytes = readExtendedAttribute(path_, kResourceForkAttribute, kMaxResourceForkBytes);
    if (!bytes) bytes = readAppleDoubleEntry(path_, kAppleDoubleResourceFork);
    auto fork = bytes ? ResourceFork::parse(*bytes) : nullptr;
    if (!bytes) {
        // A clipping from a newer Mac keeps its text in the file itself; it
        // reads as the "TEXT" resource 256 the old form would have held.
        const auto dataFork = readFileCapped(path_, kMaxResourceForkBytes);
        const auto text = dataFork ? clippingTextFromPropertyList(*dataFork) : std::nullopt;
        if (text) fork = ResourceFork::holding("TEXT", 256, *text);
    }
    record(fork ? 0 : ENOENT);
    return fork;
}
