#pragma once
// A styled, multi-line field on a window, with its TextChange and SelChange
// events counted.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "framework/text/RtfReader.h"
#include "framework/text/StyledText.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/FieldTextEdit.h"
#include "tests/framework/controls/ControlTestSupport.h"

struct StyledFieldTest : ::testing::Test {
    TestWindow window;
    EditField* field = nullptr;
    std::vector<std::string> textChanges;
    int selChanges = 0;

    void SetUp() override {
        window.finishBuilding();
        field = window.add<EditField>("RecipeText");
        field->MultiLine = true;
        field->Styled = true;
        place(*field, 10, 10, 300, 200);
        field->TextChange = [this] { textChanges.push_back(field->Text()); };
        field->SelChange = [this] { ++selChanges; };
    }

    void load(const std::string& rtf) {
        field->StyledText.RTFData = rtf;
        textChanges.clear();
    }
    void select(int32_t start, int32_t length) {
        field->SelStart = start;
        field->SelLength = length;
    }
    StyledText value() const { return field->StyledText; }
    FieldTextEdit& editor() const { return *field->textEdit(); }
};

// Failures show the value as RTF.
inline void PrintTo(const StyledText& value, std::ostream* out) { *out << value.RTFData(); }

inline StyledText rtfValue(const std::string& rtf) {
    std::optional<StyledText> v = readRtf(rtf);
    EXPECT_TRUE(v.has_value());
    return v.value_or(StyledText());
}
