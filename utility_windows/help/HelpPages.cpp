#include "utility_windows/help/HelpPages.h"

#include "framework/files/FolderItem.h"
#include "framework/ui/ResourcesFolder.h"

namespace {

constexpr const char* kHelpFolder = "Larderwise Help";
constexpr const char* kIndexPage = "index.html";

std::shared_ptr<FolderItem> child(const std::shared_ptr<FolderItem>& folder, const char* name) {
    return folder ? folder->Child(name) : nullptr;
}

bool isFile(const std::shared_ptr<FolderItem>& item) { return item && item->Exists() && !item->Directory(); }

}  // namespace

std::shared_ptr<FolderItem> helpIndexPage(const std::shared_ptr<FolderItem>& executable) {
    // The resources found from the executable's place, installed or in the build tree.
    auto resources = executable ? FolderItem::fromPath(resourcesFolderFor(executable->AbsolutePath())) : nullptr;
    auto inPackage = child(child(resources, kHelpFolder), kIndexPage);
    if (isFile(inPackage)) return inPackage;
    auto beside = GetFolderItem(std::string(kHelpFolder) + "/" + kIndexPage);
    if (isFile(beside)) return beside;
    return nullptr;
}
