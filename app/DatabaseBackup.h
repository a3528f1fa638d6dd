#pragma once
// The backup of the recipe database: a byte copy of the database file into
// its own folder, named "recipeDB backup <SQL date>-<hour><minute>.rsd" with
// hour and minute unpadded (so at most one backup a minute, and 1:15 and
// 11:05 of one day share a name). The outcome is told to the user only.
#include <string>

class Date;

// The backup's file name for that moment.
std::string backupFileName(const Date& moment);
// The name of the copy kept of a database file another program replaced,
// made at that moment (to the second, as it is made without asking).
std::string keptFileName(const Date& moment);

// What happens to changes not yet committed when the backup is made.
enum class PendingChanges {
    Committed,  // first committed: the copy holds everything the user sees
    LeftOut,    // left pending: the copy is the file as last committed
};

// Makes the backup of App().dbfile now and shows the outcome.
void backupDatabaseFile(PendingChanges pending = PendingChanges::Committed);
