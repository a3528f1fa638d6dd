// The start-up sequence, the application's events and its three commands,
// run in-process with scripted dialogs.
#include <sys/inotify.h>
#include <unistd.h>

#include <filesystem>

#include "app/LarderwiseSplash.h"
#include "app/MenuBar1.h"
#include "controls/search/MagnifyingGlass.h"
#include "framework/graphics/Picture.h"
#include "framework/graphics/RecordingGraphics.h"
#include "framework/text/StyledText.h"
#include "recipe_window/print/PrintModule.h"
#include "framework/files/FileType.h"
#include "framework/ui/WindowList.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/files/FolderItem.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/Window.h"
#include "recipe_window/Main.h"
#include "tests/app/ShellTestSupport.h"
#include "tests/support/ProbeControl.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/StaticText.h"
#include "utility_windows/about/AboutBox.h"
#include "utility_windows/help/HelpWindow.h"

using ::testing::HasSubstr;

namespace {
class Startup : public ShellTest {
protected:
    void startWithDatabase(const std::vector<std::string>& documents = {}) {
        makeDataFolder();
        buildCurrentDatabase(databasePath(), {{"Soup", "hot", "{\\rtf1 hot}"}});
        startApp(documents);
    }
};

// Reads the file-system events of two folders in the order they happened.
class FolderEvents {
public:
    FolderEvents(const std::string& a, const std::string& b) : fd_(inotify_init1(IN_NONBLOCK)) {
        for (const auto& folder : {a, b}) inotify_add_watch(fd_, folder.c_str(), IN_CLOSE_WRITE | IN_MOVED_TO | IN_CREATE);
    }
    ~FolderEvents() { close(fd_); }
    // "close-write:<name>" and "arrived:<name>" lines, in order.
    std::vector<std::string> read() {
        std::vector<std::string> lines;
        alignas(inotify_event) char buffer[8192];
        for (ssize_t n; (n = ::read(fd_, buffer, sizeof buffer)) > 0;)
            for (char* p = buffer; p < buffer + n;) {
                auto* e = reinterpret_cast<inotify_event*>(p);
                const std::string name = e->len ? e->name : "";
                if (e->mask & IN_CLOSE_WRITE) lines.push_back("close-write:" + name);
                if (e->mask & (IN_MOVED_TO | IN_CREATE)) lines.push_back("arrived:" + name);
                p += sizeof(inotify_event) + e->len;
            }
        return lines;
    }

private:
    int fd_;
};
}  // namespace

TEST_F(Startup, OpensTheDatabaseThenShowsTheMainWindowWithTheMenusReady) {
    startWithDatabase();
    Larderwise& app = App();
    EXPECT_EQ(&App(), currentApplication());
    ASSERT_TRUE(app.db);
    EXPECT_TRUE(app.db->IsConnected());
    ASSERT_TRUE(app.dbfile);
    EXPECT_EQ(app.dbfile->AbsolutePath(), databasePath());
    EXPECT_EQ(app.stageType, "Final");  // this build's stage code is 3
    EXPECT_TRUE(app.mbarActive);
    EXPECT_FALSE(app.fontWindowVisible);
    EXPECT_TRUE(Main().isShown());
    EXPECT_EQ(Main().MenuBar.get(), MenuBar1());
    EXPECT_EQ(app.MenuBar, MenuBar1());
    EXPECT_EQ(MenuBar1()->FindItem("HelpProgramHelp")->Text, "Larderwise Help");
    EXPECT_EQ(MenuBar1()->FindItem("FileAboutLarderwise")->Text, "About Larderwise...");
    EXPECT_FALSE(MenuBar1()->FindItem("EditUndo")->Enabled);
}

// The document it was given is not opened, and the user is told so: the
// launch that handed it over has ended as if it were.
TEST_F(Startup, AFatalDatabaseErrorQuitsWithoutShowingTheMainWindowOrTakingDocuments) {
    makeDataFolder();
    const std::string document = ui.folder("Home") + "/dropped.txt";
    writeBytes(document, "Tea\rsteep");
    // The main window is gone by the time start-up returns (the quit closed
    // it): what happened to it is recorded while it exists.
    struct CountingLarderwise : Larderwise {
        int documents = 0;
        void handleOpenDocument(std::shared_ptr<FolderItem> item) override {
            ++documents;
            Larderwise::handleOpenDocument(std::move(item));
        }
    };
    CountingLarderwise* app = nullptr;
    bool mainShown = false;
    Runtime::StartupSteps steps = larderwiseStartupSteps();
    steps.newAppInstance = [&] {
        auto made = std::make_unique<CountingLarderwise>();
        made->MenuBar = MenuBar1();
        app = made.get();
        return std::unique_ptr<Application>(std::move(made));
    };
    auto makeView = steps.makeDefaultView;
    steps.makeDefaultView = [&] {
        makeView();
        Main().Activate = [&] { mainShown = true; };
    };
    ui.dialogs()
        .expectMessageDialogPressing(DatabaseMessages::missingFileQuestion(), DatabaseMessages::kQuitMoveBackButton)
        .expectMsgBox("Larderwise quit before opening these documents:\n\ndropped.txt");
    ui.start(steps, {document});
    ASSERT_NE(app, nullptr);
    EXPECT_FALSE(mainShown);
    EXPECT_EQ(app->documents, 0);
    ui.settle();
    EXPECT_TRUE(ui.loopEnded());
    EXPECT_EQ(ui.exitCode(), 0);
    EXPECT_FALSE(fileExists(databasePath()));
    EXPECT_TRUE(fileExists(ui.folder("Preferences") + "/Larderwise Prefs"));  // the Close event ran
}

TEST_F(Startup, ADocumentNamedAtLaunchArrivesOnlyOnceTheDatabaseIsOpenAndMainIsShown) {
    const std::string document = ui.folder("Home") + "/Pancakes.txt";
    writeBytes(document, "flour\rmilk");
    std::string shownAtTheQuestion = "not asked";
    // The question comes in the middle of the Open event: nothing handed over yet.
    ui.dialogs()
        .expectMessageDialogPressing(::testing::Truly([&](const std::string& text) {
                                         shownAtTheQuestion = std::string(Main().recipeName->Text);
                                         return text == DatabaseMessages::missingFileQuestion();
                                     }),
                                     DatabaseMessages::kCreateButton)
        .expectMsgBox(DatabaseMessages::kCreated);
    startApp({document, ui.folder("Home") + "/missing.txt", ui.folder("Home")});
    EXPECT_EQ(shownAtTheQuestion, "");
    // Only the existing regular file becomes a recipe, and it is the one shown.
    EXPECT_EQ(selectRows(databasePath(), "select recipeName, recipeText from recipes"),
              (Rows{{"Pancakes.txt", "flour\rmilk"}}));
    EXPECT_EQ(std::string(Main().recipeName->Text), "Pancakes.txt");
    EXPECT_TRUE(Main().isShown());
    EXPECT_TRUE(App().db->IsConnected());
}

TEST_F(Startup, AboutAndHelpShowOneWindowEachUntilItIsClosed) {
    startWithDatabase();
    ui.chooseMenu("FileAboutLarderwise");
    AboutBox* about = &aboutBox();
    ui.chooseMenu("FileAboutLarderwise");
    EXPECT_EQ(&aboutBox(), about);
    EXPECT_TRUE(about->isShown());
    EXPECT_EQ(about->MenuBar.get(), nullptr);
    ui.chooseMenu("HelpProgramHelp");
    HelpWindow* help = &helpWindow();
    ui.chooseMenu("HelpProgramHelp");
    EXPECT_EQ(&helpWindow(), help);
    EXPECT_TRUE(help->isShown());
    // File > Close in the help window closes only it.
    ui.activate(*help);
    ui.chooseMenu("FileClose");
    ui.settle();
    EXPECT_FALSE(ui.loopEnded());
    EXPECT_TRUE(Main().isShown());
    ui.chooseMenu("HelpProgramHelp");
    EXPECT_TRUE(helpWindow().isShown());  // a fresh one
}

TEST_F(Startup, ShortcutsOfTheApplicationWorkInAWindowWithoutMenuBar) {
    startWithDatabase();
    ui.chooseMenu("FileAboutLarderwise");
    AboutBox& about = aboutBox();
    ui.activate(about);
    ui.key(*about.versionLine, "?", UiDriver::Command);
    EXPECT_TRUE(helpWindow().isShown());
    ui.activate(about);
    ui.key(*about.versionLine, "q", UiDriver::Command);
    ui.settle();
    EXPECT_TRUE(ui.loopEnded());
}

TEST_F(Startup, ClosingTheMainWindowQuits) {
    startWithDatabase();
    ui.activate(Main());
    ui.chooseMenu("FileClose");
    ui.settle();
    EXPECT_TRUE(ui.loopEnded());
    EXPECT_EQ(ui.exitCode(), 0);
}

TEST_F(Startup, QuitClosesTheDatabaseBeforeThePreferencesAreWritten) {
    startWithDatabase();
    FolderEvents events(dataFolder(), ui.folder("Preferences"));
    quitApp();
    EXPECT_TRUE(ui.loopEnded());
    EXPECT_FALSE(App().db->IsConnected());
    const std::vector<std::string> lines = events.read();
    const auto dbClosed = std::find(lines.begin(), lines.end(), "close-write:recipeDB.rsd");
    const auto prefsWritten = std::find(lines.begin(), lines.end(), "arrived:Larderwise Prefs");
    ASSERT_NE(dbClosed, lines.end()) << ::testing::PrintToString(lines);
    ASSERT_NE(prefsWritten, lines.end()) << ::testing::PrintToString(lines);
    EXPECT_LT(dbClosed, prefsWritten);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "arrived:Larderwise Prefs"), 1);
}

TEST_F(Startup, CloseWithoutAConnectionStillSavesThePreferences) {
    Larderwise app;  // never opened: no db
    app.Event_Close();
    EXPECT_TRUE(fileExists(ui.folder("Preferences") + "/Larderwise Prefs"));
}

TEST_F(Startup, AnExceptionFromAnEventShowsError610OnceAndQuitsWithZero) {
    startWithDatabase();
    auto* probe = Main().add<ProbeControl>("probe");
    probe->Width = 20;
    probe->Height = 20;
    probe->MouseDown = [](int32_t, int32_t) -> bool { throw OutOfBoundsException("row 7 of 3"); };
    ui.dialogs().expectMsgBox(
        "Error 610: Unhandled Exception:\r0 : row 7 of 3\rPlease report this error, along with what you were trying "
        "to do, to Quillmere Software support.");
    ui.click(*probe, 2, 2);
    ui.settle();
    EXPECT_TRUE(ui.loopEnded());
    EXPECT_EQ(ui.exitCode(), 0);
}

TEST_F(Startup, PreferencesThatCannotBeWrittenAtQuitShowError610AndTheProgramStillEndsWithZero) {
    startWithDatabase();
    // Something made a folder where the preferences file goes.
    std::filesystem::create_directories(ui.folder("Preferences") + "/Larderwise Prefs/in the way");
    ui.dialogs().expectMsgBox(HasSubstr("Error 610: Unhandled Exception:\r"));
    quitApp();
    EXPECT_THAT(ui.dialogs().messages().back(), HasSubstr(" : The preferences"));
    EXPECT_TRUE(ui.loopEnded());
    EXPECT_EQ(ui.exitCode(), 0);
    EXPECT_FALSE(App().db->IsConnected()) << "the database was closed before the preferences were written";
}

TEST_F(Startup, AnExceptionFromAMenuShortcutShowsError610) {
    startWithDatabase();
    auto* probe = Main().add<ProbeControl>("probe");
    Main().AddMenuHandler("RecipeNewRecipe", []() -> bool { throw RuntimeException("", 42); });
    ui.dialogs().expectMsgBox(HasSubstr("\r42 : \r"));
    ui.key(*probe, "n", UiDriver::Command);
    ui.settle();
    EXPECT_TRUE(ui.loopEnded());
}

TEST_F(Startup, TheReleaseAtExitLeavesNoWindowMenuBarFileTypePictureOrPrintJob) {
    startWithDatabase();
    auto bar = MenuBar1();
    ASSERT_NE(larderwiseSplash(), nullptr);
    EXPECT_EQ(larderwiseSplash(), larderwiseSplash());  // drawn once, kept
    const std::weak_ptr<Picture> splash = larderwiseSplash();
    const std::weak_ptr<Picture> glass = MagnifyingGlass();
    ASSERT_FALSE(glass.expired()) << "the search pill's picture is loaded";
    RecordingGraphics paper;
    PrintModule::mStp = std::make_unique<StyledTextPrinter>(StyledText("Stew"), paper, 100);
    quitApp();
    releaseGlobals();
    EXPECT_TRUE(WindowList::frontToBack().empty());
    EXPECT_TRUE(registeredFileTypes().empty());
    EXPECT_EQ(App().MenuBar, nullptr);
    EXPECT_NE(MenuBar1(), bar);  // the next use would build a fresh one
    EXPECT_TRUE(splash.expired());
    EXPECT_TRUE(glass.expired());
    EXPECT_EQ(PrintModule::mStp, nullptr);
}
