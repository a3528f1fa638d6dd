// A select that its caller gives up (the search, when a newer key comes): it
// ends early, says so, changes nothing, and leaves no check behind for the
// statements that follow on the same connection.
#include "DatabaseTestSupport.h"

#include <functional>

#include "framework/db/DatabaseConnection.h"

namespace {

// Long enough for the engine to ask many times.
const char* const kLongSelect =
    "with recursive c(i) as (select 1 union all select i + 1 from c where i < 200000) select sum(i) from c";

class AbandonedSelectTest : public DatabaseTest {
protected:
    // The given recipes, committed, and a connection of the test's own to the file.
    DatabaseConnection& connect(std::initializer_list<const char*> names) {
        createRecipes(names);
        EXPECT_TRUE(connection.open(path(), false)) << connection.errorMessage();
        return connection;
    }

    DatabaseConnection connection;
};

}  // namespace

TEST_F(AbandonedSelectTest, AGivenUpSelectEndsAbandonedAndTheNextStatementsRunToTheEnd) {
    DatabaseConnection& c = connect({"Soup", "Bread"});
    int asked = 0;
    const std::function<bool()> afterThreeQuestions = [&] { return ++asked > 3; };
    EXPECT_FALSE(c.runUnless(kLongSelect, nullptr, false, afterThreeQuestions));
    EXPECT_TRUE(c.abandoned());
    EXPECT_TRUE(c.error()) << "no rows is no success";
    EXPECT_EQ(c.errorMessage(), "The select was abandoned.");
    EXPECT_EQ(asked, 4) << "given up at the first true";

    // The check went with the call: a long select and a save run to their end.
    std::optional<QueryResult> rows = c.run(kLongSelect, nullptr, false);
    ASSERT_TRUE(rows) << c.errorMessage();
    EXPECT_EQ(rows->at(0, 0).integer, int64_t{200000} * 200001 / 2);
    EXPECT_FALSE(c.abandoned());
    EXPECT_TRUE(c.run("insert into recipes (recipeName) values ('Stew')", nullptr, false)) << c.errorMessage();
    EXPECT_TRUE(c.commit()) << c.errorMessage();
    EXPECT_EQ(asked, 4) << "asked no more after the call";
    EXPECT_EQ(peek("select count(*) from recipes"), "3");

    // A real fault is no abandonment.
    EXPECT_FALSE(c.runUnless("select nothing from nowhere", nullptr, false, afterThreeQuestions));
    EXPECT_TRUE(c.error());
    EXPECT_FALSE(c.abandoned());
}

TEST_F(AbandonedSelectTest, ASelectNotGivenUpReadsItsRowsWithTheirValuesBound) {
    DatabaseConnection& c = connect({"Soup", "Bread", "Sourdough"});
    const std::vector<SQLValue> values{std::string("So%")};
    std::optional<QueryResult> rows =
        c.runUnless("select recipeName from recipes where recipeName like ? order by recipeName", &values, false,
                    [] { return false; });
    ASSERT_TRUE(rows) << c.errorMessage();
    ASSERT_EQ(rows->rowCount, 2u);
    EXPECT_EQ(rows->at(0, 0).bytes, "Soup");
    EXPECT_FALSE(c.error());
    EXPECT_FALSE(c.abandoned());
}

// An open transaction survives a select given up inside it: the change is
// still there to commit.
TEST_F(AbandonedSelectTest, AGivenUpSelectLeavesAnOpenTransactionAsItWas) {
    DatabaseConnection& c = connect({"Soup"});
    ASSERT_TRUE(c.run("update recipes set recipeName = 'Stew'", nullptr, false)) << c.errorMessage();
    ASSERT_TRUE(c.inTransaction());
    EXPECT_FALSE(c.runUnless(kLongSelect, nullptr, false, [] { return true; }));
    EXPECT_TRUE(c.abandoned());
    EXPECT_TRUE(c.inTransaction());
    EXPECT_TRUE(c.commit()) << c.errorMessage();
    EXPECT_EQ(peek("select recipeName from recipes"), "Stew");
}

// Nothing that writes can be cut short: such a text is refused before it runs.
TEST_F(AbandonedSelectTest, OnlyStatementsThatChangeNothingCanBeGivenUp) {
    DatabaseConnection& c = connect({"Soup"});
    for (const char* sql : {"insert into recipes (recipeName) values ('Stew')", "update recipes set recipeName = 'Stew'",
                            "select 1; delete from recipes", "commit", "vacuum"}) {
        EXPECT_FALSE(c.runUnless(sql, nullptr, false, [] { return false; })) << sql;
        EXPECT_TRUE(c.error()) << sql;
        EXPECT_FALSE(c.abandoned()) << sql;
        EXPECT_FALSE(c.inTransaction()) << sql;
    }
    EXPECT_EQ(peek("select group_concat(recipeName) from recipes"), "Soup");
}
