#include "framework/speech/SoundDeviceProbe.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

bool soundOutputLooksAvailable() {
    std::error_code ec;
    if (const char* server = std::getenv("PULSE_SERVER"); server && *server) return true;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        const fs::path dir(runtime);
        if (fs::exists(dir / "pulse" / "native", ec) || fs::exists(dir / "pipewire-0", ec)) return true;
    }
    // ALSA playback devices are /dev/snd/pcmC<card>D<device>p.
    for (fs::directory_iterator it("/dev/snd", ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.rfind("pcmC", 0) == 0 && !name.empty() && name.back() == 'p') return true;
    }
    return false;
}
