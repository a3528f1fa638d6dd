#pragma once
// Text comparison that ignores letter case, the system-wide rule for names
// of file types, extensions and the like. Unicode-aware (not just ASCII), so
// "RÉSUMÉ" and "résumé" compare equal.
#include <string>

bool equalsIgnoringCase(const std::string& a, const std::string& b);
