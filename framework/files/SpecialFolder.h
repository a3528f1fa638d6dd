#pragma once
// The user's standard folders, as the old platform named them:
//   ApplicationData  $XDG_DATA_HOME, else ~/.local/share
//   Preferences      $XDG_CONFIG_HOME, else ~/.config
//   Desktop          the XDG desktop folder when it exists, else home
// ApplicationData and Preferences are created when missing. A folder that
// cannot be found or created comes back as nothing, which callers treat as
// a nil object. Tests replace the roots instead of touching real folders.
#include <memory>
#include <optional>
#include <string>

class FolderItem;

namespace SpecialFolder {

enum class Kind { ApplicationData, Preferences, Desktop };

std::shared_ptr<FolderItem> ApplicationData();
std::shared_ptr<FolderItem> Preferences();
std::shared_ptr<FolderItem> Desktop();

// Replaces where a folder is (nothing = back to the platform's rule).
void setRoot(Kind kind, std::optional<std::string> path);
void resetRoots();

}  // namespace SpecialFolder

// The old framework's spelling of the preferences folder.
inline std::shared_ptr<FolderItem> PreferencesFolder() { return SpecialFolder::Preferences(); }
