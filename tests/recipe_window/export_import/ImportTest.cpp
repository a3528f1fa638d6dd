// The import of files dropped on the main window or opened from the desktop:
// one new recipe named after the file, stored whole in one transaction
// and shown selected in the whole list.
#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>

#include "framework/files/FolderItem.h"
#include "framework/text/RtfReader.h"
#include "tests/framework/files/FileTestSupport.h"
#include "tests/support/Growth.h"
#include "tests/support/MainWindowFixture.h"
#include "recipe_window/ImportSource.h"
#include "tests/support/SqlStatementFault.h"

namespace {

using testing::ElementsAre;
using testing::HasSubstr;

const char* const kSoupRtf =
    "{\\rtf1\\ansi {\\fonttbl\\f0\\fswiss Helvetica;}\\f0\\fs24 Hot \\b soup\\b0\\par Serve it}";

struct ImportTest : MainWindowTest {
    std::string file(const std::string& name, const std::string& bytes, const std::string& macType = "") {
        const std::string path = ui.folder("Home") + "/" + name;
        writeBytes(path, bytes);
        if (!macType.empty()) FolderItem::fromPath(path)->setMacType(macType);
        return path;
    }
    // A clipping of the old kind: an empty data fork, the text in the "TEXT"
    // resource 256 of its fork (kept in an AppleDouble sidecar).
    std::string clipping(const std::string& name, const std::string& text) {
        const std::string path = file(name, "");
        writeBytes(ui.folder("Home") + "/._" + name, buildAppleDouble({{2, buildResourceFork({{"TEXT", 256, text, ""}})}}));
        return path;
    }
    bool dropFiles(const std::vector<std::string>& paths) {
        DropData data;
        data.files = paths;
        return ui.dropOnWindow(w(), data, 100, 20);  // beside the search field: the window itself
    }
    std::vector<Row> stored() {
        return query("select recipeName, recipeText, recipeKeywords, recipeRating, recipePhoto from recipes "
                     "order by rowID");
    }
    std::string selectedName() {
        return w().recipeList->ListIndex < 0 ? "none" : w().recipeList->List(w().recipeList->ListIndex);
    }
};

TEST_F(ImportTest, APlainTextFileBecomesARecipeNamedAfterTheWholeFileName) {
    start({recipe("Bread"), recipe("Soup")});
    search("Bre");
    ASSERT_TRUE(dropFiles({file("Pasta.txt", "Boil water\nAdd pasta", "TEXT")}));
    ASSERT_EQ(stored().size(), 3u);
    EXPECT_EQ(stored()[2], (Row{"Pasta.txt", "Boil water\rAdd pasta", std::nullopt, std::nullopt, std::nullopt}));
    // The whole list again, the new recipe selected and shown from the database.
    EXPECT_THAT(listedNames(), ElementsAre("Bread", "Pasta.txt", "Soup"));
    EXPECT_EQ(selectedName(), "Pasta.txt");
    EXPECT_EQ(std::string(w().Searchfield().Text), "");
    EXPECT_EQ(std::string(w().recipeName->Text), "Pasta.txt");
    EXPECT_EQ(std::string(w().RecipeText->Text), "Boil water\rAdd pasta");
}

TEST_F(ImportTest, PlainTextTakesTheSystemFontAtTwelvePointsInBlack) {
    start({recipe("Bread")});
    w().RecipeText->TextColor = Color(0xFF0000);
    ASSERT_TRUE(dropFiles({file("Pasta.txt", "Boil water")}));
    std::optional<StyledText> rtf = readRtf(value("select recipeRtfText from recipes where recipeName = 'Pasta.txt'"));
    ASSERT_TRUE(rtf);
    EXPECT_EQ(rtf->Text(), "Boil water");
    EXPECT_EQ(rtf->StyleAt(0).Size, 12);
    EXPECT_EQ(rtf->StyleAt(0).TextColor, 0u);
    EXPECT_EQ(w().RecipeText->SelTextSize(), 12);
}

TEST_F(ImportTest, TextIsOnlyEverText) {
    start({recipe("Bread")});
    const std::string text = "{\\rtf1 \\b not bold}'); drop table recipes; --";
    ASSERT_TRUE(dropFiles({file("It's <b>odd<i>.txt", text)}));
    EXPECT_EQ(value("select recipeText from recipes where rowID = 2"), text);
    EXPECT_EQ(value("select recipeName from recipes where rowID = 2"), "It's <b>odd<i>.txt");
}

TEST_F(ImportTest, TextFromOlderProgramsIsDecodedAndClippingsFromTheOldPlatformToo) {
    start({recipe("Bread")});
    ASSERT_TRUE(dropFiles({file("Creme.txt", "Cr\xE8me fra\xEE" "che")}));  // Windows-1252
    EXPECT_EQ(value("select recipeText from recipes where rowID = 2"), "Crème fraîche");
    ASSERT_TRUE(dropFiles({clipping("Old.textClipping", "Cr\x8Fme")}));  // Mac Roman
    EXPECT_EQ(value("select recipeText from recipes where rowID = 3"), "Crème");
    ASSERT_TRUE(dropFiles({file("U16.txt", std::string("\xFF\xFE" "C\0r\0\xE8\0m\0e\0\r\0\n\0\x3D\xD8\x4B\xDE", 20))}));
    EXPECT_EQ(value("select recipeText from recipes where rowID = 4"), "Crème\r\xF0\x9F\x99\x8B");
    ASSERT_TRUE(dropFiles({file("U16BE.txt", std::string("\xFE\xFF\0C\0r\0\xE8\0m\0e", 12))}));  // either order
    EXPECT_EQ(value("select recipeText from recipes where rowID = 5"), "Crème");
}

TEST_F(ImportTest, AnRtfFileKeepsItsStylingAndLosesItsExtension) {
    start({recipe("Bread")});
    ASSERT_TRUE(dropFiles({file("Soup.RTF", kSoupRtf)}));
    EXPECT_EQ(value("select recipeName from recipes where rowID = 2"), "Soup");
    EXPECT_EQ(value("select recipeText from recipes where rowID = 2"), "Hot soup\rServe it");
    std::optional<StyledText> rtf = readRtf(value("select recipeRtfText from recipes where rowID = 2"));
    ASSERT_TRUE(rtf);
    EXPECT_FALSE(rtf->StyleAt(0).Bold);
    EXPECT_TRUE(rtf->StyleAt(4).Bold);
    EXPECT_EQ(selectedName(), "Soup");
}

TEST_F(ImportTest, ATextTypedFileThatIsAnRtfFileIsReadAsRtf) {
    start({recipe("Bread")});
    ASSERT_TRUE(dropFiles({file("Soup.rtf", kSoupRtf, "TEXT")}));
    EXPECT_EQ(value("select recipeText from recipes where rowID = 2"), "Hot soup\rServe it");
}

TEST_F(ImportTest, AnRtfFileThatIsNotRtfKeepsItsTextAndAnRtfNameWithoutStemIsUntitled) {
    start({recipe("Bread")});
    ASSERT_TRUE(dropFiles({file(".rtf", "just words")}));
    EXPECT_EQ(stored()[1][0], "Untitled Recipe");
    EXPECT_EQ(stored()[1][1], "just words");
}

TEST_F(ImportTest, AClippingBecomesARecipeNamedBeforeItsExtension) {
    start({recipe("Bread")});
    ASSERT_TRUE(dropFiles({clipping("Note.textClipping", "Two cups flour\rOne egg")}));
    EXPECT_EQ(stored()[1], (Row{"Note", "Two cups flour\rOne egg", std::nullopt, std::nullopt, std::nullopt}));
    EXPECT_EQ(selectedName(), "Note");
}

TEST_F(ImportTest, AClippingTypeWinsOverTheFileNameAndABlankStemIsUntitled) {
    start({recipe("Bread")});
    w().droppedRecipe(FolderItem::fromPath(clipping(".TextClipping", "Eggs")));
    EXPECT_EQ(stored()[1][0], "Untitled Recipe");
    const std::string disguised = clipping("Stew.txt", "Beef");
    FolderItem::fromPath(disguised)->setMacType("clpt");
    w().droppedRecipe(FolderItem::fromPath(disguised));
    EXPECT_EQ(stored()[2][0], "Untitled Recipe");  // nothing before a ".TextClipping"
    EXPECT_EQ(stored()[2][1], "Beef");
}

TEST_F(ImportTest, AClippingWithoutTextLeavesTheNewEmptyRecipe) {
    start({recipe("Bread")});
    ASSERT_TRUE(dropFiles({file("Empty.textClipping", "")}));
    ASSERT_EQ(stored().size(), 2u);
    EXPECT_EQ(stored()[1][0], "Untitled Recipe 2");
    EXPECT_EQ(selectedName(), "Untitled Recipe 2");
}

TEST_F(ImportTest, OnlyTheFirstOfSeveralDroppedFilesIsImported) {
    start({recipe("Bread")});
    ASSERT_TRUE(dropFiles({file("One.txt", "1"), file("Two.txt", "2")}));
    EXPECT_THAT(listedNames(), ElementsAre("Bread", "One.txt"));
}

TEST_F(ImportTest, OtherFilesAndDroppedTextMakeNothing) {
    start({recipe("Bread")});
    w().droppedRecipe(FolderItem::fromPath(file("photo.jpg", "\xFF\xD8\xFF")));
    w().droppedRecipe(FolderItem::fromPath(file("notes", "no type at all")));
    DropData text;
    text.text = "Some words";
    ui.dropOnWindow(w(), text, 100, 20);
    EXPECT_EQ(stored().size(), 1u);
}

TEST_F(ImportTest, AFileThatCannotBeReadMakesNoRecipeAndSaysSo) {
    start({recipe("Bread")});
    ui.dialogs().expectMsgBox("Error IM001: Could not read the file 'Gone.txt'.");
    w().droppedRecipe(FolderItem::fromPath(ui.folder("Home") + "/Gone.txt"));
    EXPECT_EQ(stored().size(), 1u);
}

// A failure anywhere in storing the import leaves no part of it: not the
// new row without its text (which a store in two commits left), and no
// other recipe takes the text. The engine's reason is shown.
TEST_F(ImportTest, AFailedStoreLeavesNothingOfTheImportAndSaysWhy) {
    start({recipe("Bread", "", 0, std::string("Knead"))});
    // Whichever statement writes the text, as insert or update, fails as a full disk does.
    execute({"create trigger fullOnInsert before insert on recipes when new.recipeText = 'Boil water' "
             "begin select raise(abort, 'database or disk is full'); end",
             "create trigger fullOnUpdate before update on recipes when new.recipeText = 'Boil water' "
             "begin select raise(abort, 'database or disk is full'); end"});
    ui.dialogs().expectMsgBox("Error IM004: The imported text could not be stored.\rdatabase or disk is full");
    ASSERT_TRUE(dropFiles({file("Pasta.txt", "Boil water")}));
    EXPECT_THAT(stored(), ElementsAre(Row{"Bread", "Knead", "", "0", std::nullopt}));
    EXPECT_THAT(listedNames(), ElementsAre("Bread"));
    // Nothing is left half done either: the next import is stored whole.
    ASSERT_TRUE(dropFiles({file("Pie.txt", "Roll the dough")}));
    EXPECT_EQ(stored().size(), 2u);
    EXPECT_EQ(stored()[1][1], "Roll the dough");
}

TEST_F(ImportTest, AFailedCommitRollsTheImportBackAndSaysWhy) {
    // The first commits the test's own file.
    SqlStatementFault fault("commit", 2, SqlStatementFault::Where::ThisThread);
    start({recipe("Bread", "", 0, std::string("Knead"))});
    ui.dialogs().expectMsgBox("Error IM004: The imported text could not be stored.\rinterrupted");
    ASSERT_TRUE(dropFiles({file("Pasta.txt", "Boil water")}));
    EXPECT_TRUE(fault.fired());
    EXPECT_THAT(stored(), ElementsAre(Row{"Bread", "Knead", "", "0", std::nullopt}));
}

// A kill can come between any two writes: an import is one commit, so the
// file holds the whole recipe or none of it at every moment. The file's
// change counter (bytes 24-27 of its header) counts the commits.
TEST_F(ImportTest, AnImportIsCommittedInOneTransaction) {
    start({recipe("Bread")});
    const auto commits = [this] {
        std::ifstream in(databasePath(), std::ios::binary);
        unsigned char header[28] = {};
        in.read(reinterpret_cast<char*>(header), sizeof header);
        return (uint32_t(header[24]) << 24) | (uint32_t(header[25]) << 16) | (uint32_t(header[26]) << 8) | header[27];
    };
    const uint32_t before = commits();
    ASSERT_TRUE(dropFiles({file("Pasta.txt", "Boil water")}));
    EXPECT_EQ(commits() - before, 1u);
    EXPECT_EQ(stored()[1], (Row{"Pasta.txt", "Boil water", std::nullopt, std::nullopt, std::nullopt}));
}

TEST_F(ImportTest, ADocumentOpenedFromTheDesktopIsImportedLikeADrop) {
    start({recipe("Bread")});
    App().Event_OpenDocument(FolderItem::fromPath(file("Pasta.txt", "Boil water")));
    EXPECT_EQ(selectedName(), "Pasta.txt");
    EXPECT_EQ(value("select recipeText from recipes where recipeName = 'Pasta.txt'"), "Boil water");
}

// A drop from another program arrives while the window is inactive: no
// editor saves on a focus move then, yet the name and text are stored.
TEST_F(ImportTest, AFileDroppedOnTheInactiveWindowIsStored) {
    start({recipe("Bread")});
    ui.deactivate(w());
    ASSERT_TRUE(dropFiles({file("Pie.txt", "Roll the dough", "TEXT")}));
    ASSERT_TRUE(dropFiles({file("Soup.rtf", kSoupRtf)}));
    EXPECT_EQ(stored()[1], (Row{"Pie.txt", "Roll the dough", std::nullopt, std::nullopt, std::nullopt}));
    EXPECT_EQ(stored()[2][0], "Soup");
    EXPECT_EQ(stored()[2][1], "Hot soup\rServe it");
    EXPECT_EQ(selectedName(), "Soup");
    EXPECT_EQ(std::string(w().RecipeText->Text), "Hot soup\rServe it");
}

// Bytes that yield no text make no recipe and say so; an empty file or
// document is an empty recipe named after it, without a word.
TEST_F(ImportTest, AFileThatYieldsNoTextMakesNoRecipeAndSaysSo) {
    start({recipe("Bread")});
    const std::string deep = "{\\rtf1 " + std::string(500000, '{') + "lost" + std::string(500000, '}') + "}";
    ui.dialogs().expectMsgBox("Error IM002: Could not read the file 'Deep.rtf': it holds no text.");
    ASSERT_TRUE(dropFiles({file("Deep.rtf", deep)}));
    // A picture renamed .txt: its bytes hold NULs, which no text does.
    ui.dialogs().expectMsgBox("Error IM002: Could not read the file 'Photo.txt': it holds no text.");
    ASSERT_TRUE(dropFiles({file("Photo.txt", std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0\x01", 12), "TEXT")}));
    EXPECT_EQ(stored().size(), 1u);

    ASSERT_TRUE(dropFiles({file("Empty.txt", "", "TEXT")}));
    ASSERT_EQ(stored().size(), 2u);
    EXPECT_EQ(stored()[1][0], "Empty.txt");
    EXPECT_EQ(stored()[1][1], "");
    EXPECT_EQ(selectedName(), "Empty.txt");
    EXPECT_EQ(std::string(w().RecipeText->Text), "");
    ASSERT_TRUE(dropFiles({file("Blank.rtf", "")}));
    ASSERT_EQ(stored().size(), 3u);
    EXPECT_EQ(stored()[2][0], "Blank");
    EXPECT_EQ(stored()[2][1], "");
    ASSERT_TRUE(dropFiles({file("Nothing yet.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Helvetica;}}\\f0\\fs24 }")}));
    EXPECT_EQ(stored().back()[0], "Nothing yet");
}

TEST_F(ImportTest, AFileAboveTheSizeLimitIsRefusedBeforeAnythingIsMade) {
    start({recipe("Bread")});
    const std::string path = file("Huge.txt", "", "TEXT");
    std::filesystem::resize_file(path, kLargestImportedFile + 1);
    ui.dialogs().expectMsgBox(
        "Error IM003: The file 'Huge.txt' is too large to import. Files of up to 4 MB become recipes.");
    ASSERT_TRUE(dropFiles({path}));
    EXPECT_EQ(stored().size(), 1u);
}

// Importing and showing grow linearly with the size (the text field lays out
// every line): a file at the size limit costs about eight times what one of
// an eighth of it does, where growth with the square would cost sixty-four.
TEST_F(ImportTest, AFileAtTheSizeLimitIsImportedAndShownInLinearTime) {
    start({recipe("Bread")});
    const std::string line = "2 cups of flour, sifted twice, then folded into the butter and sugar\n";
    std::string text;
    while (text.size() + line.size() <= size_t(kLargestImportedFile)) text += line;
    const std::string eighth = text.substr(0, text.size() / 8);
    const std::string bigPath = file("Big.txt", text, "TEXT"), smallPath = file("Small.txt", eighth, "TEXT");
    bool dropped = true;
    const double grew = growth([&] { dropped = dropFiles({smallPath}) && dropped; },
                               [&] { dropped = dropFiles({bigPath}) && dropped; }, 1);
    ASSERT_TRUE(dropped);
    EXPECT_LT(grew, 24.0);
    EXPECT_EQ(value("select length(recipeText) from recipes where recipeName = 'Big.txt'"),
              std::to_string(text.size()));
    EXPECT_EQ(selectedName(), "Big.txt");
}

// Laying out one giant word searched to its end for a break on every line it
// filled (a 1 MB line took minutes): a one-line text without spaces shows as
// fast as ordinary lines of the same size, when imported and when shown
// again from the database.
TEST_F(ImportTest, AOneLineTextWithoutSpacesShowsAsFastAsOrdinaryLines) {
    start({recipe("Bread")});
    std::string lines;
    while (lines.size() < 256 * 1024) lines += "2 cups of flour, sifted twice, then folded into the butter\n";
    const std::string linesPath = file("Lines.txt", lines, "TEXT");
    const std::string onePath = file("One.txt", std::string(lines.size(), 'x'), "TEXT");
    bool dropped = true;
    const double imported = growth([&] { dropped = dropFiles({linesPath}) && dropped; },
                                   [&] { dropped = dropFiles({onePath}) && dropped; }, 1);
    ASSERT_TRUE(dropped);
    EXPECT_LT(imported, 4.0);
    EXPECT_EQ(selectedName(), "One.txt");
    EXPECT_EQ(std::string(w().RecipeText->Text).size(), lines.size());

    const auto showRow = [this](int32_t row) {
        ui.clickCell(*w().recipeList, 0);  // Bread, then the row: shown from the database
        ui.clickCell(*w().recipeList, row);
    };
    const double shown = growth([&] { showRow(1); }, [&] { showRow(2); }, 1);
    EXPECT_EQ(selectedName(), "One.txt");
    EXPECT_LT(shown, 4.0);
}

}  // namespace
