#include "framework/ui/DropTarget.h"

#include "framework/files/FileType.h"
#include "framework/files/FileTypeFilter.h"
#include "framework/files/FolderItem.h"
#include "framework/ui/DragItem.h"

#include <QFileInfo>
#include <QString>

namespace {
// A file is of a registered type when its extension is one of the type's
// (any letter case). A name that no registered type has accepts nothing.
bool isOfType(const std::string& path, const std::string& typeName) {
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix();
    if (suffix.isEmpty()) return false;
    for (const RegisteredFileType& type : registeredFileTypesInFilter(typeName))
        for (const std::string& extension : type.extensions)
            if (suffix.compare(QString::fromStdString(extension), Qt::CaseInsensitive) == 0) return true;
    return false;
}
// Once file types are registered, a file is of a type by its registered
// type name or its Mac type as well (FileTypeFilter.h).
bool matches(const std::string& path, const std::string& typeName) {
    return fileTypesInUse() ? fileMatchesFilter(FolderItem(path), typeName) : isOfType(path, typeName);
}
}  // namespace

bool DropTarget::wants(const DragItem& item) const {
    for (const DragItem::Entry& e : item.entries()) {
        if (text_ && e.text) return true;
        if (picture_ && e.picture) return true;
        if (e.filePath)
            for (const std::string& type : fileTypes_)
                if (matches(*e.filePath, type)) return true;
    }
    return false;
}

bool DropTarget::takesFilesOf(const DragItem& item) const {
    bool files = false;
    for (const DragItem::Entry& e : item.entries()) {
        if (!e.filePath) continue;
        files = true;
        for (const std::string& type : fileTypes_)
            if (matches(*e.filePath, type)) return true;
    }
    return !files;
}
