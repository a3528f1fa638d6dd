#pragma once
// UTF-8 to and from code points for the styled text, which keeps its
// characters as code points so offsets are character counts.
#include <string>
#include <string_view>

namespace styled_utf8 {

constexpr char32_t Replacement = 0xFFFD;

// Decodes the character at `pos` and advances past it; a malformed byte is
// one U+FFFD and advances one byte.
char32_t next(std::string_view s, size_t& pos);
void append(std::string& out, char32_t cp);

}  // namespace styled_utf8
