#pragma once
// The open and save dialogs. They answer paths for now; FolderItem versions
// of ShowModal will sit beside ShowModalPath once files exist as objects.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/dialogs/DialogRequests.h"

// Turns a Filter string of file type names ("REALSQLDatabase;") into the
// dialog's type list. The file-type registry installs the real resolver;
// without one, each name becomes an entry that admits every file.
using FileFilterResolver = std::function<std::vector<FileFilter>(const std::string& filter)>;
void setFileFilterResolver(FileFilterResolver resolver);
std::vector<FileFilter> resolveFileFilter(const std::string& filter);

class OpenDialog {
public:
    std::string Title;
    std::string PromptText;
    std::string ActionButtonCaption;
    std::string CancelButtonCaption;
    std::string InitialDirectory;
    std::string Filter;  // file type names separated by ";"

    std::optional<std::string> ShowModalPath();
    OpenFileRequest request() const;
};

class SaveAsDialog {
public:
    std::string Title;
    std::string PromptText;
    std::string ActionButtonCaption;
    std::string CancelButtonCaption;
    std::string InitialDirectory;
    std::string SuggestedFileName;
    std::string Filter;

    std::optional<std::string> ShowModalPath();
    SaveFileRequest request() const;
};
