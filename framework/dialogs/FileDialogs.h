#pragma once
// The open and save dialogs: ShowModal answers the chosen file as a
// FolderItem, ShowModalPath as a path.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/dialogs/DialogRequests.h"

class FolderItem;

// Turns a Filter string of file type names ("REALSQLDatabase;") into the
// dialog's type list: the resolver set here, else, once file types are
// registered, fileDialogFilters; before that each name becomes an entry that
// admits every file.
using FileFilterResolver = std::function<std::vector<FileFilter>(const std::string& filter)>;
void setFileFilterResolver(FileFilterResolver resolver);
std::vector<FileFilter> resolveFileFilter(const std::string& filter);

// The filter as the registry's type list: one entry per named type that has
// extensions, e.g. {"REALSQLDatabase", {"*.rsd", "*.RBD", "*.RSD"}}. Types
// known only by Mac type cannot be told apart by name and are left out.
std::vector<FileFilter> fileDialogFilters(const std::string& filter);

// What the open and save dialogs share, as in the old framework's
// FolderItemDialog.
class FolderItemDialog {
public:
    virtual ~FolderItemDialog() = default;

    std::string Title;
    std::string PromptText;
    std::string ActionButtonCaption;
    std::string CancelButtonCaption;
    std::shared_ptr<FolderItem> InitialDirectory;  // nothing = the toolkit's choice
    std::string SuggestedFileName;
    std::string Filter;  // file type names separated by ";"

    // The chosen file, or nothing when the user cancelled.
    std::shared_ptr<FolderItem> ShowModal();
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
