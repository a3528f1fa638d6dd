// The bar's setters, window resizes and nested bars on a real window.
#include <gtest/gtest.h>

#include "framework/ui/controls/Canvas.h"
#include "tests/controls/splitter/SplitterTestSupport.h"
#include "tests/support/ScriptedUiService.h"

namespace {
// Counts how often its geometry reached the display.
class CountingCanvas : public Canvas {
public:
    int geometryWrites = 0;

protected:
    void geometryApplied() override {
        ++geometryWrites;
        Canvas::geometryApplied();
    }
};

// A 6-pixel bar at 100 between a canvas 0..100 and one 106..300.
struct Panes : SplitterTestWindow {
    Canvas *left, *right;
    SmartSplitter* bar;
    std::vector<int32_t> moved;
    explicit Panes(bool start = true) : SplitterTestWindow(300, 200) {
        left = place<Canvas>(*this, "left", {0, 0, 100, 200});
        bar = place<SmartSplitter>(*this, "bar", {100, 0, 6, 200}, "tb");
        right = place<Canvas>(*this, "right", {106, 0, 194, 200}, "ltrb");
        bar->Moved = [this](int32_t d) { moved.push_back(d); };
        finishBuilding();
        if (start) runOpenEvents();
    }
};
}  // namespace

TEST(SplitterMovement, ASizeDrivenBelowZeroIsKeptAndComesBack) {
    ScopedScriptedUi ui;
    Panes w;
    // The left canvas gives MinLimit 0 - 6; its offset of 30 lets a bar
    // pushed into the first half of the zone snap right onto that limit.
    ASSERT_EQ(w.bar->MinLimit, -6);
    dragBar(*w.bar, {3});
    EXPECT_EQ(w.bar->Left.get(), -6);
    EXPECT_TRUE(w.bar->atMinLimit);
    EXPECT_EQ(w.left->Width.get(), -6);
    EXPECT_FALSE(w.left->Visible.get());
    EXPECT_EQ(w.left->widget()->width(), 0);

    dragBar(*w.bar, {94});
    EXPECT_EQ(w.left->Width.get(), 94);
    EXPECT_TRUE(w.left->Visible.get());
}

TEST(SplitterMovement, SetPositionAndResetPosition) {
    ScopedScriptedUi ui;
    Panes w(false);
    w.bar->LockRight = true;
    w.bar->LockLeft = false;
    w.runOpenEvents();
    w.bar->setPosition(150);
    EXPECT_EQ(w.bar->Left.get(), 150);
    EXPECT_EQ(w.moved, (std::vector<int32_t>{50}));
    EXPECT_EQ(w.left->Width.get(), 150);

    w.Width = 380;  // the bar moves with the right edge
    EXPECT_EQ(w.bar->Left.get(), 230);
    w.bar->behave();
    w.bar->setPosition(120);
    w.bar->resetPosition();
    EXPECT_EQ(w.bar->Left.get(), 180) << "where it started, plus the window's growth";

    w.bar->DisableLiveDrag = true;
    w.moved.clear();
    const int32_t widthBefore = w.left->Width.get();
    w.bar->setPosition(140);
    EXPECT_TRUE(w.moved.empty());
    EXPECT_EQ(w.left->Width.get(), widthBefore - 40) << "the controls still follow";
}

TEST(SplitterMovement, ProportionalBarFollowsTheWindowAndSetProportionUnsnaps) {
    ScopedScriptedUi ui;
    Panes w(false);
    w.bar->StayProportional = true;
    w.right->LockLeft = false;  // moves with the right edge
    w.runOpenEvents();
    // Range: 0 - 6 .. 106 + 194.
    w.bar->setProportion(0.5);
    EXPECT_EQ(w.bar->Left.get(), 147);
    EXPECT_DOUBLE_EQ(w.bar->proportion(), 0.5);
    w.Width = 400;
    w.bar->behave();
    EXPECT_EQ(w.bar->Left.get(), 197);

    w.moved.clear();
    w.bar->behave();
    EXPECT_EQ(w.moved, (std::vector<int32_t>{0})) << "a resize lays out and reports even without movement";
    w.bar->moveDistance(0, false);
    EXPECT_EQ(w.moved.size(), 1u);

    w.bar->setProportion(1.5);
    EXPECT_LE(w.bar->proportion(), 1.0);
    w.bar->atMinLimit = true;
    w.bar->setProportion(0.25);
    EXPECT_FALSE(w.bar->atMinLimit);
    EXPECT_EQ(w.bar->Left.get(), 96) << "-6 + 406 x 0.25 = 95.5, the distance truncated towards 0";
}

TEST(SplitterMovement, NothingAttachedMeansNothingMoves) {
    ScopedScriptedUi ui;
    SplitterTestWindow w(300, 200);
    w.finishBuilding();
    auto* bar = place<SmartSplitter>(w, "lonely", {100, 0, 6, 200});
    w.runOpenEvents();
    ASSERT_TRUE(bar->attachedControls.empty());
    bar->setPosition(50);
    bar->setProportion(0.9);
    EXPECT_EQ(bar->Left.get(), 100);
    bar->moveDistance(-30, false);
    EXPECT_EQ(bar->Left.get(), 70) << "other movement works without attached controls";
}

TEST(SplitterMovement, NestedParallelBarsBehaveAfterADragOnly) {
    ScopedScriptedUi ui;
    SplitterTestWindow w(400, 200);
    w.finishBuilding();
    auto* left = place<Canvas>(w, "left", {0, 0, 100, 200});
    auto* outer = place<SmartSplitter>(w, "outer", {100, 0, 6, 200});
    auto* middle = place<Canvas>(w, "middle", {106, 0, 94, 200});
    auto* inner = place<SmartSplitter>(w, "inner", {200, 0, 6, 200});
    auto* across = place<SmartSplitter>(w, "across", {106, 100, 94, 6});
    place<Canvas>(w, "right", {206, 0, 194, 200});
    outer->Open = [&] {
        outer->attach(left);
        outer->attach(middle);
        outer->attach(inner);
        outer->attach(across);
    };
    inner->Open = [&] { inner->attach(middle); };
    w.runOpenEvents();
    int innerMoves = 0;
    inner->Moved = [&](int32_t) { ++innerMoves; };
    int acrossMoves = 0;
    across->Moved = [&](int32_t) { ++acrossMoves; };

    dragBar(*outer, {120});
    EXPECT_EQ(innerMoves, 1) << "the parallel bar behaved once";
    EXPECT_EQ(acrossMoves, 0) << "a crossing bar is only moved";
    EXPECT_EQ(across->Left.get(), 126);
    EXPECT_EQ(across->Width.get(), 74);
    EXPECT_EQ(middle->Left.get(), 126);

    outer->behave();
    EXPECT_EQ(innerMoves, 1) << "a resize leaves nested bars to the window";
}

TEST(SplitterMovement, ALayoutWithoutMovementWritesNothing) {
    ScopedScriptedUi ui;
    SplitterTestWindow w(300, 200);
    w.finishBuilding();
    auto* left = place<CountingCanvas>(w, "left", {0, 0, 100, 200});
    auto* bar = place<SmartSplitter>(w, "bar", {100, 0, 6, 200});
    auto* right = place<CountingCanvas>(w, "right", {106, 0, 194, 200});
    w.runOpenEvents();
    left->geometryWrites = right->geometryWrites = 0;
    bar->behave();
    EXPECT_EQ(left->geometryWrites, 0);
    EXPECT_EQ(right->geometryWrites, 0);
    bar->moveDistance(10, false);
    EXPECT_EQ(left->geometryWrites, 1) << "only the width changed";
    EXPECT_EQ(right->geometryWrites, 2) << "its left and its width";
}
