#pragma once
// Whether a file is of one of a filter string's types ("TEXT;clpt;RTFf").
// Each ";"-separated entry names registered types by name (case-blind) or
// Mac type (exact); see FileType.h.
#include <string>

class FolderItem;

// True when the file's registered type name or its Mac type (stored or
// inferred) matches one of the filter's types.
bool fileMatchesFilter(const FolderItem& file, const std::string& filter);
