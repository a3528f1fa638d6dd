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

namespace {

// What the found list's rows must match, `pattern` being the LIKE operand
// (the text quoted, or the bound value): empty for every recipe.
std::string foundListCondition(const std::string& searchWhere, const std::string& pattern) {
    const std::string like = "like " + pattern + " ";
    const std::string scope = searchScopeColumn(searchWhere);
    if (scope == "Everywhere") return "recipeName " + like + "or recipeKeywords " + like + "or recipeText " + like;
    return scope + " " + like;
}

// The bound form's condition: empty for an empty search text.
std::string boundCondition(const std::string& searchWhere, const std::string& searchText) {
    return searchText.empty() ? std::string() : foundListCondition(searchWhere, "'%' || ?1 || '%'");
}

const char* const kFoundListHead = "select recipeName,rowID from recipes ";
const char* const kFoundListOrder = "order by recipeName";

}  // namespace

RecipeStatement foundListStatement(const std::string& searchWhere, const std::string& searchText) {
    const std::string head = kFoundListHead;
    const std::string order = kFoundListOrder;
    if (searchText.empty()) return {head + order, head + order, {}};
    // Only the quotes are doubled (or the text bound): a % or _ typed keeps
    // its LIKE meaning, any run of characters and any one character.
    const std::string shown = foundListCondition(searchWhere, "'%" + stringIn(searchText) + "%'");
    return {head + "where " + shown + order, head + "where " + boundCondition(searchWhere, searchText) + order,
            {Variant(searchText)}};
}

SplitSelect foundListSplit(const std::string& searchWhere, const std::string& searchText) {
    const std::string condition = boundCondition(searchWhere, searchText);
    const std::string range = condition.empty() ? "rowID between ?1 and ?2 " : "rowID between ?2 and ?3 ";
    const std::string where = condition.empty() ? range : range + "and (" + condition + ") ";
    return {"recipes", "recipeName", kFoundListHead + std::string("where ") + where + kFoundListOrder};
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

std::string untitledRecipeName(int64_t rowID) { return "Untitled Recipe " + std::to_string(rowID); }

RecipeStatement newRecipeStatement(const std::string& name) {
    return {"insert into recipes (recipeName) Values ( '" + stringIn(name) + "')",
            "insert into recipes (recipeName) Values ( ?1)", {Variant(name)}};
}

RecipeStatement newRecipeStatement(const std::string& name, const std::string& plain, const std::string& rtf) {
    const std::string head = "insert into recipes (recipeName, recipeText, recipeRtfText) Values ( ";
    return {head + "'" + stringIn(name) + "', '" + stringIn(plain) + "', '" + stringIn(rtf) + "')",
            head + "?1, ?2, ?3)", {Variant(name), Variant(plain), Variant(rtf)}};
}

RecipeStatement deleteRecipeStatement(int64_t rowID) {
    const std::string head = "delete from recipes where rowID = ";
    return {head + std::to_string(rowID), head + "?1", {Variant(rowID)}};
}
