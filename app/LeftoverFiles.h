#pragma once
// Files a killed run left behind: the temporary files of exports, backups,
// restores and the preferences save, and the restore's working copies beside
// the database. Removed at start-up, before anything else writes a file; one
// copy runs per data folder, so none of them can belong to a running copy.
#include <string>

// The journal folder of temporary files (see LeftoverTemporaries.h).
std::string temporariesJournalFolder();
// Starts the journal, removing what a killed run noted there, and the
// restore's working copies. Answers how many files were removed.
int removeLeftoverFiles();
