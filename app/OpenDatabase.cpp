// Larderwise::openDatabase: find or create the folder and the file, connect,
// bring an older table up to date, convert older recipe text, compact.
#include "app/DatabaseFailure.h"
#include "app/DatabaseMessages.h"
#include "app/ConvertingWindow.h"
#include "app/DatabaseUpgrade.h"
#include "app/LoopPacing.h"
#include "app/Larderwise.h"
#include "app/RecipeTextConversion.h"
#include "app/RecipesTable.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/dialogs/MessageDialog.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/files/FolderItem.h"
#include "framework/files/SpecialFolder.h"
#include "framework/text/RtfReader.h"
#include "framework/text/Strings.h"
#include "framework/ui/controls/ProgressBar.h"
#include "framework/ui/Application.h"

namespace {
// While the program starts, a lock another program holds for a moment (a
// backup or sync tool copying the file, a database browser's write) is
// waited out once rather than reported: such a lock lasts seconds.
constexpr int32_t kStartBusyTimeout = 30000;

// The usual patience again when the start is over, whichever way it ends.
struct StartBusyTimeout {
    REALSQLDatabase& db;
    explicit StartBusyTimeout(REALSQLDatabase& database) : db(database) { db.SetBusyTimeout(kStartBusyTimeout); }
    ~StartBusyTimeout() { db.SetBusyTimeout(REALSQLDatabase::kDefaultBusyTimeout); }
};

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
        // Committed before the box says so: a program ended while the box
        // shows leaves a database with its table.
        if (!db.Error()) db.Commit();
        if (!db.Error()) {
            MsgBox(DatabaseMessages::kCreated);
            file.setMacCreator("laWi");
            file.setMacType("RSdb");
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

// DB001 when the file cannot be connected to (after the start's one wait
// for a lock); answers whether it was.
bool connectOrQuit(REALSQLDatabase& db) {
    if (db.Connect()) return true;
    quitAfterDatabaseFailure(db, DatabaseMessages::notConnected(db.ErrorMessage()), Rollback::No);
    return false;
}

// A file without any table: 0 bytes, or a creation that ended before its
// table was committed. It holds no recipe, so it is a new database. Such a
// file is a page or two; a larger one is not looked at again at each start.
constexpr int64_t kTablelessFileAtMost = 64 * 1024;

bool holdsNoTables(REALSQLDatabase& db) {
    auto tables = db.SQLSelect("select count(*) from sqlite_schema");
    return tables && !db.Error() && !tables->EOF_() && tables->IdxField(1).Int64Value() == 0;
}

int64_t pragmaValue(REALSQLDatabase& db, const char* pragma) {
    auto value = db.SQLSelect(pragma);
    return value && !db.Error() && !value->EOF_() ? value->IdxField(1).Int64Value() : -1;
}

// Rewriting the whole file pays only when it gives a good share of it back:
// a deleted recipe or two leave a few free pages that the next recipes
// reuse anyway, and rewriting hundreds of MB for them costs seconds.
constexpr int64_t kFreeShareDivisor = 4;              // at least a quarter of the file free
constexpr int64_t kFreeBytesAtLeast = 4 * 1024 * 1024;  // and at least 4 MB

bool compactionPays(REALSQLDatabase& db) {
    const int64_t freePages = pragmaValue(db, "pragma freelist_count");
    if (freePages <= 0) return false;
    const int64_t pages = pragmaValue(db, "pragma page_count");
    const int64_t pageSize = pragmaValue(db, "pragma page_size");
    if (pages <= 0 || pageSize <= 0) return false;
    return freePages * kFreeShareDivisor >= pages && freePages * pageSize >= kFreeBytesAtLeast;
}

// Commits what the upgrade left pending, then compacts the file when that
// pays. Answers false on a fatal failure. The compaction is optional: while
// another program uses the file it is left to a later start, without
// waiting for the file to be free.
bool compact(REALSQLDatabase& db) {
    db.Commit();
    if (db.Error()) return quitWithEngineReason(db, DatabaseMessages::kDB010);
    if (!compactionPays(db)) return true;
    db.SetBusyTimeout(0);
    // Rewriting a large file takes seconds before the first window: the
    // window for long start-up work says so at once, its bar busy, and
    // repaints while the engine works.
    ConvertingWindow& window = Converting();
    window.Title = std::string("Compacting Database...");
    window.conversionBar->Maximum = 0;  // no measure of how far it has got
    window.Show();
    window.conversionBar->Refresh();
    LoopPacing pacing(30);
    pacing.turn();
    db.SQLExecuteTicking("vacuum;", [&] {
        if (!pacing.due()) return;
        window.conversionBar->Refresh();
        pacing.turn();
    });
    const bool failed = db.Error() && !db.Busy();
    // A Ctrl+Q typed meanwhile reaches the window while it is still there.
    pacing.finish();
    window.Close();
    db.SetBusyTimeout(kStartBusyTimeout);
    if (failed) return quitWithEngineReason(db, DatabaseMessages::kDB009);
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
    const StartBusyTimeout patience(*db);
    bool isNew = !dbfile->Exists();
    // A small file is looked into for a table. Connecting to it already waited
    // out any lock, so a failure here is told at once: connecting again would
    // only wait as long a second time.
    if (!isNew && dbfile->Length() <= kTablelessFileAtMost) {
        if (!connectOrQuit(*db)) return;
        if (holdsNoTables(*db)) {
            db->Close();
            isNew = true;
        }
    }
    if (isNew && !createOnRequest(*db, *dbfile, dialog)) return;
    if (!connectOrQuit(*db)) return;

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
            quitWithEngineReason(*db, DatabaseMessages::kDB008);
            return;
        }
        if (first->EOF_()) return;  // no recipe text yet: nothing to convert or compact
        // Only a text that is an RTF document counts: a recipe that merely
        // mentions "\rtf" would otherwise be asked about at every start.
        rtfInRecipeText = opensAsRtf(first->Field("recipeText").StringValue());
        rtfInRtfColumn = opensAsRtf(first->Field("recipeRtfText").StringValue());
    }
    if ((rtfInRecipeText || !rtfInRtfColumn) && !convertRecipeText(*db, dialog, rtfInRecipeText, rtfInRtfColumn))
        return;
    compact(*db);
}
