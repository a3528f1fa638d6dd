#include "recipe_window/DatabaseBackup.h"

#include "app/EndOfLine.h"
#include "app/Larderwise.h"
#include "framework/data/Date.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/files/FolderItem.h"

namespace {
const char* const kAlreadyTaken = "Error -1001: Backup already created. Try in another minute.";
const char* const kNotBackedUp = "Error -1002: Database not backed up. Make sure you can write to the folder.";

// A copy counts only when it is there and as long as the original; anything
// less is removed so no truncated file poses as a backup.
bool completeCopy(FolderItem& source, FolderItem& copy) {
    const bool copied = source.CopyFileTo(copy);
    if (copied && copy.Exists() && copy.Length() == source.Length()) return true;
    if (copy.Exists()) copy.Delete();
    return false;
}
}  // namespace

std::string backupFileName(const Date& moment) {
    return "recipeDB backup " + moment.SQLDate() + "-" + std::to_string(moment.Hour()) +
           std::to_string(moment.Minute()) + ".rsd";
}

void backupDatabaseFile(PendingChanges pending) {
    const Date now;
    const std::shared_ptr<FolderItem> source = App().dbfile;
    const std::shared_ptr<FolderItem> folder = source ? source->Parent() : nullptr;
    const std::shared_ptr<FolderItem> copy = folder ? folder->Child(backupFileName(now)) : nullptr;
    if (!copy) {
        MsgBox(kNotBackedUp);
        return;
    }
    if (copy->Exists()) {
        MsgBox(kAlreadyTaken);
        return;
    }
    // The file on disk holds what was last committed (nothing pending ever
    // reaches it before its commit), so leaving the pending work out is
    // simply not committing it.
    if (pending == PendingChanges::Committed && App().db && App().db->InTransaction()) App().db->Commit();
    if (!completeCopy(*source, *copy)) {
        MsgBox(kNotBackedUp);
        return;
    }
    copy->setMacCreator("laWi");
    copy->setMacType("RSdb");
    copy->setVisible(true);
    MsgBox("File backed up as: " + EndOfLine() + copy->Name());
}
