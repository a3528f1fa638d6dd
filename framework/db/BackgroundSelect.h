#pragma once
// A select that reads on a connection and a thread of its own, so the event
// loop goes on taking keys and painting while a long select runs (the live
// search over 100,000 recipes). Each Start replaces the select before it:
// one still running gives up within a few thousand engine steps, and only
// the newest select's rows are ever delivered, on the event loop's thread.
//
// The connections read only the file `db` holds: one that finds another file
// at its path (renamed over it) fails the select rather than read it.
// The connection reads committed data only: edits must be committed before
// Start. A select that says how it may be split is read in parts side by
// side (SplitSelect.h), each on a connection of its own, on threads the
// worker makes once and keeps (WorkerPool.h): a key starts no thread. The connections
// read through a memory map while selects follow one another (a scan of
// every recipe's text costs about half that way) and are closed once no
// select came for a moment, so the pages of the map stop counting against
// the program.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/data/Variant.h"
#include "framework/db/SplitSelect.h"

class RecordSet;
class WorkerPool;
class REALSQLDatabase;

class BackgroundSelect {
public:
    // Rows on success; nullptr and the engine's message when the select failed.
    using Done = std::function<void(std::shared_ptr<RecordSet> rows, const std::string& error)>;

    BackgroundSelect();
    // Gives up a running select and waits for its thread; nothing is delivered.
    ~BackgroundSelect();
    BackgroundSelect(const BackgroundSelect&) = delete;
    BackgroundSelect& operator=(const BackgroundSelect&) = delete;

    // Runs `sql` with `values` bound on the file `db` is connected to, then
    // calls `done` from the event loop unless another Start or Cancel came
    // first. Values that cannot be bound fail like a select.
    void Start(REALSQLDatabase& db, const std::string& sql, const std::vector<Variant>& values, Done done);
    // Work done with the rows on the select's own thread before they are
    // delivered (building what shows them, say), so the event loop does not
    // do it; it may spread it over `threads`, the threads that read the
    // parts. It must touch nothing the event loop uses. Not run for a select
    // given up or failed.
    using Prepare = std::function<void(RecordSet& rows, WorkerPool& threads)>;

    // The same, read in parts as `split` says where the machine has the cores.
    void Start(REALSQLDatabase& db, const std::string& sql, const std::vector<Variant>& values,
               const SplitSelect& split, Done done, Prepare prepare = nullptr);
    // The same select read on the same connections and threads (and
    // prepared there), but the caller waits for its rows: the select running
    // or waiting is given up (nothing is delivered for it). Nullptr and the engine's message in
    // `error` when the select failed.
    std::shared_ptr<RecordSet> Read(REALSQLDatabase& db, const std::string& sql, const std::vector<Variant>& values,
                                    const SplitSelect& split, std::string& error, Prepare prepare = nullptr);
    // The select running or waiting is given up; nothing is delivered.
    void Cancel();
    // Destroys `leftover` (the rows a list no longer shows, say) on the
    // select's thread once no select waits to be read: freeing 100,000 rows
    // would hold up the event loop for longer than a key may wait. `leftover`
    // must be the last reference. A `done` replaced or cancelled before it
    // was called is destroyed there too, with whatever it holds.
    void Discard(std::shared_ptr<void> leftover);
    // A select was started and its rows are not delivered yet.
    bool Pending() const;
    // Whether `db` has changed nothing since the delivered (or pending)
    // select was started, so its rows are what the file holds now.
    bool ReadsCurrent(REALSQLDatabase& db) const;

    // The error of a select that found another file at the database's path
    // than the one `db` holds: it reads neither (REALSQLDatabase::FileReplaced).
    static constexpr const char* kFileReplaced = "The database file was replaced by another file.";

    // Any instance has a select pending: the program is not idle yet.
    static bool AnyPending();

    // What the event loop and the worker thread share (BackgroundSelect.cpp).
    struct Shared;

private:
    void start(REALSQLDatabase& db, const std::string& sql, const std::vector<Variant>& values,
               std::optional<SplitSelect> split, Done done, Prepare prepare);
    // Hands the select to the worker, giving up the one it runs; `waited`:
    // the rows are kept for Read rather than delivered through the loop.
    void hand(REALSQLDatabase& db, const std::string& sql, const std::vector<Variant>& values,
              std::optional<SplitSelect> split, bool waited, Prepare prepare);
    void startWorker();
    void dropDone();

    std::shared_ptr<Shared> shared_;
};
