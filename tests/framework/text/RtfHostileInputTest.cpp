// The reader meets RTF from the database, from dropped files and from other
// programs; none of it may crash, hang or read outside the input. The fuzz
// target's corpus is replayed here through the fuzz entry point itself, so
// the checks it makes (refusal changes nothing, what was read is stable
// through write and read) run in every test run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>

#include "fuzz/rtf_fuzz.cpp"
#include "framework/text/StyledText.h"
#include "tests/support/Growth.h"
#include "tests/support/TestFiles.h"

namespace {

void replay(const std::string& input) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
}

TEST(RtfHostileInput, CorpusAndEveryPrefixOfItReadSafely) {
    const auto files = fuzzCorpus("rtf");
    ASSERT_GE(files.size(), 10u) << fuzzCorpusFolder("rtf");
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        for (size_t length = 0; length <= bytes.size(); ++length) replay(bytes.substr(0, length));
    }
}

TEST(RtfHostileInput, CorpusFilesFromOtherProgramsGiveTheirText) {
    for (const auto& [name, bytes] : fuzzCorpus("rtf")) {
        StyledText t;
        ASSERT_TRUE(t.SetRTFData(bytes)) << name;
        if (name == "word_with_pictures.rtf") {
            EXPECT_EQ(t.Text(), "Lemon cake\rZest of one lemon see here andtwo eggs\xE2\x80\x94" "beaten.\r\xEF\x82\xB7\tBake 40 min\r");
        }
        if (name == "textedit_cocoa.rtf") {
            EXPECT_EQ(t.Text(), "Pancakes\r\rServes 4\rFlip once \xF0\x9F\x90\xB6\r");
        }
    }
}

TEST(RtfHostileInput, DepthBombsAreSkippedInLinearTime) {
    StyledText t;
    const std::string deep = "{\\rtf1 a" + std::string(100000, '{') + "hidden" + std::string(100000, '}') + "b}";
    ASSERT_TRUE(t.SetRTFData(deep));
    EXPECT_EQ(t.Text(), "ab");  // text nested beyond the limit is not read

    std::string styled = "{\\rtf1 ";
    for (int i = 0; i < 100000; ++i) styled += "{\\b ";
    ASSERT_TRUE(t.SetRTFData(styled + "x"));  // and never closed
    EXPECT_EQ(t.Text(), "");

    ASSERT_TRUE(t.SetRTFData("{\\rtf1 " + std::string(100000, '{')));
    replay("{\\rtf1{\\*" + std::string(100000, '{'));

    // Eight times as deep costs about eight times as long, not sixty-four.
    // The work is quick, so each size takes its fastest of several runs.
    const auto bomb = [](int depth) {
        return "{\\rtf1 a" + std::string(depth, '{') + "{\\b hidden" + std::string(depth, '}') + "b}";
    };
    const std::string shallow = bomb(100000), deeper = bomb(800000);
    const double grew = growth([&] { StyledText s; s.SetRTFData(shallow); }, [&] { StyledText s; s.SetRTFData(deeper); }, 7);
    EXPECT_LT(grew, 24.0);
}

TEST(RtfHostileInput, NestingUpToTheLimitIsStillRead) {
    const std::string nested = "{\\rtf1 " + std::string(150, '{') + "deep" + std::string(150, '}') + "}";
    StyledText t;
    ASSERT_TRUE(t.SetRTFData(nested));
    EXPECT_EQ(t.Text(), "deep");
}

TEST(RtfHostileInput, BinaryLengthsAreBoundedByTheInput) {
    StyledText t;
    ASSERT_TRUE(t.SetRTFData("{\\rtf1 a\\bin3 {}}\\b b}"));  // the braces are data
    EXPECT_EQ(t.Text(), "ab");
    ASSERT_TRUE(t.SetRTFData("{\\rtf1 a\\bin2147483647 bc}"));
    EXPECT_EQ(t.Text(), "a");
    ASSERT_TRUE(t.SetRTFData("{\\rtf1 a{\\pict\\bin99999999999999999999"));
    EXPECT_EQ(t.Text(), "a");
}

TEST(RtfHostileInput, RandomTokenSoupNeverBreaksTheReader) {
    // Pieces that matter to the reader, glued at random, plus raw bytes.
    const std::vector<std::string> pieces = {
        "{", "}", "\\", "\\'", "\\'8", "\\'e9", "\\u", "\\u-", "\\u-10179?", "\\u-8704?", "\\u233", "\\uc",
        "\\uc0", "\\uc5", "\\bin", "\\bin3 ", "\\bin-1", "\\*", "\\fonttbl", "\\colortbl", "\\f", "\\f1",
        "\\fs", "\\fs0", "\\cf", "\\cf2", "\\red9", ";", "\\b", "\\b0", "\\par", "\\pard", "\\qc", "\\plain",
        "\\pict", "\\info", "\\mac", "\\ansicpg10000", "\\fcharset77", " ", "x", "\r\n", "\\\n", "\\~", "\\emdash"};
    std::mt19937 random(20240607);
    for (int round = 0; round < 3000; ++round) {
        std::string input = "{\\rtf1";
        const int count = static_cast<int>(random() % 60);
        for (int i = 0; i < count; ++i) {
            if (random() % 8 == 0) input += static_cast<char>(random() % 256);
            else input += pieces[random() % pieces.size()];
        }
        replay(input);
    }
}

TEST(RtfHostileInput, LargeInputIsReadInLinearTime) {
    const auto document = [](int paragraphs) {
        std::string rtf = "{\\rtf1{\\fonttbl{\\f0 Geneva;}}{\\colortbl;\\red1\\green2\\blue3;}";
        for (int i = 0; i < paragraphs; ++i) rtf += "\\b word\\b0  \\cf1\\u233?\\'e9{\\i x}\\par\n";
        return rtf + "}";
    };
    const std::string small = document(2500), big = document(20000);
    StyledText t;
    ASSERT_TRUE(t.SetRTFData(big));
    EXPECT_EQ(t.ParagraphCount(), 20001u);
    // Eight times the paragraphs cost about eight times as long, not sixty-four.
    const double grew = growth([&] { StyledText s; s.SetRTFData(small); }, [&] { StyledText s; s.SetRTFData(big); }, 5);
    EXPECT_LT(grew, 24.0);
}

}  // namespace
