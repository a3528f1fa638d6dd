#include "framework/files/FolderItem.h"
#include "framework/files/SpecialFolder.h"
#include "framework/ui/Application.h"
#include "framework/runtime/Services.h"
#include "framework/runtime/SystemInfo.h"
#include "framework/ui/Keyboard.h"
#include "tests/support/UiDriver.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

TEST(Services, RealAnswersComeFromTheMachine) {
    resetServices();
    EXPECT_EQ(services().doubleClickTicks(), QApplication::doubleClickInterval() * 60 / 1000);
    ASSERT_GE(services().screenCount(), 1);
    const ScreenInfo screen = services().screen(0);
    EXPECT_GT(screen.Width, 0);
    EXPECT_GT(screen.AvailableWidth, 0);
    EXPECT_EQ(services().screen(99).Width, 0);  // no such screen: zeros, not a crash
    EXPECT_FALSE(services().fontFamilies().empty());
    EXPECT_EQ(services().folderRoot(SpecialFolderKind::Preferences), qEnvironmentVariable("XDG_CONFIG_HOME").toStdString());
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "relative/data");  // not absolute: the variable does not count
    EXPECT_EQ(services().folderRoot(SpecialFolderKind::ApplicationData), (QDir::homePath() + "/.local/share").toStdString());
    qputenv("XDG_DATA_HOME", saved);
}

TEST(Services, TheDriverReplacesThemAndTheFoldersAreItsOwn) {
    UiDriver ui;
    EXPECT_EQ(services().doubleClickTicks(), 20);
    EXPECT_EQ(services().screen(0).AvailableWidth, 1280);
    const std::string prefs = ui.folder("Preferences");
    EXPECT_EQ(SpecialFolder::Preferences()->NativePath(), prefs);
    EXPECT_EQ(SpecialFolder::Desktop()->NativePath(), ui.folder("Desktop"));
    EXPECT_EQ(qEnvironmentVariable("XDG_CONFIG_HOME").toStdString(), prefs);
    const int32_t before = ui.ticks();
    ui.advanceTicks(30);
    EXPECT_EQ(ui.ticks() - before, 30);
    services().modifiers = [] { return KeyModifiers{true, false, false, false}; };
    EXPECT_TRUE(Keyboard::CommandKey());
    EXPECT_TRUE(Keyboard::MenuShortcutKey());
    EXPECT_FALSE(Keyboard::ShiftKey());
    EXPECT_EQ(System::MouseX(), 100);
    EXPECT_EQ(FontCount(), 3);
    EXPECT_EQ(Font(2), "DejaVu Serif");
    EXPECT_EQ(Font(3), "");
    EXPECT_EQ(Font(-1), "");
    EXPECT_EQ(Screen(0).Depth, 32);
    EXPECT_EQ(DoubleClickTicks(), 20);
}

TEST(Services, TheYieldIsCountedAndReplaceable) {
    int calls = 0;
    services().yield = [&] { ++calls; };
    const int before = yieldCount();
    yieldToEventLoop();
    yieldToEventLoop();
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(yieldCount() - before, 2);
}

namespace {
// A window that writes down the keys it gets.
class KeyLog : public QWidget {
public:
    QString keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { keys += event->text(); }
};

void typeInto(QWidget& window, QChar letter) {
    QKeyEvent press(QEvent::KeyPress, letter.unicode(), Qt::NoModifier, QString(letter));
    QCoreApplication::sendEvent(window.windowHandle(), &press);
}
}  // namespace

// The real yield lets the loop turn but keeps the user's input back until
// the job is over: when the job says so, or (printing says nothing) at the
// first turn of the loop outside every job; input for a window a modal box
// blocks by then is dropped, as the toolkit drops it.
TEST(Services, KeysTypedDuringAJobArriveInOrderWhenItEnds) {
    resetServices();
    KeyLog window;
    window.show();
    yieldToEventLoop();
    typeInto(window, 'a');
    yieldToEventLoop();  // still inside the job
    typeInto(window, 'b');
    EXPECT_EQ(window.keys, "");
    QCoreApplication::processEvents();  // the job returned to the loop
    EXPECT_EQ(window.keys, "ab");
    typeInto(window, 'c');
    EXPECT_EQ(window.keys, "abc") << "no job: keys go straight on";

    yieldToEventLoop();
    typeInto(window, 'd');
    QDialog box;
    box.setModal(true);
    box.show();
    deliverHeldInput();
    EXPECT_EQ(window.keys, "abc") << "the box blocks the window the key was typed in";
    box.hide();
    yieldToEventLoop();
    typeInto(window, 'e');
    deliverHeldInput();
    EXPECT_EQ(window.keys, "abce");
}

TEST(ApplicationObject, VersionNumbersComeFromTheBuildAndTheExecutableIsKnown) {
    EXPECT_EQ(Application::MajorVersion(), LARDERWISE_MAJOR_VERSION);
    EXPECT_EQ(Application::StageCode(), LARDERWISE_STAGE_CODE);
    EXPECT_FALSE(Application::ExecutableFilePath().empty());
    EXPECT_EQ(currentApplication(), nullptr);
    {
        Application app;
        EXPECT_EQ(currentApplication(), &app);
    }
    EXPECT_EQ(currentApplication(), nullptr);
}
