// The about window: its version line, its link and its swallowed clicks.
#include <QMainWindow>
#include <gtest/gtest.h>

#include "app/LarderwiseSplash.h"
#include "framework/ui/Application.h"
#include "framework/ui/controls/StaticText.h"
#include "tests/utility_windows/StartedLarderwise.h"
#include "utility_windows/about/AboutBox.h"
#include "utility_windows/about/AboutTexts.h"

using AboutWindow = StartedLarderwise;

TEST(AboutVersionLine, NumbersInPlainDecimalThenTheStageName) {
    EXPECT_EQ(AboutTexts::versionLine(1, 2, 3, "Final"), "Version 1.2.3 Final");
    EXPECT_EQ(AboutTexts::versionLine(10, 0, 12, "Beta"), "Version 10.0.12 Beta");
    // A stage code with no name leaves the blank after the third number.
    EXPECT_EQ(AboutTexts::versionLine(1, 2, 3, ""), "Version 1.2.3 ");
}

TEST(AboutCredits, ThreeParagraphsSeparatedByEmptyLines) {
    const std::string credits = AboutTexts::credits();
    const size_t first = credits.find("\r\r");
    ASSERT_NE(first, std::string::npos);
    const size_t second = credits.find("\r\r", first + 2);
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(credits.find("\r\r", second + 2), std::string::npos);
    EXPECT_EQ(credits.find("\r\r\r"), std::string::npos);
}

TEST_F(AboutWindow, OpensOverTheSplashWithTheApplicationsVersion) {
    ui.chooseMenu("FileAboutLarderwise");
    AboutBox& about = aboutBox();
    EXPECT_TRUE(about.isShown());
    EXPECT_EQ(about.verFld->Text.get(),
              AboutTexts::versionLine(Application::MajorVersion(), Application::MinorVersion(),
                                      Application::BugVersion(), App().stageType));
    EXPECT_EQ(App().stageType, "Final");
    EXPECT_EQ(about.versionLine, about.verFld);
    EXPECT_EQ(about.Backdrop.get(), larderwiseSplash());
    EXPECT_EQ(about.Width.get(), 500);
    EXPECT_EQ(about.Height.get(), 385);
    EXPECT_EQ(about.Title.get(), "");
    EXPECT_NE(about.widget()->menuWidget(), nullptr) << "the application's menu bar shows in it";
    EXPECT_EQ(about.StaticText1->Text.get(), AboutTexts::kWebAddress);
    ASSERT_EQ(about.ControlCount(), 4);
    EXPECT_EQ(about.Control(0)->Name(), "StaticText1");
    EXPECT_EQ(about.Control(3)->Name(), "StaticText3");

    // Shown again, the same window comes forward; its line is not rewritten.
    about.verFld->Text = std::string("kept");
    ui.chooseMenu("FileAboutLarderwise");
    EXPECT_EQ(&aboutBox(), &about);
    EXPECT_EQ(about.verFld->Text.get(), "kept");
}

TEST_F(AboutWindow, ThePressOnTheLinkOpensThePageWhereverItIsReleased) {
    aboutBox().Show();
    StaticText& link = *aboutBox().StaticText1;
    ui.click(link, 5, 5);
    EXPECT_EQ(ui.dialogs().openedURLs(), std::vector<std::string>{AboutTexts::kWebAddress});

    ui.press(link, 5, 5);
    ui.drag(link, 300, -200);
    ui.release(link, 300, -200);  // dragged off the link and over the picture
    EXPECT_EQ(ui.dialogs().openedURLs().size(), 2u);
    EXPECT_EQ(ui.dialogs().openedURLs().back(), AboutTexts::kWebAddress);
}

TEST_F(AboutWindow, ALinkNoBrowserCanOpenSaysSoWithTheAddress) {
    aboutBox().Show();
    ui.dialogs().setBrowserAvailable(false);
    ui.dialogs().expectMsgBox("The web page http://quillmere.example/ could not be opened: no web browser was found.");
    ui.click(*aboutBox().StaticText1, 5, 5);
    ui.dialogs().verifyAllUsed();
    EXPECT_TRUE(aboutBox().isShown());
}

TEST_F(AboutWindow, ClicksOnThePictureChangeNothing) {
    AboutBox& about = aboutBox();
    about.Show();
    const std::string line = about.verFld->Text.get();
    ui.clickWindow(about, 250, 250);
    ui.clickWindow(about, 250, 250, true);
    ui.settle();
    EXPECT_TRUE(about.isShown());
    EXPECT_EQ(&aboutBox(), &about);
    EXPECT_EQ(about.verFld->Text.get(), line);
    EXPECT_TRUE(ui.dialogs().openedURLs().empty());
    EXPECT_TRUE(about.Event_MouseDown(250, 250));
}

TEST_F(AboutWindow, AClosedWindowComesBackInItsDesignState) {
    AboutBox* first = &aboutBox();
    first->Show();
    first->verFld->Text = std::string("changed");
    first->Close();
    ui.settle();
    AboutBox& second = aboutBox();
    EXPECT_FALSE(second.isShown());  // the About command shows it
    EXPECT_NE(second.verFld->Text.get(), "changed");
    EXPECT_EQ(second.verFld->Text.get().rfind("Version ", 0), 0u);
}
