#include "DatabaseTestSupport.h"

#include <filesystem>

TEST_F(DatabaseTest, AChangeOpensATransactionThatCommitMakesVisible) {
    auto db = createRecipes({});
    EXPECT_FALSE(db->InTransaction());
    db->SQLExecute("insert into recipes (recipeName) values ('Soup')");
    EXPECT_TRUE(db->InTransaction());
    auto rs = db->SQLSelect("select recipeName from recipes");
    EXPECT_EQ(rs->RecordCount(), 1);              // this connection sees its own change
    EXPECT_EQ(peek("select count(*) from recipes"), "0");  // the file does not yet
    db->Commit();
    EXPECT_FALSE(db->Error());
    EXPECT_FALSE(db->InTransaction());
    EXPECT_EQ(peek("select count(*) from recipes"), "1");

    db->SQLExecute("update recipes set recipeName = 'Stew'");
    db->SQLExecute("  COMMIT ;");  // the statement form, any case
    EXPECT_FALSE(db->Error());
    EXPECT_EQ(peek("select recipeName from recipes"), "Stew");
}

TEST_F(DatabaseTest, CommitAndRollbackWithNothingOpenAreSilentSuccesses) {
    auto db = createRecipes({"Soup"});
    for (const char* statement : {"commit", "rollback", "Commit;", "end transaction"}) {
        db->SQLExecute(statement);
        EXPECT_FALSE(db->Error()) << statement << ": " << db->ErrorMessage();
    }
    db->Commit();
    EXPECT_FALSE(db->Error());
    db->Rollback();
    EXPECT_FALSE(db->Error());
    EXPECT_EQ(peek("select recipeName from recipes"), "Soup");
}

TEST_F(DatabaseTest, RollbackUndoesARebuiltTable) {
    auto db = createRecipes({"Soup", "Bread"});
    db->SQLExecute("alter table recipes add column extra integer");
    db->Commit();
    // The rebuild: copy every row into a new table, drop the old, rename.
    db->SQLExecute(
        "create table recipes2 (recipeName varChar, recipeText varChar, recipeRtfText varChar, "
        "recipeKeywords varChar, recipeRating integer, recipePhoto Blob)");
    auto rows = db->SQLSelect("select rowID,* from recipes order by recipeName");
    ASSERT_TRUE(rows);
    for (; !rows->EOF_(); rows->MoveNext())
        db->SQLExecute("insert into recipes2 select recipeName,recipeText,recipeRtfText,recipeKeywords,"
                       "recipeRating,recipePhoto from recipes where recipes.rowID = " +
                       rows->Field("rowID").StringValue());
    db->SQLExecute("drop table recipes;");
    db->SQLExecute("alter table recipes2 rename to recipes;");
    ASSERT_FALSE(db->Error()) << db->ErrorMessage();
    EXPECT_EQ(db->SQLSelect("select recipeName from recipes order by rowID")->Field("recipeName").StringValue(),
              "Bread");
    db->Rollback();
    db->Close();

    ASSERT_TRUE(db->Connect());
    auto after = db->SQLSelect("select rowID, recipeName, extra from recipes order by rowID");
    ASSERT_TRUE(after) << db->ErrorMessage();  // the column added before the rebuild is still there
    EXPECT_EQ(after->Field("recipeName").StringValue(), "Soup");
    EXPECT_EQ(after->RecordCount(), 2);
    EXPECT_EQ(db->SQLSelect("select * from recipes2"), nullptr);  // the temporary table is gone
}

TEST_F(DatabaseTest, CloseRollsBackWhatWasNeverCommitted) {
    auto db = createRecipes({"Soup"});
    db->SQLExecute("delete from recipes");
    db->SQLExecute("insert into recipes (recipeName) values ('Unsaved')");
    db->Close();
    EXPECT_EQ(peek("select recipeName from recipes"), "Soup");
}

TEST_F(DatabaseTest, VacuumCommitsAPendingChangeFirst) {
    auto db = createRecipes({"Soup"});
    db->SQLExecute("create table recipes2 (x)");
    db->SQLExecute("drop table recipes2");
    db->SQLExecute("insert into recipes (recipeName) values ('Bread')");
    auto held = db->SQLSelect("select * from recipes");  // a live record set does not block it
    db->SQLExecute("vacuum;");
    EXPECT_FALSE(db->Error()) << db->ErrorMessage();
    EXPECT_FALSE(db->InTransaction());
    db->Commit();
    EXPECT_FALSE(db->Error());
    EXPECT_EQ(peek("select count(*) from recipes"), "2");
}

// A vacuum of a large file ticks while it runs (the start-up window paints),
// and the ticks never cut it short; once it ends, no later statement ticks.
TEST_F(DatabaseTest, AVacuumThatTicksRunsToItsEndAndLaterStatementsDoNotTick) {
    auto db = createRecipes({"Soup"});
    db->SQLExecute("with recursive c(i) as (select 1 union all select i + 1 from c where i < 20000) "
                   "insert into recipes (recipeName, recipeText) select 'name ' || i, hex(randomblob(200)) from c");
    db->SQLExecute("delete from recipes where rowID % 3 = 0");
    db->Commit();
    int ticks = 0;
    db->SQLExecuteTicking("vacuum;", [&] { ++ticks; });
    EXPECT_FALSE(db->Error()) << db->ErrorMessage();
    EXPECT_GT(ticks, 0);
    EXPECT_EQ(peek("pragma freelist_count"), "0");
    EXPECT_EQ(peek("select count(*) from recipes"), "13334");
    const int ticksOfTheVacuum = ticks;
    db->SQLExecute("select count(*) from recipes where recipeText like '%ABC%'");
    EXPECT_EQ(ticks, ticksOfTheVacuum);
}

TEST_F(DatabaseTest, AFailedStatementChangesNothingAndLeavesTheConnectionUsable) {
    auto db = createRecipes({"Soup"});
    db->SQLExecute("insert into recipes (recipeName) values ('Pending')");
    db->SQLExecute("insert into nosuchtable values (1)");
    EXPECT_TRUE(db->Error());
    EXPECT_EQ(db->ErrorMessage(), "no such table: nosuchtable");
    EXPECT_EQ(db->ErrorCode(), 1);
    EXPECT_TRUE(db->InTransaction());  // the earlier pending change survives

    // Inside an open transaction a failing text undoes only its own work.
    db->SQLExecute("insert into recipes (recipeName) values ('Half'); insert into nosuchtable values (1)");
    EXPECT_TRUE(db->Error());
    db->Commit();
    EXPECT_EQ(peek("select recipeName from recipes order by rowID"), "Soup,Pending");

    // A failing text that opened the transaction leaves none behind.
    db->SQLExecute("delete from recipes; select * from nosuchtable");
    EXPECT_TRUE(db->Error());
    EXPECT_FALSE(db->InTransaction());
    EXPECT_EQ(db->SQLSelect("select count(*) from recipes")->IdxField(1).IntegerValue(), 2);

    db->SQLExecute("update recipes set recipeRating = 3");
    EXPECT_FALSE(db->Error());  // every call sets the flag anew
}

TEST_F(DatabaseTest, AStatementHoldingANulCharacterFailsInsteadOfRunningCutShort) {
    auto db = createRecipes({"Soup"});
    db->SQLExecute(std::string("delete from recipes\0 where recipeName = 'none'", 47));
    EXPECT_TRUE(db->Error());
    EXPECT_EQ(db->SQLSelect(std::string("select 1\0", 9)), nullptr);
    EXPECT_EQ(peek("select count(*) from recipes"), "1");
    EXPECT_FALSE(db->InTransaction());
}

TEST_F(DatabaseTest, RowsChangedTellsAnUpdateOfAVanishedRowFromASuccess) {
    auto db = createRecipes({"Soup", "Bread"});
    db->SQLExecute("update recipes set recipeName = ?1 where rowID = ?2", {Variant("Stew"), Variant(int64_t(1))});
    EXPECT_EQ(db->RowsChanged(), 1);
    db->SQLExecute("update recipes set recipeName = 'Stew' where rowID = 9");
    EXPECT_FALSE(db->Error());
    EXPECT_EQ(db->RowsChanged(), 0);
    db->SQLExecute("delete from recipes");
    EXPECT_EQ(db->RowsChanged(), 2);
}

// A vacuum lets its cache spill (its memory stays bounded), and afterwards
// the file again holds only committed pages: pending changes far larger than
// the cache still stay out of it until the commit, so a copy is a backup.
TEST_F(DatabaseTest, AfterAVacuumPendingChangesStillStayOutOfTheFile) {
    auto db = createRecipes({"Soup"});
    db->SQLExecute("create table scratch (x); insert into scratch values (zeroblob(3000000)); drop table scratch");
    db->Commit();
    db->SQLExecute("vacuum");
    ASSERT_FALSE(db->Error()) << db->ErrorMessage();
    const auto committedSize = std::filesystem::file_size(path());
    for (int i = 0; i < 40; ++i)  // about 20 MB, ten times the page cache
        db->SQLExecute("insert into recipes (recipeText) values (?)", {std::string(500000, 'a' + i % 26)});
    EXPECT_TRUE(db->InTransaction());
    EXPECT_EQ(std::filesystem::file_size(path()), committedSize);
    EXPECT_EQ(peek("select count(*) from recipes"), "1");
    db->Commit();
    EXPECT_GT(std::filesystem::file_size(path()), committedSize);
}
