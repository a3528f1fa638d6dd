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

struct SplitSelect {
    std::string table;       // the one table the select reads
    std::string sortColumn;  // the rows are sorted by it, ascending, and it is their first column
    // The select over the rows whose rowID lies from ?(n+1) to ?(n+2), n
    // being the number of the select's own values.
    std::string partSql;
};

// How many parts a select is read in here: half the CPUs the calling thread
// may run on (its affinity mask), at most four; one means whole.
size_t partsToReadIn();

// Runs `work` over 0..count in as many consecutive ranges as partsToReadIn()
// gives, each on a thread of its own (the caller's takes the first), so what
// is done with a select's rows uses the cores that read them; a few
// thousand items are worked whole.
void inParts(int32_t count, const std::function<void(int32_t first, int32_t end)>& work);

// Reads `sql` with `params` on `connections` (open on one file; the first
// reads alone without a `split`, or when the select cannot be split: one
// connection, a table without rows, or a sort column that does not sort by
// bytes). Nullopt when `giveUp` said true (`abandoned` set) or a part failed
// (the failing connection's message in `error`).
std::optional<QueryResult> readInParts(const std::vector<std::unique_ptr<DatabaseConnection>>& connections,
                                       const std::string& sql, const std::vector<SQLValue>& params,
                                       const SplitSelect* split, const std::function<bool()>& giveUp,
                                       bool& abandoned, std::string& error);
