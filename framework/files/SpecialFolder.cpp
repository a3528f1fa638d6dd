#include "framework/files/SpecialFolder.h"

#include "framework/files/FolderItem.h"
#include "framework/runtime/Services.h"

namespace fs = std::filesystem;

namespace {

std::shared_ptr<FolderItem> existingOrCreated(SpecialFolderKind kind) {
    const auto& root = services().folderRoot;
    const std::string path = root ? root(kind) : std::string();
    // A relative root would depend on the current folder; no such folder.
    if (path.empty() || path.front() != '/') return nullptr;
    std::error_code ec;
    fs::create_directories(path, ec);
    if (!fs::is_directory(path, ec)) return nullptr;
    return std::make_shared<FolderItem>(path);
}

}  // namespace

namespace SpecialFolder {

std::shared_ptr<FolderItem> ApplicationData() { return existingOrCreated(SpecialFolderKind::ApplicationData); }
std::shared_ptr<FolderItem> Preferences() { return existingOrCreated(SpecialFolderKind::Preferences); }
std::shared_ptr<FolderItem> Desktop() { return existingOrCreated(SpecialFolderKind::Desktop); }
std::shared_ptr<FolderItem> Temporary() { return existingOrCreated(SpecialFolderKind::Temporary); }

}  // namespace SpecialFolder
