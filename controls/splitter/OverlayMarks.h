#pragma once
// The marks of the splitter debugging overlay, drawn twice: in colour on the
// overlay's picture and in grey on its mask, where the grey sets how opaque
// the mark is (white clear). The marks use window coordinates.
#include <cstdint>
#include <string>

#include "controls/splitter/Box.h"
#include "framework/graphics/Color.h"

class Graphics;

// The bounding box of the outlines drawn since the last clear; only this
// part of the picture is shown.
struct DrawnRegion {
    int32_t minX = 0, minY = 0, maxX = 0, maxY = 0;
    void reset(int32_t width, int32_t height) { minX = width, minY = height, maxX = 0, maxY = 0; }
    void include(int32_t x, int32_t y, int32_t w, int32_t h);
    bool isEmpty() const { return maxX <= minX || maxY <= minY; }
};

constexpr Color kControlMark = 0xC80000;
constexpr Color kLimitMark = 0x009600;
constexpr Color kReserveMark = 0x000096;

class OverlayMarks {
public:
    OverlayMarks(Graphics& picture, Graphics& mask, DrawnRegion& region, int32_t boxHeight)
        : picture_(picture), mask_(mask), region_(region), boxHeight_(boxHeight) {}

    // Makes the area transparent and the region empty.
    void clear(int32_t width, int32_t height);
    // A red outline, crossed out when the control is hidden.
    void markControl(const Box& control, bool visible);
    // The bar's outline, its limits (green) and reserve zones (blue) with
    // their values in labels.
    struct Travel {
        int32_t minLimit, maxLimit, minOffset, maxOffset;
        bool vertical;
    };
    void markSplitter(const Box& bar, bool visible, const Travel& travel);

private:
    void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    void drawRect(int32_t x, int32_t y, int32_t w, int32_t h);
    void drawX(const Box& b);
    void drawBox(const Box& b, bool visible);
    // align 0: starts at x; 1: centred on x; 2: ends at x.
    void drawBoxedString(const std::string& text, int32_t x, int32_t y, int32_t align);

    Graphics& picture_;
    Graphics& mask_;
    DrawnRegion& region_;
    int32_t boxHeight_;
};
