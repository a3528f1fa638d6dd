#include "recipe_window/RecipeTextLoading.h"

#include "framework/text/RtfReader.h"
#include "framework/ui/controls/EditField.h"

void showRecipeText(EditField& field, const std::string& rtf, const std::string& plain) {
    if (opensAsRtf(rtf)) {
        field.StyledText.RTFData = rtf;
        return;
    }
    // Set as plain text, the field gives it its own font, size and colour.
    field.Text = plain;
}
