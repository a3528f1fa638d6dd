#pragma once
// The layout of the table `recipes`, the one place it is written down.
namespace RecipesTable {

inline const char* const kCreate =
    "create table recipes (recipeName varChar, recipeText varChar, recipeRtfText varChar, recipeKeywords varChar, "
    "recipeRating integer, recipePhoto Blob)";
// The rebuild's temporary twin, with the same columns in the same order.
inline const char* const kCreateTemporary =
    "create table recipes2 (recipeName varChar, recipeText varChar, recipeRtfText varChar, recipeKeywords varChar, "
    "recipeRating integer, recipePhoto Blob)";

}  // namespace RecipesTable
