#pragma once
// Restoring the recipe database from a backup the user picks. The current
// database is replaced only by a copy that is known to be a recipe
// database, in one rename, and is kept aside until the restored file has
// been opened; every failure leaves the user with the database they had.
#include <memory>

class FolderItem;

// Asks whether to restore and lets the user pick the backup; nothing when
// the user declines or cancels (a cancel is confirmed with a message).
std::shared_ptr<FolderItem> chooseBackupToRestore();

// Replaces App().dbfile with a copy of the backup and opens it through
// openDatabase; shows the outcome. Answers whether the database was
// replaced and is open again.
bool restoreDatabaseFrom(FolderItem& backup);

// Whether the file is an intact database holding a recipes table with the
// columns every recipe database has.
bool isRecipeDatabase(const FolderItem& file);

// Removes the restore's working copies from the database's folder, left there
// when a restore was killed; answers how many there were.
int removeRestoreLeftovers(const FolderItem& databaseFolder);
