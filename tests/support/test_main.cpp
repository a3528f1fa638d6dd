// Entry point of every test executable: one offscreen application object for
// the whole run, private HOME/XDG folders so no test sees real user data,
// and a clean framework state (no windows, no application, real services,
// real clock) after every test.
#include "tests/support/TestReset.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class ResetAfterEachTest : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override { resetFrameworkForTests(); }
};
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir scratch;
    for (const char* var : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
        QString path = scratch.path() + "/" + var;
        QDir().mkpath(path);
        qputenv(var, path.toUtf8());
    }
    QFile::setPermissions(scratch.path() + "/XDG_RUNTIME_DIR", QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                    QFileDevice::ExeOwner);
    QLocale::setDefault(QLocale::c());  // numbers and dates the same on every machine
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetAfterEachTest);
    const int result = RUN_ALL_TESTS();
    // Windows hold widgets: they go before the QApplication does.
    resetFrameworkForTests();
    return result;
}
