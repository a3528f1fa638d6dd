#include "framework/ui/Runtime.h"

#include "framework/dialogs/MsgBox.h"
#include "framework/files/FolderItem.h"
#include "framework/files/LeftoverTemporaries.h"
#include "framework/text/TextEncoding.h"
#include "framework/ui/Application.h"
#include "framework/runtime/ApplicationIdentity.h"
#include "framework/ui/ExceptionRouting.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/runtime/Services.h"
#include "framework/ui/SessionEnd.h"
#include "framework/runtime/SingleInstance.h"
#include "framework/ui/ApplicationInputFilter.h"
#include "framework/ui/DesktopProbe.h"
#include "framework/ui/FocusModel.h"
#include "framework/ui/InputDispatch.h"
#include "framework/ui/ModalSession.h"
#include "framework/ui/Window.h"
#include "framework/ui/WindowList.h"

#include <QApplication>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <utility>

namespace {
struct State {
    bool appOpenFinished = false;
    bool quitting = false;
    bool shutdownDone = false;
    int code = 0;
    std::vector<Window*> waitingForAppOpen;  // built before App.Open finished, in build order
    std::vector<std::string> documents;
    // Documents given at launch or handed over that the program ends before
    // opening: named in a message before it goes, since the launch that
    // handed them over has ended as if they were opened.
    std::vector<std::string> unopened;
    std::string applicationName;
    // Closes the doors later launches and the desktop hand documents through.
    std::function<void()> stopTakingDocuments;
};

State& state() {
    static auto* s = new State;
    return *s;
}

std::unique_ptr<Application>& ownedApp() {
    // Never destroyed as a static: released by releaseEverything() in time.
    static auto* app = new std::unique_ptr<Application>;
    return *app;
}

bool atTopLevelOfLoop() {
    return !yieldingToEventLoop() && QThread::currentThread()->loopLevel() <= 1;
}

void postShutdown() {
    QTimer::singleShot(0, qApp, [] {
        if (!atTopLevelOfLoop()) {
            // Inside a yield or a modal dialog: the top-level loop does it.
            QTimer::singleShot(0, qApp, [] { postShutdown(); });
            return;
        }
        Runtime::runShutdown();
    });
}

void openWaitingWindows() {
    auto waiting = std::move(state().waitingForAppOpen);
    state().waitingForAppOpen.clear();
    for (Window* w : waiting) {
        if (Runtime::quitting()) return;
        if (w->isClosing()) continue;
        w->runOpenEvents();
        if (w->Visible.get() && !w->isShown()) w->Show();
    }
}

void openDocuments(Application* app, const std::vector<std::string>& paths) {
    for (size_t i = 0; i < paths.size(); ++i) {
        if (Runtime::quitting() || !app) {
            state().unopened.insert(state().unopened.end(), paths.begin() + std::ptrdiff_t(i), paths.end());
            return;
        }
        auto item = FolderItem::fromPath(paths[i]);
        guarded([&] { app->handleOpenDocument(item); });
    }
}

// "Larderwise quit before opening these documents:" and their names, shown
// once as the program ends.
void tellUnopenedDocuments() {
    std::vector<std::string> unopened = std::exchange(state().unopened, {});
    unopened.insert(unopened.end(), state().documents.begin(), state().documents.end());
    state().documents.clear();
    if (unopened.empty()) return;
    std::string message = state().applicationName + " quit before opening these documents:\n";
    for (const std::string& path : unopened) {
        const auto item = FolderItem::fromPath(path);
        message += "\n" + TextFromUnknownEncoding(item ? item->Name() : path, EncodingCode::WindowsLatin1);
    }
    guarded([&] { MsgBox(message); });
}

// Documents a later launch handed over: opened as those named on the command
// line are, once start-up is complete and no modal dialog runs; every
// launch brings the front window forward.
void deliverHandedOver(const std::vector<std::string>& paths) {
    if (Runtime::quitting()) {
        state().unopened.insert(state().unopened.end(), paths.begin(), paths.end());
        return;
    }
    if (!state().appOpenFinished) {
        state().documents.insert(state().documents.end(), paths.begin(), paths.end());
        return;
    }
    if (!atTopLevelOfLoop()) {
        QTimer::singleShot(50, qApp, [paths] { deliverHandedOver(paths); });
        return;
    }
    // The user asked for the program: its front window comes up, restored
    // if it was minimized, before the documents are imported into it.
    if (Window* front = WindowList::frontWindow()) guarded([&] { front->Show(); });
    openDocuments(currentApplication(), paths);
}

void raiseAppOpen() {
    Application* app = currentApplication();
    if (app && !Runtime::quitting()) guarded([&] { app->handleOpen(); });
    state().appOpenFinished = true;
    openWaitingWindows();
    // Documents opened from the desktop arrive once start-up is complete.
    openDocuments(app, std::exchange(state().documents, {}));
}
}  // namespace

namespace Runtime {

int run(int argc, char** argv, const StartupSteps& steps) {
    QApplication qapp(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // only Quit ends the program
    installApplicationInputFilter();
    DesktopProbe::installIfRequested();  // inert unless the desktop tests ask for it
    // The names as the bytes the system gave (Qt has taken its own options
    // out of argv): a name that is not valid UTF-8 (old archives, some file
    // managers) would lose its bytes in a QString and name no file.
    std::vector<std::string> documents;
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] != '-') documents.push_back(argv[i]);
    SessionEnd::install();  // logout, shutdown, a closed terminal and Ctrl+C quit as File > Quit does
    // A copy already running on the same data folder takes the documents.
    std::unique_ptr<SingleInstance> instance;
    const std::string data = services().folderRoot ? services().folderRoot(SpecialFolderKind::ApplicationData) : "";
    if (!steps.singleInstanceName.empty() && !data.empty()) {
        instance = std::make_unique<SingleInstance>(SingleInstance::instanceKey(steps.singleInstanceName, data),
                                                    data + "/" + steps.singleInstanceName);
        switch (instance->claim(documents, deliverHandedOver)) {
            case SingleInstance::Outcome::Run:
                state().stopTakingDocuments = [copy = instance.get()] { copy->stopTakingDocuments(); };
                break;
            case SingleInstance::Outcome::HandedOver:
                return 0;
            case SingleInstance::Outcome::NotTaken:
                reportFatalError(SingleInstance::notTakenMessage(steps.applicationName, documents));
                return 1;
            case SingleInstance::Outcome::NoLock:
                reportFatalError(instance->noLockMessage(steps.applicationName));
                return 1;
        }
    }
    if (!startOrReport(steps, documents)) {
        state().stopTakingDocuments = nullptr;
        return 1;
    }
    SessionEnd::eventLoopRunning(true);
    int code = QApplication::exec();
    SessionEnd::eventLoopRunning(false);
    if (!state().shutdownDone) {
        // The loop ended without our Quit (the session manager's "die" or
        // Qt's own quit): the edits and the application's Close still run.
        requestQuit(0);
        runShutdown();
        code = quitCode();
    }
    state().stopTakingDocuments = nullptr;  // the running copy's lock and server end with `instance`
    if (steps.releaseGlobals) guarded([&] { steps.releaseGlobals(); });
    releaseEverything();
    return code;
}

bool startOrReport(const StartupSteps& steps, const std::vector<std::string>& documents) {
    try {
        start(steps, documents);
        return true;
    } catch (...) {
        // Before the loop there is no application to ask: the framework's own report.
        try {
            throw;
        } catch (const std::exception& e) {
            reportFatalError(std::string("Larderwise could not start: ") + e.what());
        } catch (...) {
            reportFatalError("Larderwise could not start.");
        }
        releaseEverything();
        return false;
    }
}

void start(const StartupSteps& steps, const std::vector<std::string>& documents) {
    ModalSession::serveTheModalGate();
    state().documents = documents;
    state().applicationName = steps.applicationName;
    applyApplicationIdentity(steps.applicationName);
    if (steps.initFileTypes) steps.initFileTypes();
    if (steps.newAppInstance) adoptApplication(steps.newAppInstance());
    if (steps.addMenuHandlers) steps.addMenuHandlers();
    if (steps.makeDefaultView) steps.makeDefaultView();
    QTimer::singleShot(0, qApp, [] { raiseAppOpen(); });
}

bool quitting() { return state().quitting; }
int quitCode() { return state().code; }
bool appOpenFinished() { return state().appOpenFinished; }

void requestQuit(int code) {
    if (state().quitting) return;
    state().quitting = true;
    state().code = code;
    postShutdown();
}

void runShutdown() {
    State& s = state();
    if (!s.quitting || s.shutdownDone) return;
    s.shutdownDone = true;
    // (a) Every focused control saves its edit while the database is open.
    for (Window* w : WindowList::frontToBack()) guarded([&] { w->focusModel().flush(); });
    // (b) The windows close (Main's Close asks to quit again: nothing happens).
    for (Window* w : WindowList::frontToBack())
        if (WindowList::contains(w) && !w->isClosing()) guarded([&] { w->Close(); });
    // (c) The application's Close, once.
    if (Application* app = currentApplication()) guarded([&] { app->handleClose(); });
    // Documents it was given and never opened are named before it goes:
    // from here on a launch gets no answer and waits to run on its own, and
    // what was handed over before joins the names.
    if (auto stop = std::exchange(s.stopTakingDocuments, nullptr)) stop();
    tellUnopenedDocuments();
    // (d) End the loop with the code.
    if (services().exitLoop) services().exitLoop(s.code);
}

void windowBuilt(Window& window) {
    window.finishBuilding();
    if (quitting()) return;  // never opened or shown against a closing application
    if (appOpenFinished()) {
        window.runOpenEvents();
        if (window.Visible.get() && !quitting()) window.Show();
        return;
    }
    state().waitingForAppOpen.push_back(&window);
}

void windowDeleted(Window& window) {
    auto& waiting = state().waitingForAppOpen;
    waiting.erase(std::remove(waiting.begin(), waiting.end(), &window), waiting.end());
}

void adoptApplication(std::unique_ptr<Application> app) { ownedApp() = std::move(app); }

void releaseWindows() {
    ImplicitWindows::forgetAll();
    WindowList::releaseAll();
    state().waitingForAppOpen.clear();
}

void releaseEverything() {
    releaseWindows();
    ownedApp().reset();
}

void resetForTests() {
    SessionEnd::uninstall();
    releaseEverything();
    LeftoverTemporaries::stopJournal();
    InputDispatch::resetCapture();
    state() = State{};
}

}  // namespace Runtime
