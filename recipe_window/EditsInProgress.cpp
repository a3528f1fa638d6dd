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
#include "framework/dialogs/MsgBox.h"
#include "framework/runtime/Clock.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/controls/EditField.h"
#include "recipe_window/Main.h"
#include "recipe_window/SavingScope.h"

bool MainWindow::commitPendingEdit() {
    if (saving_) return true;  // a save already running stores its own edit
    SavingScope scope(saving_);
    if (recipeList->CellEditing()) {
        // The name field has followed every keystroke of the cell; the
        // rename is saved with the name below.
        endingCellEdit_ = true;
        recipeList->EndCellEdit();
        endingCellEdit_ = false;
    }
    if (!saveAllowed()) return true;  // nothing shown, or an emptied name: nothing may be written
    if (failedMomentsAgo()) return false;
    bool stored = saveName();
    stored = saveKeywords() && stored;
    stored = saveRating() && stored;
    stored = saveRecipeText() && stored;
    stored = savePhoto() && stored;
    return noteSave(stored);
}

MainWindow::StoredValues MainWindow::shownValues() const {
    return {recipeName->Text, recipeKeywords->Text, recipeRating->rating, RecipeText->ChangeCount()};
}

void MainWindow::rememberShownValues() { stored_ = shownValues(); }

bool MainWindow::noteSave(bool stored) {
    if (!stored) {
        failedValues_ = shownValues();
        failedAt_ = Clock::microsecondsSinceStart();
    }
    return stored;
}

// Within a moment of a failure, with nothing changed since, it is the same
// user action: the user has just been told, and a second try would only wait
// out the same lock and show the same box. Closing always tries again.
bool MainWindow::failedMomentsAgo() const {
    constexpr int64_t kMoment = 100'000;  // microseconds; no second click or key comes this fast
    return failedAt_ >= 0 && !endingSoon() && Clock::microsecondsSinceStart() - failedAt_ < kMoment &&
           shownValues() == failedValues_;
}

MainWindow::UpdateOutcome MainWindow::commitUpdateOf(const std::string& part) {
    REALSQLDatabase& db = *App().db;
    if (db.RowsChanged() != 1) {
        db.SQLExecute("rollback");  // the update's transaction holds a write lock even for no row
        sayRecipeGone(part);
        return UpdateOutcome::Gone;
    }
    db.SQLExecute("commit");
    if (!db.Error()) return UpdateOutcome::Stored;
    const std::string why = db.ErrorMessage();
    // The edit lives on in its editor and is written again by the next try;
    // a transaction left open would keep a lock that stops other programs
    // from even reading the file.
    db.SQLExecute("rollback");
    MsgBox("Error 302: Could not save the recipe's " + part + ". " + why);
    return UpdateOutcome::Failed;
}

void MainWindow::sayRecipeGone(const std::string& part) {
    MsgBox("Error 303: Could not save the recipe's " + part + ". The recipe is no longer in the database.");
}

int32_t MainWindow::rowOfRecipe(int64_t rowID) {
    for (int32_t row = 0; row < recipeList->ListCount(); ++row)
        if (static_cast<ListboxTag>(recipeList->CellTag(row, 0)).Int64Value() == rowID) return row;
    return -1;
}

void MainWindow::reselectShownRecipe() {
    const int32_t row = rowOfRecipe(recRowID);
    if (row < 0) return;
    keepShownRecipe_ = true;
    recipeList->ListIndex = row;
    keepShownRecipe_ = false;
}

bool MainWindow::endingSoon() const { return isClosing() || Runtime::quitting(); }

bool MainWindow::focusLossSaves() const { return !saving_ && !endingSoon() && !failedMomentsAgo(); }
