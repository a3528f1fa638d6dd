#include "app/RecipeTextConversion.h"

#include "app/ConvertingWindow.h"
#include "app/DatabaseFailure.h"
#include "app/DatabaseMessages.h"
#include "app/LoopPacing.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/dialogs/MessageDialog.h"
#include "framework/text/RtfReader.h"
#include "framework/text/Strings.h"
#include "framework/ui/Application.h"
#include "framework/ui/controls/ProgressBar.h"
#include "app/DatabaseBackup.h"

namespace {
enum class Answer { Backup, Go, Quit };

Answer askAboutBackup(MessageDialog& dialog) {
    dialog.Message = DatabaseMessages::kConversionQuestion;
    dialog.Explanation = DatabaseMessages::kConversionExplanation;
    dialog.ActionButton.Caption = "&Yes";
    dialog.AlternateActionButton.Caption = "&No";
    dialog.AlternateActionButton.Visible = true;
    dialog.CancelButton.Caption = "&Quit";
    dialog.CancelButton.Visible = true;
    MessageDialogButton* pressed = dialog.ShowModal();
    if (pressed == &dialog.ActionButton) return Answer::Backup;
    if (pressed == &dialog.AlternateActionButton) return Answer::Go;
    return Answer::Quit;
}

// Rewrites one row as it needs; answers false when the row could not be
// written.
bool convertRow(REALSQLDatabase& db, RecordSet& row) {
    const std::string rtfColumn = row.Field("RecipeRtfText").StringValue();
    if (opensAsRtf(rtfColumn)) return true;  // already styled: nothing to gain, formatting to lose
    const std::string text = row.Field("RecipeText").StringValue();
    ConvertingWindow& window = Converting();
    row.Edit();
    if (const auto plain = window.plainTextOfRtf(text)) {
        row.Field("RecipeRtfText").SetStringValue(text);
        row.Field("RecipeText").SetStringValue(*plain);
    } else {
        row.Field("RecipeRtfText").SetStringValue(window.rtfOfPlainText(text));
    }
    if (db.Error()) return false;
    row.Update();
    return !db.Error();
}
}  // namespace

bool convertRecipeText(REALSQLDatabase& db, MessageDialog& dialog, bool rtfInRecipeText, bool rtfInRtfColumn) {
    switch (askAboutBackup(dialog)) {
        // The backup is the database as it was found: a rebuild of its table
        // made in this start stays pending, so the copy holds the old table.
        // Whatever the backup's outcome, the conversion follows.
        case Answer::Backup: backupDatabaseFile(PendingChanges::LeftOut); break;
        case Answer::Go: break;
        case Answer::Quit: Quit(0); return false;
    }
    Converting().Show();
    // Only the columns the conversion touches: the photos stay on disk.
    auto rows = db.SQLSelect("select rowID,recipeText,recipeRtfText from recipes order by rowID");
    if (!rows || db.Error()) {
        quitAfterDatabaseFailure(db, DatabaseMessages::kDB007, Rollback::Yes);
        return false;
    }
    Converting().conversionBar->Maximum = rows->RecordCount();
    if (rows->RecordCount() > 0) {
        // Both columns of the first row styled: the database is current and
        // no row is touched.
        const bool touchRows = !(rtfInRecipeText && rtfInRtfColumn);
        // The bar moves and the window repaints with the first row and then
        // about 30 times a second: a repaint per row cost more than the
        // conversion itself. User input waits until the end either way.
        LoopPacing pacing(30);
        for (int32_t n = 1; touchRows && !rows->EOF_(); ++n) {
            if (n == 1 || pacing.due()) {
                Converting().conversionBar->Value = n;
                Converting().conversionBar->Refresh();
                pacing.turn();
            }
            if (!convertRow(db, *rows)) return quitWithEngineReason(db, DatabaseMessages::kDB007);
            rows->MoveNext();
        }
        db.Commit();
        if (db.Error()) return quitWithEngineReason(db, DatabaseMessages::kDB007);
        // A Ctrl+Q typed meanwhile reaches the progress window while it is
        // still there, and the quit follows the conversion.
        pacing.finish();
    }
    Converting().Close();
    return true;
}
