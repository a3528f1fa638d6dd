#include "app/DatabaseRestore.h"

#include "app/Larderwise.h"
#include "app/file_types/DatabaseFileTypes.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/dialogs/FileDialogs.h"
#include "framework/dialogs/MessageDialog.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/files/FolderItem.h"
#include "framework/ui/Runtime.h"

namespace {

const char* const kRestoreFailed = "Error -10 restoring the database.";

// Working names beside the database; nothing is left under them afterwards.
const char* const kIncomingName = ".recipeDB restoring.rsd";
const char* const kPreviousName = ".recipeDB before restore.rsd";

bool userConfirms() {
    MessageDialog dialog;
    dialog.Message = "Restore recipesDB database file from a backup";
    dialog.Explanation = "If you haven't backed up the current database, it will be overwritten. Please backup first.";
    dialog.ActionButton.Caption = "Restore";
    dialog.CancelButton.Caption = "Abort";
    dialog.CancelButton.Visible = true;
    return dialog.ShowModal() == &dialog.ActionButton;
}

std::shared_ptr<FolderItem> chooseBackup(const std::shared_ptr<FolderItem>& folder) {
    OpenDialog dialog;
    dialog.ActionButtonCaption = "Restore";
    dialog.CancelButtonCaption = "Cancel";
    dialog.InitialDirectory = folder;
    dialog.Filter = DatabaseFileTypes::All();
    dialog.PromptText = "Select a recipeDB backup file to restore:";
    return dialog.ShowModal();
}

void removeIfThere(const std::shared_ptr<FolderItem>& file) {
    if (file && file->Exists()) file->Delete();
}

// The backup's copy beside the database, checked; nothing when it cannot be
// made or is no recipe database. The backup itself is only read.
std::shared_ptr<FolderItem> incomingCopy(FolderItem& backup, const FolderItem& folder) {
    std::shared_ptr<FolderItem> incoming = folder.Child(kIncomingName);
    if (!incoming) return nullptr;
    if (backup.CopyFileTo(*incoming) && isRecipeDatabase(*incoming)) return incoming;
    removeIfThere(incoming);
    return nullptr;
}

// Puts the copy in the database's place: the current file is copied aside
// first (the connection is closed, so the file is whole), then the copy is
// renamed over it, so the database file is there at every moment. Answers
// the file that was aside, or nothing when the database is unchanged.
std::shared_ptr<FolderItem> swapIn(const std::shared_ptr<FolderItem>& incoming, FolderItem& database,
                                   const FolderItem& folder) {
    std::shared_ptr<FolderItem> previous = folder.Child(kPreviousName);
    if (!previous || !database.CopyFileTo(*previous)) {
        removeIfThere(previous);
        return nullptr;
    }
    if (!incoming->MoveFileTo(database)) {
        removeIfThere(previous);
        return nullptr;
    }
    database.setMacCreator("laWi");
    database.setMacType("RSdb");
    return previous;
}

}  // namespace

bool isRecipeDatabase(const FolderItem& file) {
    REALSQLDatabase db;
    db.SetDatabaseFile(file.AbsolutePath());
    if (!db.Connect()) return false;
    auto check = db.SQLSelect("pragma quick_check");
    const bool intact = check && !check->EOF_() && check->IdxField(1).StringValue() == "ok";
    check.reset();
    // Another program's table called "recipes" is no recipe table: opening
    // it would try to upgrade it, fail on the columns it lacks and end the
    // program. Only the rating and the RTF copy came later and are added when
    // missing; the other columns every recipe database has always had.
    auto table = db.SQLSelect("select recipeName, recipeText, recipeKeywords, recipePhoto from recipes limit 0");
    const bool hasRecipes = table && !db.Error();
    table.reset();
    db.Close();
    return intact && hasRecipes;
}

std::shared_ptr<FolderItem> chooseBackupToRestore() {
    const std::shared_ptr<FolderItem> database = App().dbfile;
    const std::shared_ptr<FolderItem> folder = database ? database->Parent() : nullptr;
    if (!folder || !userConfirms()) return nullptr;
    std::shared_ptr<FolderItem> backup = chooseBackup(folder);
    if (!backup) MsgBox("Restore recipe database aborted.");
    return backup;
}

bool restoreDatabaseFrom(FolderItem& backup) {
    Larderwise& app = App();
    const std::shared_ptr<FolderItem> database = app.dbfile;
    const std::shared_ptr<FolderItem> folder = database ? database->Parent() : nullptr;
    // The file on disk must hold everything before it is copied or closed
    // (the backup chosen may be the database itself).
    if (app.db->InTransaction()) app.db->Commit();
    const std::shared_ptr<FolderItem> incoming = folder ? incomingCopy(backup, *folder) : nullptr;
    if (!incoming) {
        MsgBox(kRestoreFailed);
        return false;
    }
    app.db->Close();
    const std::shared_ptr<FolderItem> previous = swapIn(incoming, *database, *folder);
    if (!previous) {
        removeIfThere(incoming);
        app.db->Connect();  // the database is the one it was
        MsgBox(kRestoreFailed);
        return false;
    }
    app.openDatabase();
    if (Runtime::quitting() || !app.db->IsConnected()) {
        // openDatabase has said why and is ending the program: the next
        // start finds the database the user had.
        app.db->Close();
        previous->MoveFileTo(*database);
        return false;
    }
    removeIfThere(previous);
    MsgBox("Database restored from backup.");
    return true;
}

int removeRestoreLeftovers(const FolderItem& databaseFolder) {
    // Killed before the swap, the database is the one the user had; killed
    // after it, the database is the checked backup the user chose. Either
    // way the working copies are no longer needed.
    int removed = 0;
    for (const char* name : {kIncomingName, kPreviousName}) {
        std::shared_ptr<FolderItem> file = databaseFolder.Child(name);
        if (file && file->Exists() && file->Delete()) ++removed;
    }
    return removed;
}
