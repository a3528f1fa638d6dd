#include "tests/support/SqlStatementFault.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>

namespace {
SqlStatementFault* active = nullptr;

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}
}  // namespace

struct SqlStatementFaultHooks {
    // A statement starts running: decide whether it is the one to fail.
    static int onTrace(unsigned type, void*, void*, void* x) {
        if (type != SQLITE_TRACE_STMT || !active || !x) return 0;
        const std::string text = static_cast<const char*>(x);
        if (text.rfind("--", 0) == 0) return 0;  // a trigger's inner statement
        const bool match = lowered(text).find(active->pattern_) != std::string::npos;
        active->armed_ = match && ++active->matches_ == active->occurrence_;
        return 0;
    }
    // Called while statements run: interrupts the chosen one.
    static int onProgress(void*) {
        if (!active || !active->armed_) return 0;
        active->armed_ = false;
        active->fired_ = true;
        return 1;
    }
    static int onOpen(sqlite3* db, const char**, const sqlite3_api_routines*) {
        sqlite3_trace_v2(db, SQLITE_TRACE_STMT, &SqlStatementFaultHooks::onTrace, nullptr);
        sqlite3_progress_handler(db, 1, &SqlStatementFaultHooks::onProgress, nullptr);
        return SQLITE_OK;
    }
};

namespace {
using EntryPoint = void (*)();
EntryPoint entryPoint() { return reinterpret_cast<EntryPoint>(&SqlStatementFaultHooks::onOpen); }
}  // namespace

SqlStatementFault::SqlStatementFault(std::string pattern, int occurrence)
    : pattern_(lowered(std::move(pattern))), occurrence_(occurrence) {
    active = this;
    sqlite3_auto_extension(entryPoint());
}

SqlStatementFault::~SqlStatementFault() {
    sqlite3_cancel_auto_extension(entryPoint());
    if (active == this) active = nullptr;
}
