// Saving the name, keywords and rating of the shown recipe as the user
// leaves each editor, and the one explicit save of the edit in progress.
#include "app/Larderwise.h"
#include "controls/doubleclick/DoubleClickCanvas.h"
#include "controls/doubleclick/DoubleClickListbox.h"
#include "controls/rating/RatingWidget.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/menus/MenuItem.h"
#include "framework/text/Strings.h"
#include "framework/ui/FocusModel.h"
#include "framework/ui/controls/EditField.h"
#include "recipe_window/Main.h"
#include "recipe_window/RecipeStatements.h"

namespace {

// The database's primary result code for a violated constraint (UNIQUE on
// recipeName in some old databases).
constexpr int32_t kConstraintViolation = 19;

const char* const kError300 = "Error 300 occurred while updating the recipe.";

// Marks a save as running for as long as it runs, however it ends.
class SavingScope {
public:
    explicit SavingScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~SavingScope() { flag_ = false; }

private:
    bool& flag_;
};

void commit() { App().db->SQLExecute("commit"); }

}  // namespace

bool MainWindow::saveAllowed() const { return recRowID != 0 && !std::string(recipeName->Text).empty(); }

void MainWindow::commitPendingEdit() {
    if (saving_ || !focusModel().holding()) return;
    RectControl* focused = focusModel().focused();
    if (focused == recipeName) recipeName_LostFocus();
    else if (focused == recipeKeywords) recipeKeywords_LostFocus();
    else if (focused == RecipeText) RecipeText_LostFocus();
    else if (focused == recipePhoto) recipePhoto_LostFocus();
}

void MainWindow::recipeName_LostFocus() {
    if (saving_) return;  // a message box of this very save took the focus
    SavingScope scope(saving_);
    if (!saveAllowed()) recipeName->Text = std::string();
    else if (!saveName()) return;
    recipeName->SelLength = 0;
    updateFoundList(recRowID, Searchfield().Text);
}

// Answers whether the list should be refreshed: False when the name could not
// be stored, so the field keeps what the user typed.
bool MainWindow::saveName() {
    const std::string name = recipeName->Text;
    if (execute(updateColumnStatement("recipeName", name, recRowID))) {
        const int32_t row = recipeList->ListIndex;
        if (row >= 0) recipeList->Cell(row, 0) = name;
        commit();
        return true;
    }
    if (App().db->ErrorCode() != kConstraintViolation) {
        MsgBox(kError300);
        return false;
    }
    MsgBox("Recipe names in certain old databases must be unique!. Saving as '" + name + " copy'.");
    recipeName->Text = name + " copy";
    if (!execute(updateColumnStatement("recipeName", recipeName->Text, recRowID))) {
        recipeNameInvalid = true;
        // The user was just told the copy name would be saved; say it was not.
        MsgBox(kError300);
        return false;
    }
    commit();
    return true;
}

void MainWindow::recipeName_TextChange() {
    // With no row selected (during a refill, or no recipe shown) there is
    // no row the name belongs to.
    const int32_t row = recipeList->ListIndex;
    if (row < 0 || recRowID == 0) return;
    recipeList->Cell(row, 0) = recipeName->Text;
}

void MainWindow::saveColumnOrWarn(const std::string& column, const std::string& value) {
    if (!saveAllowed()) return;
    if (execute(updateColumnStatement(column, value, recRowID))) commit();
    else MsgBox(kError300);
}

void MainWindow::recipeKeywords_LostFocus() {
    if (saving_) return;
    SavingScope scope(saving_);
    saveColumnOrWarn("recipeKeywords", recipeKeywords->Text);
    recipeKeywords->SelLength = 0;
}

void MainWindow::recipeRating_MouseUp(int32_t, int32_t) {
    if (saving_) return;
    SavingScope scope(saving_);
    // Written as quoted digits; the column's integer affinity stores a number.
    saveColumnOrWarn("recipeRating", std::to_string(static_cast<int32_t>(recipeRating->rating)));
}

void MainWindow::recipeKeywords_GotFocus() {
    if (recipeNameInvalid) refocusNameField();
}

void MainWindow::refocusNameField() {
    recipeName->SetFocus();
    recipeName->SelStart = 0;
    recipeName->SelLength = Len(recipeName->Text);
    recipeNameInvalid = false;
}

void MainWindow::recipeName_EnableMenuItems() {
    if (MenuItem* format = FormatMenu()) format->Enabled = false;
}

void MainWindow::recipeKeywords_EnableMenuItems() { recipeName_EnableMenuItems(); }

void MainWindow::recipeRating_EnableMenuItems() { recipeName_EnableMenuItems(); }
