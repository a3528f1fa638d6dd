#include "tests/support/SqlStatementFault.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>

namespace {
std::atomic<SqlStatementFault*> active = nullptr;

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}
}  // namespace

struct SqlStatementFaultHooks {
    // A statement starts running: when it is the one to fail, the engine is
    // told to stop it at its next step. (An interruption, not a progress
    // handler: the program's own handler may stand in the connection's only
    // slot for one.)
    static int onTrace(unsigned type, void*, void* statement, void* x) {
        SqlStatementFault* const fault = active;
        if (type != SQLITE_TRACE_STMT || !fault || !x) return 0;
        const std::string text = static_cast<const char*>(x);
        if (text.rfind("--", 0) == 0) return 0;  // a trigger's inner statement
        if (fault->where_ == SqlStatementFault::Where::ThisThread && std::this_thread::get_id() != fault->owner_)
            return 0;
        const bool match = lowered(text).find(fault->pattern_) != std::string::npos;
        if (match && ++fault->matches_ == fault->occurrence_) {
            fault->fired_ = true;
            sqlite3_interrupt(sqlite3_db_handle(static_cast<sqlite3_stmt*>(statement)));
        }
        return 0;
    }
    static int onOpen(sqlite3* db, const char**, const sqlite3_api_routines*) {
        if (SqlStatementFault* const fault = active) ++fault->connectionsOpened_;
        sqlite3_trace_v2(db, SQLITE_TRACE_STMT, &SqlStatementFaultHooks::onTrace, nullptr);
        return SQLITE_OK;
    }
};

namespace {
using EntryPoint = void (*)();
EntryPoint entryPoint() { return reinterpret_cast<EntryPoint>(&SqlStatementFaultHooks::onOpen); }
}  // namespace

SqlStatementFault::SqlStatementFault(std::string pattern, int occurrence, Where where)
    : pattern_(lowered(std::move(pattern))), occurrence_(occurrence), where_(where) {
    active = this;
    sqlite3_auto_extension(entryPoint());
}

SqlStatementFault::~SqlStatementFault() {
    sqlite3_cancel_auto_extension(entryPoint());
    SqlStatementFault* self = this;
    active.compare_exchange_strong(self, nullptr);
}
