#pragma once
// What a file-type filter string ("REALSQLDatabase;", "TEXT;clpt;RTFf")
// means for dialogs and drops. Each ";"-separated entry names registered
// types by name (case-blind) or Mac type (exact); see FileType.h.
#include <string>
#include <vector>

#include "framework/dialogs/DialogRequests.h"

class FolderItem;

// The filter as the open and save dialogs' type list: one entry per named
// type that has extensions, e.g. {"REALSQLDatabase", {"*.rsd", "*.RBD",
// "*.RSD"}}. Types known only by Mac type cannot be told apart by name and
// are left out.
std::vector<FileFilter> fileDialogFilters(const std::string& filter);

// Whether a file is of one of the filter's types: its registered type name
// or its Mac type (stored or inferred) matches one of them.
bool fileMatchesFilter(const FolderItem& file, const std::string& filter);

// Makes the dialogs' filter resolver and the drop targets' file matcher use
// the registry (the two functions above). The registry calls it when the
// first type is registered.
void installFileTypeFilters();
