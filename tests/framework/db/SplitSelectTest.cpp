// A select read in parts over ranges of rowIDs gives exactly the rows, in
// exactly the order, that the whole select gives: values of every kind, names
// that sort alike, gaps and rowIDs at both ends of their range. Where parts
// cannot be merged by bytes, or there is nothing to split, it reads whole.
#include "DatabaseTestSupport.h"

#include <QCoreApplication>

#include <atomic>
#include <sched.h>

#include <algorithm>
#include <limits>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "framework/db/BackgroundSelect.h"
#include "framework/db/DatabaseConnection.h"
#include "framework/db/RecordSet.h"
#include "framework/db/SortedMerge.h"
#include "framework/db/SplitSelect.h"
#include "framework/runtime/WorkerPool.h"

namespace {

const char* const kWhole = "select name, rowID from things where name like ?1 or note like ?1 order by name";
const char* const kPart =
    "select name, rowID from things where rowID between ?2 and ?3 and (name like ?1 or note like ?1) order by name";

// One line a row: the value's kind, its text and the rowID.
std::vector<std::string> describe(const QueryResult& rows) {
    std::vector<std::string> lines;
    for (size_t r = 0; r < rows.rowCount; ++r) {
        const SQLRef name = rows.at(r, 0);
        lines.push_back(std::to_string(static_cast<int>(name.type)) + ":" + sqlValueString(name) + "#" +
                        sqlValueString(rows.at(r, 1)));
    }
    return lines;
}

class SplitSelectTest : public DatabaseTest {
protected:
    WorkerPool threads{1};  // grown to the parts each read asks for

    // `count` connections open on the test's file.
    std::vector<std::unique_ptr<DatabaseConnection>> connect(size_t count) {
        std::vector<std::unique_ptr<DatabaseConnection>> connections;
        for (size_t i = 0; i < count; ++i) {
            connections.push_back(std::make_unique<DatabaseConnection>());
            EXPECT_TRUE(connections.back()->open(path(), false)) << connections.back()->errorMessage();
        }
        return connections;
    }

    std::vector<std::string> whole(const std::string& sql, const std::vector<SQLValue>& params) {
        DatabaseConnection connection;
        EXPECT_TRUE(connection.open(path(), false));
        std::optional<QueryResult> rows = connection.run(sql, &params, false);
        EXPECT_TRUE(rows) << connection.errorMessage();
        return rows ? describe(*rows) : std::vector<std::string>{};
    }

    std::vector<std::string> inParts(size_t count, const std::string& sql, const std::vector<SQLValue>& params,
                                     const SplitSelect& split) {
        bool abandoned = false;
        std::string error;
        std::optional<QueryResult> rows =
            readInParts(connect(count), sql, params, &split, threads, [] { return false; }, abandoned, error);
        EXPECT_TRUE(rows) << error;
        EXPECT_FALSE(abandoned);
        return rows ? describe(*rows) : std::vector<std::string>{};
    }

    // A table whose names are of every kind the engine stores (the column
    // converts nothing), many of them alike, with rowIDs far apart.
    std::unique_ptr<REALSQLDatabase> createThings(const std::string& nameDeclaration) {
        auto db = std::make_unique<REALSQLDatabase>();
        db->SetDatabaseFile(path());
        EXPECT_TRUE(db->CreateDatabaseFile()) << db->ErrorMessage();
        db->SQLExecute("create table things (name " + nameDeclaration + ", note)");
        const std::vector<std::string> names = {"null", "3",     "-2",     "2.5",       "-1e300", "3.0",  "2",    "-2.5",
                                                "-3",   "1e300", "-9223372036854775808",
                                                "'ab'",      "'abc'",     "'Ab'",  "'b'",        "''",     "'é'",
                                                "x'00'",     "x'6162'",   "x''",   "'pasta 7'",  "'3'",    "'a'"};
        std::mt19937 random(7);
        for (int i = 0; i < 3000; ++i) {
            const std::string& name = names[random() % names.size()];
            const char* note = random() % 3 ? "'pasta 7'" : "'pasta 8'";
            db->SQLExecute("insert into things values (" + name + ", " + note + ")");
        }
        db->SQLExecute("delete from things where rowID % 7 = 0 or rowID between 1000 and 1500");
        db->SQLExecute("insert into things (rowID, name, note) values (-9223372036854775807, 'a', 'pasta 7'), "
                       "(9223372036854775807, 'a', 'pasta 7'), (5000000, null, 'pasta 7')");
        db->Commit();
        EXPECT_FALSE(db->Error()) << db->ErrorMessage();
        return db;
    }
};

}  // namespace

TEST_F(SplitSelectTest, PartsGiveTheRowsAndOrderOfTheWholeSelect) {
    auto db = createThings("");
    const SplitSelect split{"things", "name", kPart};
    for (const char* pattern : {"%", "pasta 7", "a%", "nothing"}) {
        const std::vector<SQLValue> params{std::string(pattern)};
        const std::vector<std::string> expected = whole(kWhole, params);
        for (size_t parts : {2, 3, 4})
            EXPECT_EQ(inParts(parts, kWhole, params, split), expected) << pattern << " in " << parts << " parts";
    }
    // Without values of its own the range takes the first two places.
    const std::vector<std::string> all = whole("select name, rowID from things order by name", {});
    EXPECT_GT(all.size(), 2000u);
    EXPECT_EQ(inParts(3, "select name, rowID from things order by name", {},
                      {"things", "name", "select name, rowID from things where rowID between ?1 and ?2 order by name"}),
              all);
}

TEST_F(SplitSelectTest, ValuesCompareAsTheEngineSortsThem) {
    const std::vector<SQLValue> values = {std::monostate{},
                                          std::numeric_limits<int64_t>::min(),
                                          int64_t{-3},
                                          int64_t{2},
                                          int64_t{3},
                                          int64_t{9007199254740993},
                                          std::numeric_limits<int64_t>::max(),
                                          -1e300,
                                          -9.3e18,
                                          -2.5,
                                          2.5,
                                          3.0,
                                          9007199254740992.0,
                                          9.2e18,
                                          9.3e18,
                                          std::string(),
                                          std::string("a"),
                                          std::string("ab"),
                                          std::string("b"),
                                          std::string("\xC3\xA9"),
                                          SQLBlob{},
                                          SQLBlob{std::string(1, '\0')},
                                          SQLBlob{"ab"}};
    DatabaseConnection engine;
    ASSERT_TRUE(engine.open(path(), true)) << engine.errorMessage();
    for (const SQLValue& a : values) {
        for (const SQLValue& b : values) {
            const std::vector<SQLValue> pair{a, b};
            std::optional<QueryResult> said = engine.run(
                "select case when ?1 is ?2 then 0 when (select n from (select 1 as n, ?1 as v union all "
                "select 2, ?2) order by v limit 1) = 1 then -1 else 1 end",
                &pair, false);
            ASSERT_TRUE(said) << engine.errorMessage();
            const int ours = compareAsSorted(sqlRef(a), sqlRef(b));
            EXPECT_EQ((ours > 0) - (ours < 0), said->at(0, 0).integer)
                << sqlValueString(sqlRef(a)) << " against " << sqlValueString(sqlRef(b));
        }
    }
}

TEST_F(SplitSelectTest, WhatCannotBeMergedByBytesIsReadWholeAndFailuresAndGivingUpAreTold) {
    // Sorted without regard to case, merging by bytes would put "Ab" before
    // "a": the whole select runs (a part, had one run, would fail).
    auto db = createThings("collate nocase");
    const std::vector<SQLValue> params{std::string("%")};
    const SplitSelect failing{"things", "name", "select no_such_column from things"};
    EXPECT_EQ(inParts(3, kWhole, params, failing), whole(kWhole, params));

    // Nothing to split.
    db->SQLExecute("drop table things");
    db->SQLExecute("create table things (name, note)");
    db->Commit();
    EXPECT_EQ(inParts(3, kWhole, params, failing), std::vector<std::string>{});

    // Enough rows for the engine to ask whether to go on.
    db->SQLExecute("with recursive c(i) as (select 1 union all select i + 1 from c where i < 20000) "
                   "insert into things select 'name ' || i, 'note' from c");
    db->Commit();
    bool abandoned = false;
    std::string error;
    EXPECT_FALSE(readInParts(connect(3), kWhole, params, &failing, threads, [] { return false; }, abandoned, error));
    EXPECT_FALSE(abandoned);
    EXPECT_NE(error.find("no_such_column"), std::string::npos) << error;

    error.clear();
    const SplitSelect split{"things", "name", kPart};
    EXPECT_FALSE(readInParts(connect(3), kWhole, params, &split, threads, [] { return true; }, abandoned, error));
    EXPECT_TRUE(abandoned);
}

// Another program keeps exactly one row marked, one commit a move: from the
// first row to a row it adds after the last, and back. Each search lists the
// mark once. Parts that each read the file as committed when they began
// would see it in neither place, or in both, whenever a commit landed between
// them; ranges that end at the last rowID the search saw would miss the row
// added after it.
TEST_F(SplitSelectTest, EveryPartReadsTheSameCommittedState) {
    auto db = createThings("");
    db->SQLExecute("delete from things");
    db->SQLExecute("with recursive c(i) as (select 1 union all select i + 1 from c where i < 8000) "
                   "insert into things (rowID, name, note) select i, 'name ' || i, 'filler' from c");
    db->SQLExecute("update things set note = 'Q7J4X' where rowID = 1");
    db->Commit();
    ASSERT_FALSE(db->Error()) << db->ErrorMessage();

    std::atomic<bool> searching{true};
    std::atomic<bool> writerFailed{false};
    int moves = 0;
    std::string writerError;
    std::thread writer([&] {
        DatabaseConnection other;
        // Commits that do not wait for the disk: the file is in flux as often as possible.
        if (!other.open(path(), false) || !other.run("PRAGMA synchronous=OFF", nullptr, false)) {
            writerError = other.errorMessage();
            writerFailed = true;
            return;
        }
        const char* const toTheEnd =
            "update things set note = 'filler' where rowID = 1; insert into things (name, note) values ('z', 'Q7J4X')";
        const char* const toTheStart =
            "delete from things where rowID > 8000; update things set note = 'Q7J4X' where rowID = 1";
        while (searching) {
            if (!other.run(moves % 2 ? toTheStart : toTheEnd, nullptr, false) || !other.commit()) {
                writerError = other.errorMessage();
                writerFailed = true;
                return;
            }
            ++moves;
            // Another program's pace: the searches get their turn at the file.
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    struct Stop {
        std::atomic<bool>& searching;
        std::thread& writer;
        void now() {
            searching = false;
            if (writer.joinable()) writer.join();
        }
        ~Stop() { now(); }
    } stop{searching, writer};

    auto connections = connect(4);
    const SplitSelect split{"things", "name", kPart};
    const std::vector<SQLValue> params{std::string("Q7J4X")};
    std::map<size_t, int> listed;  // rows listed -> searches
    for (int search = 0; search < 2000 && !writerFailed; ++search) {
        bool abandoned = false;
        std::string error;
        std::optional<QueryResult> rows =
            readInParts(connections, kWhole, params, &split, threads, [] { return false; }, abandoned, error);
        ASSERT_TRUE(rows) << error << " (search " << search << ")";
        ++listed[rows->rowCount];
    }
    stop.now();
    EXPECT_EQ(writerError, "");
    EXPECT_GT(moves, 100);  // the writer did commit while the searches read
    EXPECT_EQ(listed, (std::map<size_t, int>{{1, 2000}}));
}

// A part for every CPU the process may run on (taskset, a cpuset, a
// container), at most kMostParts: two cores read in two parts, one whole.
TEST(PartsToReadIn, IsTheCpusTheThreadMayRunOnUpToTheCap) {
    cpu_set_t allowed;
    ASSERT_EQ(sched_getaffinity(0, sizeof allowed, &allowed), 0);
    std::vector<int> cpus;
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
        if (CPU_ISSET(cpu, &allowed)) cpus.push_back(cpu);

    cpu_set_t narrowed;
    CPU_ZERO(&narrowed);
    for (size_t count = 1; count <= cpus.size(); ++count) {
        CPU_SET(cpus[count - 1], &narrowed);
        ASSERT_EQ(sched_setaffinity(0, sizeof narrowed, &narrowed), 0);
        EXPECT_EQ(partsToReadIn(), std::min(count, kMostParts)) << count << " CPUs allowed";
    }
    ASSERT_EQ(sched_setaffinity(0, sizeof allowed, &allowed), 0);
}

TEST_F(DatabaseTest, ABackgroundSelectReadInPartsDeliversTheWholeSelectsRows) {
    auto db = createRecipes({"Soup", "Bread", "Stew", "Apple Pie", "Soup", "Bread"});
    const char* const whole = "select recipeName, rowID from recipes where recipeName like ?1 order by recipeName";
    const SplitSelect split{
        "recipes", "recipeName",
        "select recipeName, rowID from recipes where rowID between ?2 and ?3 and recipeName like ?1 order by recipeName"};
    BackgroundSelect select;
    std::vector<std::string> delivered;
    select.Start(*db, whole, {Variant("%e%")}, split, [&](std::shared_ptr<RecordSet> rows, const std::string& error) {
        ASSERT_TRUE(rows) << error;
        for (; !rows->EOF_(); rows->MoveNext())
            delivered.push_back(rows->IdxField(1).StringValue() + "#" + rows->IdxField(2).StringValue());
    });
    for (int turn = 0; turn < 20'000 && select.Pending(); ++turn) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(delivered, (std::vector<std::string>{"Apple Pie#4", "Bread#2", "Bread#6", "Stew#3"}));
}
