#pragma once
// Makes one chosen SQL statement fail, as a full disk or a damaged file
// would, so tests can see what the program does when a step of its own
// fails. The Nth statement (from 1) whose text contains `pattern` (letter
// case ignored) is interrupted as it starts to run and fails with the
// engine's "interrupted"; every other statement runs normally.
//
// Only connections opened while the fault exists are watched, so create it
// before the code under test connects. One fault at a time. Statements are
// counted across threads: a search reads in parts on several at once.
// `Where::ThisThread` counts only those run on the thread that made the
// fault: the program's own writes, not the read transactions a refill's
// parts open and end on threads of their own, whose number depends on the
// machine's CPUs.
#include <atomic>
#include <string>
#include <thread>

class SqlStatementFault {
public:
    enum class Where { AnyThread, ThisThread };
    explicit SqlStatementFault(std::string pattern, int occurrence = 1, Where where = Where::AnyThread);
    ~SqlStatementFault();
    SqlStatementFault(const SqlStatementFault&) = delete;
    SqlStatementFault& operator=(const SqlStatementFault&) = delete;

    // How many statements matched so far, and whether the chosen one failed.
    int matches() const { return matches_; }
    bool fired() const { return fired_; }
    // How many connections were opened while the fault existed, whether or
    // not they went on to read the file.
    int connectionsOpened() const { return connectionsOpened_; }

private:
    friend struct SqlStatementFaultHooks;
    std::string pattern_;
    int occurrence_;
    Where where_;
    std::thread::id owner_ = std::this_thread::get_id();
    std::atomic<int> matches_ = 0;
    std::atomic<bool> fired_ = false;
    std::atomic<int> connectionsOpened_ = 0;
};
