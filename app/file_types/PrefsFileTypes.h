#pragma once
// The preferences file's own type.
#include <memory>

#include "framework/files/FileType.h"

namespace Prefs {

extern std::unique_ptr<FileType> pPreferences;

void _Initialize();
void _Release();

}  // namespace Prefs
