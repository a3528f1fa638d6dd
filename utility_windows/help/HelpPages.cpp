#include "utility_windows/help/HelpPages.h"

#include "framework/files/FolderItem.h"

namespace {

constexpr const char* kHelpFolder = "Larderwise Help";
constexpr const char* kIndexPage = "index.html";

std::shared_ptr<FolderItem> child(const std::shared_ptr<FolderItem>& folder, const char* name) {
    return folder ? folder->Child(name) : nullptr;
}

std::shared_ptr<FolderItem> parent(const std::shared_ptr<FolderItem>& item) {
    return item ? item->Parent() : nullptr;
}

bool isFile(const std::shared_ptr<FolderItem>& item) { return item && item->Exists() && !item->Directory(); }

}  // namespace

std::shared_ptr<FolderItem> helpIndexPage(const std::shared_ptr<FolderItem>& executable) {
    // Out of bin/ to the install root, then into its Resources folder.
    auto inPackage = child(child(child(parent(parent(executable)), "Resources"), kHelpFolder), kIndexPage);
    if (isFile(inPackage)) return inPackage;
    auto beside = GetFolderItem(std::string(kHelpFolder) + "/" + kIndexPage);
    if (isFile(beside)) return beside;
    return nullptr;
}
