// The main window's printing commands; the print job itself lives in
// recipe_window/print/.
#include "recipe_window/Main.h"
#include "recipe_window/print/MainPrinting.h"

void MainWindow::printRecipe() { MainPrinting::printRecipe(*this); }
bool MainWindow::_FileAppkFilePrint_Action() { return MainPrinting::_FileAppkFilePrint_Action(*this); }
bool MainWindow::_FilePageSetup_Action() { return MainPrinting::_FilePageSetup_Action(*this); }
