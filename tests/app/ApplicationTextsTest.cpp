// The texts the application builds from values.
#include <gtest/gtest.h>

#include "app/ApplicationTexts.h"

TEST(ApplicationTexts, UnhandledExceptionTextHasThreeLinesWithNumberAndMessage) {
    EXPECT_EQ(unhandledExceptionText(12, "Index out of bounds"),
              "Error 610: Unhandled Exception:\r12 : Index out of bounds\rPlease report this error, along with what "
              "you were trying to do, to Quillmere Software support.");
    // An empty message leaves the middle line ending in " : ".
    EXPECT_EQ(unhandledExceptionText(0, ""),
              "Error 610: Unhandled Exception:\r0 : \rPlease report this error, along with what you were trying to "
              "do, to Quillmere Software support.");
    EXPECT_EQ(unhandledExceptionText(-7, "x").substr(31, 7), "\r-7 : x");
}

TEST(ApplicationTexts, StageNamesForTheFourCodesAndNothingForOthers) {
    EXPECT_EQ(stageNameForCode(3), "Final");
    EXPECT_EQ(stageNameForCode(2), "Beta");
    EXPECT_EQ(stageNameForCode(1), "Alpha");
    EXPECT_EQ(stageNameForCode(0), "Dev");
    EXPECT_EQ(stageNameForCode(4), "");
    EXPECT_EQ(stageNameForCode(-1), "");
}
