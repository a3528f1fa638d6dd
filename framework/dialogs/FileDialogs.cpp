#include "framework/dialogs/FileDialogs.h"

#include "framework/dialogs/UiService.h"
#include "framework/files/FolderItem.h"

namespace {

FileFilterResolver& installedResolver() {
    static FileFilterResolver resolver;
    return resolver;
}

}  // namespace

void setFileFilterResolver(FileFilterResolver resolver) {
    installedResolver() = std::move(resolver);
}

std::vector<FileFilter> resolveFileFilter(const std::string& filter) {
    if (installedResolver()) return installedResolver()(filter);
    std::vector<FileFilter> filters;
    size_t start = 0;
    while (start <= filter.size()) {
        size_t end = filter.find(';', start);
        if (end == std::string::npos) end = filter.size();
        std::string name = filter.substr(start, end - start);
        if (!name.empty()) filters.push_back(FileFilter{name, {}});
        start = end + 1;
    }
    return filters;
}

FileDialogRequest FolderItemDialog::request() const {
    return FileDialogRequest{Title, PromptText, ActionButtonCaption, CancelButtonCaption,
                             InitialDirectory ? InitialDirectory->AbsolutePath() : std::string(),
                             SuggestedFileName, resolveFileFilter(Filter)};
}

std::shared_ptr<FolderItem> FolderItemDialog::ShowModal() {
    auto path = ShowModalPath();
    return path ? FolderItem::fromPath(*path) : nullptr;
}

std::optional<std::string> OpenDialog::ShowModalPath() {
    return uiService().openFile(request());
}

std::optional<std::string> SaveAsDialog::ShowModalPath() {
    return uiService().saveFile(request());
}
