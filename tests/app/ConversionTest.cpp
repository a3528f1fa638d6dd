// Converting older recipe text to the current layout: the question, the
// backup it offers, the progress window, and rows that must keep what they
// have.
#include <filesystem>

#include "app/ConvertingWindow.h"
#include "framework/runtime/Clock.h"
#include "framework/runtime/Services.h"
#include "framework/text/StyledText.h"
#include "framework/ui/controls/Canvas.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/ProgressBar.h"
#include "framework/ui/WindowList.h"
#include "recipe_window/Main.h"
#include "tests/app/ShellTestSupport.h"
#include "tests/support/SqlStatementFault.h"

using ::testing::StartsWith;
namespace M = DatabaseMessages;

namespace {
const std::string kStyled = "{\\rtf1\\ansi{\\fonttbl\\f0 Helvetica;}\\f0\\fs24 \\b Bold\\b0  soup}";

class Conversion : public ShellTest {
protected:
    void SetUp() override { makeDataFolder(); }

    Rows rows(const std::string& columns) {
        return selectRows(databasePath(), "select " + columns + " from recipes order by rowID");
    }
    void answer(const char* caption) { ui.dialogs().expectMessageDialogPressing(M::kConversionQuestion, caption); }
    std::vector<std::string> backups() {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dataFolder()))
            if (e.path().filename().string().rfind("recipeDB backup ", 0) == 0) names.push_back(e.path().string());
        return names;
    }
};

std::string plainOf(const std::string& rtf) {
    StyledText t;
    EXPECT_TRUE(t.SetRTFData(rtf)) << rtf;
    return t.Text();
}
}  // namespace

TEST_F(Conversion, PlainTextGetsItsRtfAndStyledRowsKeepTheirs) {
    buildCurrentDatabase(databasePath(), {{"Never saved", "a\rb {c} \\d ½ °F 🍰\tx", std::nullopt},
                                          {"Styled", "Bold soup", kStyled},
                                          {"Empty", std::nullopt, std::nullopt}});
    buildDatabase(databasePath(), {"update recipes set recipePhoto = X'FFD8FF00E0' where rowID = 1"});
    const Rows textBefore = rows("recipeText,recipePhoto");
    answer("&No");
    startApp();
    ASSERT_FALSE(ui.loopEnded());
    const Rows after = rows("recipeText,recipeRtfText");
    EXPECT_EQ(rows("recipeText,recipePhoto"), textBefore);  // plain text and photos untouched
    EXPECT_THAT(*after[0][1], StartsWith("{\\rtf"));
    EXPECT_EQ(plainOf(*after[0][1]), *after[0][0]);
    EXPECT_EQ(after[1][1], kStyled);  // its formatting survives the first row's rule
    EXPECT_EQ(plainOf(*after[2][1]), "");
    EXPECT_TRUE(Main().isShown());
    // Converted once: the next start asks nothing.
    App().db->Close();
    App().openDatabase();
    EXPECT_FALSE(ui.loopEnded());
}

TEST_F(Conversion, RtfInTheTextColumnMovesAcrossAndLeavesItsPlainText) {
    const std::string macRoman = "{\\rtf1\\mac\\ansicpg10000 \\b Cr\\'8fme\\b0\\par br\\'9el\\'8ee}";
    const std::string windows = "{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\u189?}";
    buildCurrentDatabase(databasePath(), {{"Creme", macRoman, std::nullopt},
                                          {"Cafe", windows, std::nullopt},
                                          {"Plain", "just text", std::nullopt}});
    answer("&No");
    startApp();
    const Rows after = rows("recipeText,recipeRtfText");
    EXPECT_EQ(after[0], (std::vector<std::optional<std::string>>{"Crème\rbrûlée", macRoman}));
    EXPECT_EQ(after[1], (std::vector<std::optional<std::string>>{"café ½", windows}));
    EXPECT_EQ(after[2][0], "just text");  // not RTF: never read as RTF
    EXPECT_EQ(plainOf(*after[2][1]), "just text");
}

TEST_F(Conversion, BothColumnsStyledStillAsksButChangesNoRow) {
    buildCurrentDatabase(databasePath(), {{"Odd", kStyled, kStyled}, {"Other", "plain", std::nullopt}});
    const Rows before = rows("recipeText,recipeRtfText");
    answer("&No");
    startApp();
    EXPECT_FALSE(ui.loopEnded());
    EXPECT_EQ(rows("recipeText,recipeRtfText"), before);
}

// The bar shows the first row at once, then moves as time passes (about 30
// times a second), not with every row: a repaint per row cost more than the
// conversion.
TEST_F(Conversion, TheProgressBarShowsTheRowReachedAsTimePasses) {
    buildDatabase(databasePath(), {"create table recipes (recipeName varChar, recipeText varChar, recipeKeywords "
                                   "varChar, recipeRating integer, recipePhoto Blob)",
                                   "insert into recipes (recipeName, recipeText) values ('a', 'x')",
                                   "insert into recipes (recipeName, recipeText) values ('b', 'y')",
                                   "insert into recipes (recipeName, recipeText) values ('c', 'z')"});
    for (const int64_t microsPerReading : {34000, 0}) {  // a row takes over 1/30 s, then no time at all
        SCOPED_TRACE(microsPerReading);
        int64_t now = 0;
        Clock::setFake([&] { return now += microsPerReading; });
        std::vector<std::pair<int32_t, int32_t>> progress;  // (Value, Maximum) at each turn of the loop
        // Something else in the window, to see whether each refresh of the bar repaints it all.
        Canvas* elsewhere = nullptr;
        int paintsElsewhere = 0;
        services().yield = [&] {
            ConvertingWindow& w = Converting();
            progress.emplace_back(w.conversionBar->Value, w.conversionBar->Maximum);
            EXPECT_TRUE(w.isShown());
            EXPECT_TRUE(w.TempField->Styled.get());
            if (!elsewhere) {
                elsewhere = w.add<Canvas>("elsewhere");
                elsewhere->Width = elsewhere->Height = 10;
                elsewhere->Paint = [&](::Graphics&) { ++paintsElsewhere; };
            }
            elsewhere->UpdateNow();
        };
        if (microsPerReading) {
            ui.dialogs().expectMsgBox(M::kAddingRtf);
            answer("&No");
            startApp();
        } else {
            runStatements(databasePath(), {"update recipes set recipeRtfText = NULL"});
            answer("&No");
            App().db->Close();
            App().openDatabase();
        }
        services().yield = [] {};
        EXPECT_EQ(progress, microsPerReading ? (std::vector<std::pair<int32_t, int32_t>>{{1, 3}, {2, 3}, {3, 3}})
                                             : (std::vector<std::pair<int32_t, int32_t>>{{1, 3}}));
        EXPECT_EQ(paintsElsewhere, static_cast<int>(progress.size())) << "each refresh repaints the whole window";
        EXPECT_THAT(*rows("recipeRtfText")[2][0], StartsWith("{\\rtf"));
        EXPECT_EQ(WindowList::frontToBack().size(), 1u);  // the progress window closed again: only Main
    }
}

TEST_F(Conversion, QuitChangesNothingAndEndsTheProgram) {
    buildCurrentDatabase(databasePath(), {{"a", "x", std::nullopt}});
    const std::string bytes = readBytes(databasePath());
    answer("&Quit");
    startApp();
    EXPECT_TRUE(ui.loopEnded());
    EXPECT_EQ(ui.exitCode(), 0);
    EXPECT_FALSE(Main().isShown());
    EXPECT_EQ(readBytes(databasePath()), bytes);
    EXPECT_TRUE(backups().empty());
}

TEST_F(Conversion, YesBacksUpOnceBeforeAnyRowChanges) {
    buildCurrentDatabase(databasePath(), {{"a", "x", std::nullopt}, {"b", "y", std::nullopt}});
    const std::string bytes = readBytes(databasePath());
    answer("&Yes");
    ui.dialogs().expectMsgBox(StartsWith("File backed up as: \rrecipeDB backup "));
    startApp();
    ASSERT_EQ(backups().size(), 1u);
    EXPECT_EQ(readBytes(backups()[0]), bytes);
    EXPECT_THAT(*rows("recipeRtfText")[0][0], StartsWith("{\\rtf"));
}

TEST_F(Conversion, AFailedRowWriteRollsEveryRowBack) {
    buildCurrentDatabase(databasePath(), {{"a", "x", std::nullopt}, {"b", "y", std::nullopt}});
    const Rows before = rows("recipeText,recipeRtfText");
    SqlStatementFault fault("update \"recipes\"", 2);
    answer("&No");
    ui.dialogs().expectMsgBox(M::withReason(M::kDB007, "interrupted"));
    startApp();
    EXPECT_TRUE(fault.fired());
    EXPECT_TRUE(ui.loopEnded());
    EXPECT_EQ(rows("recipeText,recipeRtfText"), before);
}

TEST_F(Conversion, AFailedSelectEndsWithDB007) {
    buildCurrentDatabase(databasePath(), {{"a", "x", std::nullopt}});
    SqlStatementFault fault("select rowID,recipeText,recipeRtfText");
    answer("&No");
    ui.dialogs().expectMsgBox(M::kDB007);
    startApp();
    EXPECT_TRUE(ui.loopEnded());
}

// A commit that fails (a full disk) is no conversion: DB007 with the
// engine's reason, every row as it was, and the program ends.
TEST_F(Conversion, AFailedCommitIsReportedAndRolledBack) {
    buildCurrentDatabase(databasePath(), {{"a", "x", std::nullopt}, {"b", "y", std::nullopt}});
    const Rows before = rows("recipeText,recipeRtfText");
    SqlStatementFault fault("commit");
    answer("&No");
    ui.dialogs().expectMsgBox(M::withReason(M::kDB007, "interrupted"));
    startApp();
    EXPECT_TRUE(fault.fired());
    EXPECT_TRUE(ui.loopEnded());
    EXPECT_FALSE(Main().isShown());
    EXPECT_EQ(rows("recipeText,recipeRtfText"), before);
}

// The backup offered before the conversion is the database as the program
// found it: the table rebuilt in this start (renumbered by name) is not
// committed into it, so a conversion that then fails leaves the old table
// in both the file and the backup.
TEST_F(Conversion, TheBackupHoldsTheTableAsFoundNotTheRebuiltOne) {
    buildDatabase(databasePath(), {"create table recipes (recipeName varChar, recipeText varChar, "
                                   "recipeKeywords varChar, recipePhoto Blob)",
                                   "insert into recipes (recipeName, recipeText) values ('pie', 'bake')",
                                   "insert into recipes (recipeName, recipeText) values ('apple', 'peel')"});
    const Rows found = rows("rowID,recipeName");
    SqlStatementFault fault("update \"recipes\"", 1);
    ui.dialogs().expectMsgBox(M::kAddingRating).expectMsgBox(M::kAddingRtf);
    answer("&Yes");
    ui.dialogs()
        .expectMsgBox(StartsWith("File backed up as: "))
        .expectMsgBox(M::withReason(M::kDB007, "interrupted"));
    startApp();
    ASSERT_EQ(backups().size(), 1u);
    EXPECT_EQ(selectRows(backups()[0], "select rowID,recipeName from recipes order by rowID"), found);
    EXPECT_EQ(rows("rowID,recipeName"), found);
}
