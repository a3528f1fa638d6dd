// Renaming a recipe in place in the found list, the header click and the
// list's cursor. The cell edit itself stores nothing: the name field follows
// the edit, and the name field's own save writes the name when it loses the
// focus, which the end of the edit hands it.
#include "controls/doubleclick/DoubleClickListbox.h"
#include "framework/graphics/MouseCursor.h"
#include "framework/text/Strings.h"
#include "framework/ui/controls/EditField.h"
#include "recipe_window/Main.h"

void MainWindow::recipeList_CellDoubleClick(int32_t row, int32_t column) { recipeList->EditCell(row, column); }

void MainWindow::recipeList_CellTextChange(int32_t, int32_t) {
    if (recipeList->ListIndex >= 0) recipeName->Text = std::string(recipeList->Text);
}

void MainWindow::recipeList_CellLostFocus(int32_t, int32_t) { recipeName->SetFocus(); }

// The list is read again under the current search with the same recipe
// selected; returning False then lets the list sort its rows by the heading.
bool MainWindow::recipeList_HeaderPressed(int32_t) {
    const int32_t row = recipeList->ListIndex;
    const int64_t rowID = row >= 0 ? static_cast<int64_t>(Val(recipeList->Cell(row, 1))) : 0;
    updateFoundList(rowID, Searchfield().Text);
    return false;
}

void MainWindow::recipeList_MouseEnter() { recipeList->MouseCursor = ArrowCursor(); }
