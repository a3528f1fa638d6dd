#include "FileTestSupport.h"

#include "framework/files/ExtendedAttributes.h"
#include "framework/files/FolderItem.h"
#include "framework/data/Date.h"
#include "framework/graphics/Picture.h"
#include "framework/files/SpecialFolder.h"
#include "framework/runtime/RuntimeException.h"
#include "framework/ui/Application.h"
#include "framework/ui/Runtime.h"
#include "framework/runtime/Services.h"
#include "tests/support/UiDriver.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(FolderItem, NamesChildrenAndParentsWithoutLeavingTheFolder) {
    TempFolder folder;
    FolderItem root(folder.path());
    const auto db = root.Child("Larderwise")->Child("recipeDB.rsd");
    ASSERT_NE(db, nullptr);
    EXPECT_EQ(db->Name(), "recipeDB.rsd");
    EXPECT_EQ(db->Parent()->Name(), "Larderwise");
    EXPECT_TRUE(*db->Parent()->Parent() == root);
    for (const std::string& bad : {std::string(), std::string("."), std::string(".."), std::string("../etc"),
                                   std::string("a/b"), std::string("x\0y", 3)})
        EXPECT_EQ(root.Child(bad), nullptr) << bad;
    EXPECT_EQ(FolderItem("/").Parent(), nullptr);
    EXPECT_EQ(FolderItem(folder.path().string() + "/").Name(), folder.path().filename().string());
}

TEST(FolderItem, EqualityGoesByCanonicalPath) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "sub");
    std::filesystem::create_directory_symlink(folder / "sub", folder / "alias");
    EXPECT_TRUE(FolderItem(folder / "sub" / ".." / "sub" / "f") == FolderItem(folder / "sub" / "f"));
    EXPECT_TRUE(FolderItem(folder / "alias" / "f") == FolderItem(folder / "sub" / "f"));
    EXPECT_FALSE(FolderItem(folder / "sub" / "f") == FolderItem(folder / "sub" / "g"));
}

TEST(FolderItem, SaveInfoFindsTheItemAgain) {
    TempFolder folder;
    FolderItem item(folder / "My Recipes.rsd");
    const auto again = FolderItem::fromSaveInfo(item.GetSaveInfo());
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(*again == item);
    EXPECT_EQ(FolderItem::fromSaveInfo(""), nullptr);
    EXPECT_EQ(FolderItem::fromSaveInfo("\x02/tmp"), nullptr);
    EXPECT_EQ(FolderItem::fromSaveInfo("\x01relative"), nullptr);
}

TEST(FolderItem, CreatesDeletesAndReportsErrorCodes) {
    TempFolder folder;
    FolderItem sub(folder / "Larderwise");
    EXPECT_FALSE(sub.Exists());
    EXPECT_TRUE(sub.CreateAsFolder());
    EXPECT_TRUE(sub.Exists() && sub.Directory());
    EXPECT_FALSE(sub.CreateAsFolder());
    EXPECT_EQ(sub.LastErrorCode(), EEXIST);

    writeBytes(folder / "Larderwise" / "f", "12345");
    const auto f = sub.Child("f");
    EXPECT_EQ(f->Length(), 5);
    EXPECT_GT(f->ModificationMicroseconds(), 1'600'000'000'000'000LL);
    ASSERT_NE(f->ModificationDate(), nullptr);
    EXPECT_EQ(f->ModificationDate()->SQLDate(), Date().SQLDate());
    EXPECT_EQ(FolderItem(folder / "none").ModificationDate(), nullptr);
    EXPECT_FALSE(sub.Delete()) << "a folder with something in it is not deleted";
    EXPECT_EQ(sub.LastErrorCode(), ENOTEMPTY);
    EXPECT_TRUE(f->Delete());
    EXPECT_EQ(f->LastErrorCode(), 0);
    EXPECT_FALSE(f->Delete());
    EXPECT_EQ(f->LastErrorCode(), ENOENT);
    EXPECT_TRUE(sub.Delete());
}

TEST(FolderItem, CopiesAtomicallyWithMacMetadataAndNeverOntoItself) {
    TempFolder folder;
    FolderItem db(folder / "recipeDB.rsd");
    writeBytes(db.path(), "database bytes");
    db.setMacType("RSdb");
    db.setMacCreator("laWi");
    writeExtendedAttribute(db.path(), kResourceForkAttribute, "fork");

    FolderItem backup(folder / "recipeDB backup 2009-03-07-1430.rsd");
    EXPECT_TRUE(db.CopyFileTo(backup));
    EXPECT_EQ(readBytes(backup.path()), "database bytes");
    EXPECT_EQ(backup.MacType(), "RSdb");
    EXPECT_EQ(backup.MacCreator(), "laWi");
    EXPECT_EQ(readExtendedAttribute(backup.path(), kResourceForkAttribute, 64), "fork");

    writeBytes(backup.path(), "older backup");
    EXPECT_TRUE(backup.CopyFileTo(db)) << "restoring replaces the file";
    EXPECT_EQ(readBytes(db.path()), "older backup");
    EXPECT_TRUE(db.CopyFileTo(FolderItem(folder / "." / "recipeDB.rsd")));
    EXPECT_EQ(readBytes(db.path()), "older backup") << "copying onto itself loses nothing";

    std::filesystem::create_directory(folder / "into");
    EXPECT_TRUE(db.CopyFileTo(FolderItem(folder / "into")));
    EXPECT_EQ(readBytes(folder / "into" / "recipeDB.rsd"), "older backup");

    std::string large(200'003, '\0');
    for (size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>(i * 7);
    writeBytes(folder / "large", large);
    EXPECT_TRUE(FolderItem(folder / "large").CopyFileTo(FolderItem(folder / "large copy")));
    EXPECT_EQ(readBytes(folder / "large copy"), large);

    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    FolderItem pipe(folder / "pipe");
    EXPECT_FALSE(pipe.CopyFileTo(backup)) << "refused, not waited on";
    EXPECT_EQ(readBytes(backup.path()), "older backup");

    FolderItem missing(folder / "missing");
    EXPECT_FALSE(missing.CopyFileTo(backup));
    EXPECT_EQ(missing.LastErrorCode(), ENOENT);
    EXPECT_THROW(db.CopyFileTo(std::shared_ptr<FolderItem>()), NilObjectException);
}

TEST(FolderItem, MovesAndFollowsTheMovedFile) {
    TempFolder folder;
    FolderItem item(folder / "a.txt");
    writeBytes(item.path(), "x");
    std::filesystem::create_directory(folder / "dest");
    EXPECT_TRUE(item.MoveFileTo(FolderItem(folder / "dest")));
    EXPECT_EQ(item.path(), folder / "dest" / "a.txt");
    EXPECT_TRUE(item.Exists());
    EXPECT_FALSE(std::filesystem::exists(folder / "a.txt"));
}

TEST(FolderItem, ListsAndDescribesItself) {
    TempFolder folder;
    writeBytes(folder / "b", "");
    writeBytes(folder / "a b%.txt", "");
    FolderItem root(folder.path());
    EXPECT_EQ(root.Count(), 2);
    EXPECT_EQ(root.Item(1)->Name(), "a b%.txt");
    EXPECT_EQ(root.Item(2)->Name(), "b");
    EXPECT_EQ(root.Item(3), nullptr);
    EXPECT_EQ(root.Item(0), nullptr);
    EXPECT_EQ(root.Item(1)->URLPath(), "file://" + folder.path().string() + "/a%20b%25.txt");
    EXPECT_EQ(root.URLPath().back(), '/');
    EXPECT_EQ(GetFolderItem(folder.path().string())->AbsolutePath(), folder.path().string());
}

TEST(SpecialFolder, ComesFromTheServicesAndIsCreatedWhenMissing) {
    TempFolder folder;
    services().folderRoot = [&](SpecialFolderKind kind) {
        switch (kind) {
        case SpecialFolderKind::ApplicationData: return (folder / "data").string();
        case SpecialFolderKind::Preferences: return (folder / "config" / "deeper").string();
        case SpecialFolderKind::Desktop: return std::string("relative/desk");
        default: return std::string();
        }
    };
    EXPECT_EQ(SpecialFolder::ApplicationData()->path(), folder / "data");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "data"));
    EXPECT_EQ(PreferencesFolder()->path(), folder / "config" / "deeper");
    EXPECT_EQ(SpecialFolder::Desktop(), nullptr) << "no folder rather than one relative to wherever we are";

    writeBytes(folder / "blocked", "a file where the folder should be");
    services().folderRoot = [&](SpecialFolderKind) { return (folder / "blocked").string(); };
    EXPECT_EQ(SpecialFolder::Preferences(), nullptr);
    resetServices();
    ASSERT_NE(SpecialFolder::Desktop(), nullptr);
    EXPECT_TRUE(SpecialFolder::Desktop()->Directory());
}

TEST(FolderItem, OpensPicturesByContentAndRefusesOtherFiles) {
    TempFolder folder;
    const auto picture = NewPicture(4, 3);
    ASSERT_NE(picture, nullptr);
    writeBytes(folder / "photo.gif", picture->toJPEG());  // the name does not decide
    FolderItem photo(folder / "photo.gif");
    const auto opened = photo.OpenAsPicture();
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->Width(), 4);
    EXPECT_EQ(opened->Height(), 3);
    EXPECT_EQ(photo.LastErrorCode(), 0);

    writeBytes(folder / "fake.jpg", "not a picture at all");
    FolderItem fake(folder / "fake.jpg");
    EXPECT_EQ(fake.OpenAsPicture(), nullptr);
    EXPECT_NE(fake.LastErrorCode(), 0);
    FolderItem missing(folder / "missing.png");
    EXPECT_EQ(missing.OpenAsPicture(), nullptr);
    EXPECT_EQ(missing.LastErrorCode(), ENOENT);
}

TEST(FolderItem, DocumentsNamedAtStartUpArriveAsItems) {
    UiDriver ui;
    std::vector<std::string> received;
    Runtime::StartupSteps steps;
    steps.newAppInstance = [&] {
        auto app = std::make_unique<Application>();
        app->OpenDocument = [&](std::shared_ptr<FolderItem> item) {
            received.push_back(item ? item->AbsolutePath() : "nil");
        };
        return app;
    };
    ui.start(steps, {"/tmp/Soup.rtf", "relative.txt"});
    ui.settle();
    EXPECT_EQ(received, (std::vector<std::string>{"/tmp/Soup.rtf", (std::filesystem::current_path() / "relative.txt").string()}));
}
