// Printing styled text in blocks: every line once, in order, whole lines per
// block, always moving on, drawn inside its box.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>
#include <regex>
#include <sstream>

#include "framework/graphics/ImageGraphics.h"
#include "framework/graphics/PrinterGraphics.h"
#include "framework/graphics/RecordingGraphics.h"
#include "framework/print/StyledTextPrinter.h"
#include "framework/text/StyledText.h"
#include "framework/ui/controls/EditField.h"
#include "tests/framework/controls/ControlTestSupport.h"
#include "tests/framework/print/PdfText.h"

namespace {

StyledText paragraphs(int count, double size) {
    std::string text;
    for (int i = 0; i < count; ++i) text += (i ? "\r" : "") + std::string("Line ") + std::to_string(i);
    return StyledText(text, TextStyle{"Helvetica", size});
}

struct Block {
    int first, last;
};

// The line ranges of the blocks recorded, from "StyledText x,y,w,h lines a-b".
std::vector<Block> recordedBlocks(const RecordingGraphics& g) {
    std::vector<Block> blocks;
    const std::regex pattern(R"(Custom StyledText \d+,\d+,\d+,\d+ lines (\d+)-(\d+))");
    for (const std::string& line : g.log()) {
        std::smatch m;
        if (std::regex_search(line, m, pattern)) blocks.push_back({std::stoi(m[1]), std::stoi(m[2])});
    }
    return blocks;
}

}  // namespace

TEST(StyledTextPrinter, BlocksTakeEveryLineOnceInOrder) {
    RecordingGraphics g;
    StyledTextPrinter printer(paragraphs(40, 12), g, 400);
    int pages = 0;
    while (!printer.Eof() && pages < 100) {
        printer.DrawBlock(75, 110, 100);
        ++pages;
    }
    const std::vector<Block> blocks = recordedBlocks(g);
    ASSERT_EQ(blocks.size(), static_cast<size_t>(pages));
    EXPECT_GT(pages, 3) << "40 lines of 12 do not fit in 100 units";
    int next = 0;
    for (const Block& b : blocks) {
        EXPECT_EQ(b.first, next);
        EXPECT_GE(b.last, b.first);
        next = b.last + 1;
    }
    EXPECT_EQ(next, 40) << "one line per paragraph, all drawn";
    // Whole lines that fit: every full block holds the same number.
    EXPECT_EQ(blocks[0].last - blocks[0].first, blocks[1].last - blocks[1].first);

    g.clear();
    printer.DrawBlock(75, 110, 100);
    EXPECT_TRUE(g.log().empty()) << "nothing left to draw";
}

TEST(StyledTextPrinter, ALineTallerThanTheBlockStillMovesOn) {
    RecordingGraphics g;
    StyledTextPrinter printer(paragraphs(3, 120), g, 400);
    for (int i = 0; i < 3; ++i) printer.DrawBlock(0, 0, 50);
    EXPECT_TRUE(printer.Eof());
    EXPECT_EQ(recordedBlocks(g).size(), 3u);
}

TEST(StyledTextPrinter, EmptyTextIsAtItsEndAndABlockOfNoHeightStillMovesOn) {
    RecordingGraphics g;
    StyledTextPrinter empty(StyledText(), g, 400);
    EXPECT_TRUE(empty.Eof());
    empty.DrawBlock(0, 0, 100);
    EXPECT_TRUE(g.log().empty());

    // A page whose text box has no room (huge margins on small paper) must
    // not stop a page loop from ending.
    StyledTextPrinter printer(paragraphs(2, 12), g, 400);
    printer.DrawBlock(0, 0, 0);
    printer.DrawBlock(0, 0, -10);
    EXPECT_TRUE(printer.Eof());
    EXPECT_EQ(g.log(), (std::vector<std::string>{"Custom StyledText 0,0,400,0 lines 0-0",
                                                 "Custom StyledText 0,0,400,-10 lines 1-1"}));
    EXPECT_EQ(StyledTextPrinter(paragraphs(1, 12), g, -5).Width(), 1);
}

TEST(StyledTextPrinter, DrawsInsideItsBoxOnly) {
    QImage image(300, 200, QImage::Format_ARGB32);
    image.fill(Qt::white);
    ImageGraphics g(image);
    StyledTextPrinter printer(paragraphs(20, 14), g, 120);
    printer.DrawBlock(20, 30, 40);
    int inside = 0, outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) > 128) continue;
            const bool in = x >= 20 && x < 140 && y >= 30 && y < 70;
            (in ? inside : outside)++;
        }
    EXPECT_GT(inside, 20);
    EXPECT_EQ(outside, 0);
}

// Drawn line by line, the text keeps its styles: colours and alignment.
TEST(StyledTextPrinter, LinesKeepTheirColourAndAlignment) {
    QImage image(300, 100, QImage::Format_ARGB32);
    image.fill(Qt::white);
    ImageGraphics g(image);
    StyledText text("Red words here\rRight", TextStyle{"Helvetica", 14});
    text.SetTextColor(0, 3, 0xFF0000);
    text.SetAlignment(1, TextAlignment::Right);
    StyledTextPrinter printer(text, g, 300);
    printer.DrawBlock(0, 0, 100);
    int red = 0, darkOnTheRight = 0, darkOnTheLeftOfLineTwo = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 80 && c.blue() < 80;
            const bool dark = qGray(c.rgb()) < 100 && c.red() < 100;
            if (y > 20 && x > 250) darkOnTheRight += dark;
            if (y > 20 && x < 150) darkOnTheLeftOfLineTwo += dark;
        }
    EXPECT_GT(red, 10);
    EXPECT_GT(darkOnTheRight, 10);
    EXPECT_EQ(darkOnTheLeftOfLineTwo, 0);
}

// A word far wider than the page (a one-line recipe of one letter) is laid
// out in a time that grows with its length, not with its square, and breaks
// into the lines Qt's own wrapping gives it: words in two styles (two
// blacks) are left to Qt, and both draw the same pixels.
TEST(StyledTextPrinter, AWordWiderThanThePageLaysOutInLinearTimeWithQtsOwnLines) {
    RecordingGraphics recording;
    auto layoutSeconds = [&](size_t letters) {
        double best = 1e9;  // of three runs
        for (int run = 0; run < 3; ++run) {
            const auto started = std::chrono::steady_clock::now();
            StyledTextPrinter printer(StyledText(std::string(letters, 'x')), recording, 400);
            best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
        }
        return best;
    };
    // Eight times the letters: linear is 8, the square 64 (about 31 measured, so 16 sits midway).
    EXPECT_LT(layoutSeconds(256 * 1024) / layoutSeconds(32 * 1024), 16) << "eight times the letters";
    const std::string word(1500, 'x');
    StyledText text("Flour and sugar, then " + word + " and a few words after it.\r" + word + " end",
                    TextStyle{"Helvetica", 12});
    text.SetBold(22, 1500, true);
    text.SetAlignment(1, TextAlignment::Center);
    auto drawn = [](const StyledText& text) {
        QImage image(300, 1400, QImage::Format_ARGB32);
        image.fill(Qt::white);
        ImageGraphics g(image);
        StyledTextPrinter(text, g, 300).DrawBlock(0, 0, image.height());  // every line
        return image;
    };
    StyledText leftToQt = text;
    leftToQt.SetTextColor(700, 1600, 0x000001);  // into both words
    const QImage split = drawn(text), qts = drawn(leftToQt);
    int differing = 0;
    for (int y = 0; y < split.height(); ++y)
        for (int x = 0; x < split.width(); ++x) differing += std::abs(qGray(split.pixel(x, y)) - qGray(qts.pixel(x, y))) > 8;
    EXPECT_EQ(differing, 0);
}

TEST(StyledTextPrinter, TakesTheFieldsTextWhenCreated) {
    TestWindow window;
    window.finishBuilding();
    auto* field = window.add<EditField>("RecipeText");
    field->MultiLine = true;
    field->Styled = true;
    field->StyledText = paragraphs(5, 12);
    RecordingGraphics g;
    StyledTextPrinter printer(*field, g, 400);
    field->Text = "";
    printer.DrawBlock(0, 0, 1000);
    ASSERT_EQ(recordedBlocks(g).size(), 1u);
    EXPECT_EQ(recordedBlocks(g)[0].last, 4);
    EXPECT_TRUE(printer.Eof());
}

// The page loop of a print job: a block per page until the text is used up,
// on a real paged device at a printer's resolution.
TEST(StyledTextPrinter, FlowsOverThePagesOfAPrintJob) {
    QTemporaryDir dir;
    const QString path = dir.filePath("recipe.pdf");
    int blocks = 0;
    {
        QPdfWriter writer(path);
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        PrinterGraphics g(writer);
        StyledTextPrinter printer(paragraphs(150, 12), g, g.Width() - 150);
        while (true) {
            printer.DrawBlock(75, 110, g.Height() - 150);
            ++blocks;
            if (printer.Eof() || blocks > 20) break;
            g.NextPage();
        }
    }
    EXPECT_GE(blocks, 3) << "150 lines of 12 points need several pages of 642";
    EXPECT_LE(blocks, 6);
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), blocks);
}

// What goes into a PDF's text layer is what a block drew: each word of a
// wrapped paragraph on exactly one page, none of a skipped block, none of the
// lines just above or below a block (clipped away, they would still be text).
TEST(StyledTextPrinter, APdfHoldsEachDrawnLineOnceAndNothingOfSkippedBlocks) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("wrapped.pdf").toStdString();
    std::string text;
    for (int i = 0; i < 300; ++i) text += "w" + std::to_string(i) + " ";
    std::vector<int> lastWordOfBlock;
    int32_t blocks = 0;
    {
        QPdfWriter writer(QString::fromStdString(path));
        writer.setResolution(600);
        PrinterGraphics g(writer);
        StyledTextPrinter printer(StyledText(text, TextStyle{"Helvetica", 12}), g, 200);
        blocks = printer.BlockCount(100);
        printer.DrawBlock(0, 0, 100);
        printer.SkipBlock(100);
        EXPECT_EQ(printer.BlockCount(100), blocks - 2);
        while (!printer.Eof()) {
            g.NextPage();
            printer.DrawBlock(0, 0, 100);
        }
        EXPECT_EQ(printer.BlockCount(100), 0);
    }
    ASSERT_GT(blocks, 4) << "300 words do not fit 2 blocks of 100 at width 200";
    std::istringstream words(pdfText(path));
    std::vector<int> seen;
    for (std::string word; words >> word;) seen.push_back(std::stoi(word.substr(1)));
    ASSERT_FALSE(seen.empty()) << "pdftotext read nothing";
    // The first block's words, then a gap (the skipped block), then the rest to the end, each once.
    size_t gap = 1;
    while (gap < seen.size() && seen[gap] == seen[gap - 1] + 1) ++gap;
    ASSERT_LT(gap, seen.size()) << "the skipped block's words were printed";
    EXPECT_EQ(seen.front(), 0);
    EXPECT_GT(seen[gap], seen[gap - 1] + 1);
    for (size_t i = gap + 1; i < seen.size(); ++i) EXPECT_EQ(seen[i], seen[i - 1] + 1) << "at word " << i;
    EXPECT_EQ(seen.back(), 299);
}
