#include "framework/ui/ExceptionRouting.h"

#include "framework/dialogs/MsgBox.h"
#include "framework/runtime/RuntimeException.h"
#include "framework/runtime/Services.h"
#include "framework/ui/Application.h"
#include "framework/ui/Runtime.h"

#include <cstdio>
#include <string>

namespace {
bool handling = false;
int routedCount = 0;

void writeToErrorOutput(const RuntimeException& e, const char* why) {
    std::fprintf(stderr, "larderwise: %s: %s (%d): %s\n", why, e.className().c_str(),
                 static_cast<int>(e.ErrorNumber), e.Message.c_str());
}

void deliver(RuntimeException& e) {
    ++routedCount;
    if (handling) {
        writeToErrorOutput(e, "exception while handling an exception");
        return;
    }
    handling = true;
    bool handled = false;
    Application* app = currentApplication();
    try {
        if (app) handled = app->handleUnhandledException(e);
    } catch (...) {
        writeToErrorOutput(e, "the UnhandledException handler failed");
    }
    handling = false;
    // While quitting (the request came before, or from the handler), the
    // handler's own message was all: the quit already under way ends it.
    if (handled || Runtime::quitting()) return;
    // Nobody took it: the framework's own report, then quit.
    reportFatalError("An exception of class " + e.className() +
                                " was not handled. The application must shut down." +
                                (e.Message.empty() ? std::string() : "\r" + e.Message));
    Quit(1);
}
}  // namespace

void routeCurrentException() {
    try {
        throw;
    } catch (RuntimeException& e) {
        deliver(e);
    } catch (const std::exception& e) {
        RuntimeException converted(e.what(), 0);
        deliver(converted);
    } catch (...) {
        RuntimeException converted("unknown exception", 0);
        deliver(converted);
    }
}

void reportFatalError(const std::string& message) {
    if (services().reportFatalError) {
        services().reportFatalError(message);
        return;
    }
    std::fprintf(stderr, "larderwise: %s\n", message.c_str());
    MsgBox(message);
}

int routedExceptionCount() { return routedCount; }
