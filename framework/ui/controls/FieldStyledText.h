#pragma once
// EditField.StyledText: the field's text with its character styles and
// paragraph alignments, read and written whole or in its RTF form:
//   std::string rtf = field->StyledText.RTFData;
//   field->StyledText.RTFData = rtf;
//   StyledText value = field->StyledText;   field->StyledText = value;
// Setting replaces the whole text as a change made by code (TextChange once,
// if the text changed; no SelChange).
#include <string>

#include "framework/runtime/Property.h"
#include "framework/text/StyledText.h"

class EditField;

class FieldStyledText {
public:
    explicit FieldStyledText(EditField& field);
    FieldStyledText(const FieldStyledText&) = delete;

    // Get: the RTF writer's form. Set: RTF is read; input that is not RTF is
    // refused and leaves the field as it was. The empty string (a recipe
    // whose RTF was never written) empties the field, whose next text takes
    // the field's own font, size and colour.
    Property<std::string> RTFData;

    StyledText get() const;
    operator StyledText() const { return get(); }
    FieldStyledText& operator=(const StyledText& value);
    std::string Text() const;

private:
    EditField& field_;
};
