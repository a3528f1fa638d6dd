// The import: a text clipping, plain text file or RTF file dropped on the
// window or opened from the desktop becomes one new recipe named after the
// file.
//
// The import writes no SQL of its own. It fills the editors of a freshly made
// recipe and moves the focus so that the editors' own saves store it: leaving
// the text stores the plain text and the RTF, leaving the name stores the
// name. The name is filled before the text is left because the text save
// stores nothing under an empty name.
//
// Imported text is only ever text: plain text and clippings are set as plain
// text (RTF-looking content stays as typed), RTF goes through the bounded RTF
// reader, and every value reaches the database bound, never as SQL.
#include <memory>
#include <optional>
#include <string>

#include "framework/dialogs/MsgBox.h"
#include "framework/files/BinaryStream.h"
#include "framework/files/FolderItem.h"
#include "framework/files/ResourceFork.h"
#include "framework/files/TextInputStream.h"
#include "framework/text/RtfReader.h"
#include "framework/text/Strings.h"
#include "framework/ui/DragItem.h"
#include "framework/ui/controls/EditField.h"
#include "recipe_window/ImportSource.h"
#include "recipe_window/Main.h"

namespace {

// The whole file as bytes; nothing when it cannot be read.
std::optional<std::string> fileBytes(FolderItem& file) {
    std::shared_ptr<BinaryStream> stream = file.OpenAsBinaryFile(false);
    if (!stream) return std::nullopt;
    return stream->Read(stream->Length());
}

// The clipping's text: its "TEXT" resource 256 ("" when it has none).
std::string clippingText(FolderItem& file) {
    std::shared_ptr<ResourceFork> fork = file.OpenResourceFork();
    return fork ? fork->GetResource("TEXT", 256) : std::string();
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
    droppedItems.push_back(item);
    const ImportKind kind = importKindOf(item->MacType(), item->Type());
    if (kind == ImportKind::None) return;

    // Read before a recipe is made, so a file that cannot be read leaves no
    // empty recipe behind. A clipping's text lives in its fork; one without
    // text still makes its empty recipe, as a clipping always has.
    std::optional<std::string> bytes;
    if (kind != ImportKind::TextClipping) {
        bytes = fileBytes(*item);
        if (!bytes) {
            MsgBox("Error IM001: Could not read the file '" + item->Name() + "'.");
            return;
        }
    }

    // After a failed insert newRecipe shows another recipe; the imported
    // text must never be written into that one.
    if (!newRecipe()) return;
    const int64_t created = recRowID;

    if (kind == ImportKind::PlainText) {
        // The field's own style survives the reload of the new recipe's
        // empty RTF, so the text below takes it.
        RecipeText->TextFont = std::string("SystemFont");
        RecipeText->TextSize = 12.0;
        RecipeText->TextColor = Color(0);
    }
    // Leaving the name stores the new recipe's untouched name and reloads
    // the editors from the database before the imported text goes in.
    RecipeText->SetFocus();
    if (recRowID != created) return;

    std::string name;
    switch (kind) {
        case ImportKind::TextClipping: {
            const std::string text = clippingText(*item);
            if (text.empty()) return;  // the new, empty recipe stays
            RecipeText->Text = text;
            name = importedRecipeName(item->Name(), ".TextClipping");
            break;
        }
        case ImportKind::PlainText:
            RecipeText->Text = decodedText(*bytes);
            name = importedRecipeName(item->Name());
            break;
        case ImportKind::Rtf:
            // A file that is not RTF after all keeps its text rather than
            // making an empty recipe.
            if (std::optional<StyledText> styled = readRtf(*bytes)) RecipeText->StyledText = *styled;
            else RecipeText->Text = decodedText(*bytes);
            name = importedRecipeName(item->Name(), ".rtf");
            break;
        case ImportKind::None:
            return;
    }
    recipeName->Text = name;

    // The text is stored as the focus leaves it, the name as the focus
    // comes back.
    recipeName->SetFocus();
    recipeName->SelStart = 0;
    recipeName->SelLength = Len(recipeName->Text);
    RecipeText->SetFocus();
    updateFoundList(recRowID, "");
}
