#pragma once
// No C++ exception may cross a Qt frame: every call from a Qt callback (an
// event filter, a signal, a timer) into product code goes through guarded().
// An exception that escapes is handed to the application's
// UnhandledException event; if there is no application object, or the event
// does not handle it and no quit was requested, the framework reports it
// itself and quits. Exceptions while the application quits (a Close event
// that cannot save) reach UnhandledException too, so the user learns of
// them; its Quit request changes nothing then, the quit under way goes on
// with its own code. While the UnhandledException handler itself runs,
// further exceptions are only written to the error output, so one fault
// never restarts the handling.
#include <exception>
#include <string>
#include <type_traits>
#include <utility>

class RuntimeException;

// Routes the exception being handled (call inside a catch block).
void routeCurrentException();

template <class F>
auto guarded(F&& f) -> decltype(f()) {
    using R = decltype(f());
    try {
        return std::forward<F>(f)();
    } catch (...) {
        routeCurrentException();
        if constexpr (!std::is_void_v<R>) return R{};
    }
}

// The framework's own report of an error nobody handled: the replacement
// in services() where one is set, else the error output and a message box.
void reportFatalError(const std::string& message);

// For tests and the start-up code: how many exceptions were routed so far.
int routedExceptionCount();
