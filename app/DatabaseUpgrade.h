#pragma once
// Bringing an older `recipes` table up to the current layout: the rating
// column (older than everything else, so its arrival also rebuilds the
// table in the current column order) and the RTF column.
//
// Each function answers false when it has met a fatal failure; it has then
// shown the message, rolled back and asked to quit.
class REALSQLDatabase;

struct UpgradeResult {
    bool ok = true;
    bool rebuildDue = false;  // the rating column was added in this call
};

// Adds missing columns; commits after the rating column.
UpgradeResult addMissingColumns(REALSQLDatabase& db);

// Copies every recipe, in name order, into a new table of the current
// layout that then replaces `recipes`. The rowIDs are renumbered in name
// order. Leaves the work uncommitted: it stands or falls with the steps
// after it.
bool rebuildRecipesTable(REALSQLDatabase& db);
