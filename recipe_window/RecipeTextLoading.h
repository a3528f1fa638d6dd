#pragma once
// What the recipe text field shows for a row: the styled text read from the
// RTF column, or, when that column is NULL, empty or not RTF at all (rows
// written by other tools), the plain column in the field's default style.
// Showing nothing there would let the next save erase the plain text.
#include <string>

class EditField;

void showRecipeText(EditField& field, const std::string& rtf, const std::string& plain);
