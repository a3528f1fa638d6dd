#include "prefs/FolderItemSaveInfo.h"

#include <exception>

#include "framework/files/FolderItem.h"

namespace BDictionary {

std::string folderItemSaveInfo(const FolderItem& item) {
    return item.GetSaveInfo();
}

std::shared_ptr<FolderItem> folderItemFromSaveInfo(const std::string& info) {
    // The bytes come from a file: whatever the path library makes of them,
    // a failure here is a damaged block, not an error to pass on.
    try {
        return FolderItem::fromSaveInfo(info);
    } catch (const std::exception&) {
        return nullptr;
    }
}

}  // namespace BDictionary
