#include "framework/files/FileType.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<FileType> makeType(const std::string& name, const std::string& extensions,
                                   const std::string& macType, const std::string& creator) {
    auto type = std::make_unique<FileType>();
    type->setName(name);
    type->setExtensions(extensions);
    type->setMacType(macType);
    type->setMacCreator(creator);
    return type;
}

size_t countNamed(const std::string& name) {
    size_t n = 0;
    for (const auto& t : registeredFileTypes()) n += t.name == name;
    return n;
}

}  // namespace

TEST(FileType, StringFormRegistersOnceAndPropertyChangesWithdraw) {
    auto type = makeType("REALSQLDatabase", "rsd;RBD;RSD;RBD", "RSdb", "laWi");
    EXPECT_FALSE(type->isRegistered());
    EXPECT_EQ(std::string(*type) + ";", "REALSQLDatabase;");
    EXPECT_EQ(type->toString(), "REALSQLDatabase");
    EXPECT_EQ(countNamed("REALSQLDatabase"), 1u);

    type->setMacType("RSdc");
    EXPECT_FALSE(type->isRegistered());
    EXPECT_EQ(countNamed("REALSQLDatabase"), 0u);
    type->toString();
    ASSERT_TRUE(registeredFileTypeNamed("realsqldatabase").has_value());
    EXPECT_EQ(registeredFileTypeNamed("realsqldatabase")->macType, "RSdc");

    type.reset();
    EXPECT_EQ(countNamed("REALSQLDatabase"), 0u) << "destroying a type withdraws it";
}

TEST(FileType, JoinsNamesWithSemicolons) {
    auto a = makeType("Text", "txt", "text", "laWi");
    auto b = makeType("RTF File", "RTF;rtf", "RTFf", "????");
    EXPECT_EQ(*a + *b, "Text;RTF File");
    EXPECT_EQ(std::string("Text;") + *b, "Text;RTF File");
    EXPECT_EQ(std::string() + *b, "RTF File");
}

TEST(FileType, LooksUpByExtensionMacTypeAndFilter) {
    auto text = makeType("Text", "txt;text;TEXT;TXT", "text", "laWi");
    auto clipping = makeType("Text Clipping", ".textClipping", "clpt", "????");
    auto texEdit = makeType("TexEdit", "", "TEXT", "laWi");
    auto jpeg = makeType("image/jpeg", "jpg;jpeg", "JPEG", "");
    auto bmp = makeType("image/bmp", "", "BMP", "");
    for (auto* t : {text.get(), clipping.get(), texEdit.get(), jpeg.get(), bmp.get()}) t->toString();

    EXPECT_EQ(registeredFileTypeForFileName("Photo.JPG")->name, "image/jpeg");
    EXPECT_EQ(registeredFileTypeForFileName("Note.TEXTCLIPPING")->macType, "clpt");
    EXPECT_EQ(registeredFileTypeForFileName(".textClipping")->macType, "clpt");
    EXPECT_FALSE(registeredFileTypeForFileName("jpg").has_value()) << "an extension needs its dot";
    EXPECT_FALSE(registeredFileTypeForFileName("archive.xjpg").has_value());

    EXPECT_EQ(registeredFileTypeForMacType("TEXT")->name, "TexEdit");
    EXPECT_EQ(registeredFileTypeForMacType("text")->name, "Text");
    EXPECT_FALSE(registeredFileTypeForMacType("Text").has_value());

    // "TEXT" names the type "Text" (names are case-blind) and the Mac type
    // of "TexEdit"; "image/jpg" names nothing.
    const auto accepted = registeredFileTypesInFilter("TEXT;clpt;image/JPEG;image/jpg");
    ASSERT_EQ(accepted.size(), 4u);
    EXPECT_EQ(accepted[0].name, "Text");
    EXPECT_EQ(accepted[1].name, "Text Clipping");
    EXPECT_EQ(accepted[2].name, "TexEdit");
    EXPECT_EQ(accepted[3].name, "image/jpeg");
    ASSERT_EQ(accepted[1].extensions.size(), 1u);
    EXPECT_EQ(accepted[1].extensions[0], "textClipping") << "the leading dot is not part of the extension";
}
