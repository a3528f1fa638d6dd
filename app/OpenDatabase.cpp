// Larderwise::openDatabase: find or create the folder and the file, connect,
// bring an older table up to date, convert older recipe text, compact.
#include "app/DatabaseFailure.h"
#include "app/DatabaseMessages.h"
#include "app/DatabaseUpgrade.h"
#include "app/Larderwise.h"
#include "app/RecipeTextConversion.h"
#include "app/RecipesTable.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/dialogs/MessageDialog.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/files/FolderItem.h"
#include "framework/files/SpecialFolder.h"
#include "framework/runtime/Application.h"
#include "framework/text/Strings.h"

namespace {
// The folder "Larderwise" in Application Support, created when missing;
// nothing when it cannot be had (a file of that name is no folder either).
std::shared_ptr<FolderItem> databaseFolder() {
    const auto support = SpecialFolder::ApplicationData();
    const auto folder = support ? support->Child("Larderwise") : nullptr;
    if (folder && !folder->Exists()) folder->CreateAsFolder();
    return folder && folder->Directory() ? folder : nullptr;
}

// The file is missing: ask, and create it if the user wants a new one.
// Answers false when the application is quitting.
bool createOnRequest(REALSQLDatabase& db, FolderItem& file, MessageDialog& dialog) {
    dialog.Message = DatabaseMessages::missingFileQuestion();
    dialog.ActionButton.Caption = DatabaseMessages::kCreateButton;
    dialog.CancelButton.Caption = DatabaseMessages::kQuitMoveBackButton;
    dialog.CancelButton.Visible = true;
    if (dialog.ShowModal() != &dialog.ActionButton) {
        Quit(0);
        return false;
    }
    if (db.CreateDatabaseFile()) {
        db.SQLExecute(RecipesTable::kCreate);
        if (!db.Error()) {
            MsgBox(DatabaseMessages::kCreated);
            file.setMacCreator("laWi");
            file.setMacType("RSdb");
            db.Commit();
            return true;
        }
        // A file without the table would fail the same way at every start:
        // it was made a moment ago and holds nothing, so it goes again.
        db.Close();
        file.Delete();
    }
    quitAfterDatabaseFailure(db, DatabaseMessages::notCreated(), Rollback::No);
    return false;
}

// Compacts the file when it has free pages to give back; answers false on
// a fatal failure. Any pending work is committed before (a vacuum cannot run
// inside a transaction) and after.
bool compact(REALSQLDatabase& db) {
    auto free = db.SQLSelect("pragma freelist_count");
    const bool worthIt = !free || db.Error() || free->EOF_() || free->IdxField(1).Int64Value() > 0;
    free.reset();
    if (worthIt) {
        db.Commit();
        db.SQLExecute("vacuum;");
        if (db.Error()) {
            quitAfterDatabaseFailure(db, DatabaseMessages::kDB009, Rollback::Yes);
            return false;
        }
    }
    db.Commit();
    return true;
}
}  // namespace

void Larderwise::openDatabase() {
    MessageDialog dialog;  // one per call: the file question and the conversion question
    const auto folder = databaseFolder();
    if (!folder) {
        quitAfterDatabaseFailure(*db, DatabaseMessages::kFolderMissing, Rollback::No);
        return;
    }
    dbfile = folder->Child("recipeDB.rsd");
    db->SetDatabaseFile(dbfile->AbsolutePath());
    if (!dbfile->Exists() && !createOnRequest(*db, *dbfile, dialog)) return;
    if (!db->Connect()) {
        quitAfterDatabaseFailure(*db, DatabaseMessages::notConnected(db->ErrorMessage()), Rollback::No);
        return;
    }
    const UpgradeResult upgrade = addMissingColumns(*db);
    if (!upgrade.ok) return;
    if (upgrade.rebuildDue && !rebuildRecipesTable(*db)) return;

    // The first row (lowest rowID) tells the layout of the recipe text. A row
    // whose text was never typed ("+" stores a name only) tells nothing, so
    // the first row that holds any text decides; with none, there is nothing
    // to convert.
    bool rtfInRecipeText = false;
    bool rtfInRtfColumn = false;
    {
        auto first = db->SQLSelect(
            "select recipeRtfText,recipeText from recipes where coalesce(recipeText,'') <> '' "
            "or coalesce(recipeRtfText,'') <> '' order by rowID limit 1;");
        if (!first || db->Error()) {
            quitAfterDatabaseFailure(*db, DatabaseMessages::kDB008, Rollback::Yes);
            return;
        }
        if (first->EOF_()) return;  // no recipe text yet: nothing to convert or compact
        rtfInRecipeText = InStr(first->Field("recipeText").StringValue(), "\\rtf") > 0;
        rtfInRtfColumn = InStr(first->Field("recipeRtfText").StringValue(), "\\rtf") > 0;
    }
    if ((rtfInRecipeText || !rtfInRtfColumn) && !convertRecipeText(*db, dialog, rtfInRecipeText, rtfInRtfColumn))
        return;
    compact(*db);
}
