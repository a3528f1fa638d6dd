// The list's Command-K and Command-U. Unlike the Recipe menu's commands of
// the same purpose, the list hands kitchen mode the recipe's plain text at
// the window's own size, and shows the unit converter with nothing filled in.
#include "framework/ui/controls/EditField.h"
#include "recipe_window/Main.h"
#include "utility_windows/kitchen_mode/KitchenModeWindow.h"
#include "utility_windows/unit_converter/RecipeUnits.h"

void MainWindow::showKitchenModeFromList() {
    KitchenModeWindow& kitchen = kitchenModeWIndow();
    kitchen.Show();
    kitchen.bigRecipeText->Text = std::string(RecipeText->Text);
}

void MainWindow::showUnitConverterFromList() { recipeUnits().Show(); }
