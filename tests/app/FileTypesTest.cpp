// The four file-type sets as the rest of the program meets them: the
// database filter and what type a file of a given name is taken to be.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/file_types/DatabaseFileTypes.h"
#include "app/file_types/FileTypeSets.h"
#include "framework/files/FileType.h"
#include "framework/files/FolderItem.h"
#include "tests/framework/files/FileTestSupport.h"

namespace {
class FileTypes : public ::testing::Test {
protected:
    void SetUp() override { _InitFileTypes(); }
    void TearDown() override { releaseFileTypes(); }

    // A file of this name in a private folder (so no stored Mac type interferes).
    FolderItem file(const std::string& name) { return FolderItem(folder / name); }

    TempFolder folder;
};
}  // namespace

TEST_F(FileTypes, TheDatabaseFilterNamesItsOneType) {
    EXPECT_EQ(DatabaseFileTypes::All(), "REALSQLDatabase;");
}

TEST_F(FileTypes, AllThirteenAreRegisteredInOrder) {
    std::vector<std::string> names;
    for (const auto& t : registeredFileTypes()) names.push_back(t.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Text", "Text Clipping", "TexEdit", "Text Read Only", "RTF File",
                                               "REALSQLDatabase", "image/jpeg", "image/gif", "image/png",
                                               "image/tiff", "image/x-pict", "image/bmp", "Preferences"}));
}

TEST_F(FileTypes, AFileIsKnownByItsExtensionInAnyCase) {
    EXPECT_EQ(file("note.textClipping").MacType(), "clpt");  // the stored ".textClipping" still matches
    EXPECT_EQ(file("x.RTF").Type(), "RTF File");
    EXPECT_EQ(file("x.RTF").MacType(), "RTFf");
    EXPECT_EQ(file("X.Txt").MacType(), "text");
    EXPECT_EQ(file("recipeDB.rsd").MacType(), "RSdb");
    EXPECT_EQ(file("old.RBD").Type(), "REALSQLDatabase");
    EXPECT_EQ(file("photo.jpeg").Type(), "image/jpeg");
    // Types without extensions are never matched by name.
    EXPECT_EQ(file("x.bmp").Type(), "");
    EXPECT_EQ(file("README").Type(), "");
}

TEST_F(FileTypes, ReleasingTheSetsWithdrawsEveryRegistration) {
    releaseFileTypes();
    EXPECT_TRUE(registeredFileTypes().empty());
    _InitFileTypes();
    _InitFileTypes();  // again: each type replaces the one before, registered once
    EXPECT_EQ(registeredFileTypes().size(), 13u);
}
