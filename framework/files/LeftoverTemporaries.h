#pragma once
// Temporary files that a killed process left behind. Every temporary file
// the framework makes beside a file it replaces (AtomicFileWriter: exports,
// copies, backups, the preferences) is noted in a journal folder while it
// exists: one small entry naming it, made before the file and removed after
// it is renamed or deleted. A process killed in between leaves the entry, and
// the next start removes the files its entries name.
//
// Without a journal folder (tests, tools) nothing is noted.
#include <string>

namespace LeftoverTemporaries {

// Uses `folder` as the journal from now on (it exists only while a file is
// noted, so folders hold nothing extra in normal use), and first
// removes every temporary file a previous process left noted there. Answers
// how many files were removed.
int startJournal(const std::string& folder);
// Stops noting (tests).
void stopJournal();

// Called by the writers: before a temporary file is made, and once it is gone.
void note(const std::string& temporaryPath);
void forget(const std::string& temporaryPath);

// Whether a file name is one the writers give their temporary files
// (".<name>.tmp-XXXXXX" or ".tmp-XXXXXX"): only such files are ever removed.
bool isTemporaryName(const std::string& fileName);

}  // namespace LeftoverTemporaries
