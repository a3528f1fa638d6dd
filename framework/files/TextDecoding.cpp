#include "framework/files/TextDecoding.h"

#include <array>
#include <cstdint>

namespace {

// Upper halves of the two single-byte code pages, as Unicode scalar values.
constexpr std::array<char32_t, 128> kMacRomanHigh = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1, 0x00E0, 0x00E2, 0x00E4, 0x00E3, 0x00E5,
    0x00E7, 0x00E9, 0x00E8, 0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3, 0x00F2, 0x00F4,
    0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC, 0x2020, 0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6,
    0x00DF, 0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8, 0x221E, 0x00B1, 0x2264, 0x2265,
    0x00A5, 0x00B5, 0x2202, 0x2211, 0x220F, 0x03C0, 0x222B, 0x00AA, 0x00BA, 0x03A9, 0x00E6, 0x00F8, 0x00BF,
    0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB, 0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5,
    0x0152, 0x0153, 0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0x25CA, 0x00FF, 0x0178, 0x2044,
    0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02, 0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1,
    0x00CB, 0x00C8, 0x00CD, 0x00CE, 0x00CF, 0x00CC, 0x00D3, 0x00D4, 0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9,
    0x0131, 0x02C6, 0x02DC, 0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7};

// 0x80-0x9F differ from Latin-1; the five unassigned bytes keep their C1
// control code points, as web browsers do, so no byte is ever lost.
constexpr std::array<char32_t, 32> kWindows1252C1 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one scalar value at `i`; returns its length, or 0 when the bytes
// there are not well-formed UTF-8 (overlong forms and surrogates included).
size_t decodeUtf8At(std::string_view s, size_t i, char32_t& out) {
    const auto b = [&](size_t k) { return static_cast<uint8_t>(s[k]); };
    const uint8_t lead = b(i);
    size_t length;
    char32_t value;
    if (lead < 0x80) {
        out = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07;
    } else {
        return 0;
    }
    if (s.size() - i < length) return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
        value = (value << 6) | (b(i + k) & 0x3F);
    }
    const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
    if (overlong || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    out = value;
    return length;
}

template <size_t N>
std::string decodeSingleByte(std::string_view bytes, const std::array<char32_t, N>& high, uint8_t firstMapped) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char ch : bytes) {
        const auto byte = static_cast<uint8_t>(ch);
        if (byte >= firstMapped && static_cast<size_t>(byte - firstMapped) < N)
            appendUtf8(out, high[byte - firstMapped]);
        else
            appendUtf8(out, byte);  // ASCII, and Latin-1 above the mapped range
    }
    return out;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    char32_t ignored;
    for (size_t i = 0; i < bytes.size();) {
        const size_t length = decodeUtf8At(bytes, i, ignored);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string decodeMacRoman(std::string_view bytes) { return decodeSingleByte(bytes, kMacRomanHigh, 0x80); }

std::string decodeWindows1252(std::string_view bytes) { return decodeSingleByte(bytes, kWindows1252C1, 0x80); }

std::string textFromUnknownEncoding(std::string_view bytes, LegacyEncoding fallback) {
    if (isValidUtf8(bytes)) {
        constexpr std::string_view bom = "\xEF\xBB\xBF";
        if (bytes.substr(0, bom.size()) == bom) bytes.remove_prefix(bom.size());
        return std::string(bytes);
    }
    return fallback == LegacyEncoding::MacRoman ? decodeMacRoman(bytes) : decodeWindows1252(bytes);
}

std::string encodeMacRoman(std::string_view utf8, char replacement) {
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        char32_t c;
        const size_t length = decodeUtf8At(utf8, i, c);
        if (length == 0) {
            out += replacement;
            ++i;
            continue;
        }
        i += length;
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        char mapped = replacement;
        for (size_t k = 0; k < kMacRomanHigh.size(); ++k)
            if (kMacRomanHigh[k] == c) mapped = static_cast<char>(0x80 + k);
        out += mapped;
    }
    return out;
}
