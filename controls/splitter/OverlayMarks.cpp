#include "controls/splitter/OverlayMarks.h"

#include <algorithm>

#include "framework/graphics/Graphics.h"
#include "framework/runtime/Numbers.h"

namespace {
constexpr Color kClearMask = 0xFFFFFF;
constexpr Color kOutlineMask = 0x444444;  // lines and outlines: mostly opaque
constexpr Color kLabelMask = 0x222222;    // label boxes: nearly opaque

std::string labelled(const char* name, int32_t value) { return name + std::to_string(value); }
}  // namespace

void DrawnRegion::include(int32_t x, int32_t y, int32_t w, int32_t h) {
    minX = std::min(minX, x);
    minY = std::min(minY, y);
    maxX = std::max(maxX, add32(x, w));
    maxY = std::max(maxY, add32(y, h));
}

void OverlayMarks::clear(int32_t width, int32_t height) {
    picture_.ClearRect(0, 0, width, height);
    mask_.ForeColor = kClearMask;
    mask_.FillRect(0, 0, width, height);
    region_.reset(width, height);
}

void OverlayMarks::drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    picture_.DrawLine(x1, y1, x2, y2);
    mask_.ForeColor = kOutlineMask;
    mask_.DrawLine(x1, y1, x2, y2);
}

void OverlayMarks::drawRect(int32_t x, int32_t y, int32_t w, int32_t h) {
    picture_.DrawRect(x, y, w, h);
    mask_.ForeColor = kOutlineMask;
    mask_.DrawRect(x, y, w, h);
    region_.include(x, y, w, h);
}

void OverlayMarks::drawX(const Box& b) {
    drawLine(b.left, b.top, b.left + b.width - 2, b.top + b.height - 2);
    drawLine(b.left, b.top + b.height - 2, b.left + b.width - 2, b.top);
}

void OverlayMarks::drawBox(const Box& b, bool visible) {
    drawRect(b.left, b.top, b.width, b.height);
    if (!visible) drawX(b);
}

// Labels do not grow the region: they show where they lie inside an outline.
void OverlayMarks::drawBoxedString(const std::string& text, int32_t x, int32_t y, int32_t align) {
    const int32_t w = toInt32(picture_.StringWidth(text) + 2);
    if (align == 1) x -= toInt32(w / 2.0);
    else if (align == 2) x -= w;
    picture_.FillRect(x, y, w, boxHeight_);
    mask_.ForeColor = kLabelMask;
    mask_.FillRect(x, y, w, boxHeight_);
    const Color markColour = picture_.ForeColor;
    picture_.ForeColor = HSV(0, 0, 0.94);
    picture_.DrawString(text, x + 1, y + 9, 0);
    picture_.ForeColor = markColour;
}

void OverlayMarks::markControl(const Box& control, bool visible) {
    picture_.ForeColor = kControlMark;
    drawBox(control, visible);
}

void OverlayMarks::markSplitter(const Box& s, bool visible, const Travel& t) {
    const int32_t lo = t.minLimit, hi = t.maxLimit;
    const int32_t a = add32(lo, t.minOffset), b = sub32(hi, t.maxOffset);
    const int32_t bh = boxHeight_;
    picture_.ForeColor = kLimitMark;
    drawBox(s, visible);
    if (t.vertical) {
        const int32_t T = s.top, H = s.height;
        picture_.ForeColor = kReserveMark;
        drawLine(a, T, a, T + H - 2);
        drawBoxedString(labelled("minLOffset=", t.minOffset), a, toInt32(T + H / 2.0 - bh), 0);
        drawLine(b, T, b, T + H - 2);
        drawBoxedString(labelled("maxLOffset=", t.maxOffset), b, toInt32(T + H / 2.0), 2);
        picture_.ForeColor = kLimitMark;
        drawRect(lo, T, sub32(hi, lo), H);
        drawLine(lo + 20, T, hi - 22, T + H - 2);
        drawBoxedString(labelled("minLimit=", lo), lo, T, 0);
        drawBoxedString(labelled("maxLimit=", hi), hi, T + H - bh, 2);
    } else {
        const int32_t L = s.left, W = s.width;
        const int32_t middle = toInt32(L + W / 2.0);
        picture_.ForeColor = kReserveMark;
        drawLine(L, a, L + W - 2, a);
        drawBoxedString(labelled("minLOffset=", t.minOffset), middle, a, 1);
        drawLine(L, b, L + W - 2, b);
        drawBoxedString(labelled("maxLOffset=", t.maxOffset), middle, b - bh + 2, 1);
        picture_.ForeColor = kLimitMark;
        drawRect(L, lo, W, sub32(hi, lo));
        drawLine(L + 20, lo, L + W - 22, hi - 2);
        drawBoxedString(labelled("minLimit=", lo), L, lo, 0);
        drawBoxedString(labelled("maxLimit=", hi), L + W, hi - bh, 2);
    }
}
