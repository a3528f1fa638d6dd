#pragma once
// The application's version packed into one 32-bit number, stored in the
// preferences as "app_vers" so a later version can tell who wrote the file.
#include <cstdint>

namespace BPrefs {

// Bits 0-7 non-release version, 8-9 stage code (0 development, 1 alpha,
// 2 beta, 3 final), 10 always set, 11-16 bug, 17-22 minor, 23-31 major.
// A number too large for its field carries into the next one.
int32_t AppVersionCode(int32_t major, int32_t minor, int32_t bug, int32_t stageCode,
                       int32_t nonReleaseVersion);

// The code of the running build.
int32_t AppVersionCode();

}  // namespace BPrefs
