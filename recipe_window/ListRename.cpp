// Renaming a recipe in place in the found list, the header click and the
// list's cursor. The cell edit itself stores nothing: the name field follows
// the edit, so the name's save stores it, whether the edit ends with Return
// (which hands the name field the focus) or another command first passes
// commitPendingEdit.
#include "controls/doubleclick/DoubleClickListbox.h"
#include "framework/graphics/MouseCursor.h"
#include "framework/text/Strings.h"
#include "framework/ui/controls/EditField.h"
#include "recipe_window/Main.h"

void MainWindow::recipeList_CellDoubleClick(int32_t row, int32_t column) { recipeList->EditCell(row, column); }

void MainWindow::recipeList_CellTextChange(int32_t, int32_t) {
    if (recipeList->ListIndex >= 0) recipeName->Text = std::string(recipeList->Text);
}

// Return hands the name field the focus, whose save stores the name. A
// rename ended by commitPendingEdit is stored there, and the focus stays
// where the command that ended it puts it.
void MainWindow::recipeList_CellLostFocus(int32_t, int32_t) {
    if (!editor_.endingCellEdit()) recipeName->SetFocus();
}

// The window left while a cell is renamed: the cell stays open for the
// user's return, and the name it holds is stored now.
void MainWindow::recipeList_LostFocus(FocusLoss why) { editor_.fieldLeft(RecipeEditor::Field::ListCell, why); }

// The list is read again under the current search with the same recipe
// selected; returning False then lets the list sort its rows by the heading.
bool MainWindow::recipeList_HeaderPressed(int32_t) {
    const int32_t row = recipeList->ListIndex;
    const int64_t rowID = row >= 0 ? static_cast<int64_t>(Val(recipeList->Cell(row, 1))) : 0;
    updateFoundList(rowID, Searchfield().Text);
    return false;
}

void MainWindow::recipeList_MouseEnter() { recipeList->MouseCursor = ArrowCursor(); }
