#pragma once
// The copy kept of a database file another program replaced (named by
// keptFileName, DatabaseBackup.h). It goes beside the database when that
// folder takes it, else into the data home, else into the temporary folder:
// a read-only or full database folder must not cost the user the edits the
// copy carries.
#include <memory>
#include <string>

class FolderItem;
class REALSQLDatabase;

struct KeptDatabase {
    std::shared_ptr<FolderItem> file;  // the copy `db` now writes; nullptr when no folder took it
    bool besideTheDatabase = false;
    std::string whyNot;  // each folder tried in vain and the engine's reason
};

// Copies what `db` holds, as committed, into the first folder that takes it
// and leaves `db` connected to the copy.
KeptDatabase keepHeldDatabase(REALSQLDatabase& db);
