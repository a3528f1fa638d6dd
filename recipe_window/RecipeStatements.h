#pragma once
// The SQL of the recipe window, in two forms each:
//  - `text`: the statement as the window has always written it, user values
//    quoted with stringIn; this is what error messages and logs show;
//  - `sql` + `values`: the same statement with every user value bound, which
//    is what runs. A value can never change the statement, a NUL inside it
//    cannot cut it short, and the stored bytes are the ones the quoted form
//    would have stored.
// The search scope is an identifier, so it cannot be bound: it goes through
// a whitelist of the searchable columns, and anything else searches
// everywhere.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/data/Variant.h"
#include "framework/db/SplitSelect.h"

struct RecipeStatement {
    std::string text;
    std::string sql;
    std::vector<Variant> values;
};

// s with every single quote doubled, for text placed between single quotes.
std::string stringIn(const std::string& s);

// The column a scope names ("RecipeKeywords", any letter case), written as
// the window writes it; "Everywhere" for "Everywhere" and for anything that
// is not a searchable column.
std::string searchScopeColumn(const std::string& searchWhere);

// The found list: every recipe for an empty search text, else those whose
// scope column (or name, keywords and text for Everywhere) contains it under
// LIKE, ordered by name. A % or _ in the text keeps its LIKE meaning.
RecipeStatement foundListStatement(const std::string& searchWhere, const std::string& searchText);
// The same list read in parts over ranges of rowIDs, side by side.
SplitSelect foundListSplit(const std::string& searchWhere, const std::string& searchText);

// One recipe with all its columns.
RecipeStatement showRecipeStatement(int64_t rowID);

// "update recipes set <column> = '<value>' where rowID = <rowID>".
RecipeStatement updateColumnStatement(const std::string& column, const std::string& value, int64_t rowID);

// The name a new recipe is given until the user names it.
std::string untitledRecipeName(int64_t rowID);
RecipeStatement newRecipeStatement(const std::string& name);
// A new recipe with its name, plain text and RTF in one statement: an import.
RecipeStatement newRecipeStatement(const std::string& name, const std::string& plain, const std::string& rtf);
RecipeStatement deleteRecipeStatement(int64_t rowID);
