#include "framework/files/FileTypeFilter.h"

#include "framework/dialogs/FileDialogs.h"
#include "framework/files/FileType.h"
#include "framework/files/FolderItem.h"
#include "framework/ui/DropTarget.h"

#include <algorithm>
#include <vector>

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

bool fileMatchesFilter(const FolderItem& file, const std::string& filter) {
    const auto types = registeredFileTypesInFilter(filter);
    if (types.empty()) return false;
    const std::string typeName = file.Type();
    const std::string macType = file.MacType();
    return std::any_of(types.begin(), types.end(), [&](const RegisteredFileType& type) {
        return (!typeName.empty() && type.name == typeName) || (!macType.empty() && type.macType == macType);
    });
}

void installFileTypeFilters() {
    setFileFilterResolver(fileDialogFilters);
    setFileTypeMatcher([](const std::string& path, const std::string& typeName) {
        return fileMatchesFilter(FolderItem(path), typeName);
    });
}
