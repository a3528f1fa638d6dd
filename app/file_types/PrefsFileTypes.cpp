#include "app/file_types/PrefsFileTypes.h"

#include "app/file_types/RegisterFileType.h"

namespace Prefs {

std::unique_ptr<FileType> pPreferences;

void _Initialize() { registerFileType(pPreferences, "Preferences", "", "pref", "laWi"); }

void _Release() { pPreferences.reset(); }

}  // namespace Prefs
