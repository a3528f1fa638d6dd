#pragma once
// A select over one table read in parts side by side, each part a range of
// the table's rowIDs on a connection and thread of its own, and the parts'
// rows merged into the order the whole select gives (SortedMerge.h). A scan
// of every recipe's text takes a fraction of the time on a machine with
// cores to spare.
//
// The parts read one committed state: each reads in a read transaction of
// its own and tells the file's change counter it saw; when another program
// committed between them the counters differ and the parts are read again
// (after a few tries the select is read whole, on one connection).
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/db/QueryResult.h"
#include "framework/db/SQLValue.h"

class DatabaseConnection;
class WorkerPool;

struct SplitSelect {
    std::string table;       // the one table the select reads
    std::string sortColumn;  // the rows are sorted by it, ascending, and it is their first column
    // The select over the rows whose rowID lies from ?(n+1) to ?(n+2), n
    // being the number of the select's own values.
    std::string partSql;
};

// The most parts a select is read in: beyond four, the merge and the
// connections' memory cost more than another core saves.
constexpr size_t kMostParts = 4;

// How many parts a select is read in here: as many as the CPUs the calling
// thread may run on (usableCores, its affinity mask), at most kMostParts;
// one means whole.
size_t partsToReadIn();

// Reads `sql` with `params` on `connections` (open on one file; the first
// reads alone without a `split`, or when the select cannot be split: one
// connection, a table without rows, or a sort column that does not sort by
// bytes), the parts on `threads` (grown to as many as there are parts).
// Nullopt when `giveUp` said true (`abandoned` set) or a part failed (the
// failing connection's message in `error`).
std::optional<QueryResult> readInParts(const std::vector<std::unique_ptr<DatabaseConnection>>& connections,
                                       const std::string& sql, const std::vector<SQLValue>& params,
                                       const SplitSelect* split, WorkerPool& threads,
                                       const std::function<bool()>& giveUp, bool& abandoned, std::string& error);
