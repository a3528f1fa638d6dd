#include "framework/ui/DropTarget.h"

#include "framework/ui/DragItem.h"

#include <QFileInfo>
#include <QString>

namespace {
bool extensionMatches(const std::string& path, const std::string& typeName) {
    const QString type = QString::fromStdString(typeName);
    const QString lastPart = type.section('/', -1);
    return !lastPart.isEmpty() &&
           QFileInfo(QString::fromStdString(path)).suffix().compare(lastPart, Qt::CaseInsensitive) == 0;
}

std::function<bool(const std::string&, const std::string&)>& matcher() {
    static auto* installed = new std::function<bool(const std::string&, const std::string&)>(extensionMatches);
    return *installed;
}
}  // namespace

void setFileTypeMatcher(std::function<bool(const std::string&, const std::string&)> m) {
    matcher() = m ? std::move(m) : extensionMatches;
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
