#pragma once
// What a file dropped on the main window, or opened from the desktop, is as
// an import, and the recipe name it gives. Pure rules, kept apart from the
// window so each can be checked on its own.
#include <cstdint>
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

// What an imported file becomes: the recipe's name and its text in both
// stored forms (plain text with CR line ends, and RTF). No name: the new
// recipe New makes, under its generated name (a clipping without text).
struct ImportedRecipe {
    std::string name;
    std::string plain;
    std::string rtf;
};

// Text and RTF files above this size are refused before anything is made.
// Reading and storing take well under a second at this size; showing the
// text costs most, because the text field lays out every line at once: about
// 0.6 s per MB, growing linearly (measured by ImportTest). At 4 MB a
// recipe shows in about two and a half seconds, and it is far above any
// recipe typed or pasted by hand (a 2,000-page book).
constexpr int64_t kLargestImportedFile = 4LL * 1024 * 1024;
