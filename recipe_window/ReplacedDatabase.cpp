// The database file replaced under the program by another program (a sync
// tool, a restore made by hand, renaming a file over it). The connection
// still holds the file it opened, but the engine no longer writes it, and
// the file now at the path holds other recipes: listing from the one and
// storing into the other would mix two databases. So what the program holds
// is copied, as committed, into a file of its own beside the new one; the
// edit in progress and any made before the quit is done are stored there,
// the user is told where, and the program quits. The next start opens the
// new file, which this program never read nor wrote.
#include "app/DatabaseBackup.h"
#include "app/Larderwise.h"
#include "framework/data/Date.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/files/FolderItem.h"
#include "framework/ui/Runtime.h"
#include "recipe_window/Main.h"

void MainWindow::keepReplacedDatabaseAndQuit() {
    if (keptReplacedDatabase_) return;
    keptReplacedDatabase_ = true;
    REALSQLDatabase& db = *App().db;
    const std::shared_ptr<FolderItem> file = db.DatabaseFile();
    const std::shared_ptr<FolderItem> folder = file ? file->Parent() : nullptr;
    const std::shared_ptr<FolderItem> kept = folder ? folder->Child(keptFileName(Date())) : nullptr;
    const std::string replaced = "Another program replaced the recipe database \"" + (file ? file->Name() : "") +
                                 "\" while Larderwise had it open.";
    if (kept && db.KeepAs(kept->AbsolutePath())) {
        MsgBox(replaced + " What Larderwise had open is kept, with your changes, as \"" + kept->Name() +
               "\" in the same folder. Larderwise quits now and opens the new database when started again.");
    } else {
        MsgBox(replaced + " Larderwise could not keep what it had open (" + db.ErrorMessage() +
               "), so changes not yet stored are lost. Larderwise quits now and opens the new database when "
               "started again.");
    }
    Quit(0);  // queued: the edits in progress are stored in the kept copy on the way out
}
