// The end of the session in-process: a signal becomes the ordinary quit in
// the event loop, a box that is up gets its Escape answer, later boxes are
// answered without showing and reported on standard error, and the session
// manager's request to save leaves the focused control with the focus.
#include "framework/dialogs/DialogButtons.h"
#include "framework/dialogs/MessageDialog.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/ui/Application.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/SessionEnd.h"
#include "framework/ui/Window.h"
#include "framework/ui/WindowList.h"
#include "tests/support/EndingSignals.h"
#include "tests/support/ProbeControl.h"
#include "tests/support/ScriptedUiService.h"
#include "tests/support/UiDriver.h"

#include <QMessageBox>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>

namespace {

struct Editor : Window {
    ProbeControl* field = add<ProbeControl>("field");
    ProbeControl* other = add<ProbeControl>("other");
};

class SessionEndTest : public ::testing::Test {
protected:
    UiDriver ui;
    EventJournal journal;
    Editor* editor = nullptr;

    void SetUp() override {
        Runtime::StartupSteps steps;
        steps.newAppInstance = [this] {
            auto app = std::make_unique<Application>();
            app->Close = [this] { journal.add("App:Close"); };
            return app;
        };
        steps.makeDefaultView = [this] { editor = &implicitInstance<Editor>(); };
        ui.start(steps);
        journal.watch(*editor->field);
        ui.click(*editor->field, 2, 2);
        journal.clear();
        endingSignalsByDefault();  // this test program is the one the signals end
        SessionEnd::install();
    }
    void TearDown() override { SessionEnd::uninstall(); }
};

class EndingSignal : public SessionEndTest, public ::testing::WithParamInterface<int> {};

TEST_P(EndingSignal, QuitsThroughTheOrdinaryPathOnce) {
    raise(GetParam());
    EXPECT_FALSE(Runtime::quitting()) << "nothing but a note happens inside the handler";
    raise(SIGHUP);  // logout sends SIGTERM and SIGHUP together: the second changes nothing
    ui.settle();
    EXPECT_EQ(SessionEnd::endingSignal(), GetParam());
    EXPECT_TRUE(ui.loopEnded());
    EXPECT_EQ(ui.exitCode(), 0);
    EXPECT_EQ(journal.lines(), (std::vector<std::string>{"field:LostFocus", "field:Close", "App:Close"}))
        << "the edit's LostFocus, the window closed, the application's Close once";
}

INSTANTIATE_TEST_SUITE_P(TermHupInt, EndingSignal, ::testing::Values(SIGTERM, SIGHUP, SIGINT));

TEST_F(SessionEndTest, ABoxUpWhenTheSignalComesGetsItsEscapeAnswer) {
    QMessageBox box(QMessageBox::Question, "Delete", "Delete the recipe?", QMessageBox::Ok | QMessageBox::Cancel);
    QTimer::singleShot(0, [] { raise(SIGTERM); });
    box.exec();
    EXPECT_EQ(box.clickedButton(), nullptr) << "no button pressed for the user";
    EXPECT_EQ(box.result(), QDialog::Rejected);
    ui.settle();
    EXPECT_TRUE(ui.loopEnded());
}

TEST_F(SessionEndTest, LaterBoxesAreAnsweredWithoutShowingAndReportedOnStandardError) {
    raise(SIGTERM);
    ui.settle();
    ASSERT_TRUE(SessionEnd::boxesAnsweredForTheUser());
    testing::internal::CaptureStderr();
    // The scripted service fails the test on any box that reaches it.
    EXPECT_EQ(MsgBox("Error 302: Could not save the recipe's name. disk full", 3), MsgBoxAnswer::Cancel);
    EXPECT_EQ(MsgBox("Saved."), MsgBoxAnswer::OK);
    MessageDialog question;
    question.Message = "Create a new database?";
    question.CancelButton.Visible = true;
    EXPECT_EQ(question.ShowModal(), &question.CancelButton);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("Error 302: Could not save the recipe's name. disk full"), std::string::npos) << said;
    EXPECT_NE(said.find("Create a new database?"), std::string::npos) << said;
}

TEST_F(SessionEndTest, TheSessionManagersSaveRequestStoresTheEditAndTheProgramGoesOn) {
    ui.activate(*editor);
    journal.clear();
    SessionEnd::storeEditsInProgress();
    EXPECT_EQ(journal.lines(), (std::vector<std::string>{"field:LostFocus", "field:GotFocus"}));
    EXPECT_EQ(editor->Focus(), editor->field);
    EXPECT_FALSE(Runtime::quitting());
}

}  // namespace
