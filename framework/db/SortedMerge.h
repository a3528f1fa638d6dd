#pragma once
// Rows read in parts, each part sorted by one column, put together in the
// order one select sorted by that column would have given them.
#include <cstddef>
#include <vector>

#include "framework/db/QueryResult.h"
#include "framework/db/SQLValue.h"

// Below zero, zero or above zero as `a` sorts before, with or after `b` in an
// ascending ORDER BY under the BINARY collation: NULL first, then numbers by
// value (integers and reals compared exactly), then texts and then blobs,
// both by their bytes, a shorter one first when it begins the longer.
int compareAsSorted(const SQLRef& a, const SQLRef& b);

// The rows of `parts` (each sorted ascending by `column`, all with the same
// columns) in one result sorted by `column`. Rows that sort alike keep the
// order of their parts and, within a part, their own order: parts over
// consecutive rowID ranges come out as the engine's sort of the whole table
// gives them, since that sort keeps the order it read equal rows in. Hidden
// rowIDs are not carried.
QueryResult mergeSorted(const std::vector<QueryResult>& parts, size_t column);
