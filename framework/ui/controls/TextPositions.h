#pragma once
// Framework-internal conversions between the framework's text (UTF-8, CR
// between paragraphs, positions counted in characters) and Qt's (UTF-16,
// paragraph separators, positions counted in UTF-16 units).
#include <QString>
#include <cstdint>
#include <string>

// Text for a multi-line Qt editor: CR, LF and CRLF each end a paragraph.
QString editorTextFromFramework(const std::string& text);

// A document's raw text as framework text: paragraph and line separators
// become CR, object replacement characters vanish, no-break spaces stay.
std::string frameworkTextFromRaw(const QString& raw);

// Character (code point) offset <-> UTF-16 offset within `text`; offsets past
// the end are clamped to it.
int32_t codePointsBefore(const QString& text, int utf16Position);
int utf16PositionOf(const QString& text, int32_t codePoints);

// Number of characters in UTF-8 text.
int32_t characterCount(const std::string& utf8);
