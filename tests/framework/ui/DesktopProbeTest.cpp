// The desktop tests find controls and read boxes through the probe file: it
// must describe what is shown, and must not exist when nobody asked for it.
#include "framework/ui/DesktopProbe.h"
#include "framework/ui/Window.h"
#include "framework/ui/controls/EditField.h"
#include "tests/support/UiDriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
QTimer* probeTimer() { return qApp->findChild<QTimer*>("larderwiseDesktopProbe"); }

struct NoteWindow : Window {
    EditField* note;
    NoteWindow() {
        Title = std::string("Notes");
        Width = 300;
        Height = 200;
        note = add<EditField>("note");
        note->Left = 20;
        note->Top = 30;
        note->Width = 150;
        note->Height = 22;
    }
};
}  // namespace

TEST(DesktopProbe, InstallsNothingWithoutTheVariable) {
    qunsetenv("LARDERWISE_DESKTOP_PROBE");
    DesktopProbe::installIfRequested();
    EXPECT_EQ(probeTimer(), nullptr);
}

TEST(DesktopProbe, WritesTheShownWindowsControlsAndTheirState) {
    UiDriver ui;
    QTemporaryDir dir;
    const QString path = dir.filePath("probe.json");
    qputenv("LARDERWISE_DESKTOP_PROBE", path.toUtf8());
    DesktopProbe::installIfRequested();
    qunsetenv("LARDERWISE_DESKTOP_PROBE");
    ASSERT_NE(probeTimer(), nullptr);

    NoteWindow w;
    w.finishBuilding();
    w.Show();
    w.note->Text = std::string("flour");
    // The loop turns until the probe has been written twice; only a probe
    // that is never written takes the minute.
    const auto written = [&path] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return QJsonObject();
        return QJsonDocument::fromJson(file.readAll()).object();
    };
    QElapsedTimer clock;
    clock.start();
    while (written()["serial"].toInt() < 2 && clock.elapsed() < 60'000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    delete probeTimer();

    const QJsonObject root = written();
    EXPECT_GE(root["serial"].toInt(), 2);
    const QJsonArray windows = root["windows"].toArray();
    ASSERT_EQ(windows.size(), 1);
    const QJsonObject window = windows[0].toObject();
    EXPECT_EQ(window["title"].toString(), "Notes");
    const QJsonObject note = window["controls"].toArray()[0].toObject();
    EXPECT_EQ(note["name"].toString(), "note");
    EXPECT_EQ(note["x"].toInt() - window["x"].toInt(), 20);
    EXPECT_EQ(note["y"].toInt() - window["y"].toInt(), 30);
    EXPECT_EQ(note["w"].toInt(), 150);
    EXPECT_EQ(note["h"].toInt(), 22);
    EXPECT_EQ(note["text"].toString(), "flour");
    EXPECT_TRUE(root["dialogs"].toArray().isEmpty());
}
