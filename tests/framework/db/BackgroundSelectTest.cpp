// A select on a thread of its own: a newer one replaces it at once, only the
// newest is delivered, on the event loop's thread, and it reads the file the
// database is connected to now.
#include "DatabaseTestSupport.h"

#include <QCoreApplication>
#include <dlfcn.h>
#include <pthread.h>

#include <atomic>

#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

#include "framework/data/Dictionary.h"
#include "framework/db/BackgroundSelect.h"
#include "framework/db/RecordSet.h"
#include "framework/runtime/WorkerPool.h"

namespace {

// Never ends unless it is given up.
const char* const kEndless = "with recursive c(i) as (select 1 union all select i + 1 from c) select count(*) from c";

const char* const kNames = "select recipeName from recipes where recipeName like ? order by recipeName";

// Turns the event loop until `done` says true; a generous cap turns a hang
// into a failure instead of a stuck test.
bool loopUntil(const std::function<bool()>& done) {
    for (int turn = 0; turn < 20'000 && !done(); ++turn) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return done();
}

std::vector<std::string> names(RecordSet& rows) {
    std::vector<std::string> out;
    for (; !rows.EOF_(); rows.MoveNext()) out.push_back(rows.IdxField(1).StringValue());
    return out;
}

std::atomic<int> threadsStarted{0};

}  // namespace

// Every thread the test program starts, counted on its way to the C library.
extern "C" int pthread_create(pthread_t* thread, const pthread_attr_t* attributes, void* (*routine)(void*),
                              void* argument) noexcept {
    using Create = int (*)(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*);
    static const auto created = reinterpret_cast<Create>(dlsym(RTLD_NEXT, "pthread_create"));
    ++threadsStarted;
    return created(thread, attributes, routine, argument);
}

// A key's search is read in parts and its rows built on threads the select
// made with its first search: no key starts (and joins) threads of its own.
TEST_F(DatabaseTest, SearchesReadInPartsStartNoThreadAfterTheFirst) {
    if (partsToReadIn() < 2) GTEST_SKIP() << "one CPU: every select is read whole";
    auto db = createRecipes({"Soup", "Bread", "Stew", "Apple Pie", "Salad", "Scones"});
    const SplitSelect split{"recipes", "recipeName",
                            "select recipeName from recipes where rowID between ?2 and ?3 and recipeName like ?1 "
                            "order by recipeName"};
    BackgroundSelect select;
    std::vector<std::string> delivered;
    std::atomic<int> rowsBuilt{0};
    auto search = [&](const char* pattern) {
        select.Start(*db, kNames, {Variant(pattern)}, split,
                     [&](std::shared_ptr<RecordSet> rows, const std::string& error) {
                         ASSERT_TRUE(rows) << error;
                         delivered = names(*rows);
                     },
                     [&](RecordSet&, WorkerPool& threads) {
                         threads.inParts(100'000, [&](int32_t first, int32_t end) { rowsBuilt += end - first; });
                     });
        EXPECT_TRUE(loopUntil([&] { return !select.Pending(); }));
    };
    search("%");
    const int afterTheFirst = threadsStarted;
    for (const char* pattern : {"S%", "%e%", "B%", "%", "S%"}) search(pattern);
    EXPECT_EQ(threadsStarted - afterTheFirst, 0);
    EXPECT_EQ(delivered, (std::vector<std::string>{"Salad", "Scones", "Soup", "Stew"}));
    EXPECT_EQ(rowsBuilt, 6 * 100'000);
}

TEST_F(DatabaseTest, ANewerSelectReplacesTheRunningOneAndOnlyTheNewestIsDelivered) {
    auto db = createRecipes({"Soup", "Bread", "Stew"});
    BackgroundSelect select;
    std::vector<std::string> delivered;
    std::thread::id deliveredOn;
    select.Start(*db, kEndless, {}, [&](std::shared_ptr<RecordSet>, const std::string&) { delivered.push_back("endless"); });
    select.Start(*db, kNames, {Variant("S%")}, [&](std::shared_ptr<RecordSet> rows, const std::string& error) {
        ASSERT_TRUE(rows) << error;
        deliveredOn = std::this_thread::get_id();
        for (const std::string& name : names(*rows)) delivered.push_back(name);
    });
    EXPECT_TRUE(select.Pending());
    EXPECT_TRUE(BackgroundSelect::AnyPending());
    ASSERT_TRUE(loopUntil([&] { return !select.Pending(); })) << "the endless select was not given up";
    EXPECT_EQ(delivered, (std::vector<std::string>{"Soup", "Stew"}));
    EXPECT_EQ(deliveredOn, std::this_thread::get_id()) << "delivered on the event loop's thread";
    EXPECT_FALSE(BackgroundSelect::AnyPending());

    // Cancelled: nothing comes, even once the loop has turned.
    delivered.clear();
    select.Start(*db, kNames, {Variant("%")}, [&](std::shared_ptr<RecordSet>, const std::string&) { delivered.push_back("cancelled"); });
    select.Cancel();
    EXPECT_FALSE(select.Pending());
    select.Start(*db, "select count(*) from recipes", {}, [&](std::shared_ptr<RecordSet> rows, const std::string&) {
        delivered.push_back(rows ? rows->IdxField(1).StringValue() : "failed");
    });
    ASSERT_TRUE(loopUntil([&] { return !select.Pending(); }));
    EXPECT_EQ(delivered, (std::vector<std::string>{"3"}));

    // The rows are prepared on the select's thread before delivery, and
    // delivered from their first row.
    delivered.clear();
    std::thread::id preparedOn;
    std::vector<std::string> prepared;
    select.Start(
        *db, "select recipeName from recipes where recipeName like ?1 order by recipeName", {Variant("S%")},
        SplitSelect{"recipes", "recipeName",
                    "select recipeName from recipes where rowID between ?2 and ?3 and recipeName like ?1 "
                    "order by recipeName"},
        [&](std::shared_ptr<RecordSet> rows, const std::string& error) {
            ASSERT_TRUE(rows) << error;
            delivered = names(*rows);
        },
        [&](RecordSet& rows, WorkerPool&) {
            preparedOn = std::this_thread::get_id();
            prepared = names(rows);
        });
    ASSERT_TRUE(loopUntil([&] { return !select.Pending(); }));
    EXPECT_NE(preparedOn, std::this_thread::get_id());
    EXPECT_EQ(prepared, (std::vector<std::string>{"Soup", "Stew"}));
    EXPECT_EQ(delivered, prepared);

    // Read while an endless select runs: it is given up, the caller gets the
    // rows at once, and nothing is delivered for either.
    delivered.clear();
    select.Start(*db, kEndless, {}, [&](std::shared_ptr<RecordSet>, const std::string&) { delivered.push_back("endless"); });
    const SplitSelect split{"recipes", "recipeName",
                            "select recipeName from recipes where rowID between ?2 and ?3 and recipeName like ?1 "
                            "order by recipeName"};
    std::string error;
    std::shared_ptr<RecordSet> read = select.Read(*db, kNames, {Variant("S%")}, split, error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(names(*read), (std::vector<std::string>{"Soup", "Stew"}));
    EXPECT_FALSE(select.Pending());
    const SplitSelect failing{"recipes", "recipeName", "select no_such_column from recipes where rowID between ?2 and ?3"};
    read = select.Read(*db, kNames, {Variant("S%")}, failing, error);
    EXPECT_FALSE(read);
    EXPECT_NE(error.find("no_such_column"), std::string::npos) << error;
    for (int turn = 0; turn < 50; ++turn) QCoreApplication::processEvents(QEventLoop::AllEvents);
    EXPECT_TRUE(delivered.empty());

    // Destroyed while an endless select runs: it is given up, not waited for.
    select.Start(*db, kEndless, {}, [](std::shared_ptr<RecordSet>, const std::string&) {});
}

TEST_F(DatabaseTest, ABackgroundSelectReadsWhatIsCommittedInTheFileConnectedNowAndReportsFailures) {
    auto db = createRecipes({"Soup"});
    BackgroundSelect select;
    std::string outcome;
    auto run = [&](const std::string& sql, const std::vector<Variant>& values = {}) {
        outcome.clear();
        select.Start(*db, sql, values, [&](std::shared_ptr<RecordSet> rows, const std::string& error) {
            outcome = rows ? rows->IdxField(1).StringValue() : "failed: " + error;
        });
        EXPECT_TRUE(loopUntil([&] { return !select.Pending(); }));
        return outcome;
    };
    EXPECT_EQ(run("select count(*) from recipes"), "1");
    EXPECT_TRUE(select.ReadsCurrent(*db));
    db->SQLExecute("insert into recipes (recipeName) values ('Stew')");
    EXPECT_FALSE(select.ReadsCurrent(*db)) << "a change since the select began";
    EXPECT_EQ(run("select count(*) from recipes"), "1") << "the insert is not committed";
    db->Commit();
    EXPECT_EQ(run("select count(*) from recipes"), "2");

    EXPECT_EQ(run("select x from nowhere"), "failed: no such table: nowhere");
    EXPECT_EQ(run("select ?", {Variant(std::make_shared<Dictionary>())}).rfind("failed: Value 1", 0), 0u);

    // Another file put in the database's place and connected: that file is read.
    {
        REALSQLDatabase other;
        other.SetDatabaseFile(path("other.rsd"));
        ASSERT_TRUE(other.CreateDatabaseFile());
        other.SQLExecute("create table recipes (recipeName varChar); insert into recipes values ('Bread')");
        other.Commit();
    }
    db->Close();
    std::filesystem::rename(path("other.rsd"), path());
    ASSERT_TRUE(db->Connect()) << db->ErrorMessage();
    EXPECT_EQ(run("select group_concat(recipeName) from recipes"), "Bread");
}

