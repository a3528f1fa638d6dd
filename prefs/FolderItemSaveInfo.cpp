#include "prefs/FolderItemSaveInfo.h"

#include "framework/runtime/RuntimeException.h"

// Provisional until the file classes exist in this build: no FolderItem can
// be made, so none can be written and stored ones are refused as unreadable.
namespace BDictionary {

std::string folderItemSaveInfo(const FolderItem&) {
    throw UnsupportedFormatException("File references cannot be stored yet.");
}

std::shared_ptr<FolderItem> folderItemFromSaveInfo(const std::string&) {
    return nullptr;
}

}  // namespace BDictionary
