// What a modal box does to the window and its focus, as on a real display:
// the window is deactivated while the box is up and reactivated before the
// call returns, and a box shown from a control's own handler never raises
// that control's LostFocus again (the save it is in the middle of must not
// run a second time).
#include "framework/dialogs/MsgBox.h"
#include "framework/dialogs/SelectColor.h"
#include "framework/ui/Window.h"
#include "framework/ui/controls/EditField.h"
#include "tests/support/ProbeControl.h"
#include "tests/support/ScriptedUiService.h"
#include "tests/support/UiDriver.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
struct BoxWindow : Window {
    EventJournal journal;
    ProbeControl* name;
    ProbeControl* notes;
    BoxWindow() {
        name = add<ProbeControl>("name");
        notes = add<ProbeControl>("notes");
        notes->Top = 40;
        journal.watch(*name);
        journal.watch(*notes);
        Activate = [this] { journal.add("window:Activate"); };
        Deactivate = [this] { journal.add("window:Deactivate"); };
    }
};

struct ModalBoxes : ::testing::Test {
    UiDriver ui;
    BoxWindow w;
    void SetUp() override {
        w.finishBuilding();
        w.Show();
        w.name->SetFocus();
        ui.settle();
        w.journal.clear();
    }
};
}  // namespace

TEST_F(ModalBoxes, ABoxDeactivatesTheWindowAndReactivatesItBeforeTheCallReturns) {
    ui.dialogs().expectMsgBox(::testing::HasSubstr("saved"));
    w.notes->MouseDown = [&](int32_t, int32_t) {  // notes never takes the focus here
        w.journal.add("box");
        MsgBox("Your recipe was saved.");
        w.journal.add("after box");
        return false;
    };
    w.notes->AcceptFocus = false;
    ui.click(*w.notes, 2, 2);
    EXPECT_EQ(w.journal.joined(),
              "box name:LostFocus window:Deactivate window:Activate name:GotFocus after box");
    EXPECT_TRUE(w.isActive());
    EXPECT_EQ(w.Focus(), w.name);
}

TEST_F(ModalBoxes, ABoxFromTheFocusedControlsOwnHandlerKeepsItsFocusWithoutEvents) {
    ui.dialogs().expectMsgBox(::testing::HasSubstr("Error 501")).expectSelectColor(0x112233u);
    w.name->KeyDown = [&](std::string) {
        MsgBox("Error 501: the picture could not be stored.");
        uint32_t colour = 0;
        SelectColor(colour, "Text colour");
        return true;
    };
    ui.key(*w.name, "x");
    EXPECT_EQ(w.journal.joined(), "window:Deactivate window:Activate window:Deactivate window:Activate");
    EXPECT_EQ(w.Focus(), w.name);
    // The focus is still the control's: moving it on raises LostFocus once.
    w.notes->SetFocus();
    EXPECT_EQ(w.journal.lines().back(), "notes:GotFocus");
    EXPECT_EQ(std::count(w.journal.lines().begin(), w.journal.lines().end(), "name:LostFocus"), 1);
}

TEST_F(ModalBoxes, ASaveThatFailsInLostFocusShowsOneBoxAndTheNextControlGetsTheFocusOnce) {
    ui.dialogs().expectMsgBox(::testing::HasSubstr("Error 400"));
    int saves = 0;
    w.name->LostFocus = [&] {
        w.journal.add("name:LostFocus");
        ++saves;
        MsgBox("Error 400: the recipe could not be saved.");
    };
    w.notes->SetFocus();
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(w.journal.joined(), "name:LostFocus window:Deactivate window:Activate notes:GotFocus");
    EXPECT_EQ(w.Focus(), w.notes);
}

TEST_F(ModalBoxes, ABoxFromTheLostFocusABoxCausedDoesNotStack) {
    // The list's handler shows a box; the deactivation makes the field save,
    // and that save fails with a box of its own while the first is opening.
    ui.dialogs().expectMsgBox(::testing::HasSubstr("Error 400")).expectMsgBox(::testing::HasSubstr("deleted"));
    w.name->LostFocus = [&] {
        w.journal.add("name:LostFocus");
        MsgBox("Error 400: the recipe could not be saved.");
    };
    w.notes->AcceptFocus = false;
    w.notes->MouseDown = [&](int32_t, int32_t) {
        MsgBox("The recipe was deleted.");
        return false;
    };
    ui.click(*w.notes, 2, 2);
    EXPECT_EQ(w.journal.joined(), "name:LostFocus window:Deactivate window:Activate name:GotFocus");
    EXPECT_EQ(ui.dialogs().messages().size(), 2u);
}

TEST_F(ModalBoxes, ABoxWhileNoWindowIsActiveChangesNothingAndAClosedWindowIsNotReactivated) {
    ui.deactivate(w);
    w.journal.clear();
    ui.dialogs().expectMsgBox(::testing::_).expectMsgBox(::testing::_);
    MsgBox("Larderwise could not open its database.");
    EXPECT_EQ(w.journal.joined(), "");
    EXPECT_FALSE(w.isActive());

    ui.activate(w);
    w.journal.clear();
    w.name->KeyDown = [&](std::string) {
        MsgBox("Close this window?");
        return true;
    };
    w.Deactivate = [&] {
        w.journal.add("window:Deactivate");
        w.Hide();  // hidden while the box is up
    };
    ui.key(*w.name, "w");
    EXPECT_FALSE(w.isActive());
    EXPECT_EQ(w.journal.joined(), "window:Deactivate");
}

// Every focus Qt gives is the model's too.
using QtGivenFocus = ModalBoxes;

TEST_F(QtGivenFocus, HidingTheFocusedControlMovesTheFocusOnAsQtDoes) {
    w.name->Visible = false;
    ui.settle();
    EXPECT_EQ(w.journal.joined(), "name:LostFocus notes:GotFocus");
    EXPECT_EQ(w.Focus(), w.notes);
}

TEST_F(QtGivenFocus, AWindowOpensWithItsFirstFocusableControlFocusedUnlessCodeChoseFirst) {
    BoxWindow fresh;
    fresh.name->Enabled = false;  // not focusable: the next one in the chain
    fresh.finishBuilding();
    fresh.Show();
    EXPECT_EQ(fresh.Focus(), nullptr) << "given once Qt's activation arrives, on the next turn";
    ui.settle();
    EXPECT_EQ(fresh.Focus(), fresh.notes);
    EXPECT_EQ(fresh.journal.joined(), "name:Open notes:Open window:Activate notes:GotFocus");
    fresh.notes->KeyDown = [&](std::string key) {
        fresh.journal.add("notes:KeyDown " + key);
        return true;
    };
    ui.pressKey("k");  // no click: the key goes where the focus is
    EXPECT_EQ(fresh.journal.lines().back(), "notes:KeyDown k");

    BoxWindow chosen;
    chosen.finishBuilding();
    chosen.Show();
    chosen.notes->SetFocus();  // the window's own choice at open
    ui.settle();
    EXPECT_EQ(chosen.journal.joined(), "name:Open notes:Open window:Activate notes:GotFocus");
}

TEST_F(ModalBoxes, ABoxInTheCloseOfTheFrontWindowLeavesTheWindowBehindActive) {
    BoxWindow front;
    front.finishBuilding();
    front.Show();
    front.name->SetFocus();
    ui.dialogs().expectMsgBox(::testing::HasSubstr("closing"));
    front.Close = [&] { MsgBox("The window is closing."); };
    w.journal.clear();
    front.Close();
    EXPECT_TRUE(w.isActive());
    EXPECT_EQ(w.journal.joined(), "window:Activate name:GotFocus");
}

TEST_F(ModalBoxes, ABoxFromAFieldsTextChangeKeepsTheFieldsFocusAndItsTyping) {
    auto* field = w.add<EditField>("field");
    field->Top = 80;
    field->AcceptFocus = true;
    w.journal.watch(*field);
    ui.settle();
    ui.click(*field, 3, 3);
    w.journal.clear();
    ui.dialogs().expectMsgBox(::testing::HasSubstr("too long"));
    field->TextChange = [&] {
        if (field->Text.get().size() == 2) MsgBox("The name is too long.");
    };
    ui.type(*field, "abc");
    EXPECT_EQ(w.journal.joined(), "window:Deactivate window:Activate");
    EXPECT_EQ(field->Text.get(), "abc");
    EXPECT_EQ(w.Focus(), field);
}
