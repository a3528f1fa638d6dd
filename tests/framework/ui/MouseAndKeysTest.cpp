#include "framework/menus/MenuItem.h"
#include "framework/runtime/Services.h"
#include "framework/ui/InputDispatch.h"
#include "framework/ui/Keyboard.h"
#include "framework/ui/MouseState.h"
#include "framework/ui/Window.h"
#include "tests/support/ProbeControl.h"
#include "tests/support/ScriptedUiService.h"
#include "tests/support/UiDriver.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {
// A control over a real text widget, to see what reaches Qt.
struct LineProbe : RectControl {
    LineProbe() {
        setWidget(new QLineEdit);
        AcceptFocus = true;
    }
    std::string text() const { return static_cast<QLineEdit*>(widget())->text().toStdString(); }
};

struct PadWindow : Window {
    EventJournal journal;
    ProbeControl* pad;
    LineProbe* line;
    PadWindow() {
        Width = 300;
        Height = 200;
        pad = add<ProbeControl>("pad");
        pad->Left = 10;
        pad->Top = 10;
        pad->Width = 100;
        pad->Height = 100;
        line = add<LineProbe>("line");
        line->Top = 150;
        pad->MouseDrag = [this](int32_t x, int32_t y) { journal.add("drag " + std::to_string(x) + "," + std::to_string(y)); };
        pad->MouseUp = [this](int32_t x, int32_t y) { journal.add("up " + std::to_string(x) + "," + std::to_string(y)); };
    }
};
}  // namespace

TEST(Mouse, OnlyAMouseDownReturningTrueGetsTheDragAndRelease) {
    UiDriver ui;
    PadWindow w;
    w.finishBuilding();
    bool claim = false;
    w.pad->MouseDown = [&](int32_t x, int32_t y) {
        w.journal.add("down " + std::to_string(x) + "," + std::to_string(y));
        return claim;
    };
    ui.press(*w.pad, 5, 6);
    ui.drag(*w.pad, 7, 8);
    ui.release(*w.pad, 9, 10);
    EXPECT_EQ(w.journal.joined(), "down 5,6");
    EXPECT_FALSE(InputDispatch::hasCapture());

    w.journal.clear();
    claim = true;
    ui.press(*w.pad, 5, 6);
    ui.drag(*w.pad, 5, 6);    // no movement yet: no drag
    ui.drag(*w.pad, 70, -3);  // outside the control: still its drag, in its coordinates
    ui.drag(*w.pad, 70, -3);
    ui.release(*w.pad, 120, 4);
    EXPECT_EQ(w.journal.joined(), "down 5,6 drag 70,-3 up 120,4");
    EXPECT_FALSE(InputDispatch::hasCapture());
}

TEST(Mouse, APopUpMenuThatTookTheReleaseEndsThePress) {
    UiDriver ui;
    PadWindow w;
    w.finishBuilding();
    MenuItem menu;
    menu.Append(std::make_shared<MenuItem>("Halve"));
    w.pad->MouseDown = [&](int32_t x, int32_t y) {
        w.journal.add("down " + std::to_string(x) + "," + std::to_string(y));
        const MenuItem* chosen = menu.PopUp(x, y);
        w.journal.add(chosen ? "chose " + chosen->Text : "dismissed");
        return true;
    };
    ui.dialogs().expectPopUp("Halve");
    ui.press(*w.pad, 5, 6);  // the menu, not the pad, gets the release
    ui.move(*w.pad, 40, 40);
    ui.move(*w.pad, 41, 42);
    EXPECT_EQ(w.journal.joined(), "down 5,6 chose Halve") << "a move with no button held is no drag";
    EXPECT_FALSE(InputDispatch::hasCapture());

    w.journal.clear();
    w.pad->MouseDown = [&](int32_t, int32_t) { return true; };
    ui.press(*w.pad, 5, 6);
    ui.drag(*w.pad, 20, 21);
    ui.release(*w.pad, 20, 21);
    EXPECT_EQ(w.journal.joined(), "drag 20,21 up 20,21") << "the next press drags as before";
}

TEST(Mouse, ContextualClickIsTheSecondaryButtonAndQtDoubleClicksArePlainPresses) {
    UiDriver ui;
    PadWindow w;
    w.finishBuilding();
    std::vector<bool> contextual;
    w.pad->MouseDown = [&](int32_t, int32_t) {
        contextual.push_back(IsContextualClick());
        return true;
    };
    ui.click(*w.pad, 1, 1, UiDriver::None, true);
    ui.click(*w.pad, 1, 1, UiDriver::Control);  // Meta + primary
    ui.click(*w.pad, 1, 1);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(2, 2), QPointF(w.pad->widget()->mapToGlobal(QPoint(2, 2))),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.pad->widget(), &dbl);
    EXPECT_EQ(contextual, (std::vector<bool>{true, true, false, false}));
    EXPECT_FALSE(IsContextualClick());
}

TEST(Mouse, APressOutsideEveryControlIsTheWindowsMouseDown) {
    UiDriver ui;
    PadWindow w;
    w.finishBuilding();
    std::string seen;
    w.MouseDown = [&](int32_t x, int32_t y) {
        seen += "window " + std::to_string(x) + "," + std::to_string(y) + " ";
        return true;
    };
    w.MouseUp = [&](int32_t x, int32_t y) { seen += "up"; };
    w.pad->MouseDown = [&](int32_t, int32_t) {
        seen += "pad ";
        return false;
    };
    ui.clickWindow(w, 250, 20);
    ui.click(*w.pad, 5, 5);  // the pad declines: the window does not get it either
    EXPECT_EQ(seen, "window 250,20 uppad ");
}

TEST(Keys, KeyStringsFollowTheOldCodesAndCommandGivesTheLetter) {
    UiDriver ui;
    PadWindow w;
    w.finishBuilding();
    std::vector<int> codes;
    std::string letters;
    w.pad->KeyDown = [&](std::string key) {
        if (key.size() == 1 && (static_cast<unsigned char>(key[0]) < 32 || key[0] == 127)) codes.push_back(key[0]);
        else letters += key;
        return true;
    };
    for (const char* k : {"\x1C", "\x1D", "\x1E", "\x1F", "\r", "\x03", "\x08", "\x7F", "\t", "\x1B"})
        ui.key(*w.pad, k);
    ui.key(*w.pad, "k", UiDriver::Command);
    ui.key(*w.pad, "K", UiDriver::Command | UiDriver::Shift);
    ui.type(*w.pad, "é1");
    EXPECT_EQ(codes, (std::vector<int>{28, 29, 30, 31, 13, 3, 8, 127, 9, 27}));
    EXPECT_EQ(letters, "kKé1");
}

TEST(Keys, KeyDownTrueConsumesTheKeyAndFalseLetsTheControlHaveIt) {
    UiDriver ui;
    PadWindow w;
    w.finishBuilding();
    w.line->KeyDown = [](std::string key) { return key == "x"; };  // refuses x
    ui.type(*w.line, "axb");
    EXPECT_EQ(w.line->text(), "ab");
}

TEST(Keys, HeldKeysAreKnownInsideTheirOwnKeyDown) {
    UiDriver ui;
    PadWindow w;
    w.finishBuilding();
    bool downHeld = false, upHeld = true, command = false;
    w.pad->KeyDown = [&](std::string) {
        downHeld = Keyboard::AsyncKeyDown(125);
        upHeld = Keyboard::AsyncKeyDown(126);
        command = Keyboard::CommandKey();
        return true;
    };
    ui.key(*w.pad, "\x1F", UiDriver::Command);
    EXPECT_TRUE(downHeld);
    EXPECT_FALSE(upHeld);
    EXPECT_TRUE(command);
    EXPECT_FALSE(Keyboard::AsyncKeyDown(125));  // released again
    EXPECT_FALSE(Keyboard::CommandKey());
}

TEST(Keys, KeysNoControlConsumedReachTheWindow) {
    UiDriver ui;
    PadWindow w;
    w.finishBuilding();
    std::string windowKeys;
    w.KeyDown = [&](std::string key) {
        windowKeys += key;
        return true;
    };
    w.pad->KeyDown = [](std::string key) { return key == "a"; };
    ui.type(*w.pad, "ab");
    EXPECT_EQ(windowKeys, "b");
}

TEST(Mouse, HoverEnterAndExitReachTheControlInItsCoordinates) {
    UiDriver ui;
    PadWindow w;
    w.finishBuilding();
    w.pad->MouseEnter = [&] { w.journal.add("enter"); };
    w.pad->MouseExit = [&] { w.journal.add("exit"); };
    w.pad->MouseMove = [&](int32_t x, int32_t y) { w.journal.add("move " + std::to_string(x) + "," + std::to_string(y)); };
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(w.pad->widget(), &enter);
    QMouseEvent move(QEvent::MouseMove, QPointF(7, 8), QPointF(w.pad->widget()->mapToGlobal(QPoint(7, 8))), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w.pad->widget(), &move);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w.pad->widget(), &leave);
    EXPECT_EQ(w.journal.joined(), "enter move 7,8 exit");
}

namespace {
// A control whose input arrives at an inner widget that ignores it, so Qt
// passes each event on to the control's own widget as well.
struct HostedProbe : RectControl {
    QWidget* inner;
    HostedProbe() {
        setWidget(new QWidget);
        inner = new QWidget(widget());
        inner->setGeometry(0, 0, 50, 50);
        widget()->setFocusProxy(inner);
        inner->setFocusPolicy(Qt::StrongFocus);
        routeInputFrom(inner);
        AcceptFocus = true;
    }
};

struct HostedFixture : ::testing::Test {
    UiDriver ui;
    PadWindow w;
    HostedProbe* hosted;
    HostedFixture() {
        hosted = w.add<HostedProbe>("hosted");
        hosted->Width = 60;
        hosted->Height = 60;
        w.finishBuilding();
    }
};
}  // namespace

TEST_F(HostedFixture, AnEventThatTravelsFromAnInnerWidgetToItsControlIsDispatchedOnce) {
    int downs = 0, keys = 0;
    hosted->MouseDown = [&](int32_t x, int32_t y) {
        ++downs;
        EXPECT_EQ(x, 5);
        EXPECT_EQ(y, 6);
        return false;
    };
    hosted->KeyDown = [&](std::string) {
        ++keys;
        return false;
    };
    ui.click(*hosted, 5, 6);
    ui.key(*hosted, "a");
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(keys, 1);
}

// A KeyDown that declines its key after keys went elsewhere meanwhile (a
// dialog it showed was typed into) still hears its own key only once.
TEST_F(HostedFixture, AKeyStillTravellingAfterOtherKeysWereDispatchedIsNotRaisedAgain) {
    int keys = 0;
    hosted->KeyDown = [&](std::string) {
        if (++keys == 1) {
            QKeyEvent typed(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
            QApplication::sendEvent(w.line->widget(), &typed);
        }
        return false;
    };
    ui.key(*hosted, "a");
    EXPECT_EQ(keys, 1);
    EXPECT_EQ(w.line->text(), "x");
}
