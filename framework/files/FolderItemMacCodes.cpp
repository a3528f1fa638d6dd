// Mac type, creator and registered type name of the file an item names.
#include "framework/files/FileType.h"
#include "framework/files/FinderInfo.h"
#include "framework/files/FolderItem.h"

std::string FolderItem::MacType() const {
    const auto stored = storedFinderCodes(path_);
    if (stored && !stored->type.empty()) return stored->type;
    const auto inferred = registeredFileTypeForFileName(Name());
    return inferred ? inferred->macType : std::string();
}

std::string FolderItem::MacCreator() const {
    const auto stored = storedFinderCodes(path_);
    if (stored && !stored->creator.empty()) return stored->creator;
    const auto inferred = registeredFileTypeForFileName(Name());
    return inferred ? inferred->macCreator : std::string();
}

// Failure to store is silent: the codes are a courtesy to other programs,
// and a file system without user attributes must not stop a save.
void FolderItem::setMacType(const std::string& code) { storeFinderCode(path_, code, std::nullopt); }

void FolderItem::setMacCreator(const std::string& code) { storeFinderCode(path_, std::nullopt, code); }

std::string FolderItem::Type() const {
    if (const auto byExtension = registeredFileTypeForFileName(Name())) return byExtension->name;
    const auto stored = storedFinderCodes(path_);
    if (!stored) return {};
    const auto byMacType = registeredFileTypeForMacType(stored->type);
    return byMacType ? byMacType->name : std::string();
}
