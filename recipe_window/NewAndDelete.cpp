// Creating and deleting recipes, from the buttons below the list and from
// the Recipe menu.
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

bool MainWindow::newRecipe() {
    commitPendingEdit();  // the editors are about to be emptied
    clearFields();
    searchWhere = "Everywhere";
    Searchfield().Text = std::string();
    searchControl->SearchWhere = searchWhere;
    updateFoundList(0, "");

    REALSQLDatabase& db = *App().db;
    std::shared_ptr<RecordSet> top = db.SQLSelect("select max(rowID) from recipes");
    if (db.Error() || !top) {
        MsgBox("Error NR001 querying the database.");
        return false;
    }
    // A NULL maximum (no recipes) reads as 0.
    const int64_t id = (top->EOF_() ? 0 : top->IdxField(1).Int64Value()) + 1;
    recipeName->Text = "Untitled Recipe " + std::to_string(id);
    const bool created = execute(newRecipeStatement(recipeName->Text));
    if (created) {
        db.SQLExecute("commit");
    } else {
        MsgBox("Error NR002 creating new recipe record.");
        db.SQLExecute("rollback");
    }
    recRowID = id;
    updateFoundList(id, "");
    // After a failure the first recipe is shown: its name must not be
    // selected for typing over.
    if (created) {
        recipeName->SetFocus();
        recipeName->SelStart = 0;
        recipeName->SelLength = Len(recipeName->Text);
    }
    return created;
}

void MainWindow::deleteRecipe() {
    commitPendingEdit();
    const int32_t row = recipeList->ListIndex;
    if (row < 0) {
        MsgBox("Select a recipe to delete.");
        return;
    }
    // The recipe deleted is the one the question names: the selected row's.
    const std::string name = recipeList->Cell(row, 0);
    const int64_t rowID = static_cast<ListboxTag>(recipeList->CellTag(row, 0)).Int64Value();

    MessageDialog question;
    question.Message = "Delete the recipe '" + name + "'?";
    question.Explanation = "Deleting recipes is a permanent action. Make sure you want to do it.";
    question.ActionButton.Caption = "&Delete Recipe";
    question.ActionButton.Default = false;
    question.CancelButton.Visible = true;
    question.CancelButton.Default = true;
    if (question.ShowModal() != &question.ActionButton) return;

    REALSQLDatabase& db = *App().db;
    if (!execute(deleteRecipeStatement(rowID))) {
        MsgBox("Error DR001:  Could not delete the recipe. " + db.ErrorMessage());
        return;
    }
    db.Commit();
    clearFields();
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
