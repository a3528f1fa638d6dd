#include "framework/text/RtfKeywords.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Sorted, for binary search.
constexpr std::array<std::string_view, 56> skippedDestinations = {
    "aftncn", "aftnsep", "aftnsepc", "annotation", "atnauthor", "atndate", "atnid", "atrfend",
    "atrfstart", "author", "bkmkend", "bkmkstart", "colorschememapping", "comment", "datastore",
    "do", "docvar", "falt", "filetbl", "fldinst", "footer", "footerf", "footerl", "footerr",
    "footnote", "ftncn", "ftnsep", "ftnsepc", "generator", "header", "headerf", "headerl",
    "headerr", "info", "latentstyles", "listoverridetable", "listtable", "mmathPr", "nonshppict",
    "objdata", "object", "panose", "pgdsctbl", "pict", "pn", "revtbl", "rsidtbl", "rxe", "shp",
    "stylesheet", "tc", "template", "themedata", "txe", "xe", "xmlnstbl"};

constexpr std::array<std::pair<std::string_view, char32_t>, 13> specialCharacters = {{
    {"bullet", 0x2022},
    {"emdash", 0x2014},
    {"emspace", 0x2003},
    {"endash", 0x2013},
    {"enspace", 0x2002},
    {"ldblquote", 0x201C},
    {"lquote", 0x2018},
    {"qmspace", 0x2005},
    {"rdblquote", 0x201D},
    {"rquote", 0x2019},
    {"zwbo", 0x200B},
    {"zwj", 0x200D},
    {"zwnj", 0x200C},
}};

static_assert(std::is_sorted(skippedDestinations.begin(), skippedDestinations.end()));
static_assert(std::is_sorted(specialCharacters.begin(), specialCharacters.end()));

}  // namespace

bool isSkippedDestination(std::string_view word) {
    return std::binary_search(skippedDestinations.begin(), skippedDestinations.end(), word);
}

char32_t specialCharacter(std::string_view word) {
    auto found = std::lower_bound(specialCharacters.begin(), specialCharacters.end(), word,
                                  [](const auto& entry, std::string_view w) { return entry.first < w; });
    return found != specialCharacters.end() && found->first == word ? found->second : 0;
}
