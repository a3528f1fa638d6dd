#pragma once
// The end of the desktop session and polite kills.
//
// Logging out or shutting down ends a desktop program with SIGTERM (logind
// follows it with SIGHUP at once), closing the terminal that started it sends
// SIGHUP, and Ctrl+C there sends SIGINT. Each of them asks the program to
// quit exactly as File > Quit does: the edit in progress is stored, the
// application's Close runs (database closed, preferences written) and the
// process exits with the quit code (0).
//
// The handler itself only notes the signal, arms the grace timer and writes
// one byte to a pipe (async-signal-safe calls only); a socket notifier reads
// it in the event loop, which then:
//   - answers every modal box that is up as its Escape key would (Cancel,
//     or the box's only button) and closes any open pop-up menu: nobody is
//     there to answer a box at logout, and Cancel is always the answer that
//     changes nothing;
//   - from then on answers every further box the same way without showing
//     it; its text goes to standard error, so a failure met on the way out
//     (a save refused by a full disk, say) is still reported;
//   - requests the quit.
//
// Whatever happens, the program ends at most kGraceSeconds after the first
// signal: a quit that cannot finish (the main thread waiting on a database
// lock another program holds, a drag in progress, a long rebuild at start-up)
// is ended by the signal's default action, so the parent sees it was killed.
// The database stays intact then: every change is one SQLite transaction
// with a rollback journal, undone at the next start; temporary files of an
// atomic write are noted in a journal and removed at the next start.
// Further signals do not cut the orderly quit short (SIGTERM and SIGHUP come
// as a pair at logout), except a second Ctrl+C: the user insists, the
// program ends at once.
//
// SIGPIPE is ignored: a closed pipe on standard output or error (a pager
// quit, a terminal gone) must not end the program in the middle of a save.
namespace SessionEnd {

// The environment variable LARDERWISE_GRACE_SECONDS sets another grace
// period: the desktop tests lengthen it, since on a loaded machine a disk busy
// with other work can hold the orderly quit's syncs for longer than the grace,
// and what they check is the orderly quit itself.
constexpr unsigned kGraceSeconds = 5;

// Installs the handlers and the notifier; the QApplication must exist.
void install();
// Restores the default handlers, cancels the grace timer and forgets the
// signal (tests; run() never needs it).
void uninstall();

// The toolkit ends the process with exit() from inside the event loop when
// the connection to the display breaks (the X server died or was killed).
// Between the loop's start and its end, install()'s exit hook then stores
// the edits and runs the application's Close as a quit does, with boxes
// answered for the user (none could show), and ends the process with
// status 1 before the static destructors run: they would otherwise tear
// down the toolkit under a still living application and crash.
void eventLoopRunning(bool running);

// The X session manager's "save your data" (before a logout it may still
// cancel): the focused control of the active window loses the focus and gets
// it back, as around a modal box, so its edit in progress is stored while the
// program goes on running. Connected to the toolkit by install().
void storeEditsInProgress();

// The signal that asked the program to quit, 0 for none.
int endingSignal();
// True once a signal asked the program to quit and the event loop took it
// in: modal boxes are answered by their Escape answer without showing.
bool boxesAnsweredForTheUser();

}  // namespace SessionEnd
