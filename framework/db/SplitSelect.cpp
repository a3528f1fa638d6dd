#include "framework/db/SplitSelect.h"

#include <algorithm>
#include <limits>

#include "framework/db/DatabaseConnection.h"
#include "framework/db/SortedMerge.h"
#include "framework/db/SqlNames.h"
#include "framework/runtime/WorkerPool.h"

namespace {

struct KeyRange {
    int64_t first = 0, last = 0;
};

// The least and greatest rowID, or nullopt for a table without rows (or a
// failure, which the whole select then meets and reports itself).
std::optional<KeyRange> keyRange(DatabaseConnection& connection, const std::string& table,
                                 const std::function<bool()>& giveUp) {
    // Each read from one end of the table's tree, never the rows between.
    const std::string from = " from " + quotedSqlName(table) + " order by rowID";
    const std::string sql = "select (select rowID" + from + " limit 1), (select rowID" + from + " desc limit 1)";
    std::optional<QueryResult> row = connection.runUnless(sql, nullptr, false, giveUp);
    if (!row || row->rowCount != 1 || row->at(0, 0).type != SQLType::Integer) return std::nullopt;
    return KeyRange{row->at(0, 0).integer, row->at(0, 1).integer};
}

// `count` consecutive ranges split as evenly as rowIDs allow over
// first..last. The outer two reach to the ends of all rowIDs: the parts may
// read a later state than the one the range was taken from, whose rows can
// lie beyond it.
std::vector<KeyRange> splitRange(const KeyRange& whole, size_t count) {
    const __int128 span = static_cast<__int128>(whole.last) - whole.first + 1;
    std::vector<KeyRange> ranges;
    for (size_t i = 0; i < count; ++i) {
        const __int128 from = whole.first + span * i / count;
        const __int128 to = whole.first + span * (i + 1) / count - 1;
        if (to >= from) ranges.push_back({static_cast<int64_t>(from), static_cast<int64_t>(to)});
    }
    ranges.front().first = std::numeric_limits<int64_t>::min();
    ranges.back().last = std::numeric_limits<int64_t>::max();
    return ranges;
}

// How often the parts are read again when a commit landed between them,
// before the select is read whole on one connection (which always reads one
// state) rather than keep racing a program that writes without pause.
constexpr int kTriesInParts = 3;

// Each part read in a read transaction of its own, so the file's change
// counter it gives afterwards is that of the state the part read.
struct Part {
    std::optional<QueryResult> rows;
    std::optional<uint32_t> changeCounter;
};

void readPart(DatabaseConnection& connection, const SplitSelect& split, std::vector<SQLValue> params,
              const KeyRange& range, const std::function<bool()>& giveUp, Part& part) {
    params.emplace_back(range.first);
    params.emplace_back(range.last);
    connection.whileNoOneWrites([&] {
        part.rows = connection.runUnless(split.partSql, &params, false, giveUp);
        if (part.rows) part.changeCounter = connection.changeCounter();
        return part.rows.has_value();
    });
}

bool oneState(const std::vector<Part>& parts) {
    return std::all_of(parts.begin(), parts.end(), [&](const Part& p) {
        return p.changeCounter && p.changeCounter == parts.front().changeCounter;
    });
}

}  // namespace

size_t partsToReadIn() {
    return std::clamp<size_t>(usableCores(), 1, kMostParts);
}

std::optional<QueryResult> readInParts(const std::vector<std::unique_ptr<DatabaseConnection>>& connections,
                                       const std::string& sql, const std::vector<SQLValue>& params,
                                       const SplitSelect* split, WorkerPool& threads,
                                       const std::function<bool()>& giveUp, bool& abandoned, std::string& error) {
    DatabaseConnection& first = *connections.front();
    auto readWhole = [&]() -> std::optional<QueryResult> {
        std::optional<QueryResult> rows = first.runUnless(sql, &params, false, giveUp);
        abandoned = first.abandoned();
        if (!rows) error = first.errorMessage();
        return rows;
    };
    if (!split || connections.size() < 2 || !first.sortsByBytes(split->table, split->sortColumn)) return readWhole();
    const std::optional<KeyRange> whole = keyRange(first, split->table, giveUp);
    if (first.abandoned()) {
        abandoned = true;
        return std::nullopt;
    }
    if (!whole) return readWhole();

    const std::vector<KeyRange> ranges = splitRange(*whole, connections.size());
    for (int attempt = 0; attempt < kTriesInParts; ++attempt) {
        std::vector<Part> parts(ranges.size());
        threads.grow(ranges.size());
        threads.run(
            ranges.size(), [&](size_t i) { readPart(*connections[i], *split, params, ranges[i], giveUp, parts[i]); },
            giveUp);
        abandoned = giveUp();  // a part left out unread

        for (size_t i = 0; i < parts.size(); ++i) {
            abandoned = abandoned || connections[i]->abandoned();
            if (!parts[i].rows && !connections[i]->abandoned() && error.empty())
                error = connections[i]->errorMessage();
        }
        if (abandoned || !error.empty()) return std::nullopt;
        if (!oneState(parts)) continue;  // another program committed while the parts began
        std::vector<QueryResult> rows;
        for (Part& part : parts) rows.push_back(std::move(*part.rows));
        return mergeSorted(rows, 0);
    }
    return readWhole();
}
