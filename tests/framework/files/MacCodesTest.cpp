#include "FileTestSupport.h"

#include "framework/files/AppleDouble.h"
#include "framework/files/BinaryStream.h"
#include "framework/files/ExtendedAttributes.h"
#include "framework/files/FileType.h"
#include "framework/files/FileTypeFilter.h"
#include "framework/dialogs/FileDialogs.h"
#include "framework/ui/DragItem.h"
#include "framework/ui/DropTarget.h"
#include "framework/files/FolderItem.h"

#include <array>
#include <gtest/gtest.h>

namespace {

// The product's thirteen file types, registered in its order.
class RegisteredTypes : public ::testing::Test {
protected:
    void SetUp() override {
        const std::vector<std::array<const char*, 4>> table = {
            {"Text", "txt;text;TEXT;TXT", "text", "laWi"},
            {"Text Clipping", ".textClipping", "clpt", "????"},
            {"TexEdit", "", "TEXT", "laWi"},
            {"Text Read Only", "", "ttro", "ttxt"},
            {"RTF File", "RTF;rtf", "RTFf", "????"},
            {"REALSQLDatabase", "rsd;RBD;RSD;RBD", "RSdb", "laWi"},
            {"image/jpeg", "jpg;jpeg", "JPEG", ""},
            {"image/gif", "gif", "GIF", ""},
            {"image/png", "png", "PNG", ""},
            {"image/tiff", "tiff;tif", "TIFF", ""},
            {"image/x-pict", "pict", "PICT", ""},
            {"image/bmp", "", "BMP", ""},
            {"Preferences", "", "pref", "laWi"},
        };
        for (const auto& row : table) {
            auto type = std::make_unique<FileType>();
            type->setName(row[0]);
            type->setExtensions(row[1]);
            type->setMacType(row[2]);
            type->setMacCreator(row[3]);
            type->toString();
            types_.push_back(std::move(type));
        }
    }

    FolderItem file(const std::string& name, const std::string& content = "") {
        writeBytes(folder_ / name, content);
        return FolderItem(folder_ / name);
    }

    TempFolder folder_;
    std::vector<std::unique_ptr<FileType>> types_;
};

}  // namespace

TEST_F(RegisteredTypes, InfersTypeAndCreatorFromEveryRegisteredExtension) {
    const std::vector<std::array<const char*, 4>> expected = {
        {"a.txt", "text", "laWi", "Text"},           {"a.TXT", "text", "laWi", "Text"},
        {"a.text", "text", "laWi", "Text"},          {"a.Text", "text", "laWi", "Text"},
        {"x.textClipping", "clpt", "????", "Text Clipping"},
        {"x.TextClipping", "clpt", "????", "Text Clipping"},
        {"x.rtf", "RTFf", "????", "RTF File"},       {"x.RTF", "RTFf", "????", "RTF File"},
        {"db.rsd", "RSdb", "laWi", "REALSQLDatabase"}, {"db.RBD", "RSdb", "laWi", "REALSQLDatabase"},
        {"p.jpg", "JPEG", "", "image/jpeg"},         {"Photo.JPG", "JPEG", "", "image/jpeg"},
        {"p.jpeg", "JPEG", "", "image/jpeg"},        {"p.gif", "GIF", "", "image/gif"},
        {"p.png", "PNG", "", "image/png"},           {"p.tif", "TIFF", "", "image/tiff"},
        {"p.tiff", "TIFF", "", "image/tiff"},        {"p.pict", "PICT", "", "image/x-pict"},
        {"p.bmp", "", "", ""},                       {"no-extension", "", "", ""},
    };
    for (const auto& [name, macType, creator, typeName] : expected) {
        const auto item = file(name);
        EXPECT_EQ(item.MacType(), macType) << name;
        EXPECT_EQ(item.MacCreator(), creator) << name;
        EXPECT_EQ(item.Type(), typeName) << name;
    }
}

TEST_F(RegisteredTypes, StoredCodesRoundTripThroughTheFinderInfoAttribute) {
    auto item = file("recipeDB backup 2009-03-07-95.rsd", "SQLite");
    item.setMacCreator("laWi");
    item.setMacType("RSdb");
    EXPECT_EQ(item.MacType(), "RSdb");
    EXPECT_EQ(item.MacCreator(), "laWi");
    const auto raw = readExtendedAttribute(item.path(), kFinderInfoAttribute, 64);
    ASSERT_TRUE(raw.has_value());
    ASSERT_EQ(raw->size(), 32u);
    EXPECT_EQ(raw->substr(0, 8), "RSdblaWi");

    auto export_ = file("RecipeExport-2009-03-07.txt");
    export_.setMacType("TEXT");
    export_.setMacCreator("ttxt");
    EXPECT_EQ(export_.MacType(), "TEXT") << "a stored code wins over the extension";
    EXPECT_EQ(export_.Type(), "Text") << "the type name is matched by extension first";

    auto gif = file("picture");
    gif.setMacType("GIF");
    EXPECT_EQ(readExtendedAttribute(gif.path(), kFinderInfoAttribute, 64)->substr(0, 4), "GIF ");
    EXPECT_EQ(gif.MacType(), "GIF") << "three-character codes come back without their padding";
    EXPECT_EQ(gif.Type(), "image/gif");
}

TEST_F(RegisteredTypes, TypeNameGoesByExtensionBeforeMacType) {
    auto rtf = file("Soup.rtf");
    rtf.setMacType("TEXT");
    EXPECT_EQ(rtf.Type(), "RTF File");

    auto plain = file("Pasta");
    plain.setMacType("TEXT");
    EXPECT_EQ(plain.Type(), "TexEdit");
    plain.setMacType("ttro");
    EXPECT_EQ(plain.Type(), "Text Read Only");
    plain.setMacType("Ttro");
    EXPECT_EQ(plain.Type(), "") << "Mac types are matched exactly";
}

TEST_F(RegisteredTypes, CodesAreReadFromAnAppleDoubleSidecar) {
    auto item = file("Note");
    writeBytes(appleDoubleSidecarPath(item.path()), buildAppleDouble({{9, finderInfo("clpt", "MACS")}}));
    EXPECT_EQ(item.MacType(), "clpt");
    EXPECT_EQ(item.MacCreator(), "MACS");
    item.setMacCreator("laWi");
    EXPECT_EQ(item.MacType(), "clpt") << "setting one code keeps the other";
    EXPECT_EQ(item.MacCreator(), "laWi");

    EXPECT_TRUE(item.Delete());
    auto again = file("Note");
    EXPECT_EQ(again.MacType(), "") << "the deleted file's sidecar went with it";
}

TEST_F(RegisteredTypes, CreateBinaryFileStampsTheNamedTypesCodes) {
    FolderItem prefs(folder_ / "Larderwise Prefs");
    auto stream = prefs.CreateBinaryFile("Preferences");
    ASSERT_NE(stream, nullptr);
    stream->Write("BPrefs");
    ASSERT_TRUE(stream->Close());
    EXPECT_EQ(prefs.MacType(), "pref");
    EXPECT_EQ(prefs.MacCreator(), "laWi");

    FolderItem other(folder_ / "other");
    other.CreateBinaryFile("????")->Close();
    EXPECT_EQ(other.MacType(), "");
}

TEST_F(RegisteredTypes, FailingToStoreCodesIsSilent) {
    FolderItem missing(folder_ / "does-not-exist.txt");
    missing.setMacType("TEXT");
    EXPECT_EQ(missing.MacType(), "text") << "nothing stored, so inferred from the extension";
    EXPECT_FALSE(missing.Exists());
}

TEST_F(RegisteredTypes, FiltersBecomeDialogPatternsAndAcceptMatchingFiles) {
    OpenDialog restore;
    restore.Filter = "REALSQLDatabase;";
    const auto filters = restore.request().filters;
    ASSERT_EQ(filters.size(), 1u);
    EXPECT_EQ(filters[0].name, "REALSQLDatabase");
    EXPECT_EQ(filters[0].patterns, (std::vector<std::string>{"*.rsd", "*.RBD", "*.RSD"}));
    const auto images = fileDialogFilters("image/jpeg;image/bmp;image/tif");
    ASSERT_EQ(images.size(), 1u) << "a type without extensions has no pattern; an unknown name adds nothing";
    EXPECT_EQ(images[0].name, "image/jpeg");
    EXPECT_TRUE(fileDialogFilters("nothing").empty());

    DropTarget photoWell;
    photoWell.acceptFile("image/jpg");
    photoWell.acceptFile("image/tiff");
    EXPECT_TRUE(photoWell.wants(DragItem({{std::nullopt, (folder_ / "PHOTO.TIF").string(), nullptr}})));
    EXPECT_FALSE(photoWell.wants(DragItem({{std::nullopt, (folder_ / "photo.jpg").string(), nullptr}})))
        << "\"image/jpg\" names no registered type";

    // The photo's accepted file types.
    const std::string photo = "image/jpg;image/jpeg;image/png;image/gif;image/tif;image/tiff";
    EXPECT_TRUE(fileMatchesFilter(file("Photo.JPG"), photo));
    EXPECT_TRUE(fileMatchesFilter(file("scan.tif"), photo));
    EXPECT_FALSE(fileMatchesFilter(file("old.pict"), photo));
    EXPECT_FALSE(fileMatchesFilter(file("old.bmp"), photo));

    // The main window's accepted imports, by Mac type.
    const std::string imports = "TEXT;clpt;ttro;RTFf";
    auto plain = file("Pasta");
    EXPECT_FALSE(fileMatchesFilter(plain, imports));
    plain.setMacType("ttro");
    EXPECT_TRUE(fileMatchesFilter(plain, imports));
    EXPECT_TRUE(fileMatchesFilter(file("Soup.rtf"), imports));
    EXPECT_TRUE(fileMatchesFilter(file("Note.textClipping"), imports));
    EXPECT_TRUE(fileMatchesFilter(file("notes.txt"), imports)) << "\"TEXT\" also names the type \"Text\"";
    EXPECT_FALSE(fileMatchesFilter(file("db.rsd"), imports));
    EXPECT_FALSE(fileMatchesFilter(file("notes.txt"), "image/jpg"));
}
