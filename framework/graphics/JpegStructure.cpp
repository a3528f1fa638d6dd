#include "framework/graphics/JpegStructure.h"

#include <cstddef>
#include <cstdint>

namespace {

constexpr uint8_t markerPrefix = 0xFF;
constexpr uint8_t startOfImage = 0xD8;
constexpr uint8_t endOfImage = 0xD9;
constexpr uint8_t startOfScan = 0xDA;

bool isRestart(uint8_t m) { return m >= 0xD0 && m <= 0xD7; }

// Markers that stand alone, without a length field.
bool standsAlone(uint8_t m) { return isRestart(m) || m == 0x01; }

}  // namespace

bool jpegIsComplete(std::string_view bytes) {
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    const size_t size = bytes.size();
    if (size < 4 || data[0] != markerPrefix || data[1] != startOfImage) return false;
    size_t pos = 2;
    while (pos < size) {
        if (data[pos] != markerPrefix) return false;
        // Fill bytes: any number of 0xFF before the marker code.
        while (pos < size && data[pos] == markerPrefix) ++pos;
        if (pos >= size) return false;
        const uint8_t marker = data[pos++];
        if (marker == endOfImage) return true;
        if (marker == 0x00) return false;
        if (standsAlone(marker)) continue;
        if (pos + 2 > size) return false;
        const size_t length = (size_t(data[pos]) << 8) | data[pos + 1];
        if (length < 2 || pos + length > size) return false;
        pos += length;
        if (marker != startOfScan) continue;
        // Entropy-coded data: a 0xFF is followed by 0x00 (a stuffed byte) or a
        // restart marker inside the scan; any other marker ends the scan.
        while (true) {
            if (pos + 1 >= size) return false;
            if (data[pos] == markerPrefix && data[pos + 1] != 0x00 && !isRestart(data[pos + 1])) break;
            ++pos;
        }
    }
    return false;
}
