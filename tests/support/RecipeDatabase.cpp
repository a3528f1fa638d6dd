#include "tests/support/RecipeDatabase.h"

#include "tests/support/TestDatabase.h"

void buildCurrentDatabase(const std::string& path, const std::vector<RecipeRow>& recipes,
                          const std::string& createTable) {
    std::vector<BoundStatement> statements{createTable};
    for (const RecipeRow& r : recipes)
        statements.emplace_back("insert into recipes (recipeName, recipeText, recipeRtfText) values (?, ?, ?)",
                                std::vector<Variant>{Variant(r.name), r.text ? Variant(*r.text) : Variant(),
                                                     r.rtf ? Variant(*r.rtf) : Variant()});
    createDatabase(path, statements);
}
