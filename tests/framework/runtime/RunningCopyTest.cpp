// The pieces that make one process the running copy: the lock in the data
// folder (one holder at a time, what it announces read by the others, free
// again the moment its holder lets go) and the hand-over socket, which opens
// a launch's documents once however often that launch sent them.
#include "framework/runtime/HandOverServer.h"
#include "framework/runtime/RunningCopyLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

TEST(RunningCopyLockTest, OneHolderAtATimeWhoseAnnouncementTheOthersRead) {
    QTemporaryDir dir;
    const std::string folder = (dir.path() + "/not yet made").toStdString();
    auto first = std::make_unique<RunningCopyLock>(folder);
    RunningCopyLock second(folder);
    ASSERT_TRUE(first->usable());
    EXPECT_FALSE(second.holder()) << "nothing announced yet";
    ASSERT_TRUE(first->tryTake());
    EXPECT_FALSE(second.tryTake());
    EXPECT_FALSE(second.announce("/elsewhere")) << "only the holder announces";
    ASSERT_TRUE(first->announce("/run/a long/socket path"));
    ASSERT_TRUE(second.holder());
    EXPECT_EQ(second.holder()->processID, ::getpid());
    EXPECT_EQ(second.holder()->socketPath, "/run/a long/socket path");

    first.reset();  // as when the holder ends, however it ends
    ASSERT_TRUE(second.tryTake());
    ASSERT_TRUE(second.announce("/b"));
    EXPECT_EQ(RunningCopyLock(folder).holder()->socketPath, "/b") << "the former, longer announcement is gone";
}

// A lock file removed while a copy runs: a launch makes a new one, takes it,
// finds the second file held, and lets go of the new one again, so the next
// launch too reads the running copy's announcement.
TEST(RunningCopyLockTest, ALockFileRemovedUnderTheRunningCopyLeavesTheOtherToDecide) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    RunningCopyLock running(folder);
    ASSERT_TRUE(running.tryTake());
    ASSERT_TRUE(running.announce("/a"));
    ASSERT_TRUE(QFile::remove(dir.path() + "/" + RunningCopyLock::kFileName));
    std::vector<std::unique_ptr<RunningCopyLock>> launches;  // each still there while the next tries
    for (int launch = 0; launch < 3; ++launch) {
        RunningCopyLock& later = *launches.emplace_back(std::make_unique<RunningCopyLock>(folder));
        EXPECT_FALSE(later.tryTake()) << "launch " << launch;
        ASSERT_TRUE(later.holder()) << "launch " << launch;
        EXPECT_EQ(later.holder()->socketPath, "/a");
    }
}

// A running copy's server in a folder of its own, recording what it delivers.
struct HandOverServerTest : ::testing::Test {
    QTemporaryDir dir;
    std::vector<std::vector<std::string>> delivered;
    HandOverServer server{"folder", [this](const std::vector<std::string>& documents) { delivered.push_back(documents); }};
    const std::string path = (dir.path() + "/hand-over.socket").toStdString();
    void SetUp() override { ASSERT_TRUE(server.listen(path)); }
    bool taken(const std::string& id, const std::vector<std::string>& documents, std::string socket = {}, int ms = 5000) {
        using Answer = HandOverServer::Answer;
        return HandOverServer::handOver(socket.empty() ? path : socket, id, "folder", documents, ms) == Answer::Taken;
    }
};

TEST_F(HandOverServerTest, ARepeatedHandOverIsAnsweredButOpenedOnce) {
    EXPECT_TRUE(taken("launch-1", {"/a.txt", "/b.txt"}));
    EXPECT_TRUE(taken("launch-1", {"/a.txt", "/b.txt"}));  // its answer was lost, say
    EXPECT_TRUE(taken("launch-2", {}));
    // Delivered from the main thread's loop, not from the socket's thread;
    // a repeat would arrive with the others.
    EXPECT_TRUE(delivered.empty());
    for (int turns = 0; turns < 50 || (delivered.size() < 2 && turns < 5000); ++turns) {
        QCoreApplication::processEvents();
        QThread::msleep(2);
    }
    const std::vector<std::vector<std::string>> expected = {{"/a.txt", "/b.txt"}, {}};
    EXPECT_EQ(delivered, expected);
    EXPECT_FALSE(taken("launch-3", {}, (dir.path() + "/nobody.socket").toStdString(), 1000));
}

// A copy that is ending names what it will not open: what it answered for is
// delivered as it stops, without another turn of the loop, and a launch after
// that is not told its documents were taken.
TEST_F(HandOverServerTest, AStoppedServerDeliversWhatItAnsweredForAndTakesNothingMore) {
    EXPECT_TRUE(taken("launch-1", {"/a.txt"}));
    server.stop();
    EXPECT_EQ(delivered, (std::vector<std::vector<std::string>>{{"/a.txt"}}));
    EXPECT_FALSE(taken("launch-2", {"/b.txt"}, {}, 1000));
    for (int turns = 0; turns < 50; ++turns) QCoreApplication::processEvents();
    EXPECT_EQ(delivered.size(), 1U);
}

}  // namespace
