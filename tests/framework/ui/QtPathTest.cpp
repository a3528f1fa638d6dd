// The mapping from Qt itself to the framework: window flags, the close box,
// a frame resized by the user, and Tab moving the focus.
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/Window.h"
#include "framework/ui/WindowList.h"
#include "tests/support/ProbeControl.h"
#include "tests/support/UiDriver.h"

#include "framework/graphics/Picture.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QThread>
#include <QWindow>
#include <QKeyEvent>
#include <QMainWindow>
#include <gtest/gtest.h>

namespace {
struct FramedWindow : Window {
    EventJournal journal;
    ProbeControl* first;
    ProbeControl* second;
    explicit FramedWindow(int32_t frame = DocumentFrame) {
        Frame = frame;
        Width = 200;
        Height = 100;
        first = add<ProbeControl>("first");
        second = add<ProbeControl>("second");
        second->Top = 40;
        second->LockRight = true;
        journal.watch(*first);
        journal.watch(*second);
        Close = [this] { journal.add("window:Close"); };
        Resizing = [this] { journal.add("window:Resizing"); };
        Resized = [this] { journal.add("window:Resized"); };
    }
};

bool waitUntil(const std::function<bool()>& condition) {
    for (int i = 0; i < 100 && !condition(); ++i) {
        QApplication::processEvents(QEventLoop::AllEvents);
        QThread::msleep(10);
    }
    QApplication::processEvents(QEventLoop::AllEvents);
    return condition();
}
}  // namespace

TEST(QtMapping, FrameKindsBecomeWindowFlagsAndKeepTheirNumber) {
    FramedWindow document(Window::DocumentFrame), floating(Window::FloatingFrame), fixed(Window::FixedFrame);
    EXPECT_EQ(document.widget()->windowType(), Qt::Window);
    EXPECT_EQ(floating.widget()->windowType(), Qt::Tool);
    EXPECT_FALSE(fixed.widget()->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(fixed.widget()->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(fixed.Frame(), 6);
    FramedWindow odd(9);
    EXPECT_EQ(odd.Frame(), 9);
    EXPECT_EQ(odd.widget()->windowType(), Qt::Window);
}

TEST(QtMapping, AFixedSizeWindowCannotBeResizedAndLimitsExcludeNothingOfTheClient) {
    FramedWindow w;
    w.MinWidth = 150;
    w.MinHeight = 80;
    w.finishBuilding();
    EXPECT_EQ(w.widget()->minimumSize(), QSize(150, 80));
    w.Resizeable = false;
    EXPECT_EQ(w.widget()->minimumSize(), w.widget()->maximumSize());
}

TEST(QtMapping, TheCloseBoxClosesThroughTheFrameworkWithTheFocusFlushFirst) {
    UiDriver ui;
    FramedWindow& w = implicitInstance<FramedWindow>();
    w.Show();
    w.first->SetFocus();
    w.journal.clear();
    EventJournal& journal = w.journal;
    w.widget()->close();  // what the window manager's close box does
    EXPECT_EQ(journal.joined(), "first:LostFocus window:Close first:Close second:Close");
    EXPECT_FALSE(WindowList::contains(&w));
}

TEST(QtMapping, AFrameResizedByTheUserAppliesTheLocksAndRaisesResizing) {
    UiDriver ui;
    FramedWindow& w = implicitInstance<FramedWindow>();
    w.Show();
    ASSERT_TRUE(waitUntil([&] { return w.widget()->isVisible(); }));
    w.journal.clear();
    const int frameHeight = w.widget()->height();
    w.widget()->resize(260, frameHeight + 10);
    w.widget()->resize(270, frameHeight + 10);  // the drag goes on
    ASSERT_TRUE(waitUntil([&] { return w.journal.joined().find("Resized") != std::string::npos; }));
    EXPECT_EQ(w.Width(), 270);
    EXPECT_EQ(w.Height(), 110);
    EXPECT_EQ(w.second->Width(), 170);
    const auto& lines = w.journal.lines();
    EXPECT_EQ(lines.front(), "window:Resizing");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "window:Resized"), 1);
    EXPECT_EQ(lines.back(), "window:Resized");  // once, after the drag paused
}

TEST(QtMapping, TabMovesTheFocusThroughTheModelOnceTheWindowIsActive) {
    UiDriver ui;
    FramedWindow& w = implicitInstance<FramedWindow>();
    w.Show();
    if (!waitUntil([&] { return QApplication::activeWindow() == w.widget(); }))
        GTEST_SKIP() << "the platform did not activate the window";
    w.first->SetFocus();
    ASSERT_TRUE(waitUntil([&] { return QApplication::focusWidget() == w.first->widget(); }));
    w.journal.clear();
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, "\t");
    QApplication::sendEvent(w.first->widget(), &tab);
    EXPECT_EQ(w.journal.joined(), "first:LostFocus second:GotFocus");
    EXPECT_EQ(w.Focus(), w.second);
}

TEST(QtMapping, FullScreenTakesTheAvailableAreaAndGrowsLockedControlsThenGoesBack) {
    UiDriver ui;  // screen 0: 1280 x 778 available from (0, 22)
    FramedWindow w;
    w.finishBuilding();
    w.Left = 40;
    w.FullScreen = true;
    EXPECT_EQ(w.Left(), 0);
    EXPECT_EQ(w.Top(), 22);
    EXPECT_EQ(w.Width(), 1280);
    EXPECT_EQ(w.Height(), 778);
    EXPECT_EQ(w.second->Width(), 100 + 1080);
    w.FullScreen = false;
    EXPECT_EQ(w.Left(), 40);
    EXPECT_EQ(w.Width(), 200);
    EXPECT_EQ(w.second->Width(), 100);
}

TEST(QtMapping, AShownFullScreenWindowFitsItsFrameIntoTheAvailableArea) {
    UiDriver ui;  // screen 0: 1280 x 778 available from (0, 22)
    FramedWindow w;
    w.finishBuilding();
    w.FullScreen = true;  // before showing, as a window's Open event does: no frame is known yet
    w.Resizeable = false;
    w.Show();
    waitUntil([&] { return w.widget()->frameGeometry() == QRect(0, 22, 1280, 778); });
    const QRect frame = w.widget()->frameGeometry(), client = w.widget()->geometry();
    ASSERT_NE(frame, client) << "the platform draws a frame";
    EXPECT_EQ(frame, QRect(0, 22, 1280, 778)) << "the title bar and borders stay on the screen";
    EXPECT_EQ(w.Width(), client.width());
    EXPECT_EQ(w.second->Width(), 100 + client.width() - 200);  // the locked control follows
}

TEST(QtMapping, TheBackdropIsDrawnBehindTheControls) {
    FramedWindow w;
    w.finishBuilding();
    QImage splash(4, 4, QImage::Format_ARGB32);
    splash.fill(QColor(255, 0, 0));
    w.Backdrop = Picture::fromImage(splash);
    const QImage shown = w.contentWidget()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(1, 1), QColor(255, 0, 0));
    EXPECT_NE(shown.pixelColor(150, 2), QColor(255, 0, 0)) << "outside the picture";
}

TEST(QtMapping, AFloatingWindowStaysAboveTheFrontDocumentWindow) {
    UiDriver ui;
    FramedWindow document(Window::DocumentFrame), palette(Window::FloatingFrame);
    document.Show();
    palette.Show();
    ASSERT_NE(palette.widget()->windowHandle(), nullptr);
    EXPECT_EQ(palette.widget()->windowHandle()->transientParent(), document.widget()->windowHandle());
}
