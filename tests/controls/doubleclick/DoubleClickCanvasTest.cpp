// The canvas's double-click test: two mouse-ups at most the interval apart
// and at most 5 pixels apart on each axis, timed from the mouse-up itself.
#include <gtest/gtest.h>

#include "controls/doubleclick/DoubleClickCanvas.h"
#include "framework/ui/Window.h"
#include "tests/support/UiDriver.h"

namespace {
struct PhotoWindow : Window {
    DoubleClickCanvas* photo;
    int doubleClicks = 0;
    int windowMouseUps = 0;
    PhotoWindow() {
        Width = 300;
        Height = 300;
        photo = add<DoubleClickCanvas>("recipePhoto");
        photo->Left = 20;
        photo->Top = 20;
        photo->Width = 118;
        photo->Height = 118;
        photo->DoubleClick = [this] { ++doubleClicks; };
        // Binding through the base class compiles, but the class never
        // passes its mouse-up on.
        static_cast<RectControl*>(photo)->MouseUp = [this](int32_t, int32_t) { ++windowMouseUps; };
    }
};

class DoubleClickCanvasTest : public testing::Test {
protected:
    void SetUp() override { w.finishBuilding(); }
    void up(int32_t x, int32_t y) { w.photo->handleMouseUp(x, y); }

    UiDriver ui;  // fake clock hours after the system started, interval 20 ticks
    PhotoWindow w;
};
}  // namespace

TEST_F(DoubleClickCanvasTest, ExactlyTheIntervalCountsOneTickMoreDoesNot) {
    up(50, 50);
    ui.advanceTicks(ui.doubleClickTicks);
    up(50, 50);
    EXPECT_EQ(w.doubleClicks, 1);
    ui.advanceTicks(ui.doubleClickTicks + 1);
    up(50, 50);
    EXPECT_EQ(w.doubleClicks, 1);
}

TEST_F(DoubleClickCanvasTest, ToleranceIsASquareOfFivePixelsAndEveryMouseUpIsTheNextReference) {
    up(50, 50);
    ui.advanceTicks(1);
    up(55, 45);  // a corner of the square
    EXPECT_EQ(w.doubleClicks, 1);
    ui.advanceTicks(1);
    up(61, 45);  // six off on x: no event, but the new reference
    EXPECT_EQ(w.doubleClicks, 1);
    ui.advanceTicks(1);
    up(62, 45);
    EXPECT_EQ(w.doubleClicks, 2);
    ui.advanceTicks(1);
    up(62, 51);  // six off on y
    EXPECT_EQ(w.doubleClicks, 2);
    ui.advanceTicks(1);
    up(57, 51);  // third click in a row matches again: no reset after an event
    EXPECT_EQ(w.doubleClicks, 3);
    EXPECT_EQ(w.photo->lastClickX.get(), 57);
    EXPECT_EQ(w.photo->lastClickY.get(), 51);
}

TEST_F(DoubleClickCanvasTest, TheStoredTimeIsTheMouseUpsNotTheHandlersEnd) {
    w.photo->DoubleClick = [this] {
        ++w.doubleClicks;
        ui.advanceTicks(15);
    };
    up(10, 10);
    ui.advanceTicks(1);
    const int32_t secondUp = ui.ticks();
    up(10, 10);
    EXPECT_EQ(w.photo->lastClickTicks.get(), secondUp);
    ui.advanceTicks(6);  // 21 ticks after the second mouse-up, 6 after the handler
    up(10, 10);
    EXPECT_EQ(w.doubleClicks, 1);
}

TEST_F(DoubleClickCanvasTest, TheFirstMouseUpComparesWithTimeZeroAtTheCorner) {
    ui.advanceTicks(5 - ui.ticks());
    up(4, 5);
    EXPECT_EQ(w.doubleClicks, 1);
}

TEST_F(DoubleClickCanvasTest, TheWindowsMouseDownDecidesWhetherMouseUpsArrive) {
    bool claim = false;
    w.photo->MouseDown = [&](int32_t, int32_t) { return claim; };
    ui.doubleClick(*w.photo, 30, 30);
    EXPECT_EQ(w.doubleClicks, 0) << "no mouse-up after a MouseDown that returned False";

    claim = true;
    ui.advanceTicks(100);
    ui.doubleClick(*w.photo, 30, 30);
    EXPECT_EQ(w.doubleClicks, 1);
    EXPECT_EQ(w.windowMouseUps, 0);
}
