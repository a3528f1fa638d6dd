#include "FileTestSupport.h"

#include "framework/files/AtomicFileWriter.h"
#include "framework/files/BinaryStream.h"
#include "framework/files/FolderItem.h"
#include "framework/files/LeftoverTemporaries.h"
#include "framework/files/TextOutputStream.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Makes every write beyond `bytes` fail with EFBIG (a real file-size limit,
// the way a full disk makes writes fail), for the life of the object.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int);
};

size_t entriesIn(const std::filesystem::path& folder) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++n;
    return n;
}

const std::string kOldContent = "old recipes, byte for byte\r\x00\xFF";

}  // namespace

TEST(AtomicReplace, AFailedWriteLeavesTheOldFileByteIdentical) {
    TempFolder folder;
    const auto target = folder / "recipeDB.rsd";
    writeBytes(target, kOldContent);
    {
        FileSizeLimit limit(64);
        EXPECT_EQ(replaceFileAtomically(target, std::string(4096, 'n')), EFBIG);
    }
    EXPECT_EQ(readBytes(target), kOldContent);
    EXPECT_EQ(entriesIn(folder.path()), 1u) << "no temporary file is left behind";
}

TEST(AtomicReplace, StreamsThatFailMidWayNeverReplaceTheFile) {
    TempFolder folder;
    FolderItem prefs(folder / "Larderwise Prefs");
    writeBytes(prefs.path(), kOldContent);
    {
        auto stream = prefs.CreateBinaryFile("????");
        ASSERT_NE(stream, nullptr);
        EXPECT_EQ(readBytes(prefs.path()), kOldContent) << "nothing visible before Close";
        FileSizeLimit limit(100);
        for (int i = 0; i < 50; ++i) stream->Write("0123456789");
        EXPECT_TRUE(stream->WriteError());
        EXPECT_FALSE(stream->Close());
        EXPECT_EQ(stream->LastErrorCode(), EFBIG);
    }
    EXPECT_EQ(readBytes(prefs.path()), kOldContent);

    FolderItem exported(folder / "export.txt");
    writeBytes(exported.path(), kOldContent);
    {
        auto stream = exported.CreateTextFile();
        FileSizeLimit limit(10);
        stream->WriteLine(std::string(100, 'x'));
    }  // dropped without Close after a failure
    EXPECT_EQ(readBytes(exported.path()), kOldContent);
    EXPECT_EQ(entriesIn(folder.path()), 2u);
}

TEST(AtomicReplace, ReplacesWholeContentAndKeepsPermissionsAndLinks) {
    TempFolder folder;
    const auto target = folder / "data";
    writeBytes(target, kOldContent);
    ::chmod(target.c_str(), 0640);
    std::filesystem::create_symlink(target, folder / "link");

    EXPECT_EQ(replaceFileAtomically(folder / "link", "new"), 0);
    EXPECT_EQ(readBytes(target), "new");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link")) << "the link itself survives";
    struct stat info {};
    ::stat(target.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(entriesIn(folder.path()), 2u);

    EXPECT_EQ(replaceFileAtomically(folder / "fresh", ""), 0);
    EXPECT_EQ(replaceFileAtomically(folder / std::string(250, 'n'), "long name"), 0);
    EXPECT_EQ(readBytes(folder / std::string(250, 'n')), "long name");
    EXPECT_TRUE(std::filesystem::exists(folder / "fresh"));
    EXPECT_EQ(entriesIn(folder.path()), 4u);
    EXPECT_NE(replaceFileAtomically(folder / "missing-folder" / "x", "y"), 0);
}

TEST(AtomicReplace, AnUncommittedWriterChangesNothing) {
    TempFolder folder;
    const auto target = folder / "data";
    writeBytes(target, kOldContent);
    {
        AtomicFileWriter writer(target);
        ASSERT_TRUE(writer.isOpen());
        writer.write("half of the new");
    }
    EXPECT_EQ(readBytes(target), kOldContent);
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}

// A process killed while writing leaves its temporary file; the next start
// removes it through the journal, and removes nothing else.
TEST(AtomicReplace, TemporaryFilesOfAKilledProcessAreRemovedAtTheNextStart) {
    TempFolder folder;
    const auto journal = folder / "journal";
    const auto target = folder / "export.txt";
    writeBytes(target, kOldContent);
    writeBytes(folder / ".export.txt.tmp-keepme", "a file of the user's that only looks like ours");
    LeftoverTemporaries::startJournal(journal.string());

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        AtomicFileWriter writer(target);
        writer.write(std::string(100000, 'x'));
        ::kill(::getpid(), SIGKILL);  // killed with the file half written
        ::_exit(1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(entriesIn(folder.path()), 4u) << "the killed writer's temporary file is left";

    EXPECT_EQ(LeftoverTemporaries::startJournal(journal.string()), 1);
    EXPECT_EQ(readBytes(target), kOldContent);
    EXPECT_TRUE(std::filesystem::exists(folder / ".export.txt.tmp-keepme"));
    EXPECT_EQ(entriesIn(folder.path()), 2u) << "nor is the emptied journal";

    // Finished writers, committed or not, leave no entry behind.
    EXPECT_EQ(replaceFileAtomically(target, "new"), 0);
    { AtomicFileWriter dropped(target); }
    EXPECT_EQ(entriesIn(folder.path()), 2u);
    LeftoverTemporaries::stopJournal();
}
