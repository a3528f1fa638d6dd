#include "tests/app/ShellTestSupport.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/RecipesTable.h"

void buildDatabase(const std::string& path, const std::vector<std::string>& statements) {
    runStatements(path, statements, true);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

bool fileExists(const std::string& path) { return std::filesystem::exists(path); }

void buildCurrentDatabase(const std::string& path, const std::vector<RecipeRow>& recipes) {
    std::vector<BoundStatement> statements{RecipesTable::kCreate};
    for (const RecipeRow& r : recipes)
        statements.emplace_back("insert into recipes (recipeName, recipeText, recipeRtfText) values (?, ?, ?)",
                                std::vector<Variant>{Variant(r.name), r.text ? Variant(*r.text) : Variant(),
                                                     r.rtf ? Variant(*r.rtf) : Variant()});
    createDatabase(path, statements);
}
