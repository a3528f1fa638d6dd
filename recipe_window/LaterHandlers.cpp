// Handlers and methods of the main window whose work arrives with the recipe
// text editor, list keys and renaming, the photo, export and import,
// printing, formatting and kitchen mode. They are bound already, so each
// feature only fills in its body.
#include "controls/doubleclick/DoubleClickCanvas.h"
#include "framework/menus/MenuItem.h"
#include "framework/text/Strings.h"
#include "recipe_window/Main.h"

// List keys, type-ahead, renaming in place and the header.
bool MainWindow::recipeList_KeyDown(const std::string&) { return false; }
void MainWindow::recipeList_CellTextChange(int32_t, int32_t) {}
void MainWindow::recipeList_CellDoubleClick(int32_t, int32_t) {}
bool MainWindow::recipeList_HeaderPressed(int32_t) { return false; }
void MainWindow::recipeList_CellLostFocus(int32_t, int32_t) {}
void MainWindow::recipeList_MouseEnter() {}
// The Format menu is for the recipe text only.
void MainWindow::recipeList_EnableMenuItems() {
    if (MenuItem* format = FormatMenu()) format->Enabled = false;
}

// Photo.
void MainWindow::recipePhoto_Open() {}
void MainWindow::recipePhoto_LostFocus() {}
void MainWindow::recipePhoto_DropObject(std::shared_ptr<DragItem>, int32_t) {}
bool MainWindow::recipePhoto_MouseDown(int32_t, int32_t) { return false; }
void MainWindow::recipePhoto_DoubleClick() {}

// Backup's other half.
void MainWindow::restoreDB() {}

// Menu commands.
bool MainWindow::_RecipeNextRecipe_Action() { return false; }
bool MainWindow::_RecipePreviousRecipe_Action() { return false; }
bool MainWindow::_FileRestorefrombackup_Action() { return false; }
