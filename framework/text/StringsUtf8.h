#pragma once
// UTF-8 at the level of code points, shared by the string functions and the
// encoding conversions. Decoding is strict (no overlongs, no surrogates, no
// values above U+10FFFF); a malformed byte counts as one character U+FFFD,
// so character counts and positions are defined for any byte string.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace utf8 {

constexpr char32_t Replacement = 0xFFFD;

// Decodes the character starting at `pos` and advances `pos` past it (by one
// byte for a malformed sequence). `valid` reports whether it was well formed.
char32_t next(std::string_view s, size_t& pos, bool* valid = nullptr);

void append(std::string& out, char32_t cp);

std::vector<char32_t> decode(std::string_view s);
std::string encode(const std::vector<char32_t>& cps);

// Byte offset of character index `index` (0-based); s.size() when beyond.
size_t byteOffset(std::string_view s, size_t index);

// Number of characters.
size_t length(std::string_view s);

// True when every byte is below 0x80 (the fast paths of case handling).
inline bool isAscii(std::string_view s) {
    for (unsigned char c : s)
        if (c >= 0x80) return false;
    return true;
}

inline char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

}  // namespace utf8
