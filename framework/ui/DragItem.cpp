#include "framework/ui/DragItem.h"

#include "framework/dialogs/UiService.h"
#include "framework/files/FolderItem.h"
#include "framework/graphics/Picture.h"
#include "framework/ui/InputDispatch.h"

#include <QBuffer>
#include <QImage>

DragItem::DragItem(std::vector<Entry> entries) : entries_(std::move(entries)) {
    if (entries_.empty()) entries_.emplace_back();
}

std::shared_ptr<FolderItem> DragItem::FolderItem() const {
    return current().filePath ? FolderItem::fromPath(*current().filePath) : nullptr;
}

const std::string& DragItem::filePath() const {
    static const std::string none;
    return current().filePath ? *current().filePath : none;
}

bool DragItem::NextItem() {
    if (index_ + 1 >= entries_.size()) return false;
    ++index_;
    return true;
}

int32_t DragItem::Drag() {
    DragRequest request;
    const Entry& e = entries_.front();
    if (e.text) request.text = *e.text;
    for (const Entry& entry : entries_)
        if (entry.filePath) request.filePaths.push_back(*entry.filePath);
    if (e.picture) {
        request.pngImage = [picture = e.picture] {
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            picture->composedImage().save(&buffer, "PNG");
            return std::vector<uint8_t>(png.begin(), png.end());
        };
    }
    request.left = Left;
    request.top = Top;
    request.width = Width;
    request.height = Height;
    return InputDispatch::drag(request);
}
