#include <gtest/gtest.h>

#include "framework/data/Date.h"
#include "framework/graphics/Picture.h"
#include "framework/runtime/Clock.h"
#include "recipe_window/print/PrintModule.h"
#include "tests/recipe_window/print/PrintTestSupport.h"

namespace {

class PageLayout : public ::testing::Test {
protected:
    FakeRecipe recipe;
    RecordingGraphics g{540, 720};

    PageLayout() {
        Clock::setFake([] { return int64_t(1796652000) * 1000000; });  // Dec 2026
    }
    ~PageLayout() override {
        PrintModule::EndPrinting();
        Clock::setFake(nullptr);
    }

    // Draws page 1 of a copy on this setup.
    std::vector<std::string> firstPage(PrinterSetup setup) {
        PrintModule::curPageNo = 1;
        PrintModule::BeginPrinting(g, setup);
        PrintModule::PrintSomeInformation(g, setup);
        return g.log();
    }

    const RecordedCall& callNamed(const std::string& name, int nth = 0) {
        for (const RecordedCall& call : g.calls())
            if (call.name == name && nth-- == 0) return call;
        throw std::runtime_error("no call " + name);
    }
};

}  // namespace

TEST_F(PageLayout, APageDrawsTheTextBlockHeaderAndFooterInOrderAtTheirPlaces) {
    recipe.photo = NewPicture(180, 90);
    const std::string date = Date().AbbreviatedDate();
    ASSERT_NE(date.find("2026"), std::string::npos);
    // Letter with half-inch margins: Left -36, Width 540, Height 720.
    EXPECT_EQ(firstPage(letterSetup(36)),
              (std::vector<std::string>{
                  "Custom StyledText 75,110,390,570 lines 0-0",
                  "DrawString 39,70 Apple pie",
                  "DrawString 39,85 Recipe Rating: 3",
                  "DrawLine 39,95,429,95",
                  "DrawPicture 339,45,90,45,0,0,180,90 picture 180x90",
                  "DrawString 39,700 Recipe printed from Quillmere Larderwise, available at www.quillmere.com - " +
                      date,
                  "DrawString 437,700 Page 1",
                  "DrawLine 39,690,429,690",
              }));

    const RecordedCall& name = callNamed("DrawString", 0);
    EXPECT_TRUE(name.bold);
    EXPECT_EQ(name.textSize, 14);
    const RecordedCall& rating = callNamed("DrawString", 1);
    EXPECT_TRUE(rating.bold);
    EXPECT_EQ(rating.textSize, 9);
    EXPECT_EQ(callNamed("DrawLine", 0).penWidth, 4);
    EXPECT_EQ(callNamed("DrawLine", 0).penHeight, 4);  // a horizontal rule's thickness
    for (int footer : {2, 3}) {
        EXPECT_FALSE(callNamed("DrawString", footer).bold);
        EXPECT_EQ(callNamed("DrawString", footer).textSize, 8);
        EXPECT_EQ(callNamed("DrawString", footer).textFont, "System");
        EXPECT_EQ(callNamed("DrawString", footer).foreColor, 0x000000u);
    }
    EXPECT_EQ(callNamed("DrawLine", 1).penWidth, 1);
    EXPECT_EQ(callNamed("DrawLine", 1).penHeight, 1);
}

TEST_F(PageLayout, WithLeftAtZeroTheHeaderFooterAndTextAllBeginAt75) {
    recipe.photo = nullptr;
    const auto log = firstPage(letterSetup(0));
    ASSERT_EQ(log.size(), 7u);  // no thumbnail without a photo
    EXPECT_EQ(log[0].rfind("Custom StyledText 75,110,462,642 ", 0), 0u);
    EXPECT_EQ(log[1], "DrawString 75,70 Apple pie");
    EXPECT_EQ(log[2], "DrawString 75,85 Recipe Rating: 3");
    EXPECT_EQ(log[3], "DrawLine 75,95,537,95");
    EXPECT_EQ(log[4].rfind("DrawString 75,772 Recipe printed from", 0), 0u);
    EXPECT_EQ(log[5], "DrawString 509,772 Page 1");
    EXPECT_EQ(log[6], "DrawLine 75,762,537,762");
}

TEST_F(PageLayout, NameIsTrimmedAndAnUnratedRecipeSaysSo) {
    recipe.name = "  \tLemon tart  ";
    recipe.rating = 0;
    const auto log = firstPage(letterSetup(0));
    EXPECT_EQ(log[1], "DrawString 75,70 Lemon tart");
    EXPECT_EQ(log[2], "DrawString 75,85 Recipe Rating: Not rated");
}

TEST_F(PageLayout, ThumbnailFitsTheBoxAboveTheRuleWhateverThePhotosShape) {
    struct Case {
        int w, h;
        std::string drawn;
    };
    // Box: left at Left + Width - 165 = 447, bottom at y 90.
    for (const Case& c : {Case{180, 90, "DrawPicture 447,45,90,45,0,0,180,90 picture 180x90"},
                          Case{30, 60, "DrawPicture 447,0,45,90,0,0,30,60 picture 30x60"},
                          Case{73, 20, "DrawPicture 447,65,90,25,0,0,73,20 picture 73x20"},
                          Case{3000, 1000, "DrawPicture 447,60,90,30,0,0,3000,1000 picture 3000x1000"}}) {
        g.clear();
        recipe.photo = NewPicture(c.w, c.h);
        EXPECT_EQ(firstPage(letterSetup(0)).at(4), c.drawn);
        PrintModule::EndPrinting();
    }
}

TEST_F(PageLayout, NameRatingAndPhotoAreReadAgainForEveryPage) {
    recipe.text = linesOfText(200);
    PrinterSetup setup = letterSetup(0);
    PrintModule::curPageNo = 1;
    PrintModule::BeginPrinting(g, setup);
    EXPECT_TRUE(PrintModule::PrintSomeInformation(g, setup));
    recipe.name = "Renamed";
    recipe.rating = 5;
    recipe.text = StyledText("changed");  // the text printer keeps the copy's text
    PrintModule::curPageNo = 2;
    g.clear();
    EXPECT_TRUE(PrintModule::PrintSomeInformation(g, setup));
    const auto log = g.log();
    EXPECT_EQ(PrintModule::mStp->LineCount(), 200u);
    EXPECT_EQ(log[1], "DrawString 75,70 Renamed");
    EXPECT_EQ(log[2], "DrawString 75,85 Recipe Rating: 5");
    EXPECT_EQ(log[5], "DrawString 509,772 Page 2");
}
