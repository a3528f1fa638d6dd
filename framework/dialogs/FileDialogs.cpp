#include "framework/dialogs/FileDialogs.h"

#include "framework/dialogs/UiService.h"
#include "framework/files/FileType.h"
#include "framework/files/FolderItem.h"

#include <algorithm>

namespace {

FileFilterResolver& installedResolver() {
    static FileFilterResolver resolver;
    return resolver;
}

}  // namespace

void setFileFilterResolver(FileFilterResolver resolver) {
    installedResolver() = std::move(resolver);
}

std::vector<FileFilter> fileDialogFilters(const std::string& filter) {
    std::vector<FileFilter> filters;
    for (const auto& type : registeredFileTypesInFilter(filter)) {
        FileFilter entry{type.name, {}};
        for (const auto& extension : type.extensions) {
            std::string pattern = "*." + extension;
            if (std::find(entry.patterns.begin(), entry.patterns.end(), pattern) == entry.patterns.end())
                entry.patterns.push_back(std::move(pattern));
        }
        // No patterns would mean "every file" to a dialog; such a type is
        // told apart only by its Mac type, which a dialog cannot see.
        if (!entry.patterns.empty()) filters.push_back(std::move(entry));
    }
    return filters;
}

std::vector<FileFilter> resolveFileFilter(const std::string& filter) {
    if (installedResolver()) return installedResolver()(filter);
    if (fileTypesInUse()) return fileDialogFilters(filter);
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
