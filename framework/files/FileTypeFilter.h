#pragma once
// What a file-type filter string ("REALSQLDatabase;", "TEXT;clpt;RTFf")
// means for dialogs and drops. Each ";"-separated entry names registered
// types by name (case-blind) or Mac type (exact); see FileType.h.
#include <string>

class FolderItem;

// The filter as file-dialog name filters, one per type with extensions:
// "REALSQLDatabase (*.rsd *.RBD *.RSD)", joined by ";;". "" when no named
// type has extensions, which a dialog takes as "all files". Types known only
// by Mac type cannot be told apart by name, so dialogs check the chosen file
// with fileMatchesFilter as well.
std::string dialogNameFilters(const std::string& filter);

// Whether a file is of one of the filter's types: its registered type name
// or its Mac type (stored or inferred) matches one of them.
bool fileMatchesFilter(const FolderItem& file, const std::string& filter);
