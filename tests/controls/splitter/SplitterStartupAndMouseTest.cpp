// The bar's one-time start-up and its press, drag and release.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "framework/ui/controls/Canvas.h"
#include "framework/ui/WindowList.h"
#include "framework/ui/controls/TabPanel.h"
#include "tests/controls/splitter/SplitterTestSupport.h"
#include "tests/support/ScriptedUiService.h"

namespace {
// A bar between two canvases: the left one 10..100, the right one 112..300.
struct TwoPanes : SplitterTestWindow {
    Canvas *left, *right;
    SmartSplitter* bar;
    TwoPanes() : SplitterTestWindow(400, 200) {
        left = place<Canvas>(*this, "left", {10, 10, 90, 180});
        bar = place<SmartSplitter>(*this, "bar", {100, 10, 12, 180});
        right = place<Canvas>(*this, "right", {112, 10, 188, 180});
        finishBuilding();
    }
};
}  // namespace

TEST(SplitterStartup, OrientationFollowsTheShapeUnlessSwapped) {
    ScopedScriptedUi ui;
    SplitterTestWindow w;
    w.finishBuilding();
    auto* square = place<SmartSplitter>(w, "square", {10, 10, 20, 20});
    auto* swapped = place<SmartSplitter>(w, "swapped", {50, 50, 20, 20});
    swapped->SwapOrientation = true;
    w.runOpenEvents();
    EXPECT_FALSE(square->isVertical);
    EXPECT_TRUE(swapped->isVertical);
    EXPECT_EQ(square->MouseCursor.get(), SplitterNorthSouth());
    EXPECT_EQ(swapped->MouseCursor.get(), SplitterEastWest());
}

TEST(SplitterStartup, DesignValuesAreRecordedThenNormalised) {
    ScopedScriptedUi ui;
    TwoPanes w;
    w.bar->MaxLimitOffset = -5;
    w.bar->showWarningsDialogs = true;
    w.bar->doNotAttachEmbeddedControls = true;
    w.bar->handleCount = 7;  // replaced by the automatic style
    w.runOpenEvents();
    EXPECT_TRUE(w.bar->maxLimitOffsetPropSet) << "recorded before the raise to 0";
    EXPECT_EQ(w.bar->MaxLimitOffset, 0) << "so attaching the right canvas does not raise it";
    EXPECT_FALSE(w.bar->minLimitOffsetPropSet);
    EXPECT_EQ(w.bar->MinLimitOffset, 30);
    EXPECT_FALSE(w.bar->showWarningsDialogs);
    EXPECT_FALSE(w.bar->UseFocusRing);
    EXPECT_FALSE(w.bar->doNotAttachEmbeddedControls);
    EXPECT_EQ(w.bar->handleCount, 3);
    EXPECT_FALSE(w.bar->handleDimple);
    EXPECT_EQ(w.bar->colorLight, HSV(0, 0, 0.75));
    EXPECT_DOUBLE_EQ(w.bar->dimplePixelValue[3][4], 1.1);
    // No limits given: derived from the two canvases.
    EXPECT_EQ(w.bar->MinLimit, -2);
    EXPECT_EQ(w.bar->MaxLimit, 300);
    EXPECT_DOUBLE_EQ(w.bar->proportionValue, 102.0 / 302.0);
    EXPECT_EQ(w.bar->positionAtOpen, 100);
    EXPECT_EQ(w.bar->windowSizeAtOpen, 400);
}

TEST(SplitterStartup, OpenRunsOnceAndItsAttachmentsReplaceTheNeighbours) {
    ScopedScriptedUi ui;
    TwoPanes w;
    int opens = 0;
    w.bar->Open = [&] {
        ++opens;
        w.bar->attach(w.right);
    };
    // Another control's Open calls the bar first: the bar starts there.
    w.left->Open = [&] { EXPECT_EQ(w.bar->position(), 100); };
    w.runOpenEvents();
    EXPECT_EQ(opens, 1);
    ASSERT_EQ(w.bar->attachedControls.size(), 1u);
    EXPECT_EQ(w.bar->attachedControls[0].control.get(), w.right);

    TwoPanes plain;
    plain.bar->Open = [&] { ++opens; };
    plain.runOpenEvents();
    EXPECT_EQ(opens, 2);
    EXPECT_EQ(plain.bar->attachedControls.size(), 2u) << "nothing attached in Open: the neighbours are";
}

TEST(SplitterStartup, ABarWithNoRoomStartsAtProportionZero) {
    ScopedScriptedUi ui;
    SplitterTestWindow w(112, 100);
    w.finishBuilding();
    auto* bar = place<SmartSplitter>(w, "bar", {100, 0, 12, 100});
    bar->MinLimit = 100;
    w.runOpenEvents();
    EXPECT_EQ(bar->proportionMin, 0);
    bar->proportionMin = bar->proportionMax = 100;  // an empty range, as a window could leave it
    bar->initializedSmartSplitter = false;
    bar->handleOpen();
    EXPECT_DOUBLE_EQ(bar->proportionAtOpen, 0.0);
    bar->StayProportional = true;
    bar->behave();
    EXPECT_EQ(bar->Left.get(), 100) << "no undefined position from 0/0";
}

TEST(SplitterStartup, DarkWindowsDarkenTheBarUnlessItSitsInATabPanel) {
    ScopedScriptedUi ui;
    SplitterTestWindow w;
    w.Frame = 9;
    w.finishBuilding();
    auto* onWindow = place<SmartSplitter>(w, "onWindow", {10, 10, 6, 21});
    auto* tabs = place<TabPanel>(w, "tabs", {100, 10, 200, 200});
    auto* inTabs = place<SmartSplitter>(w, "inTabs", {150, 60, 6, 21}, "", tabs);
    w.runOpenEvents();
    EXPECT_TRUE(onWindow->backgroundDark);
    EXPECT_EQ(onWindow->colorMedium, HSV(0, 0, 0.50));
    EXPECT_DOUBLE_EQ(onWindow->dimplePixelValue[3][4], 1.0);
    EXPECT_TRUE(onWindow->handleDimple && onWindow->handleLarge);
    EXPECT_FALSE(inTabs->backgroundDark);
    EXPECT_EQ(inTabs->colorMedium, HSV(0, 0, 0.62));
    EXPECT_DOUBLE_EQ(inTabs->dimplePixelValue[3][4], 1.1);
    EXPECT_FALSE(inTabs->handleDimple);
}

TEST(SplitterMouse, AConcealedBarRefusesThePress) {
    ScopedScriptedUi ui;
    TwoPanes w;
    w.runOpenEvents();
    int events = 0;
    w.bar->MouseDown = [&](int32_t, int32_t) { return ++events, true; };
    w.bar->MouseUp = [&](int32_t, int32_t) { ++events; };
    w.bar->setConceal(true);
    dragBar(*w.bar, {150});
    EXPECT_EQ(events, 0);
    EXPECT_EQ(w.bar->Left.get(), 100);
    w.bar->handleMouseEnter();
    EXPECT_EQ(w.bar->MouseCursor.get(), nullptr);
}

TEST(SplitterMouse, WithoutLiveDragTheControlsFollowOnceAtTheRelease) {
    ScopedScriptedUi ui;
    TwoPanes w;
    w.bar->DisableLiveDrag = true;
    w.runOpenEvents();
    std::vector<int32_t> moved;
    w.bar->Moved = [&](int32_t d) { moved.push_back(d); };
    bool draggedAlone = false;
    w.bar->MouseDrag = [&](int32_t, int32_t) {
        draggedAlone = w.left->Width.get() == 90 && w.bar->mouseDownTriggered;
    };
    dragBar(*w.bar, {120, 150});
    EXPECT_TRUE(draggedAlone);
    EXPECT_EQ(w.bar->Left.get(), 150);
    EXPECT_EQ(moved, (std::vector<int32_t>{50}));
    EXPECT_EQ(w.left->Width.get(), 140);
    EXPECT_EQ(rectOf(*w.right), (Rect{162, 10, 138, 180}));
    EXPECT_FALSE(w.bar->mouseDownTriggered);

    w.bar->DisableLiveDrag = false;
    moved.clear();
    dragBar(*w.bar, {140});
    EXPECT_EQ(moved, (std::vector<int32_t>{-10})) << "only the drag step raised Moved";
}

TEST(SplitterMouse, ADragPastALimitWaitsForThePointerToComeBack) {
    ScopedScriptedUi ui;
    TwoPanes w;
    w.bar->MinLimit = 60;
    w.bar->StopAtMinOffset = true;
    w.runOpenEvents();
    ASSERT_EQ(w.bar->MinLimitOffset, 30);
    dragBar(*w.bar, {20, 85, 95});
    EXPECT_EQ(w.bar->Left.get(), 95) << "the offset from the grab point grew while held at 90";
}

// The same drag as toolkit mouse events, through the framework's filters.
TEST(SplitterMouse, ToolkitMouseEventsDragTheBar) {
    ScopedScriptedUi ui;
    TwoPanes w;
    w.Show();
    QWidget* bar = w.bar->widget();
    auto send = [&](QEvent::Type type, QPoint local, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(local), QPointF(bar->mapToGlobal(local)), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(bar, &e);
    };
    send(QEvent::MouseButtonPress, {6, 90}, Qt::LeftButton);
    send(QEvent::MouseMove, {36, 90}, Qt::LeftButton);  // the bar follows: now at 130
    send(QEvent::MouseButtonRelease, {6, 90}, Qt::NoButton);
    EXPECT_EQ(w.bar->Left.get(), 130);
    EXPECT_EQ(w.left->Width.get(), 120);
    EXPECT_FALSE(w.bar->mouseDownTriggered);
}

// The bar follows the pointer, so during a steady drag the pointer keeps the
// same position in the bar's own coordinates while it moves on the screen;
// every such step must still reach the bar.
TEST(SplitterMouse, SteadyDragStepsEachMoveTheBar) {
    ScopedScriptedUi ui;
    TwoPanes w;
    w.runOpenEvents();
    int drags = 0;
    w.bar->MouseDrag = [&](int32_t, int32_t) { ++drags; };
    dragBar(*w.bar, {110, 120});
    EXPECT_EQ(drags, 2);
    EXPECT_EQ(w.bar->Left.get(), 120) << "released where the pointer is";
    EXPECT_EQ(w.left->Width.get(), 110);
}

// The grip is drawn paler in an inactive window: a change of the window's
// state alone must repaint it, with no other reason to.
TEST(SplitterPaint, TheGripRepaintsWhenTheWindowBecomesActiveOrInactive) {
    ScopedScriptedUi ui;
    TwoPanes w;
    w.runOpenEvents();
    WindowList::activate(w);
    w.bar->UpdateNow();
    const QImage active = w.bar->image().copy();
    WindowList::deactivate(w);
    w.bar->UpdateNow();
    EXPECT_NE(w.bar->image(), active);
    WindowList::activate(w);
    w.bar->UpdateNow();
    EXPECT_EQ(w.bar->image(), active);
}
