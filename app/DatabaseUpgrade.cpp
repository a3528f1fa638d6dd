#include "app/DatabaseUpgrade.h"

#include "app/DatabaseFailure.h"
#include "app/DatabaseMessages.h"
#include "app/LoopPacing.h"
#include "app/RecipesTable.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/dialogs/MsgBox.h"

namespace {
// Whether the column is missing. Any failure counts as "missing", as it
// always has; the alter that follows then reports the engine's reason. No
// row is read: the statement is only there to be checked.
bool columnMissing(REALSQLDatabase& db, const std::string& column) {
    db.SQLSelect("select " + column + " from recipes limit 0");
    return db.Error();
}

bool addColumn(REALSQLDatabase& db, const char* notice, const std::string& alter, const std::string& code,
               const std::string& column) {
    MsgBox(notice);
    db.SQLExecute(alter);
    if (!db.Error()) return true;
    quitAfterDatabaseFailure(db, DatabaseMessages::columnNotAdded(code, column, db.ErrorMessage()), Rollback::Yes);
    return false;
}
bool committed(REALSQLDatabase& db) {
    db.Commit();
    return !db.Error() || quitWithEngineReason(db, DatabaseMessages::kDB010);
}
}  // namespace

UpgradeResult addMissingColumns(REALSQLDatabase& db) {
    UpgradeResult result;
    if (columnMissing(db, "recipeRating")) {
        if (!addColumn(db, DatabaseMessages::kAddingRating, "alter table recipes add column recipeRating integer",
                       "DB002", "recipeRating"))
            return {false, false};
        if (!committed(db)) return {false, false};
        result.rebuildDue = true;
    }
    if (columnMissing(db, "recipeRtfText")) {
        if (!addColumn(db, DatabaseMessages::kAddingRtf, "alter table recipes add column recipeRtfText varchar",
                       "DB002A", "recipeRtfText"))
            return {false, false};
    }
    if (!committed(db)) return {false, false};
    return result;
}

bool rebuildRecipesTable(REALSQLDatabase& db) {
    db.SQLExecute(RecipesTable::kCreateTemporary);
    if (db.Error()) {
        return quitWithEngineReason(db, DatabaseMessages::kDB003);
    }
    {
        // Nothing may be dropped unless every row was copied: a failed
        // select is a failed copy.
        auto rows = db.SQLSelect("select rowID,* from recipes order by recipeName");
        if (!rows || db.Error()) return quitWithEngineReason(db, DatabaseMessages::kDB004);
        LoopPacing pacing;
        while (!rows->EOF_()) {
            // The rowID comes back from the engine as a number: nothing a
            // user typed reaches this statement.
            db.SQLExecute(
                "insert into recipes2 select recipeName,recipeText,recipeRtfText,recipeKeywords,recipeRating,"
                "recipePhoto from recipes where recipes.rowID = " +
                std::to_string(rows->IdxField(1).Int64Value()));
            if (db.Error()) return quitWithEngineReason(db, DatabaseMessages::kDB004);
            rows->MoveNext();
            pacing.rowDone();
        }
    }
    db.SQLExecute("drop table recipes;");
    if (db.Error()) {
        return quitWithEngineReason(db, DatabaseMessages::kDB005);
    }
    db.SQLExecute("alter table recipes2 rename to recipes;");
    if (db.Error()) {
        return quitWithEngineReason(db, DatabaseMessages::kDB006);
    }
    return true;
}
