#pragma once
// The recipes the performance notes describe, written once for every
// benchmark that needs a full database: random names, 2 KB of text, 5 KB of
// RTF, keywords, ratings 0 to 5, no photos; filled by one SQLite statement on
// a connection of its own, so building the data costs next to nothing.
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/RecipesTable.h"

namespace bench {

enum class RecipeText {
    Spaces,                  // words separated by spaces
    CarriageReturnsAndTabs,  // CRs, LFs, CR LFs and tabs inside the text, tabs in the keywords (what an export rewrites)
};

// Creates `file` (replacing it) with n such recipes; a failure ends the
// benchmark, since every figure after it would be measured on nothing.
inline void fillRecipeDatabase(const std::filesystem::path& file, int n, RecipeText text) {
    const bool breaks = text == RecipeText::CarriageReturnsAndTabs;
    const std::string body = breaks ? "replace(replace(replace(substr(hex(randomblob(1100)),1,2000),'A',char(13)),'B',char(9)),'C',char(10))"
                                    : "substr(replace(hex(randomblob(1100)),'A',' '),1,2000)";
    const std::string keywords = breaks ? "'italian dinner' || char(9) || 'pasta ' || hex(randomblob(8))"
                                        : "'italian dinner pasta ' || hex(randomblob(8))";
    const std::string fill =
        "WITH RECURSIVE c(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM c WHERE i < ?1) "
        "INSERT INTO recipes SELECT 'Recipe ' || hex(randomblob(6)) || ' ' || i, " + body + ", "
        "'{\\rtf1\\ansi {\\fonttbl\\f0\\fswiss Helvetica;}\\f0\\fs24 ' || "
        "substr(replace(hex(randomblob(2600)),'A',' '),1,5000) || '}', " + keywords + ", abs(random()) % 6, NULL FROM c";
    std::filesystem::remove(file);
    sqlite3* db = nullptr;
    sqlite3_stmt* statement = nullptr;
    const bool filled = sqlite3_open(file.c_str(), &db) == SQLITE_OK &&
                        sqlite3_exec(db, RecipesTable::kCreate, nullptr, nullptr, nullptr) == SQLITE_OK &&
                        sqlite3_prepare_v2(db, fill.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
                        sqlite3_bind_int(statement, 1, n) == SQLITE_OK && sqlite3_step(statement) == SQLITE_DONE;
    if (!filled) {
        std::fprintf(stderr, "could not fill %s: %s\n", file.c_str(), db ? sqlite3_errmsg(db) : "no connection");
        std::exit(1);
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
}

}  // namespace bench
