// Handlers and methods of the main window whose work arrives with the recipe
// text editor, list keys and renaming, the photo, export and import,
// printing, formatting and kitchen mode. They are bound already, so each
// feature only fills in its body.
#include "controls/doubleclick/DoubleClickCanvas.h"
#include "framework/menus/MenuItem.h"
#include "framework/text/Strings.h"
#include "recipe_window/Main.h"

// List: the Format menu is for the recipe text only.
void MainWindow::recipeList_EnableMenuItems() {
    if (MenuItem* format = FormatMenu()) format->Enabled = false;
}

// Import of files dropped on the window or opened from the desktop.
void MainWindow::Event_DropObject(std::shared_ptr<DragItem>, int32_t) {}
void MainWindow::droppedRecipe(std::shared_ptr<FolderItem> item) { droppedItems.push_back(std::move(item)); }

// Backup's other half, export and printing.
void MainWindow::exportRecipes() {}
std::string MainWindow::tab() const { return "\t"; }
std::string MainWindow::filterTabs(const std::string& s) const { return ReplaceAllB(ReplaceAllB(s, "\t", ""), "\r", "\n"); }
std::string MainWindow::Remove(const std::string& s, const std::string&) const { return s; }

// Menu commands.
bool MainWindow::_UtilitySpeakselection_Action() { return false; }
bool MainWindow::_RecipeKitchenmode_Action() { return false; }
bool MainWindow::_FileExportrecipes_Action() { return false; }
bool MainWindow::_RecipeUnitConverter_Action() { return false; }
bool MainWindow::_StyleBold_Action() { return false; }
bool MainWindow::_StyleItalic_Action() { return false; }
bool MainWindow::_StyleUnderline_Action() { return false; }
bool MainWindow::_SizeBigger_Action() { return false; }
bool MainWindow::_SizeSmaller_Action() { return false; }
bool MainWindow::_FormatColor_Action() { return false; }
bool MainWindow::_FontShowFonts_Action() { return false; }
bool MainWindow::_TextCenter_Action() { return false; }
bool MainWindow::_TextAlignLeft_Action() { return false; }
bool MainWindow::_TextAlignRight_Action() { return false; }
bool MainWindow::_FontPlainText_Action() { return false; }
