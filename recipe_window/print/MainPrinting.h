#pragma once
// The main window's printing commands. MainWindow's handlers of the same
// names hand over to these.
class MainWindow;

namespace MainPrinting {

// Page Setup...: the dialog starts from the window's page setup; OK replaces
// it, Cancel keeps it. Answers False (done).
bool _FilePageSetup_Action(MainWindow& main);
// Print...: printRecipe. Answers False (done).
bool _FileAppkFilePrint_Action(MainWindow& main);
// Prints the shown recipe, or says that no recipe is selected.
void printRecipe(MainWindow& main);

}  // namespace MainPrinting
