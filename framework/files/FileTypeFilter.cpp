#include "framework/files/FileTypeFilter.h"

#include "framework/files/FileType.h"
#include "framework/files/FolderItem.h"

#include <algorithm>
#include <vector>

std::string dialogNameFilters(const std::string& filter) {
    std::string filters;
    for (const auto& type : registeredFileTypesInFilter(filter)) {
        std::vector<std::string> patterns;
        for (const auto& extension : type.extensions) {
            std::string pattern = "*." + extension;
            if (std::find(patterns.begin(), patterns.end(), pattern) == patterns.end()) patterns.push_back(pattern);
        }
        if (patterns.empty()) continue;
        if (!filters.empty()) filters += ";;";
        filters += type.name + " (";
        for (size_t i = 0; i < patterns.size(); ++i) filters += (i ? " " : "") + patterns[i];
        filters += ")";
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
