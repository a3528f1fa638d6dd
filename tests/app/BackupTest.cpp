// The database backup: its name at a given moment, one a minute, and a copy
// that is the database byte for byte or nothing at all.
#include <sqlite3.h>

#include <filesystem>

#include "framework/data/Date.h"
#include "framework/files/FolderItem.h"
#include "framework/runtime/Clock.h"
#include "app/DatabaseBackup.h"
#include "recipe_window/Main.h"
#include "tests/app/ShellTestSupport.h"

namespace {
// Microseconds since 1970 of a local clock time (the fake clock's zone is GMT).
int64_t at(int32_t hour, int32_t minute) {
    const Date d(2009, 3, 7, hour, minute);
    return static_cast<int64_t>(d.TotalSeconds() - 2082844800.0) * 1000000;
}

class Backup : public ShellTest {
protected:
    void SetUp() override {
        makeDataFolder();
        buildCurrentDatabase(databasePath(), {{"Bread", "knead", "{\\rtf1 knead}"}});
        startApp();
        ui.activate(Main());
    }
    void backupAt(int32_t hour, int32_t minute) {
        const int64_t moment = at(hour, minute);
        Clock::setFake([moment] { return moment; });
        ui.chooseMenu("FileBackupDatabase");
    }
    std::string backupPath(const char* stamp) { return dataFolder() + "/recipeDB backup 2009-03-07-" + stamp + ".rsd"; }
};
}  // namespace

TEST(BackupName, HourAndMinuteAreWrittenWithoutLeadingZeros) {
    EXPECT_EQ(backupFileName(Date(2009, 3, 7, 9, 5)), "recipeDB backup 2009-03-07-95.rsd");
    EXPECT_EQ(backupFileName(Date(2009, 3, 7, 0, 5)), "recipeDB backup 2009-03-07-05.rsd");
    EXPECT_EQ(backupFileName(Date(2009, 3, 7, 14, 30)), "recipeDB backup 2009-03-07-1430.rsd");
    EXPECT_EQ(backupFileName(Date(2009, 3, 7, 1, 15)), backupFileName(Date(2009, 3, 7, 11, 5)));
}

TEST_F(Backup, TheCopyIsTheDatabaseByteForByte) {
    ui.dialogs().expectMsgBox("File backed up as: \rrecipeDB backup 2009-03-07-95.rsd");
    backupAt(9, 5);
    EXPECT_EQ(readBytes(backupPath("95")), readBytes(databasePath()));
    EXPECT_EQ(FolderItem(backupPath("95")).MacType(), "RSdb");
}

TEST_F(Backup, ANameAlreadyTakenIsNeverOverwritten) {
    ui.dialogs()
        .expectMsgBox("File backed up as: \rrecipeDB backup 2009-03-07-115.rsd")
        .expectMsgBox("Error -1001: Backup already created. Try in another minute.");
    backupAt(1, 15);
    buildDatabase(databasePath(), {"insert into recipes (recipeName) values ('Later')"});
    const std::string first = readBytes(backupPath("115"));
    backupAt(11, 5);
    EXPECT_EQ(readBytes(backupPath("115")), first);
}

TEST_F(Backup, ACopyThatFailsLeavesNoFileBehind) {
    ui.dialogs().expectMsgBox("Error -1002: Database not backed up. Make sure you can write to the folder.");
    App().dbfile = FolderItem::fromPath(dataFolder() + "/gone.rsd");
    backupAt(9, 5);
    EXPECT_FALSE(fileExists(backupPath("95")));
}

TEST_F(Backup, PendingChangesAreCommittedIntoTheCopy) {
    App().db->SQLExecute("insert into recipes (recipeName) values ('Pending')");
    ui.dialogs().expectMsgBox(::testing::StartsWith("File backed up as: "));
    backupAt(9, 5);
    EXPECT_EQ(selectRows(backupPath("95"), "select count(*) from recipes")[0][0], "2");
}

// Another program in the middle of writing the database: a copy now could
// hold half its work, or changes it then takes back. No backup is made and
// the box says why; once the other program is done, the backup is made.
TEST_F(Backup, NoCopyIsMadeWhileAnotherProgramWritesTheDatabase) {
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(databasePath().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "begin exclusive; update recipes set recipeName = 'Half written'", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    ui.dialogs().expectMsgBox(
        "Error -1002: Database not backed up. Make sure you can write to the folder.\rdatabase is locked");
    backupAt(9, 5);
    EXPECT_FALSE(fileExists(backupPath("95")));

    sqlite3_exec(other, "rollback", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    ui.dialogs().expectMsgBox(::testing::StartsWith("File backed up as: "));
    backupAt(9, 6);
    EXPECT_EQ(selectRows(backupPath("96"), "select recipeName from recipes")[0][0], "Bread");
}
