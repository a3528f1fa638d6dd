#pragma once
// Finds out whether a select reads the rows of one table plainly (no join,
// grouping, DISTINCT, compound or alias), so that its record set can be
// edited, and rewrites it to fetch each row's rowid as a hidden last column:
// "select * from recipes where rowID = 5" becomes
// "select * , recipes._rowid_ from recipes where rowID = 5".
#include <optional>
#include <string>

struct EditableSelect {
    std::string sql;    // the rewritten statement
    std::string table;  // the table's name as written (quotes removed)
};

std::optional<EditableSelect> makeEditableSelect(const std::string& sql);
