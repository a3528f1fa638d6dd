#pragma once
// Control words the RTF reader gives a fixed meaning without further state.
#include <string_view>

// Destinations whose whole group is skipped: document information, pictures,
// objects, style sheets, headers and footers, list and revision tables, and
// the other groups that hold no text of the body.
bool isSkippedDestination(std::string_view word);

// The character a symbol word stands for (\emdash, \bullet, \lquote, ...),
// or 0 when the word is not one of them.
char32_t specialCharacter(std::string_view word);
