// The star's vertices, pixel for pixel, with the drawing's own value of pi.
#include <gtest/gtest.h>

#include "controls/rating/StarPolygon.h"

TEST(StarPolygon, FirstStarOfTheMainWindowsRating) {
    // Centre 13, 11 in an 11 x 11 box. The fourth vertex's x is
    // 12.99999999999976 with this pi (13 with the double nearest to pi).
    EXPECT_EQ(starPolygon(13, 11, 11, 11, 0.42, 5),
              (std::vector<int32_t>{0, 18, 9, 15, 11, 16, 15, 12, 13, 9, 15, 10, 11, 7, 9, 11, 9, 13, 5, 14, 9}));
}

TEST(StarPolygon, FirstStarOfAControl21High) {
    EXPECT_EQ(starPolygon(12, 10, 10, 10, 0.42, 5),
              (std::vector<int32_t>{0, 16, 8, 13, 10, 14, 14, 11, 12, 9, 14, 10, 10, 7, 8, 10, 8, 12, 5, 13, 8}));
}

TEST(StarPolygon, FewerThanTwoPointsGiveNoPolygon) {
    EXPECT_TRUE(starPolygon(13, 11, 11, 11, 0.42, 1).empty());
    EXPECT_TRUE(starPolygon(13, 11, 11, 11, 0.42, 0).empty());
    EXPECT_TRUE(starPolygon(13, 11, 11, 11, 0.42, -3).empty());
    EXPECT_EQ(starPolygon(13, 11, 11, 11, 0.42, 2).size(), 9u);
}
