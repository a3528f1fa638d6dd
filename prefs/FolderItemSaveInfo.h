#pragma once
// How a file reference is stored in a preferences block: the framework's
// save information of the item, which is self-contained (no base folder).
#include <memory>
#include <string>

class FolderItem;

namespace BDictionary {

std::string folderItemSaveInfo(const FolderItem& item);

// The item the save information names, or nil when the bytes are not save
// information this build can read.
std::shared_ptr<FolderItem> folderItemFromSaveInfo(const std::string& info);

}  // namespace BDictionary
