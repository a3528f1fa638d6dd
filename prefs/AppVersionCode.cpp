#include "prefs/AppVersionCode.h"

namespace BPrefs {

int32_t AppVersionCode(int32_t major, int32_t minor, int32_t bug, int32_t stageCode,
                       int32_t nonReleaseVersion) {
    // Unsigned arithmetic gives the same bits as the historical 32-bit
    // signed computation, without its undefined overflow for major >= 256.
    uint32_t code = static_cast<uint32_t>(major);
    code = code * 64u + static_cast<uint32_t>(minor);
    code = code * 64u + static_cast<uint32_t>(bug);
    code = code * 2u + 1u;
    code = code * 4u + static_cast<uint32_t>(stageCode);
    code = code * 256u + static_cast<uint32_t>(nonReleaseVersion);
    return static_cast<int32_t>(code);
}

int32_t AppVersionCode() {
    return AppVersionCode(LARDERWISE_MAJOR_VERSION, LARDERWISE_MINOR_VERSION, LARDERWISE_BUG_VERSION,
                          LARDERWISE_STAGE_CODE, LARDERWISE_NON_RELEASE_VERSION);
}

}  // namespace BPrefs
