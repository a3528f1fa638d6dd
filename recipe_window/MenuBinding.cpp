// The menu items the main window serves, and which of them it offers when.
// Every action returns False once its work is done.
#include "controls/doubleclick/DoubleClickListbox.h"
#include "framework/menus/MenuItem.h"
#include "framework/ui/controls/EditField.h"
#include "recipe_window/Main.h"

void MainWindow::AddMenuHandlers() {
    AddMenuHandler("UtilitySpeakselection", [this] { return _UtilitySpeakselection_Action(); });
    AddMenuHandler("RecipeNewRecipe", [this] { return _RecipeNewRecipe_Action(); });
    AddMenuHandler("RecipeDeleteRecipe", [this] { return _RecipeDeleteRecipe_Action(); });
    AddMenuHandler("FileClose", [this] { return _FileClose_Action(); });
    AddMenuHandler("RecipeNextRecipe", [this] { return _RecipeNextRecipe_Action(); });
    AddMenuHandler("RecipePreviousRecipe", [this] { return _RecipePreviousRecipe_Action(); });
    AddMenuHandler("FileRestorefrombackup", [this] { return _FileRestorefrombackup_Action(); });
    AddMenuHandler("FileBackupDatabase", [this] { return _FileBackupDatabase_Action(); });
    AddMenuHandler("RecipeKitchenmode", [this] { return _RecipeKitchenmode_Action(); });
    AddMenuHandler("FileAppkFilePrint", [this] { return _FileAppkFilePrint_Action(); });
    AddMenuHandler("FilePageSetup", [this] { return _FilePageSetup_Action(); });
    AddMenuHandler("FileExportrecipes", [this] { return _FileExportrecipes_Action(); });
    AddMenuHandler("RecipeUnitConverter", [this] { return _RecipeUnitConverter_Action(); });
    AddMenuHandler("StyleBold", [this] { return _StyleBold_Action(); });
    AddMenuHandler("StyleItalic", [this] { return _StyleItalic_Action(); });
    AddMenuHandler("StyleUnderline", [this] { return _StyleUnderline_Action(); });
    AddMenuHandler("SizeBigger", [this] { return _SizeBigger_Action(); });
    AddMenuHandler("SizeSmaller", [this] { return _SizeSmaller_Action(); });
    AddMenuHandler("FormatColor", [this] { return _FormatColor_Action(); });
    AddMenuHandler("FontShowFonts", [this] { return _FontShowFonts_Action(); });
    AddMenuHandler("TextCenter", [this] { return _TextCenter_Action(); });
    AddMenuHandler("TextAlignLeft", [this] { return _TextAlignLeft_Action(); });
    AddMenuHandler("TextAlignRight", [this] { return _TextAlignRight_Action(); });
    AddMenuHandler("FontPlainText", [this] { return _FontPlainText_Action(); });
}

// Runs after the focused control's own enabling. Kitchen mode needs a recipe
// selected in the list. The Format menu acts on the recipe text only, so it
// is offered only while the recipe text has the focus: the editors' handlers
// say so for themselves, and this covers the controls that have no say (the
// search field, the photo) and a window with no focus at all.
void MainWindow::Event_EnableMenuItems() {
    if (MenuItem* item = RecipeKitchenmode()) item->Enabled = recipeList->ListIndex >= 0;
    if (MenuItem* format = FormatMenu()) format->Enabled = Focus() == RecipeText;
}

// The list's own enabling: the Format menu is for the recipe text only.
void MainWindow::recipeList_EnableMenuItems() {
    if (MenuItem* format = FormatMenu()) format->Enabled = false;
}
