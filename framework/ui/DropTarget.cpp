#include "framework/ui/DropTarget.h"

#include "framework/files/FileType.h"
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
std::function<bool(const std::string&, const std::string&)>& matcher() {
    static auto* installed = new std::function<bool(const std::string&, const std::string&)>(isOfType);
    return *installed;
}
}  // namespace

void setFileTypeMatcher(std::function<bool(const std::string&, const std::string&)> m) {
    matcher() = m ? std::move(m) : isOfType;
}

bool DropTarget::wants(const DragItem& item) const {
    for (const DragItem::Entry& e : item.entries()) {
        if (text_ && e.text) return true;
        if (picture_ && e.picture) return true;
        if (e.filePath)
            for (const std::string& type : fileTypes_)
                if (matcher()(*e.filePath, type)) return true;
    }
    return false;
}

bool DropTarget::takesFilesOf(const DragItem& item) const {
    bool files = false;
    for (const DragItem::Entry& e : item.entries()) {
        if (!e.filePath) continue;
        files = true;
        for (const std::string& type : fileTypes_)
            if (matcher()(*e.filePath, type)) return true;
    }
    return !files;
}
