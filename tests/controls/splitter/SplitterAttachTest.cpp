// Which controls a bar attaches, with which settings, and detaching.
#include <gtest/gtest.h>

#include <memory>

#include "framework/ui/controls/Canvas.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/Line.h"
#include "framework/ui/controls/MinimalControls.h"
#include "framework/ui/controls/TabPanel.h"
#include "tests/controls/splitter/SplitterTestSupport.h"
#include "tests/support/ScriptedUiService.h"

namespace {
// A window with a vertical bar at 200..212, 50..250. Controls placed after
// start() are attached only when a test asks.
struct BarWindow : SplitterTestWindow {
    SmartSplitter* bar;
    BarWindow() : SplitterTestWindow(500, 300) {
        finishBuilding();
        bar = place<SmartSplitter>(*this, "bar", {200, 50, 12, 200});
    }
    void start() { runOpenEvents(); }
};

bool attached(const SmartSplitter& bar, const RectControl* c) {
    for (const AttachedControl& e : bar.attachedControls)
        if (e.control.is(c)) return true;
    return false;
}
const AttachedControl& entryOf(const SmartSplitter& bar, const RectControl* c) {
    for (const AttachedControl& e : bar.attachedControls)
        if (e.control.is(c)) return e;
    throw std::runtime_error("not attached");
}
}  // namespace

TEST(SplitterAttach, NearbyMeansOverlappingAndWithinFourPixels) {
    ScopedScriptedUi ui;
    BarWindow w;
    auto* gap4 = place<Canvas>(w, "gap4", {96, 100, 100, 20});     // ends 4 left of the bar
    auto* gap5 = place<Canvas>(w, "gap5", {95, 130, 100, 20});     // ends 5 left
    auto* above = place<Canvas>(w, "above", {212, 0, 50, 45});     // bottom exactly 5 above the top
    auto* hangs = place<Canvas>(w, "hangs", {212, 0, 50, 46});     // bottom 4 above
    auto* sameLeft = place<Canvas>(w, "sameLeft", {200, 20, 3, 300});  // its right edge touches the bar's left
    w.start();
    w.bar->attachNearbyControls();
    EXPECT_TRUE(attached(*w.bar, gap4));
    EXPECT_FALSE(attached(*w.bar, gap5));
    EXPECT_FALSE(attached(*w.bar, above));
    EXPECT_TRUE(attached(*w.bar, hangs));
    EXPECT_TRUE(attached(*w.bar, sameLeft));
    EXPECT_FALSE(entryOf(*w.bar, sameLeft).behind) << "the same Left counts as the far side";
    EXPECT_TRUE(entryOf(*w.bar, sameLeft).shouldMove);

    const size_t count = w.bar->attachedControls.size();
    w.bar->attachNearbyControls();
    EXPECT_EQ(w.bar->attachedControls.size(), count) << "attaching again changes nothing";
}

TEST(SplitterAttach, NearbySearchStaysOnTheBarsPageButAttachTakesAnyPage) {
    ScopedScriptedUi ui;
    SplitterTestWindow w(500, 300);
    w.finishBuilding();
    auto* tabs = place<TabPanel>(w, "tabs", {0, 0, 500, 300});
    tabs->SetCaptions({"one", "two"});
    auto* bar = place<SmartSplitter>(w, "bar", {200, 50, 12, 200}, "", tabs);
    auto* samePage = place<Canvas>(w, "samePage", {100, 60, 100, 50}, "", tabs);
    auto* otherPage = place<Canvas>(w, "otherPage", {100, 120, 100, 50}, "", tabs);
    auto* onWindow = place<Canvas>(w, "onWindow", {100, 180, 100, 50});
    otherPage->TabPanelIndex = 1;
    w.runOpenEvents();
    EXPECT_TRUE(attached(*bar, samePage));
    EXPECT_FALSE(attached(*bar, otherPage));
    EXPECT_FALSE(attached(*bar, onWindow)) << "another parent";
    bar->attach(otherPage);
    EXPECT_TRUE(attached(*bar, otherPage));
}

TEST(SplitterAttach, AContainersChildrenFollowOnlyWhenTheyReachItsEdge) {
    ScopedScriptedUi ui;
    BarWindow w;
    w.start();
    auto* group = place<GroupBox>(w, "group", {10, 50, 190, 200});
    auto* reaches = place<Canvas>(w, "reaches", {20, 60, 176, 40}, "", group);   // 4 short of 200
    auto* short5 = place<Canvas>(w, "short5", {20, 110, 175, 40}, "", group);    // 5 short
    auto* farGroup = place<GroupBox>(w, "farGroup", {212, 50, 200, 200});
    auto* farChild = place<Canvas>(w, "farChild", {250, 60, 100, 40}, "", farGroup);
    auto* box = place<Line>(w, "line", {20, 200, 100, 1}, "", group);
    w.bar->attach(group);
    w.bar->attach(farGroup);
    EXPECT_TRUE(entryOf(*w.bar, reaches).shouldResize);
    EXPECT_FALSE(entryOf(*w.bar, short5).shouldResize);
    EXPECT_FALSE(entryOf(*w.bar, short5).shouldMove);
    EXPECT_FALSE(entryOf(*w.bar, farChild).shouldMove);
    EXPECT_FALSE(entryOf(*w.bar, farChild).shouldResize);
    EXPECT_TRUE(entryOf(*w.bar, farGroup).shouldMove);
    EXPECT_FALSE(attached(*w.bar, box)) << "lines are never attached";
    EXPECT_EQ(entryOf(*w.bar, group).minSizeVisible, 28);
    EXPECT_EQ(w.bar->MinLimitOffset, 100);
    EXPECT_EQ(w.bar->minAttachedControl.get(), group);
    EXPECT_EQ(w.bar->maxAttachedControl.get(), farGroup);

    // Switched off from code after start-up: the container alone.
    BarWindow v;
    v.start();
    auto* g2 = place<GroupBox>(v, "g2", {10, 50, 190, 200});
    auto* c2 = place<Canvas>(v, "c2", {20, 60, 176, 40}, "", g2);
    v.bar->doNotAttachEmbeddedControls = true;
    v.bar->attach(g2);
    EXPECT_FALSE(attached(*v.bar, c2));
}

TEST(SplitterAttach, OffsetsOnlyGrowAndDesignOffsetsStay) {
    ScopedScriptedUi ui;
    for (bool tabsFirst : {true, false}) {
        BarWindow w;
        w.start();
        auto* tabs = place<TabPanel>(w, "tabs", {10, 50, 150, 100});
        auto* check = place<CheckBox>(w, "check", {10, 160, 150, 20});
        w.bar->attach(tabsFirst ? static_cast<RectControl*>(tabs) : check);
        w.bar->attach(tabsFirst ? static_cast<RectControl*>(check) : tabs);
        EXPECT_EQ(w.bar->MinLimitOffset, 140);
        EXPECT_EQ(entryOf(*w.bar, check).minSizeVisible, 18);
    }
    BarWindow given;
    given.bar->MinLimitOffset = 7;
    given.start();
    auto* tabs = place<TabPanel>(given, "tabs", {10, 50, 150, 100});
    given.bar->attach(tabs);
    EXPECT_EQ(given.bar->MinLimitOffset, 7);
}

TEST(SplitterAttach, OutermostControlsAndExplicitSetters) {
    ScopedScriptedUi ui;
    BarWindow w;
    w.start();
    auto* a = place<Canvas>(w, "a", {50, 60, 50, 20});
    auto* b = place<Canvas>(w, "b", {50, 90, 80, 20});
    auto* c = place<Canvas>(w, "c", {40, 120, 20, 20});
    w.bar->attach(a);
    w.bar->attach(b);
    EXPECT_EQ(w.bar->minAttachedControl.get(), a) << "a tie keeps the first";
    w.bar->attach(c);
    EXPECT_EQ(w.bar->minAttachedControl.get(), c);
    w.bar->setMinAttachedControl(nullptr, true);
    EXPECT_EQ(w.bar->minAttachedControl.get(), c) << "no control, no change";
    w.bar->setMinAttachedControl(nullptr, false);
    EXPECT_EQ(w.bar->minAttachedControl.get(), nullptr);

    // Centre and resize exclude each other; only centring lays out.
    w.bar->setAttachedControlShouldCenter(b, true);
    EXPECT_FALSE(entryOf(*w.bar, b).shouldResize);
    EXPECT_EQ(b->Left.get(), 66) << "centred between MinLimit + 12 and the bar at once";
    w.bar->setAttachedControlShouldResize(b, true);
    EXPECT_FALSE(entryOf(*w.bar, b).shouldCenter);
    w.bar->setAttachedControlShouldResize(b, false);
    w.bar->setAttachedControlShouldCenter(b, false);
    EXPECT_FALSE(entryOf(*w.bar, b).shouldResize);
    w.bar->setAttachedControlMinSizeVisible(a, 77);
    w.bar->setAttachedControlShouldMove(a, true);
    w.bar->setAttachedControlNormallyVisible(a, false);
    EXPECT_EQ(entryOf(*w.bar, a).minSizeVisible, 77);
    EXPECT_TRUE(entryOf(*w.bar, a).shouldMove);
    EXPECT_FALSE(entryOf(*w.bar, a).normallyVisible);
}

TEST(SplitterAttach, DetachingKeepsTheRestInOrderAndTheOutermostNamed) {
    ScopedScriptedUi ui;
    BarWindow w;
    w.start();
    auto* a = place<Canvas>(w, "a", {50, 60, 50, 20});
    auto* b = place<Canvas>(w, "b", {260, 90, 80, 20});
    auto* c = place<CheckBox>(w, "c", {40, 120, 20, 20});
    for (RectControl* x : {static_cast<RectControl*>(a), static_cast<RectControl*>(b), static_cast<RectControl*>(c)})
        w.bar->attach(x);
    w.bar->unAttach(b, false);
    ASSERT_EQ(w.bar->attachedControls.size(), 2u);
    EXPECT_EQ(w.bar->attachedControls[0].control.get(), a);
    EXPECT_EQ(w.bar->attachedControls[1].control.get(), c);
    EXPECT_EQ(w.bar->attachedControls[1].minSizeVisible, 18);
    EXPECT_EQ(w.bar->maxAttachedControl.get(), b) << "still named after detaching";
    EXPECT_EQ(w.bar->MaxLimitOffset, 30);
    w.bar->unAttach(nullptr, true);
    w.bar->unAttach(b, true);
    EXPECT_EQ(w.bar->attachedControls.size(), 2u);
    w.bar->unAttachAllControls();
    EXPECT_TRUE(w.bar->attachedControls.empty());
    EXPECT_EQ(w.bar->minAttachedControl.get(), nullptr);
    EXPECT_EQ(w.bar->maxAttachedControl.get(), nullptr);

    // Detaching a container detaches what it holds.
    auto* group = place<GroupBox>(w, "group", {10, 150, 150, 80});
    place<Canvas>(w, "inside", {20, 160, 100, 20}, "", group);
    w.bar->attach(group);
    EXPECT_EQ(w.bar->attachedControls.size(), 2u);
    w.bar->unAttach(group);
    EXPECT_TRUE(w.bar->attachedControls.empty());
}

TEST(SplitterAttach, ADestroyedControlCountsAsNone) {
    ScopedScriptedUi ui;
    BarWindow w;
    w.start();
    auto* left = place<Canvas>(w, "left", {50, 60, 150, 20});
    w.bar->attach(left);
    auto other = std::make_unique<SplitterTestWindow>();
    other->finishBuilding();
    auto* far = place<Canvas>(*other, "far", {212, 60, 100, 20});
    w.bar->attach(far);
    ASSERT_EQ(w.bar->maxAttachedControl.get(), far);
    w.bar->unAttach(far);
    EXPECT_EQ(w.bar->maxAttachedControl.get(), far);
    w.bar->attach(far);

    other.reset();  // the far control is gone with its window
    EXPECT_EQ(w.bar->maxAttachedControl.get(), nullptr);
    const int32_t maxBefore = w.bar->MaxLimit;
    dragBar(*w.bar, {260});
    EXPECT_EQ(w.bar->MaxLimit, maxBefore) << "limits derived as if there were no far control";
    EXPECT_EQ(w.bar->Left.get(), 260);
    EXPECT_EQ(left->Width.get(), 210);
}
