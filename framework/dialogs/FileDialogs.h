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

// What the open and save dialogs share, as in the old framework's
// FolderItemDialog.
class FolderItemDialog {
public:
    virtual ~FolderItemDialog() = default;

    std::string Title;
    std::string PromptText;
    std::string ActionButtonCaption;
    std::string CancelButtonCaption;
    std::string InitialDirectory;
    std::string SuggestedFileName;
    std::string Filter;  // file type names separated by ";"

    // The chosen file's path, or nullopt when the user cancelled.
    virtual std::optional<std::string> ShowModalPath() = 0;
    FileDialogRequest request() const;
};

class OpenDialog : public FolderItemDialog {
public:
    std::optional<std::string> ShowModalPath() override;
};

class SaveAsDialog : public FolderItemDialog {
public:
    std::optional<std::string> ShowModalPath() override;
};
