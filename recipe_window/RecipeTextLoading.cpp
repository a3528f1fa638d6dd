#include "recipe_window/RecipeTextLoading.h"

#include "framework/text/RtfReader.h"
#include "framework/ui/controls/EditField.h"

void showRecipeText(EditField& field, const std::string& rtf, const std::string& plain) {
    if (!rtf.empty()) {
        if (std::optional<StyledText> styled = readRtf(rtf)) {
            // The field shows the text; its styles arrive with the styled editor.
            field.Text = styled->Text();
            return;
        }
    }
    field.Text = plain;
}
