#include "framework/files/SpecialFolder.h"

#include "framework/files/FolderItem.h"

#include <QStandardPaths>
#include <cstdlib>
#include <map>
#include <mutex>

namespace fs = std::filesystem;

namespace {

std::mutex rootsMutex;
std::map<SpecialFolder::Kind, std::string> replacedRoots;

std::optional<std::string> replacedRoot(SpecialFolder::Kind kind) {
    std::lock_guard lock(rootsMutex);
    auto it = replacedRoots.find(kind);
    if (it == replacedRoots.end()) return std::nullopt;
    return it->second;
}

std::optional<fs::path> home() {
    const char* value = std::getenv("HOME");
    if (!value || !*value) return std::nullopt;
    return fs::path(value);
}

// An XDG variable counts only when it holds an absolute path, as the XDG
// rules say; otherwise the default below home.
std::optional<fs::path> xdgFolder(const char* variable, const char* defaultBelowHome) {
    const char* value = std::getenv(variable);
    if (value && *value == '/') return fs::path(value);
    const auto base = home();
    if (!base) return std::nullopt;
    return *base / defaultBelowHome;
}

std::shared_ptr<FolderItem> existingOrCreated(const std::optional<fs::path>& folder) {
    if (!folder) return nullptr;
    std::error_code ec;
    fs::create_directories(*folder, ec);
    if (!fs::is_directory(*folder, ec)) return nullptr;
    return std::make_shared<FolderItem>(*folder);
}

std::shared_ptr<FolderItem> folder(SpecialFolder::Kind kind) {
    using SpecialFolder::Kind;
    if (const auto root = replacedRoot(kind)) return existingOrCreated(fs::path(*root));
    switch (kind) {
    case Kind::ApplicationData:
        return existingOrCreated(xdgFolder("XDG_DATA_HOME", ".local/share"));
    case Kind::Preferences:
        return existingOrCreated(xdgFolder("XDG_CONFIG_HOME", ".config"));
    case Kind::Desktop: {
        // Qt reads the user's XDG desktop setting (user-dirs.dirs).
        const fs::path desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation).toStdString();
        std::error_code ec;
        if (!desktop.empty() && fs::is_directory(desktop, ec)) return std::make_shared<FolderItem>(desktop);
        const auto base = home();
        return base && fs::is_directory(*base, ec) ? std::make_shared<FolderItem>(*base) : nullptr;
    }
    }
    return nullptr;
}

}  // namespace

namespace SpecialFolder {

std::shared_ptr<FolderItem> ApplicationData() { return folder(Kind::ApplicationData); }
std::shared_ptr<FolderItem> Preferences() { return folder(Kind::Preferences); }
std::shared_ptr<FolderItem> Desktop() { return folder(Kind::Desktop); }

void setRoot(Kind kind, std::optional<std::string> path) {
    std::lock_guard lock(rootsMutex);
    if (path)
        replacedRoots[kind] = *path;
    else
        replacedRoots.erase(kind);
}

void resetRoots() {
    std::lock_guard lock(rootsMutex);
    replacedRoots.clear();
}

}  // namespace SpecialFolder
