// The star rating on the main window's 93 x 22 control: what a click sets,
// what a paint draws, and that the click's release reaches the window.
#include <gtest/gtest.h>

#include <QImage>
#include <string>
#include <vector>

#include "controls/rating/RatingWidget.h"
#include "framework/graphics/RecordingGraphics.h"
#include "framework/ui/Window.h"
#include "tests/support/UiDriver.h"

namespace {
struct RatingWindow : Window {
    RatingWidget* stars;
    std::vector<int32_t> ratingsAtMouseUp;
    RatingWindow() {
        Width = 400;
        Height = 300;
        stars = add<RatingWidget>("recipeRating");
        stars->Left = 236;
        stars->Top = 157;
        stars->Width = 93;
        stars->Height = 22;
        stars->MouseUp = [this](int32_t, int32_t) { ratingsAtMouseUp.push_back(stars->rating.get()); };
    }
};

class RatingWidgetTest : public testing::Test {
protected:
    void SetUp() override {
        w.finishBuilding();
        w.stars->UpdateNow();
    }
    std::vector<std::string> paintLog() {
        RecordingGraphics g(93, 22);
        w.stars->handlePaint(g);
        return g.log();
    }
    int filledStars() {
        RecordingGraphics g(93, 22);
        w.stars->handlePaint(g);
        int filled = 0;
        for (const RecordedCall& c : g.calls()) filled += c.name == "FillPolygon";
        return filled;
    }
    Color pixel(int x, int y) const { return w.stars->image().pixel(x, y) & 0xFFFFFF; }

    UiDriver ui;
    RatingWindow w;
};
}  // namespace

TEST_F(RatingWidgetTest, ClickSetsTheRatingByFifthsOfTheWidth) {
    const std::pair<int32_t, int32_t> table[] = {{0, 0},   {7, 0},   {8, 1},   {18, 1},  {19, 2}, {37, 2},
                                                 {38, 3},  {55, 3},  {56, 4},  {74, 4},  {75, 5}, {92, 5}};
    for (auto [x, expected] : table) {
        w.stars->rating = 3;
        ui.click(*w.stars, x, 11);
        EXPECT_EQ(w.stars->rating.get(), expected) << "x " << x;
    }
    EXPECT_EQ(w.stars->dx.get(), 16);
    // Every press was claimed, so every release reached the window, after
    // the rating had been set.
    ASSERT_EQ(w.ratingsAtMouseUp.size(), std::size(table));
    EXPECT_EQ(w.ratingsAtMouseUp.front(), 0);
    EXPECT_EQ(w.ratingsAtMouseUp.back(), 5);
}

TEST_F(RatingWidgetTest, HeightPlaysNoPartAndClicksAreCappedAtMax) {
    EXPECT_TRUE(w.stars->handleMouseDown(40, -500));
    EXPECT_EQ(w.stars->rating.get(), 3);
    w.stars->max = 3;
    w.stars->handleMouseDown(80, 11);
    EXPECT_EQ(w.stars->rating.get(), 3) << "5 is cut to max";
}

TEST_F(RatingWidgetTest, BeforeTheFirstPaintNoClickClearsTheRating) {
    RatingWindow fresh;
    fresh.finishBuilding();
    ASSERT_EQ(fresh.stars->dx.get(), 0);
    fresh.stars->handleMouseDown(0, 11);
    EXPECT_EQ(fresh.stars->rating.get(), 1);
}

TEST_F(RatingWidgetTest, PaintDrawsFrameThenOneOutlinePerStarAndFillsTheRatedOnes) {
    w.stars->rating = 2;
    RecordingGraphics g(93, 22);
    w.stars->handlePaint(g);
    std::vector<std::string> expected = {"FillRect 0,0,93,22", "DrawRect 0,0,93,22", "DrawLine 1,1,93,1",
                                         "DrawLine 1,1,1,22"};
    std::vector<Color> colours = {0xFFFFFF, 0xADADAD, 0xC9C9C9, 0xC9C9C9};
    for (int star = 0; star < 5; ++star) {
        const int cx = 13 + 16 * star;
        const std::string first = std::to_string(cx + 5) + ",9";
        expected.push_back("DrawPolygon " + first);
        colours.push_back(0xE0E1DA);
        if (star < 2) {
            expected.push_back("FillPolygon " + first);
            colours.push_back(0xE1AC45);
        }
    }
    ASSERT_EQ(g.calls().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const RecordedCall& c = g.calls()[i];
        // Polygons are compared by their first vertex here; the vertices
        // themselves are pinned down in the star polygon's own tests.
        const std::string shown = c.args.size() > 4 ? c.name + " " + std::to_string(c.args[0]) + "," +
                                                          std::to_string(c.args[1])
                                                    : c.toString();
        EXPECT_EQ(shown, expected[i]) << i;
        EXPECT_EQ(c.foreColor, colours[i]) << i;
        if (c.name.find("Polygon") != std::string::npos) {
            EXPECT_EQ(c.penWidth, 1);
            EXPECT_EQ(c.penHeight, 1);
            EXPECT_EQ(c.args.size(), 20u);
        }
    }
    EXPECT_EQ(g.calls()[4].args, (std::vector<int32_t>{18, 9, 15, 11, 16, 15, 12, 13, 9, 15, 10, 11, 7, 9, 11, 9, 13, 5, 14, 9}));
}

TEST_F(RatingWidgetTest, WrittenRatingIsNotLimited) {
    w.stars->rating = 7;
    EXPECT_EQ(w.stars->rating.get(), 7);
    EXPECT_EQ(w.stars->mrating.get(), 7);
    EXPECT_EQ(filledStars(), 5);
    w.stars->rating = -1;
    EXPECT_EQ(w.stars->rating.get(), -1);
    EXPECT_EQ(filledStars(), 0);
}

TEST_F(RatingWidgetTest, NoStarsDrawOnlyTheBackgroundAndFrame) {
    w.stars->max = 0;
    EXPECT_EQ(paintLog(), (std::vector<std::string>{"FillRect 0,0,93,22", "DrawRect 0,0,93,22", "DrawLine 1,1,93,1",
                                                    "DrawLine 1,1,1,22"}));
}

TEST_F(RatingWidgetTest, StarPixelsOnScreen) {
    w.stars->rating = 1;
    w.stars->UpdateNow();
    EXPECT_EQ(pixel(0, 0), 0xADADADu) << "frame";
    EXPECT_EQ(pixel(92, 21), 0xADADADu) << "frame, inside the box";
    EXPECT_EQ(pixel(5, 1), 0xC9C9C9u) << "inner shade";
    EXPECT_EQ(pixel(13, 11), 0xE1AC45u) << "the rated star is gold";
    EXPECT_EQ(pixel(29, 11), 0xFFFFFFu) << "the next star is hollow";
    EXPECT_EQ(pixel(31, 9), 0xE0E1DAu) << "its outline, on the edge into the right tip";

    w.stars->rating = 0;  // a write repaints
    w.stars->UpdateNow();
    EXPECT_EQ(pixel(13, 11), 0xFFFFFFu);
}

TEST(RatingWidgetEdges, ZeroWidthAndTheConstructorWithArguments) {
    UiDriver ui;
    Window w;
    auto* stars = w.add<RatingWidget>("stars", nullptr, 4, 3);
    EXPECT_EQ(stars->rating.get(), 4);
    EXPECT_EQ(stars->max.get(), 3);
    stars->Width = 0;
    stars->Height = 22;
    RecordingGraphics g(0, 22);
    stars->handlePaint(g);
    // x / 0 is infinite or not a number; the conversion keeps it defined
    // and the limits bring it back into range.
    for (int32_t x : {-3, 0, 5}) {
        stars->rating = 2;
        stars->handleMouseDown(x, 0);
        EXPECT_GE(stars->rating.get(), 0) << x;
        EXPECT_LE(stars->rating.get(), 3) << x;
    }
}
