#include <gtest/gtest.h>

#include <QImage>
#include <regex>

#include "framework/graphics/ImageGraphics.h"
#include "framework/graphics/RecordingGraphics.h"
#include "framework/print/StyledTextPrinter.h"

namespace {

struct Block {
    int x, y, width, height, firstLine, lastLine, lineCount;
};

// The blocks a recording holds, from their "StyledTextBlock" descriptions.
std::vector<Block> blocksOf(const RecordingGraphics& g) {
    static const std::regex form(R"(StyledTextBlock (-?\d+),(-?\d+),(\d+),(-?\d+) lines (\d+)-(\d+) of (\d+))");
    std::vector<Block> blocks;
    for (const RecordedCall& call : g.calls()) {
        std::smatch m;
        if (call.name != "Custom" || !std::regex_match(call.text, m, form)) continue;
        blocks.push_back({std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3]), std::stoi(m[4]), std::stoi(m[5]),
                          std::stoi(m[6]), std::stoi(m[7])});
    }
    return blocks;
}

StyledText longRecipe(int paragraphs) {
    std::string text;
    for (int i = 1; i <= paragraphs; ++i)
        text += "Step " + std::to_string(i) + ": stir the sauce gently and keep it on a low heat.\r";
    return StyledText(text);
}

int darkRowsBetween(const QImage& image, int top, int bottom) {
    int rows = 0;
    for (int y = std::max(0, top); y < std::min(image.height(), bottom); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                ++rows;
                break;
            }
    return rows;
}

}  // namespace

TEST(StyledTextPrinter, ShortTextIsOneBlockAndThenAtItsEnd) {
    RecordingGraphics g;
    StyledTextPrinter printer(StyledText("Two eggs\rA cup of flour"), g, 300);
    EXPECT_EQ(printer.Width(), 300);
    EXPECT_EQ(printer.LineCount(), 2u);
    EXPECT_FALSE(printer.EOF_());
    printer.DrawBlock(75, 110, 500);
    EXPECT_TRUE(printer.EOF_());
    ASSERT_EQ(g.log(), std::vector<std::string>{"Custom StyledTextBlock 75,110,300,500 lines 1-2 of 2"});
    printer.DrawBlock(75, 110, 500);  // nothing left: draws nothing
    EXPECT_EQ(g.calls().size(), 1u);
}

TEST(StyledTextPrinter, EmptyTextStillPrintsOneEmptyBlock) {
    RecordingGraphics g;
    StyledTextPrinter printer(StyledText(), g, 300);
    EXPECT_FALSE(printer.EOF_());
    printer.DrawBlock(0, 0, 100);
    EXPECT_TRUE(printer.EOF_());
}

TEST(StyledTextPrinter, LongTextFlowsOverBlocksLineByLineWithoutGapsOrRepeats) {
    RecordingGraphics g;
    StyledTextPrinter printer(longRecipe(120), g, 200);
    int blocks = 0;
    while (!printer.EOF_() && blocks < 1000) {
        printer.DrawBlock(75, 110, 300);
        ++blocks;
    }
    const auto drawn = blocksOf(g);
    ASSERT_EQ(int(drawn.size()), blocks);
    ASSERT_GE(blocks, 3);
    int nextLine = 1;
    for (const Block& b : drawn) {
        EXPECT_EQ(b.firstLine, nextLine);
        EXPECT_GE(b.lastLine, b.firstLine);
        nextLine = b.lastLine + 1;
    }
    EXPECT_EQ(nextLine - 1, drawn.back().lineCount);
    // Narrower text takes more lines than paragraphs: each wraps.
    EXPECT_GT(drawn.back().lineCount, 120);
    // Full blocks hold the same number of lines: no block is cut short.
    for (size_t i = 1; i + 1 < drawn.size(); ++i)
        EXPECT_EQ(drawn[i].lastLine - drawn[i].firstLine, drawn[0].lastLine - drawn[0].firstLine);
}

TEST(StyledTextPrinter, ALineTallerThanTheBlockStillAdvances) {
    RecordingGraphics g;
    StyledText text("Big\rsmall");
    text.SetSize(0, 3, 200);
    StyledTextPrinter printer(text, g, 400);
    printer.DrawBlock(0, 0, 50);
    printer.DrawBlock(0, 0, 0);
    EXPECT_TRUE(printer.EOF_());
    EXPECT_EQ(blocksOf(g).size(), 2u);
}

TEST(StyledTextPrinter, DrawsOnlyTheBlocksLinesInsideTheBlock) {
    QImage image(400, 400, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    ImageGraphics g(image);
    StyledText text = longRecipe(30);
    text.SetSize(0, text.Length(), 12);
    StyledTextPrinter printer(text, g, 300);

    printer.DrawBlock(20, 100, 100);
    EXPECT_GT(darkRowsBetween(image, 100, 200), 20);
    EXPECT_EQ(darkRowsBetween(image, 0, 100), 0);
    EXPECT_EQ(darkRowsBetween(image, 200, 400), 0);

    // The next block starts with the next line, at the top of its own box.
    image.fill(Qt::white);
    printer.DrawBlock(20, 250, 100);
    EXPECT_GT(darkRowsBetween(image, 250, 350), 20);
    EXPECT_EQ(darkRowsBetween(image, 0, 250), 0);
}
