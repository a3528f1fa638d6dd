#pragma once
// What the about window says: the maker's web address, the credits, and the
// version line built from the application's version numbers.
#include <cstdint>
#include <string>

namespace AboutTexts {
// Shown by the link and opened by it; the two must stay the same address,
// short enough for the link's 154 pixels.
inline constexpr const char* kWebAddress = "http://quillmere.example/";

// Shown when no web browser takes the address.
std::string pageNotOpenedMessage();

// Three paragraphs separated by empty lines (CR line ends).
std::string credits();

// "Version 1.2.3 Final": each number in plain decimal, then a blank and the
// release-stage name (an unknown stage leaves the trailing blank).
std::string versionLine(int32_t major, int32_t minor, int32_t bug, const std::string& stageName);
}  // namespace AboutTexts
