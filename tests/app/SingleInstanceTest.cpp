// One running copy per data folder, tried on the real program: a second
// launch hands its documents to the running copy, which imports them, and
// ends at once, whatever its runtime folder or session bus and however busy
// the running copy still is starting; after the running copy was killed, the
// next launch starts and becomes the running copy although its socket is
// left over; a running copy that answers nothing keeps the launch from
// running beside it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include "framework/runtime/RunningCopyLock.h"
#include "tests/support/DatabaseLock.h"
#include "tests/support/RecipeDatabase.h"
#include "tests/support/TestDatabase.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string program() { return (QCoreApplication::applicationDirPath() + "/../bin/larderwise").toStdString(); }

struct SingleInstanceTest : testing::Test {
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString documents = QDir::tempPath() + "/larderwise-single-instance-" + QString::number(QCoreApplication::applicationPid());
    std::string database = (data + "/Larderwise/recipeDB.rsd").toStdString();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    std::vector<std::unique_ptr<QProcess>> running;

    void SetUp() override {
        QDir(data + "/Larderwise").removeRecursively();
        QDir().mkpath(data + "/Larderwise");
        QDir().mkpath(documents);
        for (const QString& name : QDir(runtime).entryList({"larderwise-*"}, QDir::Files | QDir::System))
            QFile::remove(runtime + "/" + name);
        // A database of the current layout: the program starts without a question.
        buildCurrentDatabase(database, {{"Bread", std::string("Knead"), std::string("{\\rtf1 Knead}")}});
        environment.remove("DBUS_SESSION_BUS_ADDRESS");
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    }
    void TearDown() override {
        for (auto& p : running) {
            p->kill();
            p->waitForFinished(5000);
        }
        QDir(documents).removeRecursively();
    }

    QProcess& launch(const QStringList& arguments) {
        running.push_back(std::make_unique<QProcess>());
        QProcess& p = *running.back();
        p.setProcessEnvironment(environment);
        p.setWorkingDirectory(documents);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(QString::fromStdString(program()), arguments);
        EXPECT_TRUE(p.waitForStarted(5000));
        return p;
    }
    // The first copy is running once it answers: its socket or bus name is up.
    QProcess& launchRunningCopy(const std::function<bool()>& up) {
        QProcess& p = launch({});
        waitUntil(up);
        EXPECT_TRUE(up()) << "the first copy never came up";
        return p;
    }
    // What the lock in the data folder says of its holder: the process, and
    // where it takes hand-overs.
    std::optional<RunningCopyLock::Holder> holder() const { return RunningCopyLock(folder().toStdString()).holder(); }
    qint64 lockHolder() const { return holder() ? holder()->processID : 0; }
    bool socketUp() const { return holder() && QFileInfo::exists(QString::fromStdString(holder()->socketPath)); }
    QString folder() const { return data + "/Larderwise"; }
    // When the holder's socket file was made (to the nanosecond), 0 for
    // none: a copy that starts listening makes a new one. Its inode number is
    // no proof, since the file system may give the new file the old one's.
    int64_t socketMade() const {
        struct stat info {};
        if (!holder() || ::stat(holder()->socketPath.c_str(), &info) != 0) return 0;
        return int64_t{info.st_ctim.tv_sec} * 1'000'000'000 + info.st_ctim.tv_nsec;
    }
    // Polls until the condition holds; only a hang takes the minute.
    static void waitUntil(const std::function<bool()>& condition) {
        const auto until = Clock::now() + std::chrono::seconds(60);
        while (!condition() && Clock::now() < until) QThread::msleep(50);
    }
    // The second launch ends at once, successfully, having handed over.
    void handOver(const QStringList& files) { handOver(files, environment); }
    void handOver(const QStringList& files, const QProcessEnvironment& itsEnvironment) {
        const QProcessEnvironment own = std::exchange(environment, itsEnvironment);
        QProcess& second = launch(files);
        environment = own;
        const bool ended = second.waitForFinished(60'000);
        EXPECT_TRUE(ended) << "the second launch started a copy of its own";
        if (ended) {
            EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(second.exitCode(), 0);
        }
    }
    void writeDocument(const QString& name, const QByteArray& text) {
        QFile file(documents + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    // The running copy imports in its own time (the new row first, then its
    // name and text): the rows as they stand once they match, or at the timeout.
    Rows recipesOnceThey(const std::function<bool(const Rows&)>& done) {
        Rows rows;
        const auto until = Clock::now() + std::chrono::seconds(60);
        do {
            QThread::msleep(100);
            rows = selectRows(database, "select recipeName, recipeText from recipes order by rowID");
        } while (!done(rows) && Clock::now() < until);
        return rows;
    }
    Rows recipesOnceThereAre(const Rows& expected) {
        return recipesOnceThey([&](const Rows& rows) { return rows == expected; });
    }
    void launchesWhileTheFirstCopyWaitsForTheDatabase();
    void exactlyOneOfTwoLaunchesRuns(const QString& why);
};

TEST_F(SingleInstanceTest, ASecondLaunchHandsItsDocumentsToTheRunningCopyOverTheSocket) {
    QProcess& first = launchRunningCopy([this] { return socketUp(); });
    writeDocument("Pie.txt", "Roll the dough");
    writeDocument("Soup.txt", "Simmer");
    handOver({"Pie.txt", documents + "/Soup.txt"});  // relative to the second launch's folder, and absolute
    const Rows three = {{"Bread", "Knead"}, {"Pie.txt", "Roll the dough"}, {"Soup.txt", "Simmer"}};
    EXPECT_EQ(recipesOnceThereAre(three), three);
    EXPECT_EQ(first.state(), QProcess::Running);

    // Killed: its lock and socket stay behind, and must not stop the next start.
    first.kill();
    first.waitForFinished(5000);
    ASSERT_TRUE(socketUp());
    const int64_t leftBehind = socketMade();
    QProcess& again = launch({});
    waitUntil([&] { return lockHolder() == again.processId(); });
    ASSERT_EQ(lockHolder(), again.processId()) << "the lock left by the killed copy was not taken over";
    waitUntil([&] { return socketMade() > leftBehind; });
    ASSERT_GT(socketMade(), leftBehind) << "the new copy does not listen on a socket of its own";
    writeDocument("Tart.txt", "Bake");
    handOver({"Tart.txt"});
    const Row tart = {"Tart.txt", "Bake"};
    EXPECT_EQ(recipesOnceThey([&](const Rows& rows) { return rows.size() == 4 && rows.back() == tart; }).back(), tart);
}

TEST_F(SingleInstanceTest, ARuntimeFolderTooDeepForASocketStillMakesTheSecondLaunchHandOver) {
    // Deeper than a socket's address can hold: the socket goes to the user's private folder in /tmp.
    runtime += "/" + QString(100, 'r');
    ASSERT_TRUE(QDir().mkpath(runtime));
    environment.insert("XDG_RUNTIME_DIR", runtime);
    const QString shortFolder = "/tmp/larderwise-" + QString::number(::getuid());
    const QStringList before = QDir(shortFolder).entryList({"larderwise-*.socket"}, QDir::System);
    const auto newSockets = [&] {
        QStringList made = QDir(shortFolder).entryList({"larderwise-*.socket"}, QDir::System);
        for (const QString& old : before) made.removeAll(old);
        return made;
    };

    QProcess& first = launchRunningCopy([&] { return lockHolder() > 0 && !newSockets().isEmpty(); });
    EXPECT_EQ(QFileInfo(shortFolder).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
    writeDocument("Pie.txt", "Roll the dough");
    handOver({"Pie.txt"});
    const Rows two = {{"Bread", "Knead"}, {"Pie.txt", "Roll the dough"}};
    EXPECT_EQ(recipesOnceThereAre(two), two);
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished(5000);
    for (const QString& made : newSockets()) QFile::remove(shortFolder + "/" + made);
}

// Another program holds the database: the first copy waits at start-up,
// its loop not turning. Launches meanwhile hand over and end (one from
// another runtime folder, one with none), each document is imported once
// the database is free, and exactly once, though a launch was repeated.
void SingleInstanceTest::launchesWhileTheFirstCopyWaitsForTheDatabase() {
    auto otherProgram = std::make_unique<DatabaseLock>(database, DatabaseLock::Kind::Exclusive);
    QProcess& first = launch({});
    waitUntil([&] { return lockHolder() == first.processId(); });
    ASSERT_EQ(lockHolder(), first.processId());
    writeDocument("Pie.txt", "Roll the dough");
    writeDocument("Soup.txt", "Simmer");
    handOver({"Pie.txt"});
    QProcessEnvironment elsewhere = environment;
    const QString otherRuntime = runtime + "/other-session";
    QDir().mkpath(otherRuntime);
    QFile::setPermissions(otherRuntime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    elsewhere.insert("XDG_RUNTIME_DIR", otherRuntime);
    handOver({"Soup.txt"}, elsewhere);
    elsewhere.remove("XDG_RUNTIME_DIR");
    handOver({"Soup.txt"}, elsewhere);  // the same document again: a second recipe, as every open is
    otherProgram.reset();
    const Rows imported = {{"Bread", "Knead"}, {"Pie.txt", "Roll the dough"}, {"Soup.txt", "Simmer"}, {"Soup.txt", "Simmer"}};
    EXPECT_EQ(recipesOnceThereAre(imported), imported);
    // The copy ends as at logout, after whatever it still had queued.
    ::kill(static_cast<pid_t>(first.processId()), SIGTERM);
    EXPECT_TRUE(first.waitForFinished(60'000));
    EXPECT_EQ(selectRows(database, "select recipeName, recipeText from recipes order by rowID"), imported);
}

TEST_F(SingleInstanceTest, LaunchesWhileTheFirstCopyWaitsForTheDatabaseHandOverWithoutASessionBus) {
    launchesWhileTheFirstCopyWaitsForTheDatabase();
}

TEST_F(SingleInstanceTest, LaunchesWhileTheFirstCopyWaitsForTheDatabaseHandOverWithASessionBus) {
    QProcess bus;
    // Its socket goes in the test's private runtime folder, so killing it leaves nothing in /tmp.
    bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1", "--address=unix:dir=" + runtime});
    if (!bus.waitForStarted(5000)) GTEST_SKIP() << "no dbus-daemon on this machine";
    ASSERT_TRUE(bus.waitForReadyRead(5000));
    environment.insert("DBUS_SESSION_BUS_ADDRESS", QString::fromUtf8(bus.readLine()).trimmed());
    launchesWhileTheFirstCopyWaitsForTheDatabase();
    bus.kill();
    bus.waitForFinished(5000);
}

// Two launches at once, each with a document: one runs, the other hands its
// document over and ends, whatever stands where the first lock file should.
void SingleInstanceTest::exactlyOneOfTwoLaunchesRuns(const QString& why) {
    SCOPED_TRACE(why.toStdString());
    writeDocument("Pie.txt", "Roll the dough");
    writeDocument("Soup.txt", "Simmer");
    QProcess& a = launch({"Pie.txt"});
    QProcess& b = launch({"Soup.txt"});
    const auto until = Clock::now() + std::chrono::seconds(60);
    while (!a.waitForFinished(50) && !b.waitForFinished(50) && Clock::now() < until) {
    }
    const bool aEnded = a.state() == QProcess::NotRunning;
    ASSERT_TRUE(aEnded || b.state() == QProcess::NotRunning) << "both launches run a copy of their own";
    QProcess& ended = aEnded ? a : b;
    QProcess& runs = aEnded ? b : a;
    EXPECT_EQ(ended.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(ended.exitCode(), 0);
    EXPECT_EQ(runs.state(), QProcess::Running);
    EXPECT_EQ(lockHolder(), runs.processId());
    const Rows three = {{"Bread", "Knead"}, {"Pie.txt", "Roll the dough"}, {"Soup.txt", "Simmer"}};
    const auto sorted = [](Rows rows) {
        std::sort(rows.begin(), rows.end());
        return rows;
    };
    EXPECT_EQ(sorted(recipesOnceThey([&](const Rows& rows) { return sorted(rows) == three; })), three);
    runs.kill();
    runs.waitForFinished(5000);
    QFile::remove(QString::fromStdString(database));
    buildCurrentDatabase(database, {{"Bread", std::string("Knead"), std::string("{\\rtf1 Knead}")}});
}

TEST_F(SingleInstanceTest, ALockFileThatCannotBeUsedStillLetsExactlyOneOfTwoLaunchesRun) {
    const QString lock = folder() + "/" + RunningCopyLock::kFileName;
    ASSERT_TRUE(QDir().mkpath(lock));
    exactlyOneOfTwoLaunchesRuns("a folder where the lock file should be");
    // Locks on a device or a pipe tell nothing, and they hold no announcement.
    ASSERT_TRUE(QDir(lock).removeRecursively() && QFile::link("/dev/null", lock));
    exactlyOneOfTwoLaunchesRuns("a link to /dev/null where the lock file should be");
    ASSERT_TRUE(QFile::remove(lock) && ::mkfifo(lock.toLocal8Bit().constData(), 0600) == 0);
    exactlyOneOfTwoLaunchesRuns("a pipe where the lock file should be");

    // A file nobody may open: mode 000 stops everyone but root, whom only an
    // immutable file stops (where the file system has them).
    ASSERT_TRUE(QFile::remove(lock));
    ASSERT_TRUE(QFile(lock).open(QIODevice::WriteOnly));
    ASSERT_EQ(::chmod(lock.toLocal8Bit().constData(), 0), 0);
    const bool asRoot = ::geteuid() == 0;
    if (asRoot && QProcess::execute("chattr", {"+i", lock}) != 0) GTEST_SKIP() << "no immutable files here";
    struct Mutable {
        QString path;
        bool asRoot;
        ~Mutable() {
            if (asRoot) QProcess::execute("chattr", {"-i", path});
        }
    } mutableAgain{lock, asRoot};
    exactlyOneOfTwoLaunchesRuns("a lock file nobody may open");

    // Neither file usable: nobody can tell who runs, so the launch does not
    // run, and names the files to remove.
    const QString second = folder() + "/" + RunningCopyLock::kSecondFileName;
    ASSERT_TRUE(QFile::remove(second) && QDir().mkpath(second));
    QProcess alone;
    alone.setProcessEnvironment(environment);
    alone.start(QString::fromStdString(program()), {});
    ASSERT_TRUE(alone.waitForStarted(5000));
    QByteArray told;
    const auto until = Clock::now() + std::chrono::seconds(60);
    while (!told.contains(RunningCopyLock::kSecondFileName) && alone.state() == QProcess::Running &&
           Clock::now() < until) {
        alone.waitForReadyRead(200);
        told += alone.readAllStandardError();
    }
    EXPECT_TRUE(told.contains(lock.toLocal8Bit())) << told.toStdString();
    EXPECT_TRUE(told.contains(second.toLocal8Bit())) << told.toStdString();
    alone.kill();  // its box waits for a user nobody plays here
    alone.waitForFinished(5000);
    EXPECT_EQ(selectRows(database, "select recipeName, recipeText from recipes"), (Rows{{"Bread", "Knead"}}))
        << "the launch opened the database";
}

// The running copy's socket file removed under it (a cleaner of temporary
// folders, say): a later launch still hands over, rather than waiting and
// telling its user the running copy does not answer.
TEST_F(SingleInstanceTest, ALaunchAfterTheSocketFileWasRemovedStillHandsOver) {
    QProcess& first = launchRunningCopy([this] { return socketUp(); });
    ASSERT_TRUE(QFile::remove(QString::fromStdString(holder()->socketPath)));
    writeDocument("Pie.txt", "Roll the dough");
    handOver({"Pie.txt"});
    const Rows two = {{"Bread", "Knead"}, {"Pie.txt", "Roll the dough"}};
    EXPECT_EQ(recipesOnceThereAre(two), two);
    EXPECT_EQ(first.state(), QProcess::Running);
}

// Both lock files gone or replaced under the running copy (a cleaner, a user
// following the box that names them): a launch still finds the copy at the
// socket, and the copy takes the new files, so later launches find it there.
TEST_F(SingleInstanceTest, LockFilesRemovedOrReplacedUnderTheRunningCopyLeaveItTheOnlyCopy) {
    QProcess& first = launchRunningCopy([this] { return socketUp(); });
    ASSERT_TRUE(QFile::remove(folder() + "/" + RunningCopyLock::kSecondFileName));
    const QString replaced = folder() + "/" + RunningCopyLock::kFileName;  // a new file in its place
    ASSERT_TRUE(QFile::remove(replaced) && QFile(replaced).open(QIODevice::WriteOnly));
    writeDocument("Pie.txt", "Roll the dough");
    handOver({"Pie.txt"});
    const auto holders = [this] { return RunningCopyLock(folder().toStdString()).holders(); };
    waitUntil([&] { return holders().size() == 2 && holders().back().second.processID == first.processId(); });
    for (const auto& [file, holder] : holders()) EXPECT_EQ(holder.processID, first.processId()) << file;
    const Rows two = {{"Bread", "Knead"}, {"Pie.txt", "Roll the dough"}};
    EXPECT_EQ(recipesOnceThereAre(two), two);
}

// Another data folder's lock file linked (not followed) or hard-linked (its
// holder refuses a hand-over for this folder) into this one's: the launch
// runs on its own folder, and its document never goes into the other's database.
TEST_F(SingleInstanceTest, ALockFileSharedWithAnotherDataFolderNeverSendsDocumentsThere) {
    launchRunningCopy([this] { return socketUp(); });
    const QString home = documents + "/other", ours = folder() + "/" + RunningCopyLock::kFileName;
    const QString lock = home + "/Larderwise/" + RunningCopyLock::kFileName;
    const std::string itsDatabase = (home + "/Larderwise/recipeDB.rsd").toStdString();
    ASSERT_TRUE(QDir().mkpath(home + "/Larderwise"));
    buildCurrentDatabase(itsDatabase, {});
    environment.insert("XDG_DATA_HOME", home);
    Rows itsRecipes;
    const auto importedThere = [&](const QString& name) {
        writeDocument(name, "Stir");
        QProcess& launched = launch({name});
        itsRecipes.push_back({name.toStdString()});
        waitUntil([&] { return selectRows(itsDatabase, "select recipeName from recipes") == itsRecipes; });
        EXPECT_EQ(selectRows(itsDatabase, "select recipeName from recipes"), itsRecipes);
        EXPECT_FALSE(launched.waitForFinished(100)) << "the launch ended";
        launched.kill();
        launched.waitForFinished(5000);
        ASSERT_TRUE(QFile::remove(lock));
    };
    ASSERT_TRUE(QFile::link(ours, lock));
    importedThere("Linked.txt");
    ASSERT_EQ(::link(qPrintable(ours), qPrintable(lock)), 0);
    importedThere("Hard.txt");
    EXPECT_EQ(selectRows(database, "select recipeName from recipes"), (Rows{{"Bread"}}));
}

// A running copy that takes nothing (stopped here) is given a generous
// while; then the launch names the documents it could not hand over and
// ends without having run: it never opened the database beside it.
TEST_F(SingleInstanceTest, ALaunchThatTheRunningCopyDoesNotAnswerTellsTheUserAndDoesNotRun) {
    QProcess& first = launchRunningCopy([this] { return socketUp(); });
    ::kill(static_cast<pid_t>(first.processId()), SIGSTOP);
    writeDocument("Pie.txt", "Roll the dough");
    QProcess second;
    second.setProcessEnvironment(environment);
    second.setWorkingDirectory(documents);
    second.start(QString::fromStdString(program()), {"Pie.txt"});
    ASSERT_TRUE(second.waitForStarted(5000));
    QByteArray told;
    const auto until = Clock::now() + std::chrono::seconds(60);
    while (!told.contains("Pie.txt") && second.state() == QProcess::Running && Clock::now() < until) {
        second.waitForReadyRead(200);
        told += second.readAllStandardError();
    }
    EXPECT_TRUE(told.contains("does not answer")) << told.toStdString();
    EXPECT_TRUE(told.contains("Pie.txt")) << told.toStdString();
    EXPECT_EQ(lockHolder(), first.processId());
    second.kill();  // its box waits for a user nobody plays here
    second.waitForFinished(5000);
    // Going on, the copy opens what later launches hand over, and never what
    // this launch told its user had not been opened.
    ::kill(static_cast<pid_t>(first.processId()), SIGCONT);
    writeDocument("Tart.txt", "Bake");
    handOver({"Tart.txt"});
    const Rows tart = {{"Bread", "Knead"}, {"Tart.txt", "Bake"}};
    EXPECT_EQ(recipesOnceThey([](const Rows& rows) { return rows.size() > 1; }), tart);
}

}  // namespace
