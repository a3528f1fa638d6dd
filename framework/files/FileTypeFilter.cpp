#include "framework/files/FileTypeFilter.h"

#include "framework/files/FileType.h"
#include "framework/files/FolderItem.h"

#include <algorithm>

bool fileMatchesFilter(const FolderItem& file, const std::string& filter) {
    const auto types = registeredFileTypesInFilter(filter);
    if (types.empty()) return false;
    const std::string typeName = file.Type();
    const std::string macType = file.MacType();
    return std::any_of(types.begin(), types.end(), [&](const RegisteredFileType& type) {
        return (!typeName.empty() && type.name == typeName) || (!macType.empty() && type.macType == macType);
    });
}
