#pragma once
// Packing unsigned integers into bytes in either order, shared by the
// streams and anything else that writes binary numbers.
#include <cstdint>
#include <string>
#include <string_view>

inline std::string packUnsigned(uint64_t value, int width, bool littleEndian) {
    std::string bytes(static_cast<size_t>(width), '\0');
    for (int i = 0; i < width; ++i) {
        const int shift = 8 * (littleEndian ? i : width - 1 - i);
        bytes[static_cast<size_t>(i)] = static_cast<char>((value >> shift) & 0xFF);
    }
    return bytes;
}

inline uint64_t unpackUnsigned(std::string_view bytes, bool littleEndian) {
    uint64_t value = 0;
    const size_t width = bytes.size();
    for (size_t i = 0; i < width; ++i) {
        const size_t at = littleEndian ? width - 1 - i : i;
        value = (value << 8) | static_cast<uint8_t>(bytes[at]);
    }
    return value;
}
