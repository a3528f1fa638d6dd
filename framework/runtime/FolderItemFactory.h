#pragma once
// How a path becomes a FolderItem where the framework hands files to the
// product: documents named on the command line, dropped files, the
// executable. The files layer installs FolderItem's own constructor here, so
// the runtime needs no knowledge of it. Without one, nullptr.
#include <functional>
#include <memory>
#include <string>

class FolderItem;

void setFolderItemFactory(std::function<std::shared_ptr<FolderItem>(const std::string& path)> factory);
std::shared_ptr<FolderItem> folderItemForPath(const std::string& path);
