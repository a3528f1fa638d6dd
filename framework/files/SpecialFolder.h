#pragma once
// The user's standard folders, as the old platform named them. Where they
// are comes from the replaceable services (framework/runtime/Services.h):
//   ApplicationData  $XDG_DATA_HOME, else ~/.local/share
//   Preferences      $XDG_CONFIG_HOME, else ~/.config
//   Desktop          the XDG desktop folder when it exists, else home
//   Temporary        $TMPDIR, else /tmp
// Each is created when missing. A folder that cannot be found or created
// comes back as nothing, which callers treat as a nil object.
#include <memory>

class FolderItem;

namespace SpecialFolder {

std::shared_ptr<FolderItem> ApplicationData();
std::shared_ptr<FolderItem> Preferences();
std::shared_ptr<FolderItem> Desktop();
std::shared_ptr<FolderItem> Temporary();

}  // namespace SpecialFolder

// The old framework's spelling of the preferences folder.
inline std::shared_ptr<FolderItem> PreferencesFolder() { return SpecialFolder::Preferences(); }
