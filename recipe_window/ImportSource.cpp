#include "recipe_window/ImportSource.h"

#include "framework/text/Strings.h"

ImportKind importKindOf(const std::string& macType, const std::string& typeName) {
    const bool rtfType = StrEq(typeName, "RTF file");
    if (StrEq(macType, "clpt")) return ImportKind::TextClipping;
    if ((StrEq(macType, "TEXT") || StrEq(macType, "ttro")) && !rtfType) return ImportKind::PlainText;
    if (rtfType) return ImportKind::Rtf;
    return ImportKind::None;
}

std::string importedRecipeName(const std::string& fileName, const std::string& suffix) {
    std::string name = fileName;
    if (!suffix.empty()) {
        // What comes before the first suffix; without one, nothing does.
        const int32_t at = InStr(fileName, suffix);
        name = at > 0 ? Left(fileName, at - 1) : std::string();
    }
    return Trim(name).empty() ? std::string("Untitled Recipe") : name;
}
