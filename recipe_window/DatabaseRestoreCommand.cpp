// The File menu's restore command on the main window.
#include "controls/doubleclick/DoubleClickListbox.h"
#include "framework/files/FolderItem.h"
#include "framework/ui/controls/EditField.h"
#include "app/DatabaseRestore.h"
#include "framework/ui/Runtime.h"
#include "recipe_window/Main.h"

bool MainWindow::_FileRestorefrombackup_Action() {
    restoreDB();
    return false;
}

void MainWindow::restoreDB() {
    // An edit that cannot be stored would be lost with the old file: the
    // restore is not even offered until it is.
    if (!commitPendingEditForCommand()) return;
    const std::shared_ptr<FolderItem> backup = chooseBackupToRestore();
    if (!backup) return;
    // The editor in use saves now, into the database it belongs to, and no
    // editor holds the focus while the file is swapped: a save in between
    // would go to a closed connection, or into the restored recipes.
    RectControl* editing = Focus();
    ClearFocus();
    // An edit made since (none can be, the dialogs being modal) must not be
    // written into the restored recipes, nor thrown away.
    if (!commitPendingEditForCommand() || !restoreDatabaseFrom(*backup)) {
        if (editing && !Runtime::quitting()) editing->SetFocus();
        return;
    }
    updateFoundList(0, Searchfield().Text);
    recipeList->SetFocus();
}
