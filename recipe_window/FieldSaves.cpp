// Saving the name, keywords and rating of the shown recipe as the user
// leaves each editor; commitPendingEdit runs the same saves.
#include "app/Larderwise.h"
#include "controls/doubleclick/DoubleClickCanvas.h"
#include "controls/doubleclick/DoubleClickListbox.h"
#include "controls/rating/RatingWidget.h"
#include "framework/db/REALSQLDatabase.h"
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

}  // namespace

bool MainWindow::saveAllowed() const { return recRowID != 0 && !std::string(recipeName->Text).empty(); }

void MainWindow::recipeName_LostFocus(FocusLoss why) { editor_.fieldLeft(RecipeEditor::Field::Name, why); }

// False when the name could not be stored, so the field keeps what the user
// typed and the list is not refilled.
bool MainWindow::saveName() {
    const std::string name = recipeName->Text;
    if (!saveAllowed() || name == stored_.name) return true;
    if (execute(updateColumnStatement("recipeName", name, recRowID))) return storeNameOutcome(name);
    if (App().db->ErrorCode() != kConstraintViolation) {
        editor_.sayFailedSave("name", kError300);
        return false;
    }
    // Renamed " copy", the field would change under the caret: the name is
    // stored that way once the user leaves the field itself.
    if (editor_.storingInPlace()) return false;
    editor_.tell("Recipe names in certain old databases must be unique!. Saving as '" + name + " copy'.");
    recipeName->Text = name + " copy";
    if (!execute(updateColumnStatement("recipeName", recipeName->Text, recRowID))) {
        recipeNameInvalid = true;
        // The user was just told the copy name would be saved; say it was not.
        editor_.tell(kError300);
        return false;
    }
    return storeNameOutcome(recipeName->Text);
}

bool MainWindow::storeNameOutcome(const std::string& name) {
    const UpdateOutcome outcome = commitUpdateOf("name");
    if (outcome == UpdateOutcome::Failed) return false;
    stored_.name = name;
    editor_.nameStored();
    if (outcome == UpdateOutcome::Stored) {
        const int32_t row = recipeList->ListIndex;
        if (row >= 0) recipeList->Cell(row, 0) = name;
    }
    return true;
}

void MainWindow::recipeName_TextChange() {
    // With no row selected (during a refill, or no recipe shown) there is
    // no row the name belongs to.
    const int32_t row = recipeList->ListIndex;
    if (row < 0 || recRowID == 0) return;
    recipeList->Cell(row, 0) = recipeName->Text;
}

// Keywords and rating are one column each, written when they differ from
// the stored value.
bool MainWindow::storeColumn(const std::string& column, const std::string& value, const std::string& part) {
    if (!execute(updateColumnStatement(column, value, recRowID))) {
        editor_.sayFailedSave(part, kError300);
        return false;
    }
    return commitUpdateOf(part) != UpdateOutcome::Failed;
}

bool MainWindow::saveKeywords() {
    const std::string keywords = recipeKeywords->Text;
    if (!saveAllowed() || keywords == stored_.keywords) return true;
    if (storeColumn("recipeKeywords", keywords, "keywords")) stored_.keywords = keywords;
    return keywords == stored_.keywords;
}

bool MainWindow::saveRating() {
    const int32_t rating = recipeRating->rating;
    if (!saveAllowed() || rating == stored_.rating) return true;
    // Written as quoted digits; the column's integer affinity stores a number.
    if (storeColumn("recipeRating", std::to_string(rating), "rating")) stored_.rating = rating;
    return rating == stored_.rating;
}

void MainWindow::recipeKeywords_LostFocus(FocusLoss why) { editor_.fieldLeft(RecipeEditor::Field::Keywords, why); }

void MainWindow::recipeRating_MouseUp(int32_t, int32_t) { editor_.ratingChanged(); }

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
