#pragma once
// The signals that end a session (SIGTERM, SIGHUP, SIGINT) back at their
// default action. The program keeps a signal ignored that was ignored when it
// started, as its starter meant; a test run under nohup or from a background
// job (which starts with SIGINT ignored) must not pass that on to the program
// it tests, or the signal the test sends never arrives. Safe to call in a
// child between fork and exec.
#include <csignal>

inline void endingSignalsByDefault() {
    for (int sig : {SIGTERM, SIGHUP, SIGINT}) std::signal(sig, SIG_DFL);
}
