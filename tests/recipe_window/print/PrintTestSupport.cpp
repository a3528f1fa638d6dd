#include "tests/recipe_window/print/PrintTestSupport.h"

#include "framework/print/StyledTextPrinter.h"
#include "recipe_window/print/PrintModule.h"

FakeRecipe::FakeRecipe() { PrintModule::setRecipe(this); }
FakeRecipe::~FakeRecipe() { PrintModule::setRecipe(nullptr); }

PrinterSetup letterSetup(double margin) {
    PrintSettings s;
    s.paperName = "Letter";
    s.marginLeft = s.marginTop = s.marginRight = s.marginBottom = margin;
    return PrinterSetup(s);
}

StyledText linesOfText(int lines) {
    std::string text;
    for (int i = 1; i <= lines; ++i) text += (i > 1 ? "\r" : "") + ("Line " + std::to_string(i));
    return StyledText(text);
}

int linesPerPage(const PrinterSetup& setup) {
    RecordingGraphics g;
    StyledTextPrinter probe(linesOfText(500), g, setup.Width() - 150);
    probe.DrawBlock(0, 0, setup.Height() - 150);
    const std::string block = g.calls().at(0).text;  // "... lines 0-last"
    return std::stoi(block.substr(block.rfind('-') + 1)) + 1;
}

std::vector<Sheet> sheetsOf(const RecordingGraphics& g) {
    std::vector<Sheet> sheets(1);
    for (const RecordedCall& call : g.calls()) {
        if (call.name == "NextPage") sheets.emplace_back();
        else if (call.name == "ClearRect" && call.args[0] == 0 && call.args[1] == 0) sheets.back() = Sheet();
        else if (call.name == "DrawString" && call.text.rfind("Page ", 0) == 0)
            sheets.back().pageNumbers.push_back(call.text);
        else if (call.name == "Custom") sheets.back().textBlock = call.text.substr(call.text.find("lines "));
    }
    return sheets;
}
