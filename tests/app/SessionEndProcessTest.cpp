// Polite kills of the real program: SIGTERM (logout, shutdown), SIGHUP (the
// terminal closed) and SIGINT (Ctrl+C) run the ordinary quit and exit with
// 0; a quit that cannot finish still ends within the grace period, and a
// second Ctrl+C ends the program at once; the database is intact each time.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>
#include <chrono>
#include <csignal>
#include <functional>
#include <memory>

#include "framework/runtime/RunningCopyLock.h"
#include "framework/ui/SessionEnd.h"
#include "tests/support/DatabaseLock.h"
#include "tests/support/EndingSignals.h"
#include "tests/support/RecipeDatabase.h"
#include "tests/support/TestDatabase.h"

namespace {

using Clock = std::chrono::steady_clock;

class SessionEndProcess : public testing::Test {
protected:
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString probe = QDir::tempPath() + "/larderwise-session-end-probe-" + QString::number(QCoreApplication::applicationPid());
    std::string database = (data + "/Larderwise/recipeDB.rsd").toStdString();
    QString prefs = config + "/Larderwise Prefs";
    QProcess program;

    void SetUp() override {
        QDir(data + "/Larderwise").removeRecursively();
        QDir().mkpath(data + "/Larderwise");
        QDir().mkpath(config);
        QFile::remove(prefs);
        QFile::remove(probe);
        for (const QString& name : QDir(runtime).entryList({"larderwise-*"}, QDir::Files | QDir::System))
            QFile::remove(runtime + "/" + name);
        buildCurrentDatabase(database, {{"Bread", std::string("Knead"), std::string("{\\rtf1 Knead}")}});
    }
    void TearDown() override {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(5000);
        }
        QFile::remove(probe);
    }

    // A grace period of `graceSeconds` instead of the usual one, where given.
    void launch(int graceSeconds = 0) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DBUS_SESSION_BUS_ADDRESS");
        if (graceSeconds > 0) environment.insert("LARDERWISE_GRACE_SECONDS", QString::number(graceSeconds));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("LARDERWISE_DESKTOP_PROBE", probe);
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.setChildProcessModifier(endingSignalsByDefault);
        program.start(QCoreApplication::applicationDirPath() + "/../bin/larderwise", QStringList{});
        ASSERT_TRUE(program.waitForStarted(5000));
    }
    bool waitUntil(const std::function<bool()>& condition, int seconds = 60) {
        const auto until = Clock::now() + std::chrono::seconds(seconds);
        while (!condition() && Clock::now() < until) QThread::msleep(25);
        return condition();
    }
    // The main window is up and the loop turns: the probe names it.
    bool mainWindowUp() {
        QFile file(probe);
        return file.open(QIODevice::ReadOnly) && file.readAll().contains("\"Larderwise\"");
    }
    // The program took its lock as the one running copy: its start-up follows.
    bool lockTaken() {
        const auto holder = RunningCopyLock((data + "/Larderwise").toStdString()).holder();
        return holder && holder->processID == program.processId();
    }
    void signal(int sig) { ::kill(static_cast<pid_t>(program.processId()), sig); }
    // Seconds until the program ended, or -1 if it runs on. Only a hang takes
    // a minute; how long an orderly end takes is not the point.
    double secondsToEnd() {
        const auto from = Clock::now();
        if (!program.waitForFinished(60'000)) return -1;
        return std::chrono::duration<double>(Clock::now() - from).count();
    }
    // Another program holds the file: the start-up waits up to 30 s for it,
    // and the loop that would take a signal in does not turn meanwhile. The
    // signal is sent once the program has its handlers in place.
    std::unique_ptr<DatabaseLock> launchWaitingOnTheLock(int graceSeconds = 0) {
        auto other = std::make_unique<DatabaseLock>(database, DatabaseLock::Kind::Exclusive);
        launch(graceSeconds);
        EXPECT_TRUE(waitUntil([this] { return lockTaken() && catchesSignal(SIGTERM); }));
        return other;
    }
    // The program has its own handler for `sig` (the kernel's record of it).
    bool catchesSignal(int sig) {
        QFile status(QString("/proc/%1/status").arg(program.processId()));
        if (!status.open(QIODevice::ReadOnly)) return false;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("SigCgt:")) return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (sig - 1)) & 1;
        return false;
    }
    std::string integrity() { return selectRows(database, "pragma integrity_check").at(0).at(0).value_or(""); }
};

class PoliteKill : public SessionEndProcess, public testing::WithParamInterface<int> {};

TEST_P(PoliteKill, RunsTheOrdinaryQuitAndExitsWithZero) {
    launch();
    ASSERT_TRUE(waitUntil([this] { return mainWindowUp(); })) << "the program never showed its window";
    signal(GetParam());
    ASSERT_GE(secondsToEnd(), 0) << "the program did not end";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(QFile::exists(prefs)) << "the application's Close wrote the preferences";
    EXPECT_EQ(integrity(), "ok");
}

INSTANTIATE_TEST_SUITE_P(TermHupInt, PoliteKill, testing::Values(SIGTERM, SIGHUP, SIGINT));

TEST_F(SessionEndProcess, AQuitThatCannotFinishEndsWithinTheGracePeriod) {
    auto other = launchWaitingOnTheLock();
    signal(SIGTERM);
    const double took = secondsToEnd();
    ASSERT_GE(took, 0) << "the program did not end";
    // A busy machine can only make the wait longer, never shorter.
    EXPECT_GE(took, SessionEnd::kGraceSeconds - 1.0) << "given its grace period first";
    // Ended by the grace period's alarm, which ends it by the signal that asked it to quit.
    EXPECT_EQ(program.exitStatus(), QProcess::CrashExit) << "its parent sees it was killed";
    EXPECT_EQ(program.exitCode(), SIGTERM);
    other->release();
    EXPECT_EQ(integrity(), "ok");
}

// The grace period is made longer than the wait for the program's end, so
// only the second Ctrl+C can have ended it by SIGINT.
TEST_F(SessionEndProcess, ASecondCtrlCEndsTheProgramAtOnce) {
    auto other = launchWaitingOnTheLock(600);
    signal(SIGINT);
    QThread::msleep(300);
    signal(SIGINT);
    ASSERT_GE(secondsToEnd(), 0) << "the program did not end";
    EXPECT_EQ(program.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(program.exitCode(), SIGINT);
    other->release();
    EXPECT_EQ(integrity(), "ok");
}

}  // namespace
