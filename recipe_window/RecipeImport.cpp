// The import: a text clipping, plain text file or RTF file dropped on the
// window or opened from the desktop (or handed over by a second launch)
// becomes one new recipe named after the file.
//
// The file is read and turned into text before anything is made, so a file
// that cannot be read, is too large or holds no text leaves no recipe
// behind. The new recipe's name, plain text and RTF are then written with
// update statements of bound values in one transaction and the recipe is
// shown from the database. Nothing depends on focus moves: a drop arrives
// while the window is inactive, when no editor saves anything.
//
// Imported text is only ever text: plain text and clippings are plain text
// (RTF-looking content stays as typed), RTF goes through the bounded RTF
// reader, and every value reaches the database bound, never as SQL.
#include <memory>
#include <optional>
#include <string>

#include "app/EndOfLine.h"
#include "app/Larderwise.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/files/BinaryStream.h"
#include "framework/files/FolderItem.h"
#include "framework/files/ResourceFork.h"
#include "framework/files/TextInputStream.h"
#include "framework/text/RtfReader.h"
#include "framework/text/StyledText.h"
#include "framework/ui/DragItem.h"
#include "recipe_window/ImportSource.h"
#include "recipe_window/Main.h"
#include "recipe_window/RecipeStatements.h"

namespace {

// The whole file as bytes; nothing when it cannot be read.
std::optional<std::string> fileBytes(FolderItem& file) {
    std::shared_ptr<BinaryStream> stream = file.OpenAsBinaryFile(false);
    if (!stream) return std::nullopt;
    return stream->Read(stream->Length());
}

// Plain text takes the system font at 12 points in black.
StyledText plainStyled(const std::string& text) {
    TextStyle style;
    style.Font = "SystemFont";
    style.Size = 12;
    style.TextColor = 0;
    return StyledText(text, style);
}

ImportedRecipe fromStyled(std::string name, const StyledText& styled) {
    return {std::move(name), styled.Text(), styled.RTFData()};
}

// Plain text of unknown encoding, decoded as a text file is.
std::string decodedText(const std::string& bytes) { return TextInputStream(bytes).ReadAll(); }

std::string errorLines(const std::string& heading) {
    return heading + EndOfLine() + App().db->ErrorMessage();
}

}  // namespace

void MainWindow::Event_DropObject(std::shared_ptr<DragItem> obj, int32_t) {
    // Only the item as delivered: the first file of a drag of several.
    if (obj && obj->FolderItemAvailable()) droppedRecipe(obj->FolderItem());
}

void MainWindow::droppedRecipe(std::shared_ptr<FolderItem> item) {
    if (!item) return;
    droppedItems.push_back(item);
    const ImportKind kind = importKindOf(item->MacType(), item->Type());
    if (kind == ImportKind::None) return;

    std::optional<ImportedRecipe> imported;
    if (kind == ImportKind::TextClipping) {
        // A clipping's text lives in its fork; one without text still makes
        // its empty recipe, as a clipping always has.
        std::shared_ptr<ResourceFork> fork = item->OpenResourceFork();
        const std::string text = fork ? fork->GetResource("TEXT", 256) : std::string();
        imported = fromStyled(importedRecipeName(item->Name(), ".TextClipping"), plainStyled(text));
    } else {
        if (item->Length() > kLargestImportedFile) {
            MsgBox("Error IM003: The file '" + item->Name() + "' is too large to import. Files of up to " +
                   std::to_string(kLargestImportedFile / (1024 * 1024)) + " MB become recipes.");
            return;
        }
        std::optional<std::string> bytes = fileBytes(*item);
        if (!bytes) {
            MsgBox("Error IM001: Could not read the file '" + item->Name() + "'.");
            return;
        }
        if (kind == ImportKind::PlainText) {
            imported = fromStyled(importedRecipeName(item->Name()), plainStyled(decodedText(*bytes)));
        } else {
            // A file that is not RTF after all keeps its text as plain text.
            std::optional<StyledText> styled = readRtf(*bytes);
            imported = fromStyled(importedRecipeName(item->Name(), ".rtf"),
                                  styled ? *styled : plainStyled(decodedText(*bytes)));
        }
        if (imported->plain.empty()) {
            MsgBox("Error IM002: Could not read the file '" + item->Name() + "': it holds no text.");
            return;
        }
    }
    storeImport(*imported);
}

void MainWindow::storeImport(const ImportedRecipe& imported) {
    // After a failed insert newRecipe shows another recipe; the imported
    // text must never be written into that one.
    if (!newRecipe()) return;
    // A clipping without text keeps the new recipe's own name, empty.
    if (imported.plain.empty()) return;
    const int64_t created = recRowID;

    REALSQLDatabase& db = *App().db;
    bool stored = execute(updateColumnStatement("recipeText", imported.plain, created)) &&
                  execute(updateColumnStatement("recipeRtfText", imported.rtf, created)) &&
                  execute(updateColumnStatement("recipeName", imported.name, created));
    if (stored) {
        db.SQLExecute("commit");
        stored = !db.Error();
    }
    if (!stored) {
        const std::string failure = errorLines("Error IM004: The imported text could not be stored.");
        db.SQLExecute("rollback");
        MsgBox(failure);
    }
    updateFoundList(created, "");
}
