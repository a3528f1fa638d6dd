// The drawing rules the product's drawing code was written against, pinned
// pixel by pixel on an image surface.
#include <gtest/gtest.h>

#include <limits>

#include "framework/graphics/ImageGraphics.h"
#include "tests/framework/graphics/PixelProbe.h"

namespace {

constexpr Color ink = 0x000000;

struct Surface {
    QImage image;
    ImageGraphics g;
    Surface(int w, int h) : image(whiteImage(w, h)), g(image) { g.ForeColor = ink; }
    std::string map() const { return inkMap(image, ink); }
};

}  // namespace

TEST(PixelRules, DrawRectOutlinesExactlyItsBox) {
    Surface s(6, 5);
    s.g.DrawRect(1, 1, 4, 3);
    EXPECT_EQ(s.map(),
              "......\n"
              ".####.\n"
              ".#..#.\n"
              ".####.\n"
              "......");
}

TEST(PixelRules, FillRectCoversExactlyItsBox) {
    Surface s(6, 5);
    s.g.FillRect(1, 1, 4, 3);
    EXPECT_EQ(inkCount(s.image, ink), 12);
    EXPECT_EQ(colorAt(s.image, 1, 1), ink);
    EXPECT_EQ(colorAt(s.image, 4, 3), ink);
    EXPECT_NE(colorAt(s.image, 5, 3), ink);
    EXPECT_NE(colorAt(s.image, 4, 4), ink);
}

TEST(PixelRules, EmptyOrNegativeBoxesDrawNothing) {
    Surface s(6, 6);
    s.g.FillRect(1, 1, 0, 3);
    s.g.DrawRect(1, 1, 3, -2);
    s.g.FillOval(1, 1, -4, 4);
    s.g.DrawRoundRect(1, 1, 0, 0, 4, 4);
    EXPECT_EQ(inkCount(s.image, ink), 0);
}

TEST(PixelRules, WidePenFramesInsideTheBox) {
    Surface s(7, 6);
    s.g.PenWidth = 2;
    s.g.PenHeight = 1;
    s.g.DrawRect(0, 0, 7, 5);
    EXPECT_EQ(s.map(),
              "#######\n"
              "##...##\n"
              "##...##\n"
              "##...##\n"
              "#######\n"
              ".......");
}

TEST(PixelRules, DrawLineDrawsBothEndPoints) {
    Surface s(12, 3);
    s.g.DrawLine(1, 1, 10, 1);
    EXPECT_EQ(s.map(),
              "............\n"
              ".##########.\n"
              "............");

    Surface d(5, 5);
    d.g.DrawLine(0, 0, 4, 4);
    EXPECT_EQ(d.map(),
              "#....\n"
              ".#...\n"
              "..#..\n"
              "...#.\n"
              "....#");
}

TEST(PixelRules, DrawLineInEitherDirectionCoversTheSamePixels) {
    Surface forward(8, 6), backward(8, 6);
    forward.g.DrawLine(1, 1, 6, 4);
    backward.g.DrawLine(6, 4, 1, 1);
    EXPECT_EQ(forward.map(), backward.map());
    EXPECT_EQ(colorAt(forward.image, 1, 1), ink);
    EXPECT_EQ(colorAt(forward.image, 6, 4), ink);
}

TEST(PixelRules, SmallDimpleIsDrawnPixelByPixel) {
    // The splitter's small dimple: a square, two one-step diagonals and a
    // zero-length line for the centre pixel.
    Surface s(5, 5);
    const int x = 2, y = 2;
    s.g.ForeColor = HSV(0, 0, 0.80);
    s.g.FillRect(x - 1, y - 1, 3, 3);
    s.g.ForeColor = HSV(0, 0, 0.44);
    s.g.DrawLine(x - 1, y, x, y - 1);
    s.g.ForeColor = HSV(0, 0, 0.60);
    s.g.DrawLine(x, y + 1, x + 1, y);
    s.g.ForeColor = HSV(0, 0, 0.30);
    s.g.DrawLine(x, y, x, y);
    const Color base = HSV(0, 0, 0.80), upper = HSV(0, 0, 0.44), lower = HSV(0, 0, 0.60);
    EXPECT_EQ(colorAt(s.image, 1, 1), base);
    EXPECT_EQ(colorAt(s.image, 1, 2), upper);
    EXPECT_EQ(colorAt(s.image, 2, 1), upper);
    EXPECT_EQ(colorAt(s.image, 2, 3), lower);
    EXPECT_EQ(colorAt(s.image, 3, 2), lower);
    EXPECT_EQ(colorAt(s.image, 2, 2), HSV(0, 0, 0.30));
    EXPECT_EQ(colorAt(s.image, 3, 3), base);
    EXPECT_EQ(colorAt(s.image, 0, 0), 0xFFFFFFu);
}

TEST(PixelRules, ZeroLengthLineDrawsOnePenSizedDot) {
    Surface s(5, 5);
    s.g.DrawLine(2, 2, 2, 2);
    EXPECT_EQ(inkCount(s.image, ink), 1);
    EXPECT_EQ(colorAt(s.image, 2, 2), ink);

    Surface wide(6, 6);
    wide.g.PenWidth = 2;
    wide.g.PenHeight = 3;
    wide.g.DrawLine(1, 1, 1, 1);
    EXPECT_EQ(wide.map(),
              "......\n"
              ".##...\n"
              ".##...\n"
              ".##...\n"
              "......\n"
              "......");
}

TEST(PixelRules, WidePenHangsRightAndBelowTheLine) {
    // The print header rule: pen 4 from (1,1) to (5,1) covers rows 1..4.
    Surface s(10, 7);
    s.g.PenWidth = 4;
    s.g.PenHeight = 4;
    s.g.DrawLine(1, 1, 5, 1);
    EXPECT_EQ(s.map(),
              "..........\n"
              ".########.\n"
              ".########.\n"
              ".########.\n"
              ".########.\n"
              "..........\n"
              "..........");
}

TEST(PixelRules, WidePenDiagonalCoversBothEndPens) {
    Surface s(8, 8);
    s.g.PenWidth = 2;
    s.g.PenHeight = 2;
    s.g.DrawLine(1, 1, 5, 5);
    for (int x : {1, 2})
        for (int y : {1, 2}) EXPECT_EQ(colorAt(s.image, x, y), ink) << x << "," << y;
    for (int x : {5, 6})
        for (int y : {5, 6}) EXPECT_EQ(colorAt(s.image, x, y), ink) << x << "," << y;
    EXPECT_NE(colorAt(s.image, 7, 7), ink);
    EXPECT_NE(colorAt(s.image, 0, 0), ink);
    EXPECT_NE(colorAt(s.image, 6, 1), ink);
}

TEST(PixelRules, PolygonArraysSkipElementZero) {
    // Element 0 holds 99, which must not be read as a coordinate.
    const std::vector<int32_t> square{99, 1, 1, 4, 1, 4, 4, 1, 4};
    Surface outline(6, 6);
    outline.g.DrawPolygon(square);
    EXPECT_EQ(outline.map(),
              "......\n"
              ".####.\n"
              ".#..#.\n"
              ".#..#.\n"
              ".####.\n"
              "......");

    Surface filled(6, 6);
    filled.g.FillPolygon(square);
    // The fill covers the pixels inside the vertex outline: a 3 x 3 block.
    EXPECT_EQ(filled.map(),
              "......\n"
              ".###..\n"
              ".###..\n"
              ".###..\n"
              "......\n"
              "......");
}

TEST(PixelRules, PolygonWithTooFewElementsDrawsNothing) {
    Surface s(4, 4);
    s.g.DrawPolygon({});
    s.g.DrawPolygon({0});
    s.g.FillPolygon({0, 1, 1, 2, 2});
    s.g.FillPolygon({0, 1, 1, 2, 2, 3});  // the odd trailing element is ignored
    EXPECT_EQ(inkCount(s.image, ink), 0);
}

TEST(PixelRules, FilledStarIsDrawnOverItsOutline) {
    // The first star of the rating control: outline first, fill over it.
    const std::vector<int32_t> star{0, 18, 9, 15, 11, 16, 15, 12, 13, 9, 15, 10, 11, 7, 9, 11, 9, 13, 5, 14, 9};
    QImage image = whiteImage(26, 22);
    ImageGraphics g(image);
    g.ForeColor = 0xE0E1DA;
    g.DrawPolygon(star);
    const int outlinePixels = inkCount(image, 0xE0E1DA);
    g.ForeColor = 0xE1AC45;
    g.FillPolygon(star);
    // Every vertex is on the outline; the centre is filled in gold.
    for (size_t i = 1; i + 1 < star.size(); i += 2) {
        const Color c = colorAt(image, star[i], star[i + 1]);
        EXPECT_TRUE(c == 0xE0E1DA || c == 0xE1AC45) << star[i] << "," << star[i + 1];
    }
    EXPECT_EQ(colorAt(image, 13, 11), 0xE1AC45u);
    EXPECT_GT(outlinePixels, 20);
    EXPECT_LT(inkCount(image, 0xE0E1DA), outlinePixels);  // the fill lies over part of the outline
    EXPECT_EQ(colorAt(image, 0, 0), 0xFFFFFFu);
}

TEST(PixelRules, OvalsAndRoundRectsStayInsideTheirBox) {
    Surface s(14, 12);
    s.g.FillOval(2, 2, 10, 8);
    EXPECT_EQ(colorAt(s.image, 7, 6), ink);
    for (int x = 0; x < 14; ++x) {
        EXPECT_NE(colorAt(s.image, x, 1), ink);
        EXPECT_NE(colorAt(s.image, x, 10), ink);
    }
    Surface r(14, 12);
    r.g.DrawRoundRect(2, 2, 10, 8, 4, 4);
    EXPECT_EQ(colorAt(r.image, 7, 2), ink);   // top edge
    EXPECT_EQ(colorAt(r.image, 7, 9), ink);   // bottom edge at y + h - 1
    EXPECT_EQ(colorAt(r.image, 11, 5), ink);  // right edge at x + w - 1
    EXPECT_NE(colorAt(r.image, 2, 2), ink);   // rounded corner
    EXPECT_NE(colorAt(r.image, 12, 5), ink);
    EXPECT_NE(colorAt(r.image, 7, 10), ink);
    Surface o(14, 12);
    o.g.DrawOval(2, 2, 10, 8);
    EXPECT_EQ(colorAt(o.image, 7, 2), ink);
    EXPECT_EQ(colorAt(o.image, 7, 9), ink);
    EXPECT_EQ(colorAt(o.image, 2, 5), ink);
    EXPECT_EQ(colorAt(o.image, 11, 5), ink);
    EXPECT_NE(colorAt(o.image, 7, 6), ink);  // hollow
    EXPECT_NE(colorAt(o.image, 12, 5), ink);
    EXPECT_NE(colorAt(o.image, 7, 10), ink);
    Surface f(14, 12);
    f.g.FillRoundRect(2, 2, 10, 8, 4, 4);
    EXPECT_EQ(colorAt(f.image, 11, 5), ink);
    EXPECT_NE(colorAt(f.image, 12, 5), ink);
    EXPECT_NE(colorAt(f.image, 2, 2), ink);
}

TEST(PixelRules, ForeColorAndPenPersistAcrossCalls) {
    Surface s(8, 4);
    s.g.ForeColor = 0x336699;
    s.g.PenHeight = 2;
    s.g.DrawLine(0, 0, 3, 0);
    s.g.DrawLine(5, 0, 7, 0);
    EXPECT_EQ(inkCount(s.image, 0x336699), 14);
    EXPECT_EQ(colorAt(s.image, 6, 1), 0x336699u);
}

TEST(PixelRules, ClearRectLeavesTheSurfaceBackground) {
    QImage image = whiteImage(4, 4);
    ImageGraphics g(image);
    g.ClearRect(1, 1, 2, 2);
    EXPECT_EQ(qAlpha(image.pixel(1, 1)), 0);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 255);
    g.setClearColor(0xFF00FF00);
    g.ClearRect(0, 0, 1, 1);
    EXPECT_EQ(image.pixel(0, 0), 0xFF00FF00u);
}

TEST(PixelRules, AreaMovesTheOriginAndClips) {
    // A list cell at (3,2) of 4 x 3: its own (0,0) is the image's (3,2) and
    // nothing leaks outside it.
    QImage image = whiteImage(10, 8);
    ImageGraphics cell(image, 3, 2, 4, 3);
    EXPECT_EQ(cell.Width(), 4);
    EXPECT_EQ(cell.Height(), 3);
    cell.ForeColor = ink;
    cell.FillRect(-5, -5, 100, 100);
    EXPECT_EQ(inkCount(image, ink), 12);
    EXPECT_EQ(colorAt(image, 3, 2), ink);
    EXPECT_EQ(colorAt(image, 6, 4), ink);
    EXPECT_NE(colorAt(image, 7, 4), ink);
}

TEST(PixelRules, ExtremeCoordinatesNeitherOverflowNorCrash) {
    constexpr int32_t big = std::numeric_limits<int32_t>::max(), small = std::numeric_limits<int32_t>::min();
    Surface s(4, 4);
    s.g.FillRect(big - 1, 0, big, 5);
    s.g.DrawLine(0, small, 0, big);
    s.g.DrawRect(small, small, big, big);
    s.g.FillPolygon({0, small, small, big, small, big, big});
    s.g.PenWidth = big;
    s.g.DrawLine(big, big, big, big);
    EXPECT_EQ(colorAt(s.image, 0, 3), ink);  // the vertical line crossed the surface
    Surface all(4, 4);
    all.g.FillRect(-5, -5, big, big);
    EXPECT_EQ(inkCount(all.image, ink), 16);
}

TEST(PixelRules, ANullImageIsSafeToDrawOn) {
    QImage none;
    ImageGraphics g(none);
    g.FillRect(0, 0, 10, 10);
    g.DrawString("text", 0, 10);
    EXPECT_EQ(g.Width(), 0);
}
