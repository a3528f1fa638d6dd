// Logout, shutdown or Ctrl+C while the user is typing: the edit in progress
// is stored by the ordinary quit; a save the database refuses on the way out
// is reported on standard error instead of a box nobody will answer.
#include <csignal>
#include <filesystem>

#include "framework/ui/Runtime.h"
#include "framework/ui/SessionEnd.h"
#include "tests/support/DatabaseLock.h"
#include "tests/support/MainWindowFixture.h"

namespace {

class SessionEndEdits : public MainWindowTest {
protected:
    void typeIntoName(const std::string& text) {
        start({recipe("Bread", "daily"), recipe("Cake", "sweet")});
        ui.clickCell(*w().recipeList, 1);  // Cake
        ui.click(*w().recipeName, 5, 5);
        w().recipeName->SelStart = 4;
        ui.type(*w().recipeName, text);
        SessionEnd::install();
    }
    bool prefsWritten() const { return std::filesystem::exists(ui.folder("Preferences") + "/Larderwise Prefs"); }
};

TEST_F(SessionEndEdits, TheNameBeingTypedIsStoredWhenTheSessionEnds) {
    typeIntoName("s");
    raise(SIGTERM);
    ui.settle();
    ASSERT_TRUE(ui.loopEnded());
    EXPECT_EQ(ui.exitCode(), 0);
    EXPECT_EQ(value("select recipeName from recipes where rowID = 2"), "Cakes");
    EXPECT_TRUE(prefsWritten());
}

TEST_F(SessionEndEdits, ASaveRefusedOnTheWayOutIsReportedAndTheQuitFinishes) {
    typeIntoName("s");
    DatabaseLock other(databasePath(), DatabaseLock::Kind::Exclusive);
    testing::internal::CaptureStderr();
    raise(SIGTERM);
    ui.settle();  // the scripted dialogs fail the test on any box shown
    const std::string said = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(ui.loopEnded());
    EXPECT_NE(said.find("Error 30"), std::string::npos) << said;
    EXPECT_TRUE(prefsWritten()) << "the rest of the quit ran";
    other.release();
    EXPECT_EQ(value("select recipeName from recipes where rowID = 2"), "Cake");
}

}  // namespace
