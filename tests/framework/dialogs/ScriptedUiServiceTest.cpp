#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "framework/dialogs/FileDialogs.h"
#include "framework/dialogs/MessageDialog.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/dialogs/SelectColor.h"
#include "framework/files/FolderItem.h"
#include "framework/menus/MenuItem.h"
#include "tests/support/ScriptedUiService.h"

namespace {

using testing::HasSubstr;

TEST(ScriptedUiService, AnUnexpectedDialogFailsTheTestAndDoesNotBlock) {
    ScopedScriptedUi ui;
    int32_t answer = 0;
    EXPECT_NONFATAL_FAILURE(answer = MsgBox("Error 610"), "Unexpected MsgBox \"Error 610\"");
    EXPECT_EQ(answer, 1);
    MessageDialog dialog;
    dialog.CancelButton.Visible = true;
    MessageDialogButton* pressed = nullptr;
    EXPECT_NONFATAL_FAILURE(pressed = dialog.ShowModal(), "Unexpected MessageDialog");
    EXPECT_EQ(pressed, &dialog.CancelButton);  // the harmless answer
    EXPECT_EQ(ui->calls().size(), 2u);
}

TEST(ScriptedUiService, ADialogOfAnotherKindThanExpectedFails) {
    ScopedScriptedUi ui;
    ui->expectOpenFile("/tmp/backup.rsd");
    EXPECT_NONFATAL_FAILURE(MsgBox("Backed up."), "expected a OpenDialog");
    // The awaited dialog may still come and gets its answer.
    OpenDialog open;
    auto chosen = open.ShowModal();
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->AbsolutePath(), "/tmp/backup.rsd");
}

TEST(ScriptedUiService, TextThatDoesNotMatchFails) {
    ScopedScriptedUi ui;
    ui->expectMsgBox("Recipe saved.");
    EXPECT_NONFATAL_FAILURE(MsgBox("Recipe not saved."), "does not match");
}

TEST(ScriptedUiService, AnExpectationNeverUsedFailsAtTheEndOfTheScope) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScopedScriptedUi ui;
            ui->expectMsgBox(HasSubstr("export"));
        },
        "was never shown");
}

TEST(ScriptedUiService, AnswersFromTheScriptAndRecordsEveryText) {
    ScopedScriptedUi ui;
    ui->expectMsgBox(HasSubstr("not found"), 1).expectMessageDialogPressing("Delete the recipe?", "&Delete Recipe");
    MsgBox("Database recipeDB.rsd not found.", 0, "Larderwise");

    MessageDialog dialog;
    dialog.Message = "Delete the recipe?";
    dialog.Explanation = "This cannot be undone.";
    dialog.ActionButton.Caption = "&Delete Recipe";
    dialog.ActionButton.Default = false;
    dialog.CancelButton.Visible = true;
    dialog.CancelButton.Default = true;
    EXPECT_EQ(dialog.ShowModal(), &dialog.ActionButton);

    ASSERT_EQ(ui->calls().size(), 2u);
    EXPECT_EQ(ui->calls()[0].title, "Larderwise");
    const UiCall& question = ui->calls()[1];
    EXPECT_EQ(question.explanation, "This cannot be undone.");
    EXPECT_EQ(question.captions, (std::vector<std::string>{"&Delete Recipe", "Cancel"}));
    EXPECT_EQ(question.defaultCaption, "Cancel");
    EXPECT_EQ(ui->messages(), (std::vector<std::string>{"Database recipeDB.rsd not found.", "Delete the recipe?"}));
}

TEST(ScriptedUiService, PressingAHiddenButtonFails) {
    ScopedScriptedUi ui;
    ui->expectMessageDialogPressing("Quit?", "Cancel");
    MessageDialog dialog;
    dialog.Message = "Quit?";
    MessageDialogButton* pressed = nullptr;
    EXPECT_NONFATAL_FAILURE(pressed = dialog.ShowModal(), "no visible button \"Cancel\"");
    EXPECT_EQ(pressed, &dialog.ActionButton);  // the only button there is
}

TEST(ScriptedUiService, PopUpChoosesByTextAndRecordsChecks) {
    ScopedScriptedUi ui;
    ui->expectPopUp("Keywords").expectPopUp(std::nullopt);
    MenuItem menu;
    for (const char* text : {"Everywhere", "-", "Keywords"}) menu.Append(std::make_shared<MenuItem>(text));
    menu.Item(2)->Checked = true;
    MenuItem* chosen = menu.PopUp(100, 126);
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->Index(), 2);
    EXPECT_EQ(menu.PopUp(100, 126), nullptr);
    const UiCall& shown = ui->calls()[0];
    EXPECT_EQ(shown.captions, (std::vector<std::string>{"Everywhere", "-", "Keywords"}));
    EXPECT_EQ(shown.checked, (std::vector<bool>{false, false, true}));
    EXPECT_EQ(shown.y, 126);
}

TEST(ScriptedUiService, ColourPickerWritesBackOnlyWhenConfirmed) {
    ScopedScriptedUi ui;
    ui->expectSelectColor(0x336699).expectSelectColor(std::nullopt);
    uint32_t color = 0;
    EXPECT_TRUE(SelectColor(color, "Choose a color for the text:"));
    EXPECT_EQ(color, 0x336699u);
    EXPECT_FALSE(SelectColor(color, "Choose a color for the text:"));
    EXPECT_EQ(color, 0x336699u);
    EXPECT_EQ(ui->calls()[0].text, "Choose a color for the text:");
}

TEST(ScriptedUiService, FileDialogsRecordTheirTextsAndResolvedFilters) {
    setFileFilterResolver([](const std::string& names) {
        return std::vector<FileFilter>{{names, {"*.rsd"}}};
    });
    ScopedScriptedUi ui;
    ui->expectSaveFile(std::nullopt);
    SaveAsDialog save;
    save.Title = "Export recipes";
    save.InitialDirectory = FolderItem::fromPath("/tmp/exports");
    save.SuggestedFileName = "Recipes.txt";
    save.Filter = "REALSQLDatabase";
    EXPECT_EQ(save.ShowModal(), nullptr);
    const UiCall& shown = ui->calls()[0];
    EXPECT_EQ(shown.title, "Export recipes");
    EXPECT_EQ(shown.file.initialDirectory, "/tmp/exports");
    EXPECT_EQ(shown.file.suggestedFileName, "Recipes.txt");
    ASSERT_EQ(shown.file.filters.size(), 1u);
    EXPECT_EQ(shown.file.filters[0].patterns, (std::vector<std::string>{"*.rsd"}));
    setFileFilterResolver(nullptr);
}

TEST(ScriptedUiService, PrintDialogsReplaceTheSettingsOnlyWhenConfirmed) {
    ScopedScriptedUi ui;
    PrintSettings chosen;
    chosen.copies = 2;
    chosen.firstPage = 2;
    chosen.lastPage = 3;
    ui->expectPrinterDialog(chosen).expectPageSetup(std::nullopt);
    PrintSettings settings;
    EXPECT_TRUE(uiService().printerDialog(settings));
    EXPECT_EQ(settings.copies, 2);
    EXPECT_EQ(settings.lastPage, 3);
    settings.landscape = true;
    EXPECT_FALSE(uiService().pageSetup(settings));
    EXPECT_TRUE(settings.landscape);
}

TEST(ScriptedUiService, SpeechAndUrlsAreRecordedNotScripted) {
    ScopedScriptedUi ui;
    uiService().speak("Two cups of flour", true);
    uiService().openURL("https://example.org/help");
    EXPECT_EQ(ui->spoken(), (std::vector<std::pair<std::string, bool>>{{"Two cups of flour", true}}));
    EXPECT_EQ(ui->openedURLs(), (std::vector<std::string>{"https://example.org/help"}));
}

TEST(ScriptedUiService, ThePreviousServiceComesBackAfterTheScope) {
    UiService* before = &installedUiService();
    {
        ScopedScriptedUi ui;
        EXPECT_EQ(&installedUiService(), &*ui);
    }
    EXPECT_EQ(&installedUiService(), before);
}

}  // namespace
