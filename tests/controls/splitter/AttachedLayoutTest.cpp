// Where one attached control goes when its bar moves, and whether it shows.
#include <gtest/gtest.h>

#include "controls/splitter/AttachedLayout.h"

namespace {
SplitterModel verticalBar(int32_t minLimit = 10, int32_t maxLimit = 600) {
    SplitterModel m;
    m.isVertical = true;
    m.MinLimit = minLimit;
    m.MaxLimit = maxLimit;
    return m;
}

AttachedControl entry(bool behind, bool move, bool resize, int32_t minSize = 2, bool normallyVisible = true) {
    AttachedControl e;
    e.behind = behind;
    e.shouldMove = move;
    e.shouldResize = resize;
    e.minSizeVisible = minSize;
    e.normallyVisible = normallyVisible;
    return e;
}

LayoutSubject subject(Box box, bool visible = true) {
    LayoutSubject s;
    s.box = box;
    s.visible = visible;
    return s;
}
}  // namespace

TEST(SplitterLayout, NearResizingControlHidesWhenTooSmallAndReturns) {
    const SplitterModel m = verticalBar();
    const AttachedControl e = entry(true, false, true, 20);
    LayoutDecision d = layoutAttachedControl(m, e, Box{115, 0, 12, 300}, -85, subject({0, 0, 100, 300}));
    EXPECT_EQ(d.extent, 15);
    EXPECT_EQ(d.position, 0);
    EXPECT_FALSE(d.hideBeforeResizing);
    EXPECT_EQ(d.afterwards, VisibilityChange::Hide);

    d = layoutAttachedControl(m, e, Box{125, 0, 12, 300}, 10, subject({0, 0, 15, 300}, false));
    EXPECT_EQ(d.extent, 25);
    EXPECT_EQ(d.afterwards, VisibilityChange::Show);

    const AttachedControl stayHidden = entry(true, false, true, 20, false);
    d = layoutAttachedControl(m, stayHidden, Box{125, 0, 12, 300}, 10, subject({0, 0, 15, 300}, false));
    EXPECT_EQ(d.afterwards, VisibilityChange::Leave);
}

TEST(SplitterLayout, ZeroOrNegativeExtentIsHiddenFirstAndKept) {
    const SplitterModel m = verticalBar();
    const AttachedControl anySize = entry(true, false, true, -5);
    LayoutDecision d = layoutAttachedControl(m, anySize, Box{0, 0, 12, 300}, -100, subject({0, 0, 100, 300}));
    EXPECT_EQ(d.extent, 0);
    EXPECT_TRUE(d.hideBeforeResizing);
    EXPECT_EQ(d.afterwards, VisibilityChange::Leave) << "already hidden before the write";

    d = layoutAttachedControl(m, anySize, Box{0, 0, 12, 300}, -6, subject({0, 0, 0, 300}, false));
    EXPECT_EQ(d.extent, -6) << "negative sizes are kept for the next move to add to";
    d = layoutAttachedControl(m, anySize, Box{100, 0, 12, 300}, 100, subject({0, 0, -6, 300}, false));
    EXPECT_EQ(d.extent, 94);
    EXPECT_EQ(d.afterwards, VisibilityChange::Show);
}

TEST(SplitterLayout, FarMovingAndResizingControlKeepsItsFarEdge) {
    const SplitterModel m = verticalBar();
    const LayoutDecision d =
        layoutAttachedControl(m, entry(false, true, true), Box{220, 0, 12, 300}, 40, subject({192, 0, 300, 300}));
    EXPECT_EQ(d.position, 232);
    EXPECT_EQ(d.extent, 260);
    EXPECT_EQ(d.afterwards, VisibilityChange::Leave);
}

TEST(SplitterLayout, FixedControlsHideWhenTheBarCoversThem) {
    const SplitterModel vertical = verticalBar();
    const AttachedControl farFixed = entry(false, false, false);
    // The control starts at the bar's far edge, 112; the bar may overlap it by one pixel.
    EXPECT_EQ(layoutAttachedControl(vertical, farFixed, Box{101, 0, 12, 50}, 1, subject({112, 0, 50, 50})).afterwards,
              VisibilityChange::Leave);
    EXPECT_EQ(layoutAttachedControl(vertical, farFixed, Box{102, 0, 12, 50}, 1, subject({112, 0, 50, 50})).afterwards,
              VisibilityChange::Hide);
    const AttachedControl nearFixed = entry(true, false, false);
    EXPECT_EQ(layoutAttachedControl(vertical, nearFixed, Box{99, 0, 12, 50}, -1, subject({0, 0, 100, 50})).afterwards,
              VisibilityChange::Leave);
    EXPECT_EQ(layoutAttachedControl(vertical, nearFixed, Box{98, 0, 12, 50}, -1, subject({0, 0, 100, 50})).afterwards,
              VisibilityChange::Hide);

    SplitterModel horizontal = verticalBar();
    horizontal.isVertical = false;
    EXPECT_EQ(layoutAttachedControl(horizontal, farFixed, Box{0, 102, 50, 12}, 2, subject({0, 112, 50, 50})).afterwards,
              VisibilityChange::Leave);
    EXPECT_EQ(layoutAttachedControl(horizontal, farFixed, Box{0, 103, 50, 12}, 1, subject({0, 112, 50, 50})).afterwards,
              VisibilityChange::Hide);
}

TEST(SplitterLayout, EmbeddedControlHidesOutsideItsContainerButASplitterDoesNot) {
    const SplitterModel m = verticalBar();
    LayoutSubject child = subject({20, 20, 100, 20});
    child.parent = Box{10, 10, 120, 100};
    const AttachedControl grows = entry(true, false, true);
    EXPECT_EQ(layoutAttachedControl(m, grows, Box{200, 0, 12, 300}, 10, child).afterwards, VisibilityChange::Leave);
    EXPECT_EQ(layoutAttachedControl(m, grows, Box{200, 0, 12, 300}, 11, child).afterwards, VisibilityChange::Hide);
    child.box.top = 95;  // sticks out below: the other axis counts too
    EXPECT_EQ(layoutAttachedControl(m, grows, Box{200, 0, 12, 300}, 0, child).afterwards, VisibilityChange::Hide);
    child.isSmartSplitter = true;
    EXPECT_EQ(layoutAttachedControl(m, grows, Box{200, 0, 12, 300}, 0, child).afterwards, VisibilityChange::Leave);
}

TEST(SplitterLayout, CentredControlsSitInTheMiddleOfTheirSide) {
    const SplitterModel m = verticalBar(10, 600);
    AttachedControl nearCentred = entry(true, true, true);
    nearCentred.shouldCenter = true;
    // Between MinLimit + bar width (22) and the bar (200): middle 111, width 40.
    LayoutDecision d = layoutAttachedControl(m, nearCentred, Box{200, 0, 12, 300}, 0, subject({5, 0, 40, 20}));
    EXPECT_EQ(d.position, 91);
    EXPECT_EQ(d.extent, 40) << "centring neither moves by the distance nor resizes";

    AttachedControl farCentred = entry(false, true, true);
    farCentred.shouldCenter = true;
    // Between the bar's far edge (212) and MaxLimit (600): middle 406, width 41.
    d = layoutAttachedControl(m, farCentred, Box{200, 0, 12, 300}, 30, subject({300, 0, 41, 20}));
    EXPECT_EQ(d.position, 385);
    EXPECT_EQ(d.extent, 41);
}
