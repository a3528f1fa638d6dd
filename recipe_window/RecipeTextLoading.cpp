#include "recipe_window/RecipeTextLoading.h"

#include "framework/ui/controls/EditField.h"

namespace {

bool looksLikeRtf(const std::string& text) {
    const size_t start = text.find_first_not_of(" \t\r\n");
    return start != std::string::npos && text.compare(start, 5, "{\\rtf") == 0;
}

}  // namespace

void showRecipeText(EditField& field, const std::string& rtf, const std::string& plain) {
    if (looksLikeRtf(rtf)) {
        field.StyledText.RTFData = rtf;
        return;
    }
    // Set as plain text, the field gives it its own font, size and colour.
    field.Text = plain;
}
