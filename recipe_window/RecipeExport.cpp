// The recipe export: every recipe as one line of a tab-separated text file
// the user names: name, keywords and plain text, ordered by name. Lines end
// with LF; paragraph breaks inside a field are CRs.
//
// The rows are read one at a time as they are written, so the export's
// memory stays the same however many recipes there are.
//
// The file only ever appears whole. Lines go to a temporary file beside the
// chosen one, which replaces it only once every line is written; a failed
// query, a full disk or anything thrown on the way leaves an existing file of
// that name as it was, and the user is told the export failed instead of
// being told it is complete.
#include <memory>
#include <string>

#include "app/EndOfLine.h"
#include "app/Larderwise.h"
#include "framework/data/Date.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/db/RecordSet.h"
#include "framework/dialogs/FileDialogs.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/files/AtomicFileWriter.h"
#include "framework/files/FolderItem.h"
#include "framework/files/SpecialFolder.h"
#include "app/LoopPacing.h"
#include "recipe_window/Main.h"

namespace {

// Only the three exported columns: "select *" would also read every RTF
// copy and photo of the database into memory just to skip them.
const char* const kExportQuery =
    "select recipeName, recipeKeywords, recipeText from recipes order by recipeName";

// A record ends with this platform's line end, so `wc -l` counts recipes and
// `cut`, `sort` or a spreadsheet see one recipe per line; a paragraph break
// inside a field is written as CR (filterTabs), which no tool here takes for
// the end of a line.
const char* const kRecordEnd = "\n";

// Lines are handed to the file in batches of about this many bytes.
constexpr size_t kBatchBytes = 256 * 1024;

}  // namespace

bool MainWindow::_FileExportrecipes_Action() {
    exportRecipes();
    return false;
}

std::string MainWindow::tab() const { return "\t"; }

std::string MainWindow::filterTabs(const std::string& s) const {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '\t') continue;
        if (c == '\r' && i + 1 < s.size() && s[i + 1] == '\n') continue;  // CR LF is one break
        out += c == '\n' ? '\r' : c;
    }
    return out;
}

void MainWindow::exportRecipes() {
    // The shown recipe is exported as the user sees it; an edit that cannot
    // be stored is reported, and the export waits for it.
    if (!commitPendingEditForCommand()) return;

    SaveAsDialog dialog;
    dialog.Title = "Save Recipe Export";
    dialog.InitialDirectory = SpecialFolder::Desktop();
    dialog.SuggestedFileName = "RecipeExport-" + Date().SQLDate() + ".txt";
    std::shared_ptr<FolderItem> file = dialog.ShowModal();
    if (!file) return;
    // Replacing the open database with a text file would lose every recipe.
    if (App().dbfile && *file == *App().dbfile) {
        MsgBox("Error EX003: The recipes cannot be exported over the recipe database.");
        return;
    }

    // Queried before the file is touched, so a failed query leaves it alone.
    REALSQLDatabase& db = *App().db;
    std::shared_ptr<RecordSet> rows = db.SQLSelectRowByRow(kExportQuery);
    if (!rows || db.Error()) {
        MsgBox("Error EX001 querying the database." + EndOfLine() + db.ErrorMessage());
        return;
    }

    AtomicFileWriter writer(file->path());
    const std::string lineEnd = kRecordEnd;
    std::string batch;
    LoopPacing pacing;
    for (; writer.isOpen() && !rows->EOF_(); rows->MoveNext()) {
        batch += filterTabs(rows->IdxField(1).StringValue());
        batch += tab();
        batch += filterTabs(rows->IdxField(2).StringValue());
        batch += tab();
        batch += filterTabs(rows->IdxField(3).StringValue());
        batch += lineEnd;
        if (batch.size() >= kBatchBytes) {
            writer.write(batch);
            batch.clear();
        }
        pacing.rowDone();
    }
    pacing.finish();
    // A read that failed on the way ended the rows early: that file would
    // lack recipes, so it never replaces anything.
    if (db.Error()) {
        MsgBox("Error EX001 querying the database." + EndOfLine() + db.ErrorMessage());
        return;
    }
    if (!batch.empty()) writer.write(batch);
    if (!writer.isOpen() || !writer.commit()) {
        MsgBox("Error EX002: The recipes were not exported. Make sure you can write to the folder.");
        return;
    }
    file->setMacCreator("ttxt");
    file->setMacType("TEXT");
    MsgBox("Recipe export complete.");
}
