// Start-up order, deferred Quit, and exception routing.
#include "framework/dialogs/MsgBox.h"
#include "framework/ui/Application.h"
#include "framework/ui/ExceptionRouting.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/runtime/Services.h"
#include "framework/files/FolderItem.h"
#include "framework/ui/Window.h"
#include "framework/ui/WindowList.h"
#include "tests/support/ProbeControl.h"
#include "tests/support/ScriptedUiService.h"
#include "tests/support/UiDriver.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <gtest/gtest.h>

namespace {
std::vector<std::string> journal;

// A window whose controls and own Open write into the journal: a plain
// control, a container with two embedded controls, and a last control.
struct NestedWindow : Window {
    NestedWindow() {
        Visible = false;
        auto* first = add<ProbeControl>("first");
        auto* box = add<ProbeControl>("box");
        auto* cancel = add<ProbeControl>("cancel", box);
        auto* placeholder = add<ProbeControl>("placeholder", box);
        auto* last = add<ProbeControl>("last");
        for (RectControl* c : {static_cast<RectControl*>(first), static_cast<RectControl*>(box),
                               static_cast<RectControl*>(cancel), static_cast<RectControl*>(placeholder),
                               static_cast<RectControl*>(last)})
            c->Open = [c] { journal.push_back(c->Name() + ":Open"); };
        Open = [] { journal.push_back("window:Open"); };
    }
};
struct ShownWindow : Window {
    ShownWindow() {
        Open = [] { journal.push_back("shown:Open"); };
    }
};

class Lifecycle : public ::testing::Test {
protected:
    void SetUp() override { journal.clear(); }
    UiDriver ui;
};
}  // namespace

TEST_F(Lifecycle, WindowsBuiltBeforeAppOpenRunTheirOpensAfterItChildrenFirst) {
    Runtime::StartupSteps steps;
    steps.newAppInstance = [] {
        auto app = std::make_unique<Application>();
        app->Open = [] { journal.push_back("App:Open"); };
        return app;
    };
    steps.makeDefaultView = [] { implicitInstance<NestedWindow>(); };
    ui.start(steps);
    EXPECT_EQ(journal, (std::vector<std::string>{"App:Open", "first:Open", "cancel:Open", "placeholder:Open",
                                                 "box:Open", "last:Open", "window:Open"}));
    EXPECT_FALSE(implicitInstance<NestedWindow>().isShown());  // design Visible False
}

TEST_F(Lifecycle, AShowDuringAppOpenRunsTheOpensThereAndLaterWindowsOpenBeforeTheAccessorReturns) {
    Runtime::StartupSteps steps;
    steps.newAppInstance = [] {
        auto app = std::make_unique<Application>();
        app->Open = [] {
            journal.push_back("App:Open begins");
            implicitInstance<NestedWindow>().Show();
            journal.push_back("App:Open ends");
        };
        return app;
    };
    steps.makeDefaultView = [] { implicitInstance<NestedWindow>(); };
    ui.start(steps);
    EXPECT_EQ(journal, (std::vector<std::string>{"App:Open begins", "first:Open", "cancel:Open", "placeholder:Open",
                                                 "box:Open", "last:Open", "window:Open", "App:Open ends"}));
    journal.clear();
    implicitInstance<ShownWindow>();  // built after start-up: opened before the accessor returns
    EXPECT_EQ(journal, (std::vector<std::string>{"shown:Open"}));
}

TEST_F(Lifecycle, QuitIsDeferredAndIdempotent) {
    int closes = 0;
    Runtime::StartupSteps steps;
    steps.newAppInstance = [&] {
        auto app = std::make_unique<Application>();
        app->Close = [&] { ++closes; };
        return app;
    };
    ui.start(steps);
    bool ranOn = false;
    Quit(3);
    Quit(0);
    ranOn = true;  // the caller goes on after its request
    EXPECT_TRUE(ranOn);
    EXPECT_EQ(closes, 0);
    ui.settle();
    Quit(5);
    ui.settle();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(ui.exitCode(), 3);
    EXPECT_TRUE(Runtime::quitting());
}

TEST_F(Lifecycle, QuitDuringAppOpenKeepsTheMainWindowFromOpeningOrShowing) {
    Runtime::StartupSteps steps;
    steps.newAppInstance = [] {
        auto app = std::make_unique<Application>();
        app->Open = [] {
            Quit(0);  // a fatal database error
            implicitInstance<NestedWindow>().Show();  // the step after it still runs
            implicitInstance<ShownWindow>();          // and so may an accessor
        };
        return app;
    };
    steps.makeDefaultView = [] { implicitInstance<NestedWindow>(); };
    ui.start(steps);
    EXPECT_TRUE(journal.empty());
    ui.settle();
    EXPECT_TRUE(journal.empty());
    EXPECT_TRUE(ui.loopEnded());
}

TEST_F(Lifecycle, TheShutdownWaitsForTheTopLevelLoopNotAYield) {
    services().yield = [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
    Runtime::StartupSteps steps;
    steps.newAppInstance = [] { return std::make_unique<Application>(); };
    ui.start(steps);
    Quit(0);
    for (int i = 0; i < 3; ++i) yieldToEventLoop();
    EXPECT_FALSE(ui.loopEnded());
    ui.settle();
    EXPECT_TRUE(ui.loopEnded());
}

TEST_F(Lifecycle, AnExceptionInAHandlerReachesUnhandledExceptionOnce) {
    std::vector<std::string> seen;
    Runtime::StartupSteps steps;
    steps.newAppInstance = [&] {
        auto app = std::make_unique<Application>();
        app->UnhandledException = [&](RuntimeException& e) {
            seen.push_back(e.className() + " " + std::to_string(e.ErrorNumber) + " " + e.Message);
            Quit(0);
            return false;
        };
        app->Close = [] { throw OutOfBoundsException("during shut-down"); };
        return app;
    };
    ui.start(steps);
    services().reportFatalError = [&](const std::string& m) { seen.push_back("framework: " + m); };
    ShownWindow& w = implicitInstance<ShownWindow>();
    auto* c = w.add<ProbeControl>("c");
    c->MouseDown = [](int32_t, int32_t) -> bool { throw NilObjectException("nothing there"); };
    ui.click(*c, 1, 1);
    ui.settle();  // the shutdown's own exception is reported too, once, and the quit goes on
    EXPECT_EQ(seen, (std::vector<std::string>{"NilObjectException 0 nothing there",
                                              "OutOfBoundsException 0 during shut-down"}));
    EXPECT_TRUE(ui.loopEnded());
    EXPECT_EQ(ui.exitCode(), 0);
}

TEST_F(Lifecycle, AnExceptionNobodyHandlesGetsTheFrameworksMessageAndQuits) {
    ui.dialogs().expectMsgBox(::testing::HasSubstr("disk gone"));
    guarded([] { throw std::runtime_error("disk gone"); });
    ui.settle();
    EXPECT_TRUE(ui.loopEnded());
    EXPECT_EQ(ui.exitCode(), 1);
}

TEST_F(Lifecycle, TheApplicationsErrorMessageShowsAndItsQuitEndsTheProgram) {
    Runtime::StartupSteps steps;
    steps.newAppInstance = [] {
        auto app = std::make_unique<Application>();
        app->UnhandledException = [](RuntimeException& e) {
            MsgBox("Error 610: Unhandled Exception:\r" + std::to_string(e.ErrorNumber) + " : " + e.Message);
            Quit(0);
            return false;  // no second message from the framework after a quit request
        };
        return app;
    };
    ui.start(steps);
    ui.dialogs().expectMsgBox("Error 610: Unhandled Exception:\r0 : key missing");
    guarded([] { throw KeyNotFoundException("key missing"); });
    ui.settle();
    EXPECT_TRUE(ui.loopEnded());
    EXPECT_EQ(ui.exitCode(), 0);
}

TEST_F(Lifecycle, ImplicitWindowsAreSingleAndFreshAfterTheyClose) {
    Runtime::StartupSteps steps;
    steps.newAppInstance = [] { return std::make_unique<Application>(); };
    ui.start(steps);
    ShownWindow& a = implicitInstance<ShownWindow>();
    EXPECT_EQ(&implicitInstance<ShownWindow>(), &a);
    EXPECT_TRUE(a.isShown());  // design Visible True: shown when built
    EXPECT_EQ(journal, (std::vector<std::string>{"shown:Open"}));
    a.Title = std::string("changed");
    a.Close();
    ui.settle();
    ShownWindow& b = implicitInstance<ShownWindow>();
    EXPECT_EQ(b.Title(), "");
    EXPECT_EQ(journal.size(), 2u);
}

TEST_F(Lifecycle, DocumentsFromTheCommandLineArriveAfterOpenAndAfterTheFirstWindowsOpened) {
    static std::vector<std::string> paths;
    paths.clear();
    Runtime::StartupSteps steps;
    steps.newAppInstance = [] {
        auto app = std::make_unique<Application>();
        app->Open = [] { journal.push_back("App:Open"); };
        app->OpenDocument = [](std::shared_ptr<FolderItem> item) {
            journal.push_back("App:OpenDocument");
            paths.push_back(item ? item->NativePath() : "nothing");
        };
        return app;
    };
    steps.makeDefaultView = [] { implicitInstance<ShownWindow>(); };
    ui.start(steps, {"/tmp/a.rtf", "/tmp/b.txt"});
    EXPECT_EQ(journal, (std::vector<std::string>{"App:Open", "shown:Open", "App:OpenDocument", "App:OpenDocument"}));
    EXPECT_EQ(paths, (std::vector<std::string>{"/tmp/a.rtf", "/tmp/b.txt"}));
    EXPECT_TRUE(implicitInstance<ShownWindow>().isShown());
}

namespace {
// A window whose first control fails in its Open and whose second adds a
// control while opening; its Close handler fails too.
struct FaultyWindow : Window {
    FaultyWindow() {
        auto* failing = add<ProbeControl>("failing");
        auto* growing = add<ProbeControl>("growing");
        failing->Open = []() { throw OutOfBoundsException("row 7"); };
        growing->Open = [this] {
            journal.push_back("growing:Open");
            auto* late = add<ProbeControl>("late");
            late->Open = [] { journal.push_back("late:Open"); };
        };
        Open = [] { journal.push_back("window:Open"); };
        Close = []() { throw NilObjectException("closing"); };
    }
};
}  // namespace

TEST_F(Lifecycle, AFailingHandlerStopsNeitherTheOtherOpensNorTheClose) {
    std::vector<std::string> errors;
    Runtime::StartupSteps steps;
    steps.newAppInstance = [&] {
        auto app = std::make_unique<Application>();
        app->UnhandledException = [&](RuntimeException& e) {
            errors.push_back(e.Message);
            return true;  // handled: the program goes on
        };
        return app;
    };
    ui.start(steps);
    FaultyWindow& w = implicitInstance<FaultyWindow>();
    EXPECT_EQ(journal, (std::vector<std::string>{"growing:Open", "late:Open", "window:Open"}));
    EXPECT_EQ(w.ControlCount(), 3);
    auto* later = w.add<ProbeControl>("later");  // added to an open window: opens once bound
    later->Open = [] { journal.push_back("later:Open"); };
    ui.settle();
    EXPECT_EQ(journal.back(), "later:Open");
    w.Close();
    EXPECT_FALSE(WindowList::contains(&w));
    EXPECT_EQ(errors, (std::vector<std::string>{"row 7", "closing"}));
    EXPECT_FALSE(Runtime::quitting());
}

TEST_F(Lifecycle, AFailingStartUpStepGetsTheFrameworksMessageAndReleasesWhatWasBuilt) {
    Runtime::StartupSteps steps;
    steps.newAppInstance = [] { return std::make_unique<Application>(); };
    steps.makeDefaultView = [] {
        implicitInstance<ShownWindow>();
        throw KeyNotFoundException("no such type");
    };
    ui.dialogs().expectMsgBox(::testing::HasSubstr("no such type"));
    EXPECT_FALSE(Runtime::startOrReport(steps));
    EXPECT_EQ(currentApplication(), nullptr);
    EXPECT_TRUE(WindowList::frontToBack().empty());
}
