#include "framework/runtime/FolderItemFactory.h"

namespace {
std::function<std::shared_ptr<FolderItem>(const std::string&)>& installed() {
    static auto* factory = new std::function<std::shared_ptr<FolderItem>(const std::string&)>;
    return *factory;
}
}  // namespace

void setFolderItemFactory(std::function<std::shared_ptr<FolderItem>(const std::string&)> factory) {
    installed() = std::move(factory);
}

std::shared_ptr<FolderItem> folderItemForPath(const std::string& path) {
    return installed() ? installed()(path) : nullptr;
}
