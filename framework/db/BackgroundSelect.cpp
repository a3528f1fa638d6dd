#include "framework/db/BackgroundSelect.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "framework/db/DatabaseConnection.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/db/RecordSet.h"
#include "framework/runtime/WorkerPool.h"

namespace {

// Selects of all instances started and not yet delivered or given up.
std::atomic<int> pendingSelects{0};

// Longer than the pause between two typed keys, so typing keeps the map
// warm; short enough that the program shrinks back soon after a search.
constexpr auto kIdleBeforeClosing = std::chrono::milliseconds(400);

// Larger than any recipe file; the engine maps the most it allows.
constexpr int64_t kWholeFile = int64_t{1} << 40;

struct Request {
    uint64_t id = 0;
    std::string path;
    uint64_t generation = 0;  // of the database's own connection: a reopened file is opened again
    std::optional<DatabaseConnection::FileIdentity> file;  // the one the database's connection holds
    int32_t busyTimeout = 0;
    std::string sql;
    std::vector<SQLValue> params;
    std::string failure;  // known before reading (a value that cannot be bound, a replaced file): fails the select
    std::optional<SplitSelect> split;
    bool waited = false;  // Read waits for the rows: they are answered, not posted
    BackgroundSelect::Prepare prepare;
};

}  // namespace

struct BackgroundSelect::Shared {
    // Between the event loop and the worker.
    std::mutex mutex;
    std::condition_variable wake;
    std::optional<Request> next;
    bool stop = false;
    // The newest request (or cancel): a select of another id gives up.
    std::atomic<uint64_t> newest{0};
    // A waited select's outcome, under the mutex.
    std::condition_variable answered;
    std::optional<std::pair<std::shared_ptr<RecordSet>, std::string>> answer;
    // What the event loop let go of, destroyed by the worker between selects.
    std::vector<std::shared_ptr<void>> leftovers;

    // Event loop only.
    uint64_t lastID = 0;
    bool pending = false;
    Done done;
    uint64_t startGeneration = 0;
    int64_t startChanges = 0;

    std::thread worker;

    void setPending(bool on) {
        if (pending == on) return;
        pending = on;
        pendingSelects += on ? 1 : -1;
    }
};

namespace {

// The worker: one select at a time on a connection only it touches.
void serve(const std::shared_ptr<BackgroundSelect::Shared>& shared);

}  // namespace

BackgroundSelect::BackgroundSelect() : shared_(std::make_shared<Shared>()) {}

BackgroundSelect::~BackgroundSelect() {
    Cancel();
    if (!shared_->worker.joinable()) return;
    {
        std::lock_guard lock(shared_->mutex);
        shared_->stop = true;
    }
    shared_->wake.notify_one();
    shared_->worker.join();
}

void BackgroundSelect::Start(REALSQLDatabase& db, const std::string& sql, const std::vector<Variant>& values,
                             Done done) {
    start(db, sql, values, std::nullopt, std::move(done), nullptr);
}

void BackgroundSelect::Start(REALSQLDatabase& db, const std::string& sql, const std::vector<Variant>& values,
                             const SplitSelect& split, Done done, Prepare prepare) {
    start(db, sql, values, split, std::move(done), std::move(prepare));
}

void BackgroundSelect::start(REALSQLDatabase& db, const std::string& sql, const std::vector<Variant>& values,
                             std::optional<SplitSelect> split, Done done, Prepare prepare) {
    dropDone();
    shared_->done = std::move(done);
    shared_->setPending(true);
    hand(db, sql, values, std::move(split), false, std::move(prepare));
}

std::shared_ptr<RecordSet> BackgroundSelect::Read(REALSQLDatabase& db, const std::string& sql,
                                                  const std::vector<Variant>& values, const SplitSelect& split,
                                                  std::string& error, Prepare prepare) {
    Cancel();
    hand(db, sql, values, split, true, std::move(prepare));
    std::unique_lock lock(shared_->mutex);
    shared_->answered.wait(lock, [&] { return shared_->answer.has_value(); });
    auto [rows, message] = std::move(*shared_->answer);
    shared_->answer.reset();
    error = std::move(message);
    return rows;
}

void BackgroundSelect::hand(REALSQLDatabase& db, const std::string& sql, const std::vector<Variant>& values,
                            std::optional<SplitSelect> split, bool waited, Prepare prepare) {
    Request request;
    request.split = std::move(split);
    request.waited = waited;
    request.prepare = std::move(prepare);
    request.id = ++shared_->lastID;
    request.path = db.DatabaseFilePath();
    request.generation = db.connection_->generation();
    request.file = db.connection_->file();
    request.busyTimeout = db.connection_->busyTimeout();
    request.sql = sql;
    // Connections opened before another program renamed a file over the
    // database's path still read the held file; the select fails all the
    // same, so the program learns of the replacement at its next read.
    if (db.connection_->fileReplaced()) request.failure = kFileReplaced;
    for (size_t i = 0; i < values.size() && request.failure.empty(); ++i) {
        if (std::optional<SQLValue> value = sqlValueFromVariant(values[i])) request.params.push_back(std::move(*value));
        else request.failure = "Value " + std::to_string(i + 1) + " cannot be stored in a database.";
    }
    shared_->startGeneration = request.generation;
    shared_->startChanges = db.connection_->totalChanges();
    shared_->newest = request.id;  // a select running now gives up at its next check
    {
        std::lock_guard lock(shared_->mutex);
        shared_->answer.reset();
        shared_->next = std::move(request);
    }
    shared_->wake.notify_one();
    startWorker();
}

void BackgroundSelect::startWorker() {
    if (!shared_->worker.joinable()) shared_->worker = std::thread(serve, shared_);
}

void BackgroundSelect::Discard(std::shared_ptr<void> leftover) {
    if (!leftover) return;
    {
        std::lock_guard lock(shared_->mutex);
        shared_->leftovers.push_back(std::move(leftover));
    }
    shared_->wake.notify_one();
    startWorker();
}

// What a `done` never called holds (what `prepare` built, say) is freed on
// the worker as well.
void BackgroundSelect::dropDone() {
    if (shared_->done) Discard(std::make_shared<Done>(std::move(shared_->done)));
    shared_->done = nullptr;
}

void BackgroundSelect::Cancel() {
    shared_->newest = ++shared_->lastID;
    shared_->setPending(false);
    dropDone();
    std::lock_guard lock(shared_->mutex);
    shared_->next.reset();
}

bool BackgroundSelect::Pending() const { return shared_->pending; }

bool BackgroundSelect::ReadsCurrent(REALSQLDatabase& db) const {
    return db.connection_->generation() == shared_->startGeneration &&
           db.connection_->totalChanges() == shared_->startChanges;
}

bool BackgroundSelect::AnyPending() { return pendingSelects > 0; }

namespace {

// Runs on the event loop's thread: the newest select's outcome reaches its
// caller; an older one (a Start or Cancel came since) is dropped.
void deliver(const std::weak_ptr<BackgroundSelect::Shared>& weak, uint64_t id,
             std::shared_ptr<RecordSet> rows, const std::string& error) {
    std::shared_ptr<BackgroundSelect::Shared> shared = weak.lock();
    if (!shared || id != shared->newest || !shared->pending) return;
    shared->setPending(false);
    BackgroundSelect::Done done = std::move(shared->done);
    shared->done = nullptr;
    if (done) done(std::move(rows), error);
}

void post(const std::shared_ptr<BackgroundSelect::Shared>& shared, uint64_t id, std::shared_ptr<RecordSet> rows,
          std::string error) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    std::weak_ptr<BackgroundSelect::Shared> weak = shared;
    QMetaObject::invokeMethod(
        app, [weak, id, rows = std::move(rows), error = std::move(error)] { deliver(weak, id, rows, error); },
        Qt::QueuedConnection);
}

// A waited select's outcome goes to the caller waiting in Read; any other
// is posted to the event loop.
void finish(const std::shared_ptr<BackgroundSelect::Shared>& shared, const Request& request,
            std::shared_ptr<RecordSet> rows, std::string error) {
    if (!request.waited) return post(shared, request.id, std::move(rows), std::move(error));
    {
        std::lock_guard lock(shared->mutex);
        shared->answer.emplace(std::move(rows), std::move(error));
    }
    shared->answered.notify_all();
}

// The connections a select reads on, open on the request's file (the
// first alone for a select that is not split); false with the message when
// one cannot be opened.
bool openFor(std::vector<std::unique_ptr<DatabaseConnection>>& connections, const Request& request,
             std::string& error) {
    const size_t wanted = request.split ? partsToReadIn() : 1;
    while (connections.size() < wanted) connections.push_back(std::make_unique<DatabaseConnection>());
    for (size_t i = 0; i < wanted; ++i) {
        DatabaseConnection& connection = *connections[i];
        if (connection.connected()) continue;
        connection.setBusyTimeout(request.busyTimeout);
        if (!connection.open(request.path, false)) {
            error = connection.errorMessage();
            return false;
        }
        // The path may name another file by now: reading it would list rows
        // of a file the program does not write.
        if (!request.file || connection.file() != request.file) {
            connection.close();
            error = BackgroundSelect::kFileReplaced;
            return false;
        }
        connection.mapFile(kWholeFile);
    }
    return true;
}

void closeAll(std::vector<std::unique_ptr<DatabaseConnection>>& connections) {
    for (auto& connection : connections) connection->close();
}

// Memory freed stays with the allocator for the next list by default;
// once no select came for a moment it goes back to the system, so the
// program shrinks after a long list is replaced by a short one.
void giveBackFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

void serve(const std::shared_ptr<BackgroundSelect::Shared>& shared) {
    // The parts and the rows built from them run here and on these, made
    // once rather than for every key.
    WorkerPool threads(partsToReadIn());
    std::vector<std::unique_ptr<DatabaseConnection>> connections;
    uint64_t openGeneration = 0;
    std::string openPath;
    auto anyOpen = [&] {
        return std::any_of(connections.begin(), connections.end(), [](auto& c) { return c->connected(); });
    };
    for (;;) {
        Request request;
        std::vector<std::shared_ptr<void>> leftovers;
        {
            std::unique_lock lock(shared->mutex);
            auto woken = [&] { return shared->stop || shared->next.has_value() || !shared->leftovers.empty(); };
            if (anyOpen()) {
                // A moment without a select: the maps go with the connections.
                if (!shared->wake.wait_for(lock, kIdleBeforeClosing, woken)) {
                    lock.unlock();
                    closeAll(connections);
                    giveBackFreedMemory();
                    continue;
                }
            } else {
                shared->wake.wait(lock, woken);
            }
            if (shared->stop) break;
            // A select waiting is read first: a key typed waits for its list.
            if (!shared->next) leftovers.swap(shared->leftovers);
            else {
                request = std::move(*shared->next);
                shared->next.reset();
            }
        }
        if (!leftovers.empty()) {
            leftovers.clear();
            if (!anyOpen()) giveBackFreedMemory();  // idle already
            continue;
        }
        if (!request.failure.empty()) {
            finish(shared, request, nullptr, request.failure);
            continue;
        }
        if (openPath != request.path || openGeneration != request.generation) closeAll(connections);
        openPath = request.path;
        openGeneration = request.generation;
        std::string error;
        if (!openFor(connections, request, error)) {
            finish(shared, request, nullptr, error);
            continue;
        }
        const uint64_t id = request.id;
        const std::function<bool()> giveUp = [&] { return shared->newest != id; };
        bool abandoned = false;
        const SplitSelect* split = request.split ? &*request.split : nullptr;
        std::optional<QueryResult> rows =
            readInParts(connections, request.sql, request.params, split, threads, giveUp, abandoned, error);
        if (abandoned) {  // a newer select (or none) is wanted
            if (request.waited) finish(shared, request, nullptr, "The select was given up.");
            continue;
        }
        if (!rows) {
            finish(shared, request, nullptr, error);
            continue;
        }
        // Read-only rows: they belong to no connection the program writes through.
        auto rowSet = std::make_shared<RecordSet>(std::make_shared<DatabaseConnection>(), std::move(*rows), "");
        if (request.prepare && shared->newest == id) {  // a select given up meanwhile needs none
            request.prepare(*rowSet, threads);
            rowSet->MoveFirst();
        }
        finish(shared, request, std::move(rowSet), "");
    }
    closeAll(connections);
}

}  // namespace
