#include <filesystem>

#include "framework/files/FolderItem.h"

#include "DatabaseTestSupport.h"

TEST_F(DatabaseTest, CreateWritesTheFileAtOnceAndLeavesItConnected) {
    REALSQLDatabase db;
    db.SetDatabaseFile(path());
    ASSERT_TRUE(db.CreateDatabaseFile()) << db.ErrorMessage();
    EXPECT_TRUE(db.IsConnected());
    EXPECT_GT(std::filesystem::file_size(path()), 0u);  // stamped on disk before any table exists
    EXPECT_TRUE(db.Connect());                            // connecting again is harmless
    EXPECT_FALSE(db.Error());
    auto mode = db.SQLSelect("pragma journal_mode");
    ASSERT_TRUE(mode);
    EXPECT_EQ(mode->IdxField(1).StringValue(), "delete");
}

TEST_F(DatabaseTest, TheFileCanBeGivenAsAFolderItem) {
    REALSQLDatabase db;
    EXPECT_EQ(db.DatabaseFile(), nullptr);
    EXPECT_FALSE(db.Connect());  // no file given
    EXPECT_TRUE(db.Error());
    db.SetDatabaseFile(FolderItem::fromPath(path()));
    ASSERT_TRUE(db.CreateDatabaseFile()) << db.ErrorMessage();
    ASSERT_TRUE(db.DatabaseFile());
    EXPECT_EQ(db.DatabaseFile()->Name(), "recipeDB.rsd");
    EXPECT_TRUE(db.DatabaseFile()->Exists());
    db.SetDatabaseFile(std::shared_ptr<FolderItem>());
    EXPECT_EQ(db.DatabaseFile(), nullptr);
}

TEST_F(DatabaseTest, ConnectNeitherCreatesAMissingFileNorAcceptsOtherFiles) {
    REALSQLDatabase db;
    db.SetDatabaseFile(path("missing.rsd"));
    EXPECT_FALSE(db.Connect());
    EXPECT_TRUE(db.Error());
    EXPECT_FALSE(db.ErrorMessage().empty());
    EXPECT_FALSE(std::filesystem::exists(path("missing.rsd")));

    std::ofstream(path("notes.rsd")) << "This is a text file, not a database, but long enough to have a header.";
    db.SetDatabaseFile(path("notes.rsd"));
    EXPECT_FALSE(db.Connect());
    EXPECT_FALSE(db.IsConnected());
    EXPECT_EQ(db.ErrorMessage(), "file is not a database");
    EXPECT_EQ(db.ErrorCode(), 26);  // SQLITE_NOTADB

    db.SetDatabaseFile(path("no folder/x.rsd"));
    EXPECT_FALSE(db.CreateDatabaseFile());
    EXPECT_TRUE(db.Error());
}

TEST_F(DatabaseTest, AfterCloseEveryCallFailsCleanlyUntilConnect) {
    auto db = createRecipes({"Soup"});
    db->Close();
    db->Close();  // harmless
    db->SQLExecute("insert into recipes (recipeName) values ('x')");
    EXPECT_TRUE(db->Error());
    EXPECT_EQ(db->ErrorMessage(), "The database is not connected.");
    EXPECT_EQ(db->SQLSelect("select * from recipes"), nullptr);
    EXPECT_TRUE(db->Error());
    db->Commit();
    EXPECT_TRUE(db->Error());
    db->Rollback();
    EXPECT_TRUE(db->Error());
    EXPECT_EQ(db->LastRowID(), 0);

    ASSERT_TRUE(db->Connect());
    EXPECT_EQ(db->SQLSelect("select recipeName from recipes")->RecordCount(), 1);
    EXPECT_FALSE(db->Error());
}

TEST_F(DatabaseTest, RecordSetsOutliveTheirConnectionButCannotWriteThroughALaterOne) {
    auto db = createRecipes({"Soup"});
    auto rs = db->SQLSelect("select * from recipes");
    db->Close();
    EXPECT_EQ(rs->Field("recipeName").StringValue(), "Soup");  // rows were read in full
    ASSERT_TRUE(db->Connect());
    rs->Edit();
    rs->Field("recipeName").SetStringValue("Stew");
    rs->Update();
    EXPECT_TRUE(db->Error());
    EXPECT_EQ(peek("select recipeName from recipes"), "Soup");
}
