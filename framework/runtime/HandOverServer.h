#pragma once
// Where the running copy takes documents from later launches: a local
// socket served by a thread of its own. The thread answers at once, even
// while the main thread is still starting (waiting for the database, say),
// so a launch is never left waiting on a copy that is merely busy; the
// documents wait on the main thread's queue until it can open them.
//
// A launch tags its hand-over with an identity of its own and may send it
// again when it saw no answer; a repeat is answered but not delivered again,
// so each handed-over document is opened exactly once. A launch counts its
// documents as taken only once the server has answered that they are on the
// main thread's queue; a server that stops (the copy is ending) answers no
// more, and the launch goes on trying until it can run on its own.
//
// A hand-over names the data folder it is meant for (its identity on the
// disk, so two paths to one folder are one), and a server refuses one meant
// for another: a lock file shared with another data folder must not send
// documents into that folder's database.
#include <functional>
#include <memory>
#include <string>
#include <vector>

class HandOverServer {
public:
    using Delivery = std::function<void(const std::vector<std::string>& documents)>;

    // `deliver` runs on the main thread, from its event loop; `dataFolder`
    // is the identity of the folder this copy serves (folderIdentity).
    HandOverServer(std::string dataFolder, Delivery deliver);
    ~HandOverServer();
    HandOverServer(const HandOverServer&) = delete;
    HandOverServer& operator=(const HandOverServer&) = delete;

    // Listens on the socket at `path` (a socket file left there is replaced:
    // the caller holds the lock that owns the path). Answers once listening,
    // and listens anew whenever the socket's file is removed or replaced
    // (checked every second). `alsoEachCheck` runs on the server's thread
    // with that check (the running copy keeps its lock files with it).
    bool listen(const std::string& path, std::function<void()> alsoEachCheck = {});

    // Takes no more hand-overs: the socket closes, and a launch that had not
    // been answered yet finds nobody. Documents already answered for are
    // delivered now, before this returns, so the copy can name what it will
    // not open.
    void stop();

    enum class Answer {
        Taken,     // the documents are on the running copy's queue
        Refused,   // the server serves another data folder
        NoAnswer,  // nobody listens, or the server did not answer in time
    };
    // A launch's side: hands `documents` for `dataFolder` to the server at
    // `path` under `handOverID`.
    static Answer handOver(const std::string& path, const std::string& handOverID, const std::string& dataFolder,
                           const std::vector<std::string>& documents, int answerMilliseconds);

    // A folder's identity on the disk (device and inode); empty when there is none.
    static std::string folderIdentity(const std::string& folder);

private:
    void endThread();

    struct Thread;
    std::unique_ptr<Thread> thread_;
    std::string dataFolder_;
    Delivery deliver_;
};
