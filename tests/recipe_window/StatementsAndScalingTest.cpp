// The SQL texts the window shows in its messages, what actually runs, and
// where a photo lands in its canvas.
#include <gtest/gtest.h>

#include "recipe_window/PhotoScaling.h"
#include "recipe_window/RecipeStatements.h"

TEST(RecipeStatements, SearchTextIsQuotedInTheShownTextAndBoundInTheRunOne) {
    RecipeStatement s = foundListStatement("RecipeKeywords", "it's");
    EXPECT_EQ(s.text,
              "select recipeName,rowID from recipes where RecipeKeywords like '%it''s%' order by recipeName");
    EXPECT_EQ(s.sql, "select recipeName,rowID from recipes where RecipeKeywords like '%' || ?1 || '%' order by recipeName");
    ASSERT_EQ(s.values.size(), 1u);
    EXPECT_EQ(s.values[0].StringValue(), "it's");

    EXPECT_EQ(foundListStatement("Everywhere", "a").text,
              "select recipeName,rowID from recipes where recipeName like '%a%' or recipeKeywords like "
              "'%a%' or recipeText like '%a%' order by recipeName");
    // Only quotes are doubled: the user's % and _ stay wildcards.
    EXPECT_EQ(foundListStatement("RecipeName", "5%_\\x").values.at(0).StringValue(), "5%_\\x");
    // An empty search lists everything whatever the scope; blanks are searched as typed.
    EXPECT_EQ(foundListStatement("RecipeRating", "").text, "select recipeName,rowID from recipes order by recipeName");
    EXPECT_TRUE(foundListStatement("RecipeRating", "").values.empty());
    EXPECT_EQ(foundListStatement("RecipeName", "  ").values.at(0).StringValue(), "  ");
}

TEST(RecipeStatements, AScopeThatIsNoSearchableColumnSearchesEverywhere) {
    for (const char* scope : {"recipePhoto", "1=1 or recipeName", "", "RecipeRtfText"})
        EXPECT_EQ(foundListStatement(scope, "x").sql, foundListStatement("Everywhere", "x").sql) << scope;
    EXPECT_EQ(searchScopeColumn("recipekeywords"), "recipekeywords");
    EXPECT_EQ(searchScopeColumn("recipeName"), "recipeName");
}

TEST(RecipeStatements, UpdatesInsertsAndDeletesKeepTheirTextAndBindEveryValue) {
    RecipeStatement u = updateColumnStatement("recipeName", "Mom's Pie", 4294967296LL);
    EXPECT_EQ(u.text, "update recipes set recipeName = 'Mom''s Pie' where rowID = 4294967296");
    EXPECT_EQ(u.sql, "update recipes set recipeName = ?1 where rowID = ?2");
    EXPECT_EQ(u.values.at(1).Int64Value(), 4294967296LL);
    EXPECT_EQ(updateColumnStatement("recipeRating", "4", 7).text, "update recipes set recipeRating = '4' where rowID = 7");
    EXPECT_EQ(newRecipeStatement("Untitled Recipe 8").text, "insert into recipes (recipeName) Values ( 'Untitled Recipe 8')");
    EXPECT_EQ(deleteRecipeStatement(8).text, "delete from recipes where rowID = 8");
    EXPECT_EQ(showRecipeStatement(8).text, "select rowID,* from recipes where rowID = 8");
    EXPECT_EQ(stringIn("''x'"), "''''x''");
}

struct Placement {
    int32_t pw, ph;
    PhotoPlacement expected;
};

class PhotoPlacementTest : public ::testing::TestWithParam<Placement> {};

TEST_P(PhotoPlacementTest, IsCentredAndScaledDownOnlyWithFractionsDropped) {
    const Placement p = GetParam();
    const PhotoPlacement at = placePhoto(p.pw, p.ph, 118, 118);
    EXPECT_EQ(at.x, p.expected.x);
    EXPECT_EQ(at.y, p.expected.y);
    EXPECT_EQ(at.width, p.expected.width);
    EXPECT_EQ(at.height, p.expected.height);
}

INSTANTIATE_TEST_SUITE_P(In118Square, PhotoPlacementTest,
                         ::testing::Values(Placement{100, 50, {9, 34, 100, 50}}, Placement{117, 118, {0, 0, 117, 118}},
                                           Placement{118, 118, {0, 0, 118, 118}}, Placement{236, 118, {0, 29, 118, 59}},
                                           Placement{118, 236, {29, 0, 59, 118}}, Placement{944, 118, {0, 51, 118, 14}},
                                           Placement{2000, 10, {0, 58, 118, 0}}, Placement{10, 10, {54, 54, 10, 10}}));
