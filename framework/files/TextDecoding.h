#pragma once
// Bytes of unknown encoding turned into the UTF-8 text the rest of the system
// holds. Files written on the old platform carry Mac Roman (resource forks,
// clippings) or Windows-1252 (plain text from elsewhere) and never say so, so
// the rule is: valid UTF-8 is taken as it is (a leading byte-order mark
// dropped), anything else is decoded with the caller's single-byte fallback.
// Every byte sequence decodes to something; nothing here can fail.
#include <string>
#include <string_view>

enum class LegacyEncoding { MacRoman, Windows1252 };

bool isValidUtf8(std::string_view bytes);

std::string decodeMacRoman(std::string_view bytes);
std::string decodeWindows1252(std::string_view bytes);

std::string textFromUnknownEncoding(std::string_view bytes, LegacyEncoding fallback);

// UTF-8 text to Mac Roman bytes, used for four-character type codes; a
// character Mac Roman lacks (or invalid UTF-8) becomes `replacement`.
std::string encodeMacRoman(std::string_view utf8, char replacement = '?');
