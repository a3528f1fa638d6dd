// The bar's grip: style choice, element placement and the exact drawing
// calls of bars, dimples and the drag outline.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/splitter/HandleDrawing.h"
#include "controls/splitter/HandleStyle.h"
#include "controls/splitter/SplitterPalette.h"
#include "framework/graphics/RecordingGraphics.h"

namespace {
SplitterModel startedBar(bool vertical, bool dark = false) {
    SplitterModel m;
    m.isVertical = vertical;
    m.initializedSmartSplitter = true;
    m.backgroundDark = dark;
    applySplitterPalette(m, dark);
    applyDimpleTables(m, dark);
    return m;
}

HandleScene scene(int32_t w, int32_t h, bool active = true, bool enabled = true) {
    HandleScene s;
    s.width = w;
    s.height = h;
    s.active = active;
    s.enabled = enabled;
    return s;
}

struct Pixel {
    int32_t x, y;
    double v;
};

// "DrawLine x,y,x,y" in grey v for each pixel.
void expectPixels(const RecordingGraphics& g, const std::vector<Pixel>& pixels) {
    ASSERT_EQ(g.calls().size(), pixels.size());
    for (size_t i = 0; i < pixels.size(); ++i) {
        const Pixel& p = pixels[i];
        const RecordedCall& c = g.calls()[i];
        EXPECT_EQ(c.toString(), "DrawLine " + std::to_string(p.x) + "," + std::to_string(p.y) + "," +
                                    std::to_string(p.x) + "," + std::to_string(p.y));
        EXPECT_EQ(c.foreColor, HSV(0, 0, p.v)) << "pixel " << p.x << "," << p.y;
    }
}

struct Style {
    bool dimple, large;
    int32_t count;
};
Style styleOf(const SplitterModel& m) { return Style{m.handleDimple, m.handleLarge, m.handleCount}; }
bool operator==(const Style& a, const Style& b) {
    return a.dimple == b.dimple && a.large == b.large && a.count == b.count;
}
std::ostream& operator<<(std::ostream& o, const Style& s) {
    return o << (s.dimple ? "dimple" : "bar") << (s.large ? " large x" : " small x") << s.count;
}

Style automatic(bool dark, int32_t thickness, int32_t length) {
    SplitterModel m;
    applyHandleType(m, 0, dark, thickness, length);
    return styleOf(m);
}
}  // namespace

TEST(SplitterHandle, StyleNumbersAndTheAutomaticChoice) {
    SplitterModel m;
    applyHandleType(m, 2, false, 12, 360);
    EXPECT_EQ(styleOf(m), (Style{false, true, 2}));
    applyHandleType(m, 3, false, 12, 360);
    EXPECT_EQ(styleOf(m), (Style{true, false, 3}));
    applyHandleType(m, 5, false, 12, 360);
    EXPECT_EQ(styleOf(m), (Style{true, false, 0})) << "an unknown style hides the grip and keeps the kind";
    applyHandleType(m, 4, false, 12, 360);
    applyHandleType(m, -1, false, 12, 360);
    EXPECT_EQ(styleOf(m), (Style{true, true, 0}));

    // Dark background: dimples.
    EXPECT_EQ(automatic(true, 6, 21), (Style{true, true, 1}));
    EXPECT_EQ(automatic(true, 6, 20), (Style{true, false, 3}));
    EXPECT_EQ(automatic(true, 5, 100), (Style{true, false, 3}));
    // Elsewhere: bars.
    EXPECT_EQ(automatic(false, 13, 121), (Style{false, true, 2}));
    EXPECT_EQ(automatic(false, 13, 120), (Style{false, false, 3}));
    EXPECT_EQ(automatic(false, 12, 500), (Style{false, false, 3}));
    EXPECT_EQ(automatic(false, 9, 50), (Style{false, false, 2}));
    EXPECT_EQ(automatic(false, 10, 50), (Style{false, false, 3}));
}

TEST(SplitterHandle, ElementsSitSymmetricallyAboutTheCentre) {
    using V = std::vector<int32_t>;
    EXPECT_EQ(handleOffsets(true, false, 3), (V{-6, 0, 6}));
    EXPECT_EQ(handleOffsets(true, false, 2), (V{-3, 3}));
    EXPECT_EQ(handleOffsets(true, true, 3), (V{-10, 0, 10}));
    EXPECT_EQ(handleOffsets(true, true, 1), (V{0}));
    EXPECT_EQ(handleOffsets(false, false, 3), (V{-2, 0, 2}));
    EXPECT_EQ(handleOffsets(false, true, 2), (V{-1, 2}));
    EXPECT_EQ(handleOffsets(false, true, 3), (V{-3, 0, 3}));
    EXPECT_EQ(handleOffsets(false, true, 4).size(), 4u);
    EXPECT_EQ(handleOffsets(true, false, 5).size(), 5u);
    EXPECT_TRUE(handleOffsets(true, true, 0).empty());
}

TEST(SplitterHandle, DimpleTablesAreReadFromTheirTextsAndBrightenedOnANormalBackground) {
    const DimpleTable t = parseDimpleTable("-1, 2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24, 9", 1.0);
    EXPECT_DOUBLE_EQ(t[1][1], -0.01);
    EXPECT_DOUBLE_EQ(t[2][1], 0.02) << "a leading blank is skipped";
    EXPECT_DOUBLE_EQ(t[1][2], 0.06) << "the sixth field starts row 2";
    EXPECT_DOUBLE_EQ(t[5][5], 0.09);

    const SplitterModel normal = startedBar(true);
    EXPECT_DOUBLE_EQ(normal.dimplePixelValue[3][4], 1.1);
    EXPECT_DOUBLE_EQ(normal.dimplePixelValue[3][1], 0.099);
    EXPECT_LT(normal.dimplePixelValue[1][1], 0);
    EXPECT_DOUBLE_EQ(normal.dimplePixelValueDisabled[3][5], 0.957);
    const SplitterModel dark = startedBar(true, true);
    EXPECT_DOUBLE_EQ(dark.dimplePixelValue[3][4], 1.0);
    EXPECT_EQ(dark.colorLight, HSV(0, 0, 0.58));
    EXPECT_EQ(normal.colorDarkDisabled, HSV(0, 0, 0.70));
}

// The main window's first bar after its window's Open: one large dimple.
TEST(SplitterHandle, LargeDimpleOfTheMainWindowBarPixelByPixel) {
    SplitterModel m = startedBar(true);
    m.handleDimple = m.handleLarge = true;
    m.handleCount = 1;
    RecordingGraphics g;
    drawHandle(g, m, scene(12, 360));
    expectPixels(g, {{5, 178, .539}, {6, 178, .099}, {7, 178, .528},
                     {4, 179, .528}, {5, 179, .022}, {6, 179, .242}, {7, 179, .319}, {8, 179, .616},
                     {4, 180, .121}, {5, 180, .407}, {6, 180, .704}, {7, 180, .825}, {8, 180, .715},
                     {4, 181, .627}, {5, 181, .704}, {6, 181, 1.1}, {7, 181, 1.1}, {8, 181, .913},
                     {5, 182, .825}, {6, 182, 1.056}, {7, 182, .924}});
    EXPECT_EQ(g.calls()[15].foreColor, 0xFFFFFFu) << "1.1 is clamped to white, not wrapped";
    EXPECT_TRUE(g.UseOldRenderer);

    // The second bar's is the same pattern about (6, 59).
    RecordingGraphics second;
    drawHandle(second, m, scene(12, 118));
    EXPECT_EQ(second.calls().front().toString(), "DrawLine 5,57,5,57");
}

TEST(SplitterHandle, InactiveOrDisabledBarsUseTheInactiveTable) {
    SplitterModel m = startedBar(true);
    m.handleDimple = m.handleLarge = true;
    m.handleCount = 1;
    RecordingGraphics inactive, disabled, unstarted;
    drawHandle(inactive, m, scene(12, 360, false, true));
    drawHandle(disabled, m, scene(12, 360, true, false));
    EXPECT_EQ(inactive.calls()[0].foreColor, HSV(0, 0, 0.682));
    EXPECT_EQ(disabled.calls()[0].foreColor, HSV(0, 0, 0.682));
    m.initializedSmartSplitter = false;
    drawHandle(unstarted, m, scene(12, 360, false, false));
    EXPECT_EQ(unstarted.calls()[0].foreColor, HSV(0, 0, 0.539)) << "before start-up the normal look";
}

TEST(SplitterHandle, SmallDimplesLightenOnlyInAnInactiveWindow) {
    SplitterModel m = startedBar(false);
    m.handleDimple = true;
    m.handleCount = 1;
    RecordingGraphics g;
    drawHandle(g, m, scene(100, 8));
    EXPECT_EQ(g.log(), (std::vector<std::string>{"FillRect 49,3,3,3", "DrawLine 49,4,50,3", "DrawLine 50,5,51,4",
                                                 "DrawLine 50,4,50,4"}));
    EXPECT_EQ(g.calls()[0].foreColor, HSV(0, 0, 0.80));
    EXPECT_EQ(g.calls()[1].foreColor, HSV(0, 0, 0.44));
    EXPECT_EQ(g.calls()[2].foreColor, HSV(0, 0, 0.60));
    EXPECT_EQ(g.calls()[3].foreColor, HSV(0, 0, 0.30));

    RecordingGraphics inactive, disabled;
    drawHandle(inactive, m, scene(100, 8, false, true));
    EXPECT_EQ(inactive.calls()[0].foreColor, HSV(0, 0, 1.0));
    EXPECT_EQ(inactive.calls()[3].foreColor, HSV(0, 0, 0.50));
    drawHandle(disabled, m, scene(100, 8, true, false));
    EXPECT_EQ(disabled.calls()[0].foreColor, HSV(0, 0, 0.80)) << "a disabled bar keeps its brightness";

    m.backgroundDark = true;
    RecordingGraphics dark;
    drawHandle(dark, m, scene(100, 8));
    EXPECT_EQ(dark.calls()[0].foreColor, HSV(0, 0, 0.68));
}

TEST(SplitterHandle, GripBarsInEachOrientationAndSize) {
    SplitterModel m = startedBar(true);
    m.handleCount = 3;
    RecordingGraphics small;
    drawHandle(small, m, scene(12, 360));
    EXPECT_EQ(small.log(), (std::vector<std::string>{"DrawLine 4,175,4,185", "DrawLine 6,175,6,185",
                                                     "DrawLine 8,175,8,185"}));
    EXPECT_EQ(small.calls()[0].foreColor, m.colorDark);

    m.handleLarge = true;
    m.handleCount = 1;
    RecordingGraphics large;
    drawHandle(large, m, scene(12, 360));
    EXPECT_EQ(large.log(), (std::vector<std::string>{"DrawLine 6,171,6,189", "DrawLine 5,171,5,189",
                                                     "DrawLine 5,171,6,171", "DrawLine 5,189,6,189"}));
    EXPECT_EQ(large.calls()[0].foreColor, m.colorLight);
    EXPECT_EQ(large.calls()[3].foreColor, m.colorMedium);

    m.isVertical = false;
    RecordingGraphics across;
    drawHandle(across, m, scene(360, 12, false, true));
    EXPECT_EQ(across.log(), (std::vector<std::string>{"DrawLine 171,6,189,6", "DrawLine 171,5,189,5",
                                                      "DrawLine 171,5,171,6", "DrawLine 189,5,189,6"}));
    EXPECT_EQ(across.calls()[0].foreColor, m.colorLightDisabled);
    EXPECT_EQ(across.calls()[1].foreColor, m.colorMediumDisabled);
}

TEST(SplitterHandle, DragOutlineComesFirstAndConcealedBarsDrawNothing) {
    SplitterModel m = startedBar(true);
    m.handleCount = 1;
    m.DisableLiveDrag = true;
    m.mouseDownTriggered = true;
    RecordingGraphics g;
    drawHandle(g, m, scene(12, 360));
    ASSERT_EQ(g.log().size(), 3u);
    EXPECT_EQ(g.log()[0], "ClearRect 1,1,10,358");
    EXPECT_EQ(g.log()[1], "DrawRect 0,0,12,360");
    EXPECT_EQ(g.calls()[1].foreColor, m.colorMedium);

    // A bar above the window's top keeps the historical outline arithmetic.
    HandleScene above = scene(12, 100);
    above.top = -4;
    RecordingGraphics raised;
    drawHandle(raised, m, above);
    EXPECT_EQ(raised.log()[0], "ClearRect 1,-3,10,102");
    EXPECT_EQ(raised.log()[1], "DrawRect 0,-4,12,104");

    m.conceal = true;
    RecordingGraphics hidden;
    drawHandle(hidden, m, scene(12, 360));
    EXPECT_TRUE(hidden.calls().empty());
}
