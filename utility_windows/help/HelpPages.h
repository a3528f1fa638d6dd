#pragma once
// Where the help pages are: "Larderwise Help/index.html" among the program's
// resources (share/larderwise/ installed, Resources/ in the build tree, both
// found from the executable's place), else the same relative path from the
// current folder.
#include <memory>

class FolderItem;

// The entry page that exists, looked for beside `executable` first; nothing
// when neither place holds it, so the caller can say the help is missing
// instead of showing an empty page.
std::shared_ptr<FolderItem> helpIndexPage(const std::shared_ptr<FolderItem>& executable);
