#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <regex>

#include "framework/graphics/Color.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/Picture.h"
#include "recipe_window/print/PrintModule.h"
#include "tests/framework/print/PdfPages.h"
#include "tests/framework/print/PdfText.h"
#include "tests/recipe_window/print/PrintTestSupport.h"
#include "tests/support/ScriptedUiService.h"

namespace {

class PrintJob : public ::testing::Test {
protected:
    FakeRecipe recipe;
    PrinterSetup setup = letterSetup(0);
    RecordingGraphics g{612, 792};

    // A recipe whose text fills `pages` pages, the last one in part.
    void textOfPages(int pages) { recipe.text = linesOfText(linesPerPage(setup) * (pages - 1) + 3); }

    std::vector<Sheet> print(int32_t copies, int32_t first, int32_t last) {
        g.Copies = copies;
        g.FirstPage = first;
        g.LastPage = last;
        PrintModule::curPageNo = 1;
        PrintModule::DoPrinting(&g, &setup);
        EXPECT_EQ(PrintModule::mStp, nullptr);  // released when each copy ends
        return sheetsOf(g);
    }

    int count(const std::string& name) const {
        int n = 0;
        for (const RecordedCall& call : g.calls()) n += call.name == name;
        return n;
    }

    std::string pdfPath(const std::string& name) const {
        return (std::filesystem::temp_directory_path() / ("larderwise-print-" + name + ".pdf")).string();
    }

    // The recipe printed through a confirmed printer dialog to a PDF file: its path.
    std::string printToPdf(const std::string& name) {
        PrintSettings chosen = setup.Settings();
        chosen.outputFile = pdfPath(name);
        ScopedScriptedUi ui;
        ui->expectPrinterDialog(chosen);
        PrintModule::doPrint(setup);
        return chosen.outputFile;
    }
};

std::vector<std::string> pageNumbers(const std::vector<Sheet>& sheets) {
    std::vector<std::string> numbers;
    for (const Sheet& sheet : sheets) {
        EXPECT_EQ(sheet.pageNumbers.size(), 1u) << "a sheet shows one page";
        numbers.insert(numbers.end(), sheet.pageNumbers.begin(), sheet.pageNumbers.end());
    }
    return numbers;
}

}  // namespace

TEST_F(PrintJob, TextThatFitsOnePagePrintsOnePageNumberedOneAndNoBlankSheet) {
    const auto sheets = print(1, 1, 9999);
    EXPECT_EQ(pageNumbers(sheets), std::vector<std::string>{"Page 1"});
    EXPECT_EQ(count("NextPage"), 0);
    EXPECT_EQ(count("ClearRect"), 0);
}

TEST_F(PrintJob, LongTextFlowsOverAsManyPagesAsItNeeds) {
    textOfPages(4);
    const int perPage = linesPerPage(setup);
    const auto sheets = print(1, 1, 9999);
    EXPECT_EQ(pageNumbers(sheets), (std::vector<std::string>{"Page 1", "Page 2", "Page 3", "Page 4"}));
    EXPECT_EQ(count("NextPage"), 3);
    EXPECT_EQ(sheets[0].textBlock, "lines 0-" + std::to_string(perPage - 1));
    EXPECT_EQ(sheets[3].textBlock, "lines " + std::to_string(perPage * 3) + "-" + std::to_string(perPage * 3 + 2));
    EXPECT_EQ(PrintModule::curPageNo, 4);
}

TEST_F(PrintJob, APageRangeOutputsExactlyThosePagesWithTheirOwnNumbersAndText) {
    textOfPages(4);
    const int perPage = linesPerPage(setup);
    const auto sheets = print(1, 2, 3);
    EXPECT_EQ(pageNumbers(sheets), (std::vector<std::string>{"Page 2", "Page 3"}));
    EXPECT_EQ(sheets[0].textBlock.rfind("lines " + std::to_string(perPage) + "-", 0), 0u);
    EXPECT_EQ(count("NextPage"), 1);
    EXPECT_EQ(count("ClearRect"), 0);  // page 1 is laid out, never drawn
    EXPECT_EQ(count("Custom"), 2);
}

TEST_F(PrintJob, ARangePastTheEndOfTheTextDrawsNothingAndSaysSo) {
    textOfPages(2);
    ScopedScriptedUi ui;
    ui->expectMsgBox(PrintModule::kRangePastTheEnd);
    print(1, 3, 6);
    EXPECT_TRUE(g.calls().empty());

    // A recipe without text is one page long.
    recipe.text = StyledText("");
    ui->expectMsgBox(PrintModule::kRangePastTheEnd);
    print(2, 2, 2);
    EXPECT_TRUE(g.calls().empty());
    EXPECT_EQ(pageNumbers(print(1, 1, 1)), std::vector<std::string>{"Page 1"});
}

TEST_F(PrintJob, EachCopyStartsOnANewSheetFromTheStartOfTheTextNumberedFromOne) {
    textOfPages(2);
    const auto sheets = print(2, 1, 9999);
    EXPECT_EQ(pageNumbers(sheets), (std::vector<std::string>{"Page 1", "Page 2", "Page 1", "Page 2"}));
    EXPECT_EQ(sheets[0].textBlock, sheets[2].textBlock);
    EXPECT_EQ(sheets[1].textBlock, sheets[3].textBlock);

    g.clear();
    EXPECT_EQ(pageNumbers(print(3, 2, 2)), (std::vector<std::string>{"Page 2", "Page 2", "Page 2"}));
}

TEST_F(PrintJob, ReversedOrUncollatedPagesComeInTheDialogsOrderEachWithItsOwnText) {
    textOfPages(4);
    const int perPage = linesPerPage(setup);
    g.Reverse = true;
    auto sheets = print(1, 2, 9999);
    EXPECT_EQ(pageNumbers(sheets), (std::vector<std::string>{"Page 4", "Page 3", "Page 2"}));
    EXPECT_EQ(sheets[0].textBlock.rfind("lines " + std::to_string(perPage * 3) + "-", 0), 0u) << sheets[0].textBlock;
    EXPECT_EQ(sheets[2].textBlock.rfind("lines " + std::to_string(perPage) + "-", 0), 0u) << sheets[2].textBlock;
    EXPECT_EQ(count("NextPage"), 2);

    g = RecordingGraphics{612, 792};
    g.Collate = false;
    sheets = print(2, 1, 2);
    EXPECT_EQ(pageNumbers(sheets), (std::vector<std::string>{"Page 1", "Page 1", "Page 2", "Page 2"}));
    EXPECT_EQ(sheets[1].textBlock, sheets[0].textBlock);
    EXPECT_EQ(sheets[0].textBlock, "lines 0-" + std::to_string(perPage - 1));

    g = RecordingGraphics{612, 792};
    g.Collate = false;
    g.Reverse = true;
    EXPECT_EQ(pageNumbers(print(2, 3, 9999)), (std::vector<std::string>{"Page 4", "Page 4", "Page 3", "Page 3"}));
}

TEST_F(PrintJob, WithoutGraphicsOrSetupNothingIsPrinted) {
    PrintModule::DoPrinting(nullptr, &setup);
    PrintModule::DoPrinting(&g, nullptr);
    EXPECT_TRUE(g.calls().empty());
}

TEST_F(PrintJob, CancelledPrinterDialogPrintsNothingAndLeavesThePageCounter) {
    ScopedScriptedUi ui;
    ui->expectPrinterDialog(std::nullopt);
    PrintModule::curPageNo = 7;
    PrintModule::doPrint(setup);
    EXPECT_EQ(PrintModule::curPageNo, 7);
    EXPECT_EQ(PrintModule::mStp, nullptr);
}

TEST_F(PrintJob, PrintingToAPdfFileMakesOneSheetPerChosenPage) {
    textOfPages(4);
    PrintSettings chosen = setup.Settings();
    chosen.outputFile = pdfPath("all");
    ScopedScriptedUi ui;
    ui->expectPrinterDialog(chosen);
    PrintModule::doPrint(setup);
    EXPECT_EQ(pdfPageCount(chosen.outputFile), 4);
    EXPECT_EQ(PrintModule::curPageNo, 4);

    chosen.outputFile = pdfPath("range");
    chosen.firstPage = 2;
    chosen.lastPage = 3;
    chosen.copies = 2;
    ui->expectPrinterDialog(chosen);
    PrintModule::doPrint(setup);
    EXPECT_EQ(pdfPageCount(chosen.outputFile), 4);  // two pages, twice
    std::remove(pdfPath("all").c_str());
    std::remove(pdfPath("range").c_str());
}

// What a reader finds in the file: only the chosen pages' lines, even in
// its text layer (a page drawn and covered in white would still be there).
TEST_F(PrintJob, APdfOfAPageRangeHoldsOnlyTheTextOfThosePages) {
    textOfPages(4);
    const int perPage = linesPerPage(setup);
    PrintSettings chosen = setup.Settings();
    chosen.outputFile = pdfPath("text");
    chosen.firstPage = 2;
    chosen.lastPage = 3;
    ScopedScriptedUi ui;
    ui->expectPrinterDialog(chosen);
    PrintModule::doPrint(setup);
    const std::string text = pdfText(chosen.outputFile);
    ASSERT_FALSE(text.empty()) << "pdftotext read nothing";
    auto holds = [&](int line) { return text.find("Line " + std::to_string(line) + "\n") != std::string::npos; };
    EXPECT_FALSE(holds(1));
    EXPECT_FALSE(holds(perPage));
    EXPECT_TRUE(holds(perPage + 1));
    EXPECT_TRUE(holds(perPage * 3));
    EXPECT_FALSE(holds(perPage * 3 + 1));
    EXPECT_NE(text.find("Page 2"), std::string::npos);
    EXPECT_EQ(text.find("Page 1"), std::string::npos);
    std::remove(chosen.outputFile.c_str());

    // Past the end: no file at all, and the user is told.
    chosen.outputFile = pdfPath("past");
    chosen.firstPage = 5;
    chosen.lastPage = 9999;
    ui->expectPrinterDialog(chosen).expectMsgBox(PrintModule::kRangePastTheEnd);
    PrintModule::doPrint(setup);
    EXPECT_FALSE(std::filesystem::exists(chosen.outputFile));
}

// The photo goes into a PDF once, at the file's 1200 dpi for its 90 x 90
// box: a 12-megapixel photo drawn whole on each page of an 8-page recipe
// once made a 40 MB file.
TEST_F(PrintJob, ALargePhotoGoesIntoAPdfOnceAtThePrintResolutionOfItsBox) {
    textOfPages(8);
    recipe.photo = NewPicture(4000, 3000);
    for (int32_t x = 0; x < 4000; x += 8) {  // a rainbow of stripes
        recipe.photo->Graphics()->ForeColor = RGB(x % 256, (x / 16) % 256, 255 - x % 256);
        recipe.photo->Graphics()->FillRect(x, 0, 8, 3000);
    }
    const std::string pdf = printToPdf("photo");
    // The file's image objects with their sizes in pixels (Qt writes them uncompressed).
    const std::string bytes = readBytes(pdf);
    std::vector<std::string> images;
    for (size_t at = bytes.find("/Subtype /Image\n"); at != std::string::npos; at = bytes.find("/Subtype /Image\n", at + 1))
        images.push_back(bytes.substr(at + 16, bytes.find("/Bits", at) - at - 16));
    EXPECT_EQ(images, std::vector<std::string>{"/Width 1500\n/Height 1134\n"});  // 90 x 68 points at 1200 dpi
    EXPECT_LT(bytes.size(), 2u * 1024 * 1024);
    std::remove(pdf.c_str());
}

TEST_F(PrintJob, TheFooterLineAndThePageNumberNeverTouchOnLetterPaper) {
    for (double margin : {0.0, 18.0, 36.0, 72.0}) {
        PrinterSetup letter = letterSetup(margin);
        PrintSettings chosen = letter.Settings();
        chosen.outputFile = pdfPath("footer");
        ScopedScriptedUi ui;
        ui->expectPrinterDialog(chosen);
        PrintModule::doPrint(letter);
        const std::vector<PdfWord> words = pdfWords(chosen.outputFile);
        const auto page = std::find_if(words.begin(), words.end(), [](const PdfWord& w) { return w.text == "Page"; });
        ASSERT_NE(page, words.end()) << "margin " << margin;
        for (const PdfWord& word : words) {
            if (&word == &*page || word.yMax < page->yMin || word.yMin > page->yMax || word.text == "1") continue;
            EXPECT_LT(word.xMax + 2, page->xMin) << "\"" << word.text << "\" reaches the page number, margin " << margin;
        }
        // The date stays whole: its weekday and its year on one line.
        const std::regex weekday("[A-Z][a-z][a-z],"), year("[0-9]{4}");
        const auto first = std::find_if(words.begin(), words.end(), [&](const PdfWord& w) { return std::regex_match(w.text, weekday); });
        const auto last = std::find_if(words.begin(), words.end(), [&](const PdfWord& w) { return std::regex_match(w.text, year); });
        ASSERT_TRUE(first != words.end() && last != words.end()) << "margin " << margin;
        EXPECT_EQ(first->yMin, last->yMin) << "the date is split, margin " << margin;
        std::remove(chosen.outputFile.c_str());
    }
}
