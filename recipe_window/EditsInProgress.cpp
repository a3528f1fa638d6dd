// The edit in progress of the main window. Every editor's value is compared
// with what the shown recipe holds in the database (remembered when it was
// shown and after each save), so an edit is found wherever the focus is: in
// the name, keywords or text field, in a list cell being renamed, or in the
// text's styles changed from the font palette. commitPendingEdit stores all
// of them; showing another recipe, emptying the editors and refilling the
// list go through it first, so no later path can drop an edit.
#include "app/Larderwise.h"
#include "controls/doubleclick/DoubleClickListbox.h"
#include "controls/rating/RatingWidget.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/ui/controls/EditField.h"
#include "recipe_window/Main.h"

bool MainWindow::commitPendingEdit() { return editor_.store(RecipeEditor::Asker::Refill); }

bool MainWindow::commitPendingEditForCommand() { return editor_.store(RecipeEditor::Asker::Command); }

MainWindow::StoredValues MainWindow::shownValues() const {
    return {recipeName->Text, recipeKeywords->Text, recipeRating->rating, RecipeText->ChangeCount()};
}

void MainWindow::rememberShownValues() {
    stored_ = shownValues();
    editor_.forgetAllFailures();  // another recipe, or the same one as stored: nothing failed of it yet
}

bool MainWindow::editPending() const { return saveAllowed() && (shownValues() != stored_ || photoUnsaved_); }

MainWindow::UpdateOutcome MainWindow::commitUpdateOf(const std::string& part) {
    REALSQLDatabase& db = *App().db;
    if (db.RowsChanged() != 1) {
        db.SQLExecute("rollback");  // the update's transaction holds a write lock even for no row
        sayRecipeGone(part);
        return UpdateOutcome::Gone;
    }
    db.SQLExecute("commit");
    if (!db.Error()) {
        editor_.forgetToldFailures(part);
        return UpdateOutcome::Stored;
    }
    const std::string why = db.ErrorMessage();
    // The edit lives on in its editor and is written again by the next try;
    // a transaction left open would keep a lock that stops other programs
    // from even reading the file.
    db.SQLExecute("rollback");
    editor_.sayFailedSave(part, "Error 302: Could not save the recipe's " + part + ". " + why);
    return UpdateOutcome::Failed;
}

void MainWindow::sayRecipeGone(const std::string& part) {
    editor_.tell("Error 303: Could not save the recipe's " + part + ". The recipe is no longer in the database.");
}

int32_t MainWindow::rowOfRecipe(int64_t rowID) {
    for (int32_t row = 0; row < recipeList->ListCount(); ++row)
        if (static_cast<ListboxTag>(recipeList->CellTag(row, 0)).Int64Value() == rowID) return row;
    return -1;
}

void MainWindow::reselectShownRecipe() {
    const int32_t row = rowOfRecipe(recRowID);
    if (row < 0) return;
    editor_.putBackSelection(row);
}
