// The program's name for untitled windows, and the toolkit's own settings
// kept out of the configuration folder.
#include "framework/runtime/ApplicationIdentity.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ApplicationIdentity, UntitledWindowsShowTheNameAndFileDialogsWriteNothingIntoTheConfigFolder) {
    QTemporaryDir config, cache;
    const QByteArray savedCache = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    // Where the toolkit writes its settings unless told otherwise.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());

    applyApplicationIdentity("Larderwise Test");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Larderwise Test");
    // A dialog records its history and view when it goes.
    { QFileDialog dialog; }
    EXPECT_EQ(QDir(config.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).join(", ").toStdString(), "");
    EXPECT_TRUE(QDir(cache.path() + "/Larderwise Test").exists("QtProject.conf"));

    qputenv("XDG_CACHE_HOME", savedCache);
}
