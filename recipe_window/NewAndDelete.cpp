// Creating and deleting recipes, from the buttons below the list and from
// the Recipe menu.
#include <limits>
#include <optional>

#include "app/EndOfLine.h"
#include "app/Larderwise.h"
#include "controls/doubleclick/DoubleClickListbox.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/db/RecordSet.h"
#include "framework/dialogs/MessageDialog.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/text/Strings.h"
#include "framework/ui/controls/EditField.h"
#include "recipe_window/Main.h"
#include "recipe_window/RecipeStatements.h"

namespace {

const char* const kNewRecipeFailed = "Error NR002 creating new recipe record.";

}  // namespace

int64_t MainWindow::nextNewRecipeID() {
    // New and an import are commands: an edit that cannot be stored is said
    // every time, and stays on screen.
    if (!commitPendingEditForCommand() || !clearFields()) return 0;
    searchWhere = "Everywhere";
    Searchfield().Text = std::string();
    searchControl->SearchWhere = searchWhere;
    // The whole list comes back, but no recipe is shown from it: the new
    // one replaces whatever would be, and a long recipe's text would be
    // loaded and laid out again only to be thrown away.
    updateFoundList(kSelectNoRecipe, "");

    REALSQLDatabase& db = *App().db;
    std::shared_ptr<RecordSet> top = db.SQLSelect("select max(rowID) from recipes");
    if (db.Error() || !top) {
        showFirstRecipe();
        MsgBox("Error NR001 querying the database.");
        return 0;
    }
    // A NULL maximum (no recipes) reads as 0. At the largest rowID there is
    // no next one: the database would pick a random free rowID, which the
    // generated name and the selection would not match.
    const int64_t largest = top->EOF_() ? 0 : top->IdxField(1).Int64Value();
    if (largest == std::numeric_limits<int64_t>::max()) {
        showFirstRecipe();
        MsgBox(kNewRecipeFailed);
        return 0;
    }
    return largest + 1;
}

std::optional<MainWindow::NewRowFailure> MainWindow::insertNewRecipe(const RecipeStatement& insert) {
    REALSQLDatabase& db = *App().db;
    const bool inserted = execute(insert);
    if (inserted) {
        db.SQLExecute("commit");
        if (!db.Error()) return std::nullopt;
    }
    // The reason is read before the rollback replaces it; the rollback comes
    // before any message box, so no lock is held while the user reads it.
    NewRowFailure failure{!inserted, db.ErrorMessage()};
    db.SQLExecute("rollback");
    showFirstRecipe();  // no new recipe replaces it after all
    return failure;
}

void MainWindow::showFirstRecipe() { updateFoundList(0, ""); }

bool MainWindow::showNewRecipe(int64_t rowID, NewRecipeFocus focus) {
    updateFoundList(rowID, "");
    if (recRowID != rowID) return false;  // made, but the list cannot show it
    // Straight to the text: passing through the name would store it again
    // on the way and reload the recipe just shown.
    if (focus == NewRecipeFocus::Text) {
        RecipeText->SetFocus();
        return true;
    }
    recipeName->SetFocus();
    recipeName->SelStart = 0;
    recipeName->SelLength = Len(recipeName->Text);
    return true;
}

bool MainWindow::newRecipe() {
    const int64_t id = nextNewRecipeID();
    if (id == 0) return false;
    // The generated name goes into the name field only once its row exists:
    // until then the field belongs to the recipe shown, and the failure's box
    // taking the focus would have the name field store it there.
    if (std::optional<NewRowFailure> failure = insertNewRecipe(newRecipeStatement(untitledRecipeName(id)))) {
        MsgBox(failure->inInsert ? std::string(kNewRecipeFailed) : kNewRecipeFailed + EndOfLine() + failure->why);
        return false;
    }
    return showNewRecipe(id);
}

// The recipe deleted is the one the user was on when they asked, after its
// edit in progress is stored, and the question names it: a save that
// refills the list cannot make it another one.
void MainWindow::deleteRecipe() {
    const int64_t rowID = recRowID;
    if (!commitPendingEditForCommand()) return;
    const int32_t row = rowID != 0 && rowID == recRowID ? rowOfRecipe(rowID) : -1;
    if (row < 0) {
        MsgBox("Select a recipe to delete.");
        return;
    }
    const std::string name = recipeList->Cell(row, 0);

    MessageDialog question;
    question.Message = "Delete the recipe '" + name + "'?";
    question.Explanation = "Deleting recipes is a permanent action. Make sure you want to do it.";
    question.ActionButton.Caption = "&Delete Recipe";
    question.ActionButton.Default = false;
    question.CancelButton.Visible = true;
    question.CancelButton.Default = true;
    if (question.ShowModal() != &question.ActionButton) {
        // A rename stored on the way takes its place in the list.
        if (editor_.listStale()) updateFoundList(rowID, Searchfield().Text);
        return;
    }

    REALSQLDatabase& db = *App().db;
    if (!execute(deleteRecipeStatement(rowID))) {
        MsgBox("Error DR001:  Could not delete the recipe. " + db.ErrorMessage());
        return;
    }
    db.Commit();
    if (db.Error()) {
        // Not on disk: the recipe would come back at the next start.
        MsgBox("Error DR001:  Could not delete the recipe. " + db.ErrorMessage());
        db.Rollback();
        return;
    }
    if (recRowID == rowID) clearFields();
    updateFoundList(0, "");
}

void MainWindow::AddRecipe_Action() { newRecipe(); }

void MainWindow::deleteSelectedRecipe_Action() { deleteRecipe(); }

bool MainWindow::_RecipeNewRecipe_Action() {
    newRecipe();
    return false;
}

bool MainWindow::_RecipeDeleteRecipe_Action() {
    deleteRecipe();
    return false;
}
