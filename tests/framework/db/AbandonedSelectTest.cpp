// A select that its caller gives up: it ends early, says so, changes nothing,
// and leaves no check behind for the statements that follow.
#include "DatabaseTestSupport.h"

#include <functional>

namespace {

// Long enough for the engine to ask many times.
const char* const kLongSelect =
    "with recursive c(i) as (select 1 union all select i + 1 from c where i < 200000) select sum(i) from c";

}  // namespace

TEST_F(DatabaseTest, AGivenUpSelectEndsAbandonedAndTheNextStatementsRunToTheEnd) {
    auto db = createRecipes({"Soup", "Bread"});
    int asked = 0;
    const std::function<bool()> afterThreeQuestions = [&] { return ++asked > 3; };
    EXPECT_EQ(db->SQLSelectUnless(kLongSelect, {}, afterThreeQuestions), nullptr);
    EXPECT_TRUE(db->Abandoned());
    EXPECT_TRUE(db->Error()) << "no rows is no success";
    EXPECT_EQ(asked, 4) << "given up at the first true";

    // The check went with the call: a long select and a save run to their end.
    auto rows = db->SQLSelect(kLongSelect);
    ASSERT_TRUE(rows) << db->ErrorMessage();
    EXPECT_EQ(rows->IdxField(1).Int64Value(), int64_t{200000} * 200001 / 2);
    EXPECT_FALSE(db->Abandoned());
    db->SQLExecute("insert into recipes (recipeName) values ('Stew')");
    db->Commit();
    EXPECT_FALSE(db->Error()) << db->ErrorMessage();
    EXPECT_EQ(asked, 4) << "asked no more after the call";
    EXPECT_EQ(peek("select count(*) from recipes"), "3");

    // A real fault is no abandonment.
    EXPECT_EQ(db->SQLSelectUnless("select nothing from nowhere", {}, afterThreeQuestions), nullptr);
    EXPECT_TRUE(db->Error());
    EXPECT_FALSE(db->Abandoned());
}

TEST_F(DatabaseTest, ASelectNotGivenUpReadsItsRowsWithTheirValuesBound) {
    auto db = createRecipes({"Soup", "Bread", "Sourdough"});
    const std::function<bool()> never = [] { return false; };
    auto rows = db->SQLSelectUnless("select recipeName from recipes where recipeName like ? order by recipeName",
                                    {Variant(std::string("So%"))}, never);
    ASSERT_TRUE(rows) << db->ErrorMessage();
    EXPECT_EQ(rows->RecordCount(), 2);
    EXPECT_EQ(rows->IdxField(1).StringValue(), "Soup");
    EXPECT_FALSE(db->Error());
    EXPECT_FALSE(db->Abandoned());
}

// An open transaction survives a select given up inside it: the change is
// still there to commit.
TEST_F(DatabaseTest, AGivenUpSelectLeavesAnOpenTransactionAsItWas) {
    auto db = createRecipes({"Soup"});
    db->SQLExecute("update recipes set recipeName = 'Stew'");
    ASSERT_TRUE(db->InTransaction());
    const std::function<bool()> always = [] { return true; };
    EXPECT_EQ(db->SQLSelectUnless(kLongSelect, {}, always), nullptr);
    EXPECT_TRUE(db->Abandoned());
    EXPECT_TRUE(db->InTransaction());
    db->Commit();
    EXPECT_FALSE(db->Error()) << db->ErrorMessage();
    EXPECT_EQ(peek("select recipeName from recipes"), "Stew");
}

// Nothing that writes can be cut short: such a text is refused before it runs.
TEST_F(DatabaseTest, OnlyStatementsThatChangeNothingCanBeGivenUp) {
    auto db = createRecipes({"Soup"});
    const std::function<bool()> never = [] { return false; };
    for (const char* sql : {"insert into recipes (recipeName) values ('Stew')", "update recipes set recipeName = 'Stew'",
                            "select 1; delete from recipes", "commit", "vacuum"}) {
        EXPECT_EQ(db->SQLSelectUnless(sql, {}, never), nullptr) << sql;
        EXPECT_TRUE(db->Error()) << sql;
        EXPECT_FALSE(db->Abandoned()) << sql;
        EXPECT_FALSE(db->InTransaction()) << sql;
    }
    EXPECT_EQ(peek("select group_concat(recipeName) from recipes"), "Soup");
}
