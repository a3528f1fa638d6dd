#include "recipe_window/RecipeStatements.h"

#include <array>

#include "framework/text/Strings.h"

std::string stringIn(const std::string& s) { return ReplaceAllB(s, "'", "''"); }

std::string searchScopeColumn(const std::string& searchWhere) {
    static const std::array<const char*, 5> kColumns = {"recipeName", "RecipeName", "RecipeKeywords", "RecipeText",
                                                        "RecipeRating"};
    for (const char* column : kColumns)
        if (StrEq(searchWhere, column)) return searchWhere;
    return "Everywhere";
}

RecipeStatement foundListStatement(const std::string& searchWhere, const std::string& searchText) {
    const std::string head = "select recipeName,rowID from recipes ";
    const std::string order = "order by recipeName";
    if (searchText.empty()) return {head + order, head + order, {}};
    const std::string q = stringIn(searchText);
    const std::string scope = searchScopeColumn(searchWhere);
    if (scope == "Everywhere") {
        return {head + "where recipeName like '%" + q + "%' or recipeKeywords like '%" + q +
                    "%' or recipeText like '%" + q + "%' " + order,
                head +
                    "where recipeName like '%' || ?1 || '%' or recipeKeywords like '%' || ?1 || '%' "
                    "or recipeText like '%' || ?1 || '%' " +
                    order,
                {Variant(searchText)}};
    }
    return {head + "where " + scope + " like '%" + q + "%' " + order,
            head + "where " + scope + " like '%' || ?1 || '%' " + order, {Variant(searchText)}};
}

RecipeStatement showRecipeStatement(int64_t rowID) {
    const std::string head = "select rowID,* from recipes where rowID = ";
    return {head + std::to_string(rowID), head + "?1", {Variant(rowID)}};
}

RecipeStatement updateColumnStatement(const std::string& column, const std::string& value, int64_t rowID) {
    const std::string head = "update recipes set " + column + " = ";
    return {head + "'" + stringIn(value) + "' where rowID = " + std::to_string(rowID),
            head + "?1 where rowID = ?2", {Variant(value), Variant(rowID)}};
}

RecipeStatement newRecipeStatement(const std::string& name) {
    return {"insert into recipes (recipeName) Values ( '" + stringIn(name) + "')",
            "insert into recipes (recipeName) Values ( ?1)", {Variant(name)}};
}

RecipeStatement deleteRecipeStatement(int64_t rowID) {
    const std::string head = "delete from recipes where rowID = ";
    return {head + std::to_string(rowID), head + "?1", {Variant(rowID)}};
}
