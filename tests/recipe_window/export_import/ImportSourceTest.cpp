// Which files are imported as what, and the names they give, as rules.
#include <gtest/gtest.h>

#include "recipe_window/ImportSource.h"

namespace {

TEST(ImportKindOf, TheClippingTestComesFirstThenPlainTextUnlessTheTypeSaysRtf) {
    EXPECT_EQ(importKindOf("clpt", "RTF File"), ImportKind::TextClipping);
    EXPECT_EQ(importKindOf("CLPT", ""), ImportKind::TextClipping);
    EXPECT_EQ(importKindOf("TEXT", "Text"), ImportKind::PlainText);
    EXPECT_EQ(importKindOf("text", ""), ImportKind::PlainText);
    EXPECT_EQ(importKindOf("Text", "TexEdit"), ImportKind::PlainText);
    EXPECT_EQ(importKindOf("ttro", "Text Read Only"), ImportKind::PlainText);
    EXPECT_EQ(importKindOf("TEXT", "RTF File"), ImportKind::Rtf);
    EXPECT_EQ(importKindOf("RTFf", "rtf FILE"), ImportKind::Rtf);
    EXPECT_EQ(importKindOf("", "RTF File"), ImportKind::Rtf);
    EXPECT_EQ(importKindOf("JPEG", "image/jpeg"), ImportKind::None);
    EXPECT_EQ(importKindOf("", ""), ImportKind::None);
    EXPECT_EQ(importKindOf("TEXTs", "Text"), ImportKind::None);
}

TEST(ImportedRecipeName, CutBeforeTheFirstSuffixInAnyCaseAndNeverBlank) {
    EXPECT_EQ(importedRecipeName("Pasta.txt"), "Pasta.txt");
    EXPECT_EQ(importedRecipeName("Soup.rtf", ".rtf"), "Soup");
    EXPECT_EQ(importedRecipeName("Soup.RTF", ".rtf"), "Soup");
    EXPECT_EQ(importedRecipeName("Soup.rtf.rtf", ".rtf"), "Soup");
    EXPECT_EQ(importedRecipeName("Note.textClipping", ".TextClipping"), "Note");
    EXPECT_EQ(importedRecipeName("Crème brûlée.textClipping", ".TextClipping"), "Crème brûlée");
    // No suffix: nothing comes before it, so the name is as for a blank one.
    EXPECT_EQ(importedRecipeName("Soup", ".rtf"), "Untitled Recipe");
    EXPECT_EQ(importedRecipeName("Soup.txt", ".rtf"), "Untitled Recipe");
    EXPECT_EQ(importedRecipeName("Note", ".TextClipping"), "Untitled Recipe");
    EXPECT_EQ(importedRecipeName(".rtf", ".rtf"), "Untitled Recipe");
    EXPECT_EQ(importedRecipeName("  .TextClipping", ".TextClipping"), "Untitled Recipe");
    EXPECT_EQ(importedRecipeName("   "), "Untitled Recipe");
    EXPECT_EQ(importedRecipeName(""), "Untitled Recipe");
    EXPECT_EQ(importedRecipeName(" Stew "), " Stew ");
}

}  // namespace
