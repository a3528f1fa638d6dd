#pragma once
// Colours as the old framework passed them around: a plain 0xRRGGBB number,
// so a colour can be stored, compared and written to preferences as is.
#include <cstdint>

using Color = uint32_t;

// Each component is clamped to 0..255.
Color RGB(int red, int green, int blue);

// Hue, saturation and value, each clamped to [0, 1] before conversion (the
// splitter passes values up to 1.1 and expects white, not black). Saturation
// 0 gives a grey of round(value * 255). NaN counts as 0.
Color HSV(double hue, double saturation, double value);

// The grey the toolkit uses for disabled text.
Color DisabledTextColor();

inline int redOf(Color c) { return static_cast<int>((c >> 16) & 0xFF); }
inline int greenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
inline int blueOf(Color c) { return static_cast<int>(c & 0xFF); }
