#include "framework/ui/SessionEnd.h"

#include "framework/ui/Runtime.h"
#include "framework/ui/ModalSession.h"

#include <QApplication>
#include <QDialog>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QWidget>
#include <cerrno>
#include <iterator>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kEndingSignals[] = {SIGTERM, SIGHUP, SIGINT};

int wakePipe[2] = {-1, -1};
constexpr int kTouched[] = {SIGTERM, SIGHUP, SIGINT, SIGALRM, SIGPIPE};
struct sigaction before[std::size(kTouched)];  // each as it was before install()
// kGraceSeconds unless LARDERWISE_GRACE_SECONDS says otherwise; read once by
// install(), so the signal handler only reads a number.
unsigned graceSeconds = SessionEnd::kGraceSeconds;
volatile sig_atomic_t firstSignal = 0;
volatile sig_atomic_t interrupts = 0;
bool takenIn = false;
bool loopRunning = false;
QSocketNotifier* notifier = nullptr;

// Runs inside a signal handler: async-signal-safe calls only.
[[noreturn]] void endByDefaultAction(int sig) {
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    sigemptyset(&byDefault.sa_mask);
    sigaction(sig, &byDefault, nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, sig);
    sigprocmask(SIG_UNBLOCK, &only, nullptr);
    raise(sig);
    _exit(128 + sig);  // only if the default action did not end the process
}

void onEndingSignal(int sig) {
    const int savedErrno = errno;
    if (firstSignal == 0) {
        firstSignal = sig;
        alarm(graceSeconds);
        const char byte = static_cast<char>(sig);
        [[maybe_unused]] const ssize_t written = write(wakePipe[1], &byte, 1);
    } else if (sig == SIGINT && interrupts > 0) {
        endByDefaultAction(sig);
    }
    if (sig == SIGINT) interrupts = interrupts + 1;
    errno = savedErrno;
}

void onGraceOver(int) { endByDefaultAction(firstSignal != 0 ? firstSignal : SIGTERM); }

void setHandler(int sig, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    for (int other : kEndingSignals) sigaddset(&action.sa_mask, other);
    action.sa_flags = SA_RESTART;  // the loop, SQLite and the file writers go on where they were
    sigaction(sig, &action, nullptr);
}

bool ignoredOnEntry(int sig) {
    struct sigaction current {};
    sigaction(sig, nullptr, &current);
    return current.sa_handler == SIG_IGN;
}

// Nobody is there to answer: each box up now gets its Escape answer.
void answerOpenBoxes() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
        if (!popup->close()) break;
    }
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QDialog*>(top); box && box->isVisible()) box->reject();
}

void takeIn() {
    char bytes[16];
    while (read(wakePipe[0], bytes, sizeof bytes) > 0) {
    }
    if (takenIn || firstSignal == 0) return;
    takenIn = true;
    answerOpenBoxes();
    Runtime::requestQuit(0);
}

// Does nothing unless exit() is called while the loop runs.
void onExitInsideLoop() {
    if (!loopRunning) return;
    loopRunning = false;
    takenIn = true;  // no box can show on a display that is gone
    if (firstSignal == 0) {  // the same grace bounds this quit
        firstSignal = SIGTERM;
        alarm(graceSeconds);
    }
    Runtime::requestQuit(1);
    Runtime::runShutdown();
    std::fflush(nullptr);
    _exit(1);
}

}  // namespace

namespace SessionEnd {

void install() {
    if (notifier) return;
    if (pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0) return;  // no pipe: the signals keep their default action
    bool given = false;
    const int seconds = qEnvironmentVariableIntValue("LARDERWISE_GRACE_SECONDS", &given);
    graceSeconds = given && seconds > 0 ? static_cast<unsigned>(seconds) : kGraceSeconds;
    for (size_t i = 0; i < std::size(kTouched); ++i) sigaction(kTouched[i], nullptr, &before[i]);
    notifier = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] { takeIn(); });
    // A signal ignored when the program started (nohup, a job started in
    // the background) stays ignored, as its starter meant.
    for (int sig : kEndingSignals)
        if (!ignoredOnEntry(sig)) setHandler(sig, onEndingSignal);
    setHandler(SIGALRM, onGraceOver);
    signal(SIGPIPE, SIG_IGN);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, notifier,
                     [](QSessionManager&) { storeEditsInProgress(); });
}

void storeEditsInProgress() {
    ModalSession pause;  // LostFocus now (the editor saves), GotFocus when it ends
}

void uninstall() {
    alarm(0);
    if (!notifier) return;
    for (size_t i = 0; i < std::size(kTouched); ++i) sigaction(kTouched[i], &before[i], nullptr);
    delete notifier;
    notifier = nullptr;
    for (int& fd : wakePipe) {
        if (fd >= 0) close(fd);
        fd = -1;
    }
    firstSignal = 0;
    interrupts = 0;
    takenIn = false;
}

void eventLoopRunning(bool running) {
    loopRunning = running && notifier;
    // exit() destroys the main thread's thread-local objects before it runs
    // any exit handler or static destructor: the hook sees every global alive.
    struct ExitWatch {
        ~ExitWatch() { onExitInsideLoop(); }
    };
    static thread_local ExitWatch watch;
    (void)watch;
}

int endingSignal() { return firstSignal; }

bool boxesAnsweredForTheUser() { return takenIn; }

}  // namespace SessionEnd
