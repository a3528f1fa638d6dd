// The help window: finding our pages beside the executable, following their
// links, one window at a time, File > Close.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "framework/files/FolderItem.h"
#include "framework/ui/Application.h"
#include "framework/runtime/Services.h"
#include "app/MenuBar1.h"
#include "framework/menus/MenuDispatch.h"
#include "framework/menus/MenuItem.h"
#include "framework/ui/controls/HTMLViewer.h"
#include "framework/ui/controls/Separator.h"
#include "recipe_window/Main.h"
#include "tests/utility_windows/StartedLarderwise.h"
#include "utility_windows/help/HelpWindow.h"

using HelpWindowTest = StartedLarderwise;

namespace {
std::string resourcesHelpFolder() {
    return Application::ExecutableFile()->Parent()->Parent()->AbsolutePath() + "/Resources/Larderwise Help";
}
}  // namespace

TEST_F(HelpWindowTest, OpensOnTheIndexPageBesideTheExecutableAtTheRightOfTheScreen) {
    const size_t messagesBefore = ui.dialogs().messages().size();
    ui.chooseMenu("HelpProgramHelp");
    HelpWindow& help = helpWindow();
    EXPECT_TRUE(help.isShown());
    EXPECT_EQ(help.Title.get(), "Larderwise Help");  // the index page's title
    EXPECT_EQ(help.helpViewer->Title(), "Larderwise Help");
    // The driver's screen is 1280 wide: 1280 - 760 - 20.
    EXPECT_EQ(help.Left.get(), 500);
    EXPECT_EQ(help.Width.get(), 760);
    EXPECT_EQ(ui.dialogs().messages().size(), messagesBefore);
}

TEST_F(HelpWindowTest, OnAScreenNarrowerThanTheWindowItStaysOnScreen) {
    services().screen = [](int32_t index) {
        return index == 0 ? ScreenInfo{0, 0, 700, 500, 0, 22, 700, 478, 32} : ScreenInfo{};
    };
    ui.chooseMenu("HelpProgramHelp");
    HelpWindow& help = helpWindow();
    ASSERT_TRUE(help.isShown());
    EXPECT_EQ(help.Left.get(), 0);
    EXPECT_EQ(help.Width.get(), 680);  // 20 pixels left for the window's frame
    EXPECT_EQ(help.helpViewer->Width.get(), 680);  // the page narrows with it
}

TEST_F(HelpWindowTest, FollowsALinkClickedOnThePage) {
    HelpWindow& help = helpWindow();
    help.Show();
    help.helpViewer->LoadURL(resourcesHelpFolder() + "/recipes.html");
    EXPECT_EQ(help.Title.get(), "Larderwise Help: Recipes");
    // Every page starts with the row of links; its first is "Contents".
    ui.click(*help.helpViewer, 12, 10);
    EXPECT_EQ(help.Title.get(), "Larderwise Help");
}

TEST_F(HelpWindowTest, TheHelpCommandBringsTheSameWindowForwardWithoutReloading) {
    ui.chooseMenu("HelpProgramHelp");
    HelpWindow* help = &helpWindow();
    help->helpViewer->LoadURL(resourcesHelpFolder() + "/kitchen.html");
    ui.activate(Main());
    ui.chooseMenu("HelpProgramHelp");
    EXPECT_EQ(&helpWindow(), help);
    EXPECT_EQ(help->Title.get(), "Larderwise Help: In the kitchen");
}

TEST_F(HelpWindowTest, FileCloseClosesItAndTheNextOneStartsOnTheIndexAgain) {
    ui.chooseMenu("HelpProgramHelp");
    HelpWindow* help = &helpWindow();
    help->helpViewer->LoadURL(resourcesHelpFolder() + "/keys.html");
    ui.activate(*help);
    ui.chooseMenu("FileClose");
    EXPECT_TRUE(help->isClosing());
    ui.settle();
    EXPECT_TRUE(Main().isShown());
    EXPECT_FALSE(ui.loopEnded());
    ui.chooseMenu("HelpProgramHelp");
    EXPECT_EQ(helpWindow().Title.get(), "Larderwise Help");
}

TEST_F(HelpWindowTest, TheTitleFollowsThePageEvenWhenItIsEmpty) {
    HelpWindow& help = helpWindow();
    help.Show();
    help.helpViewer->LoadPage("<html><head><title></title></head><body>No title here</body></html>");
    EXPECT_EQ(help.Title.get(), "");
}

TEST_F(HelpWindowTest, ThePageGrowsWithTheWindowBelowTheBand) {
    HelpWindow& help = helpWindow();
    help.Show();
    ui.resize(help, 900, 600);
    ui.settle();
    EXPECT_EQ(help.helpViewer->Left.get(), 0);
    EXPECT_EQ(help.helpViewer->Top.get(), 54);
    EXPECT_EQ(help.helpViewer->Width.get(), 900);
    EXPECT_EQ(help.helpViewer->Height.get(), 546);
    EXPECT_EQ(help.Separator1->Width.get(), 900);
    EXPECT_EQ(help.Separator1->Top.get(), 53);
}

TEST_F(HelpWindowTest, TheEditCommandsActOnThePageWhileItHasTheFocus) {
    HelpWindow& help = helpWindow();
    help.Show();
    ui.activate(help);
    ui.setFocus(*help.helpViewer);
    EXPECT_FALSE(ui.chooseMenu("EditCopy"));  // nothing selected yet
    EXPECT_TRUE(ui.chooseMenu("EditSelectAll"));
    EXPECT_TRUE(ui.chooseMenu("EditCopy"));
    EXPECT_FALSE(ui.chooseMenu("EditPaste"));  // the page is read-only
    EXPECT_FALSE(ui.chooseMenu("EditCut"));
}

TEST_F(HelpWindowTest, EditSelectAllAndCopyWorkOnThePageTheWindowOpenedWith) {
    // Nobody clicks the page: it has the focus the window got when it opened.
    ui.chooseMenu("HelpProgramHelp");
    ui.settle();
    HelpWindow& help = helpWindow();
    EXPECT_EQ(help.Focus(), help.helpViewer);
    QGuiApplication::clipboard()->clear();
    EXPECT_TRUE(ui.chooseMenu("EditSelectAll"));
    EXPECT_TRUE(ui.chooseMenu("EditCopy"));
    EXPECT_THAT(QGuiApplication::clipboard()->text().toStdString(), ::testing::HasSubstr("Larderwise"));
}

// The shared menu bar offers, with the help window in front, only what
// works there: its Close, the application's items and the page's editing.
TEST_F(HelpWindowTest, OnlyCommandsThatWorkInTheHelpWindowAreOffered) {
    auto offered = [](const char* name) { return isEffectivelyEnabled(*MenuBar1()->FindItem(name)); };
    ui.chooseMenu("EditSelectAll");  // the main window in front
    EXPECT_TRUE(offered("RecipeDeleteRecipe"));
    ui.chooseMenu("HelpProgramHelp");
    ui.settle();
    ui.chooseMenu("EditSelectAll");  // runs the pass with the help window in front
    ui.chooseMenu("EditSelectAll");  // and again, now with the page selected
    EXPECT_FALSE(offered("RecipeDeleteRecipe"));
    EXPECT_FALSE(offered("RecipeNewRecipe"));
    EXPECT_FALSE(offered("StyleBold"));
    EXPECT_FALSE(offered("EditPaste")) << "the page is read-only";
    for (const char* name : {"FileClose", "FileQuit", "HelpProgramHelp", "EditCopy", "EditSelectAll"})
        EXPECT_TRUE(offered(name)) << name;
}
