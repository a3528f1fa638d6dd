#include "app/LeftoverFiles.h"

#include "framework/files/FolderItem.h"
#include "framework/files/LeftoverTemporaries.h"
#include "framework/files/SpecialFolder.h"
#include "app/DatabaseRestore.h"

std::string temporariesJournalFolder() {
    const auto support = SpecialFolder::ApplicationData();
    return support ? support->AbsolutePath() + "/Larderwise/.temporaries" : std::string();
}

int removeLeftoverFiles() {
    const std::string journal = temporariesJournalFolder();
    if (journal.empty()) return 0;
    int removed = LeftoverTemporaries::startJournal(journal);
    if (auto folder = FolderItem::fromPath(journal)->Parent()) removed += removeRestoreLeftovers(*folder);
    return removed;
}
