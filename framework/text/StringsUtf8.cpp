#include "framework/text/StringsUtf8.h"

namespace utf8 {

char32_t next(std::string_view s, size_t& pos, bool* valid) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(pos);
    auto fail = [&]() {
        ++pos;
        if (valid) *valid = false;
        return Replacement;
    };
    if (lead < 0x80) {
        ++pos;
        if (valid) *valid = true;
        return lead;
    }
    size_t extra;
    char32_t cp;
    char32_t minimum;
    if ((lead & 0xE0) == 0xC0) { extra = 1; cp = lead & 0x1F; minimum = 0x80; }
    else if ((lead & 0xF0) == 0xE0) { extra = 2; cp = lead & 0x0F; minimum = 0x800; }
    else if ((lead & 0xF8) == 0xF0) { extra = 3; cp = lead & 0x07; minimum = 0x10000; }
    else return fail();
    if (pos + extra >= s.size()) return fail();  // sequence cut off by the end
    for (size_t i = 1; i <= extra; ++i) {
        const unsigned char c = byte(pos + i);
        if ((c & 0xC0) != 0x80) return fail();
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return fail();
    pos += extra + 1;
    if (valid) *valid = true;
    return cp;
}

void append(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = Replacement;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::vector<char32_t> decode(std::string_view s) {
    std::vector<char32_t> out;
    out.reserve(s.size());
    for (size_t pos = 0; pos < s.size();) out.push_back(next(s, pos));
    return out;
}

std::string encode(const std::vector<char32_t>& cps) {
    std::string out;
    out.reserve(cps.size());
    for (char32_t cp : cps) append(out, cp);
    return out;
}

size_t byteOffset(std::string_view s, size_t index) {
    size_t pos = 0;
    for (size_t i = 0; i < index && pos < s.size(); ++i) next(s, pos);
    return pos;
}

size_t length(std::string_view s) {
    size_t count = 0;
    for (size_t pos = 0; pos < s.size(); ++count) next(s, pos);
    return count;
}

}  // namespace utf8
