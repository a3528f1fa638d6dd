// The focus model carries the saving of edits: LostFocus of the old control
// must come before anything the new one does, and no close or quit may skip it.
#include "framework/dialogs/MsgBox.h"
#include "framework/ui/Application.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/FocusModel.h"
#include "framework/ui/Window.h"
#include "framework/ui/controls/Listbox.h"
#include "tests/support/ProbeControl.h"
#include "tests/support/ScriptedUiService.h"
#include "tests/support/UiDriver.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
struct FormWindow : Window {
    EventJournal journal;
    ProbeControl* name;
    ProbeControl* notes;
    ProbeControl* list;
    FormWindow() {
        Width = 400;
        Height = 300;
        name = add<ProbeControl>("name");
        notes = add<ProbeControl>("notes");
        list = add<ProbeControl>("list");
        for (RectControl* c : {static_cast<RectControl*>(name), static_cast<RectControl*>(notes),
                               static_cast<RectControl*>(list)})
            journal.watch(*c);
        Close = [this] { journal.add("window:Close"); };
    }
};
}  // namespace

TEST(Focus, SetFocusRaisesLostFocusOfTheOldControlThenGotFocusOfTheNewAtOnce) {
    UiDriver ui;
    FormWindow w;
    w.finishBuilding();
    ui.activate(w);
    w.name->SetFocus();
    w.notes->SetFocus();
    EXPECT_EQ(w.journal.joined(), "name:GotFocus name:LostFocus notes:GotFocus");
    EXPECT_EQ(w.Focus(), w.notes);
    w.notes->SetFocus();  // already focused: nothing
    w.ClearFocus();
    EXPECT_EQ(w.journal.joined(), "name:GotFocus name:LostFocus notes:GotFocus notes:LostFocus");
    EXPECT_EQ(w.Focus(), nullptr);
}

// A save on leaving one control can leave nothing to edit in the next: the
// focus then goes on to the first control after it that can take it.
TEST(Focus, AControlDisabledByTheLostFocusBeforeItIsHandsTheFocusOn) {
    UiDriver ui;
    FormWindow w;
    w.finishBuilding();
    ui.activate(w);
    w.name->SetFocus();
    w.name->LostFocus = [&] { w.notes->Enabled = false; };
    w.notes->SetFocus();
    EXPECT_EQ(w.Focus(), w.list);
    EXPECT_EQ(w.journal.joined(), "name:GotFocus list:GotFocus") << "notes never had the focus";
}

TEST(Focus, SetFocusFromAFocusHandlerIsAppliedAfterTheTransitionInOrder) {
    UiDriver ui;
    FormWindow w;
    w.finishBuilding();
    ui.activate(w);
    w.name->SetFocus();
    // The name field refocuses itself when it loses the focus (a refused edit).
    w.name->LostFocus = [&] {
        w.journal.add("name:LostFocus");
        w.name->SetFocus();
    };
    w.journal.clear();
    w.notes->SetFocus();
    EXPECT_EQ(w.journal.joined(), "name:LostFocus notes:GotFocus notes:LostFocus name:GotFocus");
    EXPECT_EQ(w.Focus(), w.name);
}

TEST(Focus, QtFocusChangesFeedTheModelAndDuplicatesAreDropped) {
    UiDriver ui;
    FormWindow w;
    w.finishBuilding();
    ui.activate(w);
    ui.setFocus(*w.name);
    ui.setFocus(*w.name);
    QFocusEvent again(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(w.name->widget(), &again);
    ui.setFocus(*w.list);
    EXPECT_EQ(w.journal.joined(), "name:GotFocus name:LostFocus list:GotFocus");
}

TEST(Focus, PopUpMenusAndActivationFocusEventsRaiseNothingThemselves) {
    UiDriver ui;
    FormWindow w;
    w.finishBuilding();
    ui.activate(w);
    ui.setFocus(*w.notes);
    w.journal.clear();
    for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(w.notes->widget(), &out);
        QFocusEvent in(QEvent::FocusIn, reason);
        QApplication::sendEvent(w.notes->widget(), &in);
    }
    EXPECT_EQ(w.journal.joined(), "");
    EXPECT_EQ(w.Focus(), w.notes);
}

TEST(Focus, DeactivationRaisesLostFocusAndReactivationGotFocus) {
    UiDriver ui;
    FormWindow first, second;
    first.finishBuilding();
    second.finishBuilding();
    ui.activate(first);
    first.name->SetFocus();
    ui.activate(second);  // another window comes to the front
    EXPECT_EQ(first.journal.joined(), "name:GotFocus name:LostFocus");
    EXPECT_EQ(first.Focus(), first.name);  // still recorded
    ui.activate(first);
    EXPECT_EQ(first.journal.joined(), "name:GotFocus name:LostFocus name:GotFocus");
    // Focus moved while the window was inactive: recorded only, raised on activation.
    ui.deactivate(first);
    first.notes->SetFocus();
    EXPECT_EQ(first.journal.joined(), "name:GotFocus name:LostFocus name:GotFocus name:LostFocus");
    ui.activate(first);
    EXPECT_EQ(first.journal.lines().back(), "notes:GotFocus");
}

TEST(Focus, ClosingAWindowRaisesLostFocusBeforeItsCloseEventAndOnlyOnce) {
    UiDriver ui;
    FormWindow& w = implicitInstance<FormWindow>();
    w.Show();
    w.notes->SetFocus();
    w.journal.clear();
    EventJournal& journal = w.journal;
    w.Close = [&] {
        journal.add("window:Close");
        w.Close();  // a second Close inside the first does nothing
    };
    w.Close();
    EXPECT_EQ(journal.joined(), "notes:LostFocus window:Close name:Close notes:Close list:Close");
}

TEST(Focus, QuitRaisesLostFocusBeforeTheApplicationsClose) {
    UiDriver ui;
    std::vector<std::string> order;
    Runtime::StartupSteps steps;
    steps.newAppInstance = [&] {
        auto app = std::make_unique<Application>();
        app->Close = [&] { order.push_back("App:Close"); };
        return app;
    };
    ui.start(steps);
    FormWindow& w = implicitInstance<FormWindow>();
    w.Show();
    w.name->SetFocus();
    w.name->LostFocus = [&] { order.push_back("name:LostFocus"); };
    w.Close = [&] { order.push_back("window:Close"); };
    Quit(0);
    EXPECT_TRUE(order.empty());  // deferred: the current handler finishes first
    ui.settle();
    EXPECT_EQ(order, (std::vector<std::string>{"name:LostFocus", "window:Close", "App:Close"}));
    EXPECT_TRUE(ui.loopEnded());
}

TEST(Focus, AClickGivesTheFocusBeforeTheControlSeesThePress) {
    UiDriver ui;
    FormWindow w;
    w.finishBuilding();
    ui.activate(w);
    w.name->SetFocus();
    w.list->MouseDown = [&](int32_t, int32_t) {
        w.journal.add("list:MouseDown");
        return false;
    };
    w.journal.clear();
    ui.click(*w.list, 3, 3);
    EXPECT_EQ(w.journal.joined(), "name:LostFocus list:GotFocus list:MouseDown");
}

TEST(Focus, ClosingTheFrontWindowGivesTheFocusBackToTheWindowBehindButNotWhileQuitting) {
    UiDriver ui;
    Runtime::StartupSteps steps;
    steps.newAppInstance = [] { return std::make_unique<Application>(); };
    ui.start(steps);
    FormWindow& back = newWindow<FormWindow>();
    back.journal.clear();
    back.name->SetFocus();
    FormWindow& front = newWindow<FormWindow>();
    front.notes->SetFocus();
    EXPECT_EQ(back.journal.joined(), "name:GotFocus name:LostFocus");
    front.Close();
    EXPECT_EQ(back.journal.joined(), "name:GotFocus name:LostFocus name:GotFocus");
    FormWindow& palette = newWindow<FormWindow>();  // shown in front, then hidden again
    palette.Hide();
    EXPECT_EQ(back.journal.joined(), "name:GotFocus name:LostFocus name:GotFocus name:LostFocus name:GotFocus");

    FormWindow& third = newWindow<FormWindow>();
    third.list->SetFocus();
    EventJournal outlives;  // the windows are deleted by the end
    for (RectControl* c : {static_cast<RectControl*>(back.name), static_cast<RectControl*>(back.notes),
                           static_cast<RectControl*>(back.list)})
        outlives.watch(*c);
    back.Close = [&] { outlives.add("window:Close"); };
    Quit(0);
    ui.settle();
    EXPECT_EQ(outlives.joined(), "window:Close name:Close notes:Close list:Close");
}

TEST(Focus, AFieldLosesTheFocusBeforeTheListChangesRow) {
    UiDriver ui;
    FormWindow w;
    auto* list = w.add<Listbox>("recipes");
    list->Top = 100;
    list->Width = 200;
    list->Height = 120;
    list->AcceptFocus = true;
    for (const char* row : {"Apple pie", "Bread", "Chowder"}) list->AddRow(row);
    w.finishBuilding();
    w.Show();
    w.name->SetFocus();
    w.journal.clear();
    list->Change = [&] { w.journal.add("recipes:Change " + std::to_string(list->ListIndex())); };
    ui.selectRow(*list, 2);
    EXPECT_EQ(w.journal.joined(), "name:LostFocus recipes:Change 2");
    EXPECT_EQ(w.Focus(), list);
}

TEST(Focus, ADialogShownFromLostFocusDoesNotRaiseGotFocusTwice) {
    UiDriver ui;
    FormWindow w;
    w.finishBuilding();
    ui.activate(w);
    w.name->SetFocus();
    ui.dialogs().expectMsgBox(::testing::_);
    w.name->LostFocus = [&] {
        w.journal.add("name:LostFocus");
        MsgBox("The name is too long.");  // takes the activation and gives it back
    };
    w.journal.clear();
    w.notes->SetFocus();
    EXPECT_EQ(w.journal.joined(), "name:LostFocus notes:GotFocus");
}

TEST(Focus, ADialogShownFromLostFocusOnDeactivationIsNotDeactivatedTwice) {
    UiDriver ui;
    FormWindow w;
    w.finishBuilding();
    ui.activate(w);
    w.name->SetFocus();
    ui.dialogs().expectMsgBox(::testing::_);
    w.name->LostFocus = [&] {
        w.journal.add("name:LostFocus");
        MsgBox("The name is too long.");  // the window is already inactive
    };
    w.Deactivate = [&] { w.journal.add("window:Deactivate"); };
    w.journal.clear();
    ui.deactivate(w);
    EXPECT_EQ(w.journal.joined(), "name:LostFocus window:Deactivate");
    EXPECT_FALSE(w.isActive());
}
