// The list's Command-K and Command-U: kitchen mode with the recipe's plain
// text, and the unit converter, each shown as it is.
#include "recipe_window/Main.h"

void MainWindow::showKitchenModeFromList() {}

void MainWindow::showUnitConverterFromList() {}
