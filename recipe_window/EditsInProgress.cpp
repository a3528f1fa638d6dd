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
#include "framework/ui/Runtime.h"
#include "framework/ui/UserAction.h"
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
    if (failedInThisAction() && !commandAsks_) return false;
    // The engine refuses to write a file another has taken the place of;
    // the edit goes into the copy kept of it instead.
    if (editPending() && App().db->FileReplaced()) keepReplacedDatabaseAndQuit();
    if (replacedDatabase_.keptNowhere()) return false;  // held on screen for copying: nothing can store it
    bool stored = saveName();
    stored = saveKeywords() && stored;
    stored = saveRating() && stored;
    stored = saveRecipeText() && stored;
    stored = savePhoto() && stored;
    return noteSave(stored);
}

bool MainWindow::commitPendingEditForCommand() {
    const bool outer = commandAsks_;
    commandAsks_ = true;
    const bool stored = commitPendingEdit();
    commandAsks_ = outer;
    return stored;
}

MainWindow::StoredValues MainWindow::shownValues() const {
    return {recipeName->Text, recipeKeywords->Text, recipeRating->rating, RecipeText->ChangeCount()};
}

void MainWindow::rememberShownValues() {
    stored_ = shownValues();
    toldFailures_.clear();  // another recipe, or the same one as stored: nothing failed of it yet
}

bool MainWindow::editPending() const { return saveAllowed() && (shownValues() != stored_ || photoUnsaved_); }

bool MainWindow::noteSave(bool stored) {
    if (!stored) {
        failedValues_ = shownValues();
        failedInAction_ = UserAction::current();
    } else if (searchOwed_ && !editPending()) {
        // Searched once the handler that saved has ended, never inside it
        // (a focus change may be half done).
        searchControl->CallLater([this] {
            if (searchOwed_ && !editPending()) searchInBackground(Searchfield().Text, recRowID);
        });
    }
    return stored;
}

// The user action that was just told of a failure, with nothing changed
// since: a second try would only wait out the same lock and fail the same
// way. The next key or click tries again; closing always does.
bool MainWindow::failedInThisAction() const {
    return failedInAction_ == UserAction::current() && !endingSoon() && shownValues() == failedValues_;
}

std::string MainWindow::editOf(const std::string& part) const {
    if (part == "name") return recipeName->Text;
    if (part == "keywords") return recipeKeywords->Text;
    if (part == "rating") return std::to_string(recipeRating->rating);
    if (part == "text") return std::to_string(RecipeText->ChangeCount());
    if (part == "photo") return std::to_string(reinterpret_cast<uintptr_t>(photoUnsavedPicture_.get()));
    return std::string();
}

// On a full disk every later save fails too: telling each retry again would
// put a box in front of every key typed in the search field. A command the
// user chose is no retry: it stops for the failure, so it always says why.
void MainWindow::sayFailedSave(const std::string& part, const std::string& message, const std::string& toldAs) {
    const std::string edit = editOf(part);
    const std::pair<std::string, std::string> key{part, toldAs.empty() ? message : toldAs};
    const auto told = toldFailures_.find(key);
    if (told != toldFailures_.end() && told->second == edit && !endingSoon() && !commandAsks_) return;
    toldFailures_[key] = edit;
    tell(message);
}

void MainWindow::forgetToldFailures(const std::string& part) {
    std::erase_if(toldFailures_, [&](const auto& told) { return told.first.first == part; });
}

MainWindow::UpdateOutcome MainWindow::commitUpdateOf(const std::string& part) {
    REALSQLDatabase& db = *App().db;
    if (db.RowsChanged() != 1) {
        db.SQLExecute("rollback");  // the update's transaction holds a write lock even for no row
        sayRecipeGone(part);
        return UpdateOutcome::Gone;
    }
    db.SQLExecute("commit");
    if (!db.Error()) {
        forgetToldFailures(part);
        return UpdateOutcome::Stored;
    }
    const std::string why = db.ErrorMessage();
    // The edit lives on in its editor and is written again by the next try;
    // a transaction left open would keep a lock that stops other programs
    // from even reading the file.
    db.SQLExecute("rollback");
    sayFailedSave(part, "Error 302: Could not save the recipe's " + part + ". " + why);
    return UpdateOutcome::Failed;
}

void MainWindow::sayRecipeGone(const std::string& part) {
    tell("Error 303: Could not save the recipe's " + part + ". The recipe is no longer in the database.");
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

bool MainWindow::focusLossSaves() const {
    return !saving_ && !endingSoon() && !failedInThisAction() && !replacedDatabase_.keptNowhere();
}
