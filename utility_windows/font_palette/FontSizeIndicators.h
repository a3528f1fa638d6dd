#pragma once
// How one text size shows in the palette's three size controls and what it
// does to the text. Kept apart from the window so the mapping is checked
// size by size.
#include <cstdint>
#include <string>

// The sizes the palette's list offers, row 0 first.
extern const char* const kPaletteSizes;  // "9\r10\r...\r72"

struct SizeIndicators {
    int32_t size = 0;          // the size shown in the field
    int32_t listIndex = -1;    // the list row of that size, -1 when it has none
    bool sliderShows = false;  // within the slider's 6 to 72
};

// A requested size as a whole number: the fraction dropped, NaN as 0, and
// sizes beyond the 32-bit range held at its ends.
int32_t wholeSize(double requested);

SizeIndicators sizeIndicatorsFor(int32_t size);

// Whether the size field's text is the whole size written out, a decimal
// point and digits ("12.", "12.5" for 12): a fraction still being typed.
bool isFractionBeingTyped(const std::string& typed, int32_t size);

// The size put on the text: 0 (the font's default) for 0 or less, and no
// more than 1000, so one typed digit too many cannot blow up the layout.
double appliedTextSize(int32_t size);
