#pragma once
// Recipe database files of the current layout, written before the program
// starts or for it to open later (a backup to restore, say).
#include <optional>
#include <string>
#include <vector>

#include "app/RecipesTable.h"

// A recipe as stored: name, plain text and RTF; NULL where nullopt. The
// other columns stay NULL.
struct RecipeRow {
    std::string name;
    std::optional<std::string> text;
    std::optional<std::string> rtf;
};

// A new database file holding these recipes, rowIDs in the order given, in
// the table `createTable` makes.
void buildCurrentDatabase(const std::string& path, const std::vector<RecipeRow>& recipes,
                          const std::string& createTable = RecipesTable::kCreate);
