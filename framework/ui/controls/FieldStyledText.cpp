#include "framework/ui/controls/FieldStyledText.h"

#include "framework/text/RtfWriter.h"
#include "framework/ui/controls/EditField.h"

FieldStyledText::FieldStyledText(EditField& field)
    : RTFData([this] { return writeRtf(get()); },
              [this](const std::string& rtf) { field_.setRTFData(rtf); }),
      field_(field) {}

StyledText FieldStyledText::get() const { return field_.styledText(); }

FieldStyledText& FieldStyledText::operator=(const StyledText& value) {
    field_.setStyledText(value);
    return *this;
}

std::string FieldStyledText::Text() const { return field_.Text(); }
