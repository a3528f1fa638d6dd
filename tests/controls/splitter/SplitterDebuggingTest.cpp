// The debugging overlay's marks and the developer warnings.
#include <gtest/gtest.h>

#include "controls/splitter/CanvasSmartSplitterDebugger.h"
#include "framework/graphics/Picture.h"
#include "framework/graphics/RecordingGraphics.h"
#include "framework/runtime/Numbers.h"
#include "framework/ui/controls/Canvas.h"
#include "tests/controls/splitter/SplitterTestSupport.h"
#include "tests/support/ScriptedUiService.h"

namespace {
struct Marks {
    RecordingGraphics picture{800, 600}, mask{800, 600};
    DrawnRegion region;
    OverlayMarks marks{picture, mask, region, 11};
    Marks() {
        picture.TextFont = "Geneva";
        picture.TextSize = 9;
        picture.Bold = true;
    }
    int32_t labelWidth(const std::string& text) { return toInt32(picture.StringWidth(text) + 2); }
    std::string box(int32_t x, int32_t y, int32_t w) {
        return "FillRect " + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(w) + ",11";
    }
    std::string text(int32_t x, int32_t y, const std::string& t) {
        return "DrawString " + std::to_string(x) + "," + std::to_string(y) + " " + t;
    }
};

// Counts the overlay calls a bar makes.
class CountingOverlay : public CanvasSmartSplitterDebugger {
public:
    int controlsMarked = 0, clears = 0;
    void markControl(RectControl& c) override {
        ++controlsMarked;
        CanvasSmartSplitterDebugger::markControl(c);
    }
    void clearP() override {
        ++clears;
        CanvasSmartSplitterDebugger::clearP();
    }
};
}  // namespace

TEST(SplitterOverlayMarks, ClearingEmptiesTheRegionAndAHiddenControlIsCrossedOut) {
    Marks m;
    m.marks.clear(750, 445);
    EXPECT_EQ(m.picture.log(), (std::vector<std::string>{"ClearRect 0,0,750,445"}));
    EXPECT_EQ(m.mask.log(), (std::vector<std::string>{"FillRect 0,0,750,445"}));
    EXPECT_EQ(m.mask.calls()[0].foreColor, 0xFFFFFFu);
    EXPECT_TRUE(m.region.isEmpty());
    EXPECT_EQ(m.region.minX, 750);

    m.picture.clear();
    m.mask.clear();
    m.marks.markControl(Box{10, 20, 100, 50}, false);
    EXPECT_EQ(m.picture.log(), (std::vector<std::string>{"DrawRect 10,20,100,50", "DrawLine 10,20,108,68",
                                                         "DrawLine 10,68,108,20"}));
    EXPECT_EQ(m.picture.calls()[2].foreColor, kControlMark);
    EXPECT_EQ(m.mask.log(), m.picture.log());
    EXPECT_EQ(m.mask.calls()[0].foreColor, 0x444444u);
    EXPECT_EQ(m.region.minX, 10);
    EXPECT_EQ(m.region.maxY, 70);

    m.picture.clear();
    m.marks.markControl(Box{10, 20, 100, 50}, true);
    EXPECT_EQ(m.picture.log(), (std::vector<std::string>{"DrawRect 10,20,100,50"}));
}

TEST(SplitterOverlayMarks, VerticalBarLimitsZonesAndLabels) {
    Marks m;
    m.marks.clear(750, 445);
    m.picture.clear();
    m.mask.clear();
    m.marks.markSplitter(Box{159, 59, 12, 360}, true, OverlayMarks::Travel{10, 290, 86, 80, true});
    const int32_t w1 = m.labelWidth("minLOffset=86"), w2 = m.labelWidth("maxLOffset=80");
    const int32_t w3 = m.labelWidth("minLimit=10"), w4 = m.labelWidth("maxLimit=290");
    EXPECT_EQ(m.picture.log(),
              (std::vector<std::string>{"DrawRect 159,59,12,360",
                                        "DrawLine 96,59,96,417", m.box(96, 228, w1), m.text(97, 237, "minLOffset=86"),
                                        "DrawLine 210,59,210,417", m.box(210 - w2, 239, w2),
                                        m.text(211 - w2, 248, "maxLOffset=80"),
                                        "DrawRect 10,59,280,360", "DrawLine 30,59,268,417",
                                        m.box(10, 59, w3), m.text(11, 68, "minLimit=10"),
                                        m.box(290 - w4, 408, w4), m.text(291 - w4, 417, "maxLimit=290")}));
    const auto& calls = m.picture.calls();
    EXPECT_EQ(calls[0].foreColor, kLimitMark);
    EXPECT_EQ(calls[2].foreColor, kReserveMark) << "a label box in its mark's colour";
    EXPECT_EQ(calls[3].foreColor, HSV(0, 0, 0.94));
    EXPECT_EQ(calls[4].foreColor, kReserveMark) << "the mark colour is restored after the text";
    EXPECT_EQ(calls[7].foreColor, kLimitMark);
    EXPECT_EQ(m.mask.calls()[2].foreColor, 0x222222u);
    EXPECT_EQ(m.region.minX, 10);
    EXPECT_EQ(m.region.maxX, 290) << "labels do not grow the region";
}

TEST(SplitterOverlayMarks, HorizontalBarCentresItsZoneLabels) {
    Marks m;
    m.marks.markSplitter(Box{20, 100, 301, 6}, false, OverlayMarks::Travel{40, 250, 30, 20, false});
    const int32_t w1 = m.labelWidth("minLOffset=30"), w2 = m.labelWidth("maxLOffset=20");
    const std::vector<std::string> log = m.picture.log();
    ASSERT_EQ(log.size(), 15u);
    EXPECT_EQ(log[0], "DrawRect 20,100,301,6");
    EXPECT_EQ(log[1], "DrawLine 20,100,319,104") << "a hidden bar is crossed out";
    EXPECT_EQ(log[3], "DrawLine 20,70,319,70");
    EXPECT_EQ(log[4], m.box(170 - toInt32(w1 / 2.0), 70, w1));
    EXPECT_EQ(log[6], "DrawLine 20,230,319,230");
    EXPECT_EQ(log[7], m.box(170 - toInt32(w2 / 2.0), 221, w2));
    EXPECT_EQ(log[9], "DrawRect 20,40,301,210");
    EXPECT_EQ(log[10], "DrawLine 40,40,299,248");
    EXPECT_EQ(log[11], m.box(20, 40, m.labelWidth("minLimit=40")));
    EXPECT_EQ(log[13], m.box(321 - m.labelWidth("maxLimit=250"), 239, m.labelWidth("maxLimit=250")));
}

TEST(SplitterOverlay, DebugModeNeedsAnOverlayInTheWindow) {
    ScopedScriptedUi ui;
    ui->expectMsgBox(
        "SmartSplitter 'bar' needs a CanvasSmartSplitterDebugger to be present in the window for debug mode to work.");
    SplitterTestWindow w;
    w.finishBuilding();
    auto* bar = place<SmartSplitter>(w, "bar", {100, 0, 6, 300});
    w.runOpenEvents();
    ASSERT_FALSE(bar->showWarningsDialogs);
    bar->setDebug(true);
    EXPECT_FALSE(bar->Debug);
    EXPECT_FALSE(bar->debugCanvas);
    bar->setDebug(false);
    EXPECT_FALSE(bar->Debug);
}

TEST(SplitterOverlay, TheFirstOverlayShowsTheMarksOnceThenClearsOnItsFirstPaint) {
    ScopedScriptedUi ui;
    SplitterTestWindow w(400, 300);
    w.finishBuilding();
    auto* left = place<Canvas>(w, "left", {0, 0, 100, 300});
    auto* bar = place<SmartSplitter>(w, "bar", {100, 0, 6, 300});
    place<Canvas>(w, "right", {106, 0, 294, 300});
    auto* first = place<CountingOverlay>(w, "first", {0, 0, 10, 10});
    auto* second = place<CountingOverlay>(w, "second", {0, 0, 10, 10});
    w.runOpenEvents();
    EXPECT_EQ(rectOf(*first), (Rect{0, 0, 400, 300})) << "the overlay covers the window";
    EXPECT_EQ(first->boxHeight, 11);

    bar->setDebug(true);
    EXPECT_EQ(bar->debugCanvas.get(), first);
    EXPECT_TRUE(first->debug);
    EXPECT_FALSE(second->debug);
    ASSERT_TRUE(first->p);

    const DrawnRegion marked = first->drawn;
    EXPECT_EQ(marked.minX, -6) << "the limit rectangle starts at MinLimit";
    RecordingGraphics g(400, 300);
    first->handlePaint(g);
    ASSERT_EQ(g.calls().size(), 1u);
    EXPECT_EQ(g.calls()[0].name, "DrawPicture");
    EXPECT_EQ(g.calls()[0].args, (std::vector<int32_t>{marked.minX, marked.minY, marked.maxX - marked.minX,
                                                       marked.maxY - marked.minY, marked.minX, marked.minY,
                                                       marked.maxX - marked.minX, marked.maxY - marked.minY}));
    EXPECT_TRUE(first->drawn.isEmpty()) << "the first paint clears what came before it";
    g.clear();
    first->handlePaint(g);
    EXPECT_TRUE(g.calls().empty()) << "an empty region draws nothing";

    // A drag clears at every step and marks each attached control once per layout.
    first->controlsMarked = 0;
    first->clears = 0;
    dragBar(*bar, {120, 150});
    EXPECT_EQ(first->controlsMarked, 4);
    EXPECT_EQ(first->clears, 4) << "press, two steps, release";
    EXPECT_EQ(left->Width.get(), 150);

    bar->setDebug(false);
    EXPECT_FALSE(first->debug);
    EXPECT_FALSE(bar->debugCanvas);
    EXPECT_TRUE(first->p) << "the picture stays";
    g.clear();
    first->handlePaint(g);
    EXPECT_TRUE(g.calls().empty());
}

TEST(SplitterOverlay, APictureThatCannotBeMadeIsReportedOnce) {
    ScopedScriptedUi ui;
    ui->expectMsgBox("CanvasSmartSplitterDebugger can not be initialized.   Not enough available memory.");
    SplitterTestWindow w;
    w.finishBuilding();
    auto* bar = place<SmartSplitter>(w, "bar", {100, 0, 6, 300});
    auto* overlay = place<CanvasSmartSplitterDebugger>(w, "overlay", {0, 0, 1, 1});
    w.runOpenEvents();
    Picture::failAllocationsForTesting(true);
    bar->setDebug(true);
    bar->setMinLimit(20);
    Picture::failAllocationsForTesting(false);
    EXPECT_TRUE(bar->Debug) << "the bar carries on";
    EXPECT_TRUE(overlay->alreadyWarned);
    EXPECT_FALSE(overlay->p);
    RecordingGraphics g;
    overlay->handlePaint(g);
    EXPECT_TRUE(overlay->p) << "a later clear tries again";
}

TEST(SplitterWarnings, ShownOnlyWhileSwitchedOnAndTheRequestIsIgnoredEitherWay) {
    ScopedScriptedUi ui;
    SplitterTestWindow w;
    w.finishBuilding();
    auto* bar = place<SmartSplitter>(w, "bar", {100, 0, 6, 300});
    auto* stray = place<Canvas>(w, "stray", {200, 0, 50, 50});
    w.runOpenEvents();

    // Off (as start-up leaves it): silent.
    bar->setAttachedControlShouldResize(nullptr, true);
    bar->setPosition(40);
    bar->unAttach(stray);
    EXPECT_EQ(bar->Left.get(), 100);

    bar->showWarningsDialogs = true;
    ui->expectMsgBox("The control passed to the SmartSplitter 'bar' method 'setAttachedControlShouldResize' is "
                     "NIL.\r\rDon't go calling this method with nonexistent controls!")
        .expectMsgBox("The control 'stray' passed to the SmartSplitter 'bar' method "
                      "'setAttachedControlMinSizeVisible' has not been attached.\r\rControl must be attached BEFORE "
                      "calling this method.")
        .expectMsgBox("SmartSplitter 'bar' method 'setPosition' WARNING:\r\rAll controls should be attached BEFORE "
                      "calling this method.   Call will be ignored.")
        .expectMsgBox("The control passed to the SmartSplitter 'bar' method 'unAttach' is NIL.\r\rDon't go calling "
                      "this method with nonexistent controls!")
        .expectMsgBox("The control 'stray' is already attached to smartSplitter 'bar'.   This attach request will "
                      "be ignored.")
        .expectMsgBox("The value type passed to the SmartSplitter 'bar' method 'setProportion' is not a single or "
                      "double.\r\rProportion must be referenced as a single or double - double is preferred as that "
                      "is how it is referenced internally.");
    bar->setAttachedControlShouldResize(nullptr, true);
    bar->setAttachedControlMinSizeVisible(stray, 4);
    bar->setPosition(40);
    EXPECT_EQ(bar->Left.get(), 100);
    bar->unAttach(nullptr, false);
    bar->unAttach(nullptr, true);
    bar->attach(stray);
    bar->attach(stray);
    EXPECT_EQ(bar->attachedControls.size(), 1u);
    const int32_t before = bar->Left.get();
    bar->setProportion(Variant(int32_t{2}));
    EXPECT_EQ(bar->Left.get(), before);
    bar->setProportion(Variant(int32_t{1}));  // 0 and 1 pass as proportions
}
