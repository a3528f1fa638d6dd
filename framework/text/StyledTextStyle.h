#pragma once
// The character and paragraph attributes a styled text carries. Plain values
// with no toolkit inside, so the RTF reader and writer, the database
// conversion and the tests can use them without a window system.
#include <cstdint>
#include <string>

// Paragraph alignment, numbered as the old framework's SelAlignment:
// 0 default (the text's natural direction), 1 left, 2 centre, 3 right.
enum class TextAlignment : int { Default = 0, Left = 1, Center = 2, Right = 3 };

struct TextStyle {
    // Family name. "System" (and its aliases, see isSystemFontName) means the
    // toolkit's default family.
    std::string Font = "System";
    // Points (pixels at the layouts' 72 dpi). 0 or less means the default size.
    double Size = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    // Outline and shadow have no look on screen here; they are kept so that
    // text styled on the old platform keeps them through every save.
    bool Outline = false;
    bool Shadow = false;
    uint32_t TextColor = 0x000000;  // 0xRRGGBB, the same value as the graphics Color

    bool operator==(const TextStyle&) const = default;
};

// What "System" and size 0 stand for when styled text leaves the program as
// RTF: other readers know no "System" font, and \fs0 is no size at all.
// Process-wide, so every RTF the program writes is resolved the same way;
// the UI layer may replace it once at start-up.
struct TextDefaults {
    std::string Family = "Helvetica";
    double Size = 12;
};
const TextDefaults& textDefaults();
void setTextDefaults(const TextDefaults& defaults);

// "System", "SmallSystem", "SystemFont" (the name the import uses) and the
// empty name all mean the default family; compared without regard to case.
bool isSystemFontName(const std::string& name);
