#pragma once
// What a file dropped on the main window, or opened from the desktop, is as
// an import, and the recipe name it gives. Pure rules, kept apart from the
// window so each can be checked on its own.
#include <string>

enum class ImportKind { None, TextClipping, PlainText, Rtf };

// Decided in this order, the first that holds winning: Mac type "clpt" is a
// clipping; Mac type "TEXT" (any case) or "ttro" is plain text unless the
// file's registered type is "RTF file"; the type "RTF file" is RTF. Letter
// case is ignored throughout.
ImportKind importKindOf(const std::string& macType, const std::string& typeName);

// The recipe name for a file: for a clipping or an RTF file the part of the
// file name before the first `suffix` (".TextClipping", ".rtf"; any case),
// for plain text the whole name (no suffix given). A name that holds no
// suffix has nothing before it, so like one that would be blank (empty after
// trimming) it becomes "Untitled Recipe": the text save stores nothing under
// an empty name, so an empty name would lose the imported text.
std::string importedRecipeName(const std::string& fileName, const std::string& suffix = std::string());
