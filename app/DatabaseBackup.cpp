#include "app/DatabaseBackup.h"

#include <algorithm>

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

std::string keptFileName(const Date& moment) {
    std::string stamp = moment.SQLDateTime();
    std::replace(stamp.begin(), stamp.end(), ':', '-');  // a colon is a path separator on the old platform
    std::replace(stamp.begin(), stamp.end(), ' ', '-');
    return "recipeDB kept " + stamp + ".rsd";
}

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
    REALSQLDatabase* db = App().db.get();
    if (pending == PendingChanges::Committed && db && db->InTransaction()) db->Commit();
    // Another program writing the file meanwhile would leave a copy of
    // half its work, or of changes it then takes back: the copy waits for
    // it, and is not made when it does not finish.
    bool tried = false;
    const auto copyFile = [&] {
        tried = true;
        return completeCopy(*source, *copy);
    };
    if (!(db ? db->WhileNoOneWrites(copyFile) : copyFile())) {
        // Kept from being made by another program: the database says why.
        MsgBox(tried ? std::string(kNotBackedUp) : kNotBackedUp + EndOfLine() + db->ErrorMessage());
        return;
    }
    copy->setMacCreator("laWi");
    copy->setMacType("RSdb");
    copy->setVisible(true);
    MsgBox("File backed up as: " + EndOfLine() + copy->Name());
}
