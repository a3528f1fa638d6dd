#include "framework/text/StyledTextStyle.h"

#include <algorithm>
#include <cctype>

namespace {
TextDefaults& defaultsStore() {
    static TextDefaults defaults;
    return defaults;
}
}  // namespace

const TextDefaults& textDefaults() { return defaultsStore(); }

void setTextDefaults(const TextDefaults& defaults) { defaultsStore() = defaults; }

bool isSystemFontName(const std::string& name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.empty() || lower == "system" || lower == "smallsystem" || lower == "systemfont";
}
