// The database file replaced under the program by another program (a sync
// tool, a restore made by hand, renaming a file over it). The connection
// still holds the file it opened, but the engine no longer writes it, and
// the file now at the path holds other recipes: listing from the one and
// storing into the other would mix two databases. So what the program holds
// is copied, as committed, into a file of its own (KeptDatabase.h); the
// edit in progress and any made before the quit is done are stored there,
// the user is told where, and the program quits. The next start opens the
// new file, which this program never read nor wrote.
//
// When no folder takes the copy, quitting would throw the edit away: the
// window stays instead, its editors read-only, so the user can copy the
// text out before quitting.
#include "app/KeptDatabase.h"
#include "app/Larderwise.h"
#include "controls/doubleclick/DoubleClickCanvas.h"
#include "controls/rating/RatingWidget.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/files/FolderItem.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/controls/EditField.h"
#include "recipe_window/Main.h"

void MainWindow::keepReplacedDatabaseAndQuit() {
    if (replacedDatabase_.met()) return;
    REALSQLDatabase& db = *App().db;
    const std::shared_ptr<FolderItem> file = db.DatabaseFile();
    const std::string replaced = "Another program replaced the recipe database \"" + (file ? file->Name() : "") +
                                 "\" while Larderwise had it open.";
    const KeptDatabase kept = keepHeldDatabase(db);
    if (kept.file && kept.besideTheDatabase) {
        replacedDatabase_.noteKept();
        MsgBox(replaced + " What Larderwise had open is kept, with your changes, as \"" + kept.file->Name() +
               "\" in the same folder. Larderwise quits now and opens the new database when started again.");
    } else if (kept.file) {
        replacedDatabase_.noteKept();
        MsgBox(replaced + " What Larderwise had open is kept, with your changes, as \"" + kept.file->AbsolutePath() +
               "\", as its own folder could not take it. Larderwise quits now and opens the new database when "
               "started again. (" + kept.whyNot + ")");
    } else {
        replacedDatabase_.noteKeptNowhere();
        holdEditForCopying();
        // What the user must do comes first: a long text is cut in the box.
        MsgBox(replaced + " No folder could take a copy of what Larderwise had open, so your changes not yet "
               "stored cannot be stored. The window stays open with its fields read-only: copy out what you want "
               "to keep, then quit Larderwise. It opens the new database when started again. (" + kept.whyNot + ")");
        return;
    }
    Quit(0);  // queued: the edits in progress are stored in the kept copy on the way out
}

void MainWindow::holdEditForCopying() {
    for (EditField* editor : {recipeName, recipeKeywords, RecipeText}) editor->ReadOnly = true;
    recipeRating->Enabled = false;
    recipePhoto->Enabled = false;
}

bool MainWindow::staysForUnkeptEdit() {
    // Told before, the user has had the edit to copy; and nothing pending,
    // or the file where it was, the quit stores (or loses) nothing new.
    if (replacedDatabase_.met() || !editPending() || !App().db->FileReplaced()) return false;
    keepReplacedDatabaseAndQuit();
    return replacedDatabase_.keptNowhere();
}
