// The main window's printing commands on the real window.
#include <cstdio>
#include <filesystem>

#include "recipe_window/print/MainPrinting.h"
#include "recipe_window/print/PrintModule.h"
#include "recipe_window/print/PrintedRecipe.h"
#include "tests/framework/print/PdfPages.h"
#include "tests/support/MainWindowFixture.h"

namespace {

PrintSettings landscapeLetter() {
    PrintSettings s;
    s.paperName = "Letter";
    s.landscape = true;
    return s;
}

}  // namespace

TEST_F(MainWindowTest, PrintingWithNoRecipeSelectedSaysSoAndShowsNoDialog) {
    start({});
    ASSERT_LT(w().recipeList->ListIndex, 0);
    ui.dialogs().expectMsgBox("No recipe selected to print.");
    PrintModule::curPageNo = 9;
    EXPECT_FALSE(MainPrinting::_FileAppkFilePrint_Action(w()));
    EXPECT_EQ(PrintModule::curPageNo, 9);
}

TEST_F(MainWindowTest, PrintingTheShownRecipeReadsTheWindowAndWritesTheChosenPages) {
    start({recipe("  Apple pie ", "fruit", 4, "Peel the apples.")});
    ASSERT_GE(w().recipeList->ListIndex, 0);
    const PrintedRecipe& shown = PrintModule::recipe();
    EXPECT_EQ(shown.Name(), "  Apple pie ");
    EXPECT_EQ(shown.Rating(), 4);
    EXPECT_EQ(shown.Text().Text(), "Peel the apples.");
    EXPECT_EQ(shown.Photo(), nullptr);

    PrintSettings chosen = landscapeLetter();
    chosen.outputFile = (std::filesystem::temp_directory_path() / "larderwise-main-print.pdf").string();
    chosen.copies = 2;
    ui.dialogs().expectPrinterDialog(chosen);
    MainPrinting::printRecipe(w());
    EXPECT_EQ(pdfPageCount(chosen.outputFile), 2);
    EXPECT_EQ(PrintModule::curPageNo, 1);
    // The paper chosen for the job stays the window's; the copies do not.
    ASSERT_NE(w().psetup, nullptr);
    EXPECT_TRUE(w().psetup->landscape);
    EXPECT_EQ(w().psetup->copies, 1);
    std::remove(chosen.outputFile.c_str());
}

TEST_F(MainWindowTest, PageSetupReplacesTheWindowsSetupOnlyWhenConfirmed) {
    start({recipe("Soup")});
    auto before = w().psetup;
    ui.dialogs().expectPageSetup(std::nullopt);
    EXPECT_FALSE(MainPrinting::_FilePageSetup_Action(w()));
    EXPECT_EQ(w().psetup, before);

    ui.dialogs().expectPageSetup(landscapeLetter());
    EXPECT_FALSE(MainPrinting::_FilePageSetup_Action(w()));
    ASSERT_NE(w().psetup, nullptr);
    EXPECT_TRUE(w().psetup->landscape);
    EXPECT_EQ(w().psetup->paperName, "Letter");

    // Opened again, the dialog shows the setup in force, not the defaults.
    ui.dialogs().expectPageSetup(std::nullopt);
    MainPrinting::_FilePageSetup_Action(w());
    const std::string shown = ui.dialogs().calls().back().text;
    EXPECT_NE(shown.find("orientation=landscape"), std::string::npos) << shown;
    EXPECT_NE(shown.find("paper=Letter"), std::string::npos) << shown;
    EXPECT_TRUE(w().psetup->landscape);
}

TEST_F(MainWindowTest, APrintThatCannotWriteItsFileSaysSo) {
    start({recipe("Soup", "", 0, "Simmer.")});
    for (const std::string path : {"/no/such/folder/soup.pdf", "/dev/full"}) {
        PrintSettings chosen;
        chosen.outputFile = path;
        ui.dialogs().expectPrinterDialog(chosen);
        ui.dialogs().expectMsgBox(testing::StartsWith(PrintModule::kNotPrinted));
        MainPrinting::printRecipe(w());
        EXPECT_NE(ui.dialogs().calls().back().text.find(path), std::string::npos) << ui.dialogs().calls().back().text;
    }
}
