#include "app/KeptDatabase.h"

#include "app/DatabaseBackup.h"
#include "framework/data/Date.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/files/FolderItem.h"
#include "framework/files/SpecialFolder.h"

KeptDatabase keepHeldDatabase(REALSQLDatabase& db) {
    const std::string name = keptFileName(Date());
    const std::shared_ptr<FolderItem> file = db.DatabaseFile();
    const std::shared_ptr<FolderItem> folders[] = {file ? file->Parent() : nullptr, SpecialFolder::ApplicationData(),
                                                    SpecialFolder::Temporary()};
    KeptDatabase kept;
    for (const std::shared_ptr<FolderItem>& folder : folders) {
        const std::shared_ptr<FolderItem> copy = folder ? folder->Child(name) : nullptr;
        if (!copy) continue;
        if (db.KeepAs(copy->AbsolutePath())) {
            kept.file = copy;
            kept.besideTheDatabase = folder == folders[0];
            return kept;
        }
        if (!kept.whyNot.empty()) kept.whyNot += "; ";
        kept.whyNot += "\"" + folder->AbsolutePath() + "\": " + db.ErrorMessage();
    }
    return kept;
}
