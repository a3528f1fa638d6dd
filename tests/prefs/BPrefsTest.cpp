// The preference store against real files in a private Preferences folder:
// what Save writes, how loading treats damaged files, and that a failed
// save leaves the old file exactly as it was.
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "framework/data/Dictionary.h"
#include "framework/files/FolderItem.h"
#include "framework/files/SpecialFolder.h"
#include "framework/runtime/RuntimeException.h"
#include "framework/runtime/Services.h"
#include "prefs/BDictionary.h"
#include "prefs/BPrefs.h"
#include "tests/prefs/PrefsTestBytes.h"
#include "tests/support/TestFiles.h"

namespace fs = std::filesystem;

namespace {

class BPrefsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "prefs-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        scratch_ = pattern;
        folder_ = scratch_ / "config";
        const std::string root = folder_.string();
        services().folderRoot = [root](SpecialFolderKind kind) {
            return kind == SpecialFolderKind::Preferences ? root : std::string(fs::temp_directory_path());
        };
        BPrefs::Unload();
    }
    void TearDown() override {
        BPrefs::Unload();
        resetServices();
        std::error_code ec;
        fs::remove_all(scratch_, ec);
    }

    fs::path file() const { return folder_ / "Larderwise Prefs"; }

    std::string fileBytes() const { return readBytes(file()); }

    void writeFile(const std::string& bytes) {
        fs::create_directories(folder_);
        writeBytes(file(), bytes);
    }

    // The store a file's body holds, read without the store module.
    std::shared_ptr<Dictionary> storeInFile() const {
        auto body = BPrefs::DecodePrefsFile(fileBytes());
        return body ? BDictionary::Convert(body) : nullptr;
    }

    fs::path scratch_;
    fs::path folder_;
};

// Refuses file growth past `bytes` for the life of the guard, so a write
// fails even for root, who ignores folder permissions.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

}  // namespace

TEST_F(BPrefsTest, SaveWithNoFileWritesOnlyTheVersionCode) {
    EXPECT_FALSE(fs::exists(folder_));
    BPrefs::Save();  // creates the missing Preferences folder too

    const std::string bytes = fileBytes();
    ASSERT_EQ(bytes.size(), 39u);
    EXPECT_EQ(hexOf(bytes.substr(0, 9)), "42 50 72 65 66 73 01 00 80");
    auto stored = storeInFile();
    ASSERT_NE(stored, nullptr);
    ASSERT_EQ(stored->Count(), 1);
    EXPECT_EQ(stored->Value("app_vers").Type(), VariantType::Integer);
    EXPECT_EQ(stored->Value("app_vers").IntegerValue(), BPrefs::AppVersionCode());
    EXPECT_EQ(BPrefs::PrefsFile()->MacType(), "pref");
    EXPECT_EQ(BPrefs::PrefsFile()->MacCreator(), "laWi");
}

TEST_F(BPrefsTest, SavingTwiceGivesIdenticalFilesAndValuesSurviveAReload) {
    BPrefs::SetValue("window", "left");
    BPrefs::SetValue(int32_t{7}, 2.5);
    BPrefs::Save();
    const std::string first = fileBytes();
    BPrefs::Save();
    EXPECT_EQ(fileBytes(), first);

    BPrefs::Unload();
    EXPECT_EQ(BPrefs::Value("WINDOW").StringValue(), "left");
    EXPECT_EQ(BPrefs::Value(int32_t{7}).DoubleValue(), 2.5);
}

TEST_F(BPrefsTest, LoadsLazilyAndOnlyOnce) {
    auto dict = std::make_shared<Dictionary>();
    dict->SetValue("colour", true);
    writeFile(bytesOf("42 50 72 65 66 73 01 00 00") + BDictionary::Convert(dict)->ToString());  // plain body

    EXPECT_TRUE(BPrefs::HasKey("colour"));
    fs::remove(file());  // already loaded: the store does not look again
    EXPECT_TRUE(BPrefs::HasKey("colour"));
    BPrefs::Unload();
    EXPECT_FALSE(BPrefs::HasKey("colour"));
}

TEST_F(BPrefsTest, MissingKeys) {
    EXPECT_THROW(BPrefs::Value("absent"), KeyNotFoundException);
    EXPECT_FALSE(BPrefs::HasKey("absent"));
    EXPECT_NO_THROW(BPrefs::Remove("absent"));
    BPrefs::SetValue("present", int32_t{1});
    BPrefs::Remove("PRESENT");
    EXPECT_FALSE(BPrefs::HasKey("present"));
}

TEST_F(BPrefsTest, AcceptedHeaders) {
    auto dict = std::make_shared<Dictionary>();
    dict->SetValue("k", int32_t{5});
    const std::string body = BDictionary::Convert(dict)->ToString();
    for (const char* header : {"62 70 72 65 66 73 01 00 00", "42 50 72 65 66 73 01 01 00"}) {
        writeFile(bytesOf(header) + body);
        BPrefs::Unload();
        EXPECT_TRUE(BPrefs::HasKey("k")) << header;
    }
}

TEST_F(BPrefsTest, DamagedFilesLoadEmptyAndAreReplacedAtTheNextSave) {
    const std::string good = bytesOf("42 50 72 65 66 73 01 00 00") + bytesOf(kAppVersBlock841F00);
    const std::string damaged[] = {
        good.substr(0, 8),                                        // shorter than the header
        bytesOf("42 50 72 65 66 58 01 00 00") + good.substr(9),  // "BPrefX"
        bytesOf("42 50 72 65 66 73 00 FF 00") + good.substr(9),  // version 255
        bytesOf("42 50 72 65 66 73 80 00 00") + good.substr(9),  // version negative
        bytesOf("42 50 72 65 66 73 01 00 80") + good.substr(9),  // plain body marked enciphered
        bytesOf("42 50 72 65 66 73 01 00 00 00 5B 00 00 00 0A 00 00 00 10 00 02 00 00 00 01 00 02 00 01"),
        std::string(),
    };
    for (const std::string& bytes : damaged) {
        writeFile(bytes);
        BPrefs::Unload();
        EXPECT_FALSE(BPrefs::HasKey("app_vers")) << hexOf(bytes);
        BPrefs::Save();
        ASSERT_NE(storeInFile(), nullptr) << hexOf(bytes);
        EXPECT_EQ(storeInFile()->Count(), 1);
    }
}

TEST_F(BPrefsTest, ValueThatCannotBeStoredLeavesTheOldFile) {
    BPrefs::SetValue("keep", "me");
    BPrefs::Save();
    const std::string before = fileBytes();

    BPrefs::SetValue("wide", int64_t{1} << 40);
    EXPECT_THROW(BPrefs::Save(), NilObjectException);
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(BPrefsTest, FailedWriteLeavesTheOldFileIntact) {
    BPrefs::SetValue("keep", "me");
    BPrefs::Save();
    const std::string before = fileBytes();
    BPrefs::SetValue("more", std::string(200, 'x'));
    {
        FileSizeLimit limit(16);
        EXPECT_THROW(BPrefs::Save(), RuntimeException);
    }
    EXPECT_EQ(fileBytes(), before);
    for (const auto& entry : fs::directory_iterator(folder_))
        EXPECT_EQ(entry.path().filename(), "Larderwise Prefs");  // no temporary left behind
}

TEST_F(BPrefsTest, SaveReplacesTheFileByRenameNotInPlace) {
    BPrefs::SetValue("v", int32_t{1});
    BPrefs::Save();
    const std::string before = fileBytes();
    fs::create_hard_link(file(), scratch_ / "old link");
    BPrefs::SetValue("v", int32_t{2});
    BPrefs::Save();
    // The old inode still holds the old bytes: nobody ever saw a half
    // rewritten file under the name.
    EXPECT_EQ(readBytes(scratch_ / "old link"), before);
    EXPECT_NE(fileBytes(), before);
}

TEST_F(BPrefsTest, FileLivesInTheXdgConfigFolder) {
    resetServices();
    const char* config = std::getenv("XDG_CONFIG_HOME");
    ASSERT_NE(config, nullptr);
    EXPECT_EQ(BPrefs::PrefsFile()->path(), fs::path(config) / "Larderwise Prefs");
}

TEST_F(BPrefsTest, TooManyPairsAreRefusedBeforeTheFileIsTouched) {
    BPrefs::Save();
    const std::string before = fileBytes();
    for (int32_t i = 0; i < 8191; ++i) BPrefs::SetValue(i, true);  // with app_vers: 8192
    EXPECT_THROW(BPrefs::Save(), RuntimeException);
    EXPECT_EQ(fileBytes(), before);
    BPrefs::Remove(int32_t{0});
    EXPECT_NO_THROW(BPrefs::Save());
    BPrefs::Unload();
    EXPECT_TRUE(BPrefs::HasKey(int32_t{8190}));
}
