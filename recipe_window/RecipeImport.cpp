// The import: a text clipping, plain text file or RTF file dropped on the
// window or opened from the desktop (or handed over by a second launch)
// becomes one new recipe named after the file.
//
// The file is read and turned into text before anything is made, so a file
// that cannot be read, is too large or holds no text leaves no recipe
// behind. The new recipe's row is then inserted with its name, plain text
// and RTF as bound values in one statement and one commit, and the recipe is
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
#include "framework/dialogs/MsgBox.h"
#include "framework/files/BinaryStream.h"
#include "framework/files/FolderItem.h"
#include "framework/files/ResourceFork.h"
#include "framework/files/TextInputStream.h"
#include "framework/text/RtfReader.h"
#include "framework/text/StyledText.h"
#include "framework/text/TextEncoding.h"
#include "framework/ui/DragItem.h"
#include "framework/ui/controls/EditField.h"
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

}  // namespace

void MainWindow::Event_DropObject(std::shared_ptr<DragItem> obj, int32_t) {
    // Only the item as delivered: the first file of a drag of several.
    if (obj && obj->FolderItemAvailable()) droppedRecipe(obj->FolderItem());
}

void MainWindow::droppedRecipe(std::shared_ptr<FolderItem> item) {
    if (!item) return;
    const ImportKind kind = importKindOf(item->MacType(), item->Type());
    // The recipe and every message take the file's name as text: a name
    // that is not valid UTF-8 (old archives) is read as Windows-1252.
    const std::string name = TextFromUnknownEncoding(item->Name(), EncodingCode::WindowsLatin1);
    if (kind == ImportKind::None) return;

    std::optional<ImportedRecipe> imported;
    if (kind == ImportKind::TextClipping) {
        // A clipping's text lives in its fork; one without text still makes
        // its empty recipe under New's own name (no name of its own here).
        std::shared_ptr<ResourceFork> fork = item->OpenResourceFork();
        const std::string text = fork ? fork->GetResource("TEXT", 256) : std::string();
        imported = text.empty() ? ImportedRecipe{}
                                : fromStyled(importedRecipeName(name, ".TextClipping"), plainStyled(text));
    } else {
        if (item->Length() > kLargestImportedFile) {
            MsgBox("Error IM003: The file '" + name + "' is too large to import. Files of up to " +
                   std::to_string(kLargestImportedFile / (1024 * 1024)) + " MB become recipes.");
            return;
        }
        std::optional<std::string> bytes = fileBytes(*item);
        if (!bytes) {
            MsgBox("Error IM001: Could not read the file '" + name + "'.");
            return;
        }
        bool unreadable = false;
        if (kind == ImportKind::PlainText) {
            imported = fromStyled(importedRecipeName(name), plainStyled(decodedText(*bytes)));
        } else {
            // A file that is not RTF after all keeps its text as plain text.
            bool skippedTooDeep = false;
            std::optional<StyledText> styled = readRtf(*bytes, &skippedTooDeep);
            imported = fromStyled(importedRecipeName(name, ".rtf"),
                                  styled ? *styled : plainStyled(decodedText(*bytes)));
            unreadable = skippedTooDeep;
        }
        // A file or document without characters is an empty recipe named
        // after it (an empty file, a word processor's empty document). An
        // RTF that yields nothing because its text lies nested past the
        // reader's depth is refused, and a NUL byte is never text: a picture
        // or program renamed .txt would become a recipe of garbage whose
        // stored text ends at the first NUL while its styled copy goes on.
        if ((imported->plain.empty() && unreadable) || imported->plain.find('\0') != std::string::npos) {
            MsgBox("Error IM002: Could not read the file '" + name + "': it holds no text.");
            return;
        }
    }
    storeImport(*imported, name);
}

void MainWindow::storeImport(const ImportedRecipe& imported, const std::string& fileName) {
    if (!commitPendingEditForCommand()) {
        // Said by name, after why the edit shown could not be stored: no
        // document the user opened is dropped without a word.
        MsgBox("Error IM005: The file '" + fileName + "' was not imported. Open it again once the changes to " +
               "the recipe shown can be stored.");
        return;
    }
    const int64_t created = nextNewRecipeID();
    if (created == 0) return;
    // One insert carries the name, text and RTF, committed once: a kill or a
    // failure at any moment leaves the whole recipe or nothing, never an
    // empty new recipe without its text. An import without a name of its
    // own (a clipping without text) makes the new recipe New makes.
    const RecipeStatement insert = imported.name.empty()
                                       ? newRecipeStatement(untitledRecipeName(created))
                                       : newRecipeStatement(imported.name, imported.plain, imported.rtf);
    if (std::optional<NewRowFailure> failure = insertNewRecipe(insert)) {
        MsgBox("Error IM004: The imported text could not be stored." + EndOfLine() + failure->why);
        return;
    }
    // The focus ends in the imported text, so typing goes on there rather
    // than replacing the imported name.
    showNewRecipe(created, NewRecipeFocus::Text);
}
