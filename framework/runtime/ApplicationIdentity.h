#pragma once
// The program's name as the desktop shows it, and where the toolkit keeps
// its own settings. The name titles every window and message box that has
// no title of its own (the toolkit would otherwise take the executable's
// file name). The toolkit's own settings (its file dialogs' history, the
// colour picker's custom colours) go to the program's folder in the cache
// folder, so the configuration folder holds no file but the program's own.
#include <string>

void applyApplicationIdentity(const std::string& name);
