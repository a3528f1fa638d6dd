#pragma once
// A table or column name as written into a statement: in double quotes, its
// own double quotes doubled, so any name reads as that one name.
#include <string>

#include "framework/text/Strings.h"

inline std::string quotedSqlName(const std::string& name) { return "\"" + ReplaceAllB(name, "\"", "\"\"") + "\""; }
