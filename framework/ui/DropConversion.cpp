#include "framework/ui/DropConversion.h"

#include "framework/graphics/Picture.h"
#include "framework/ui/DragItem.h"

#include <QImage>
#include <QMimeData>
#include <QUrl>

std::shared_ptr<DragItem> dragItemFromMime(const QMimeData& data) {
    std::vector<DragItem::Entry> entries;
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile()) continue;
        DragItem::Entry e;
        e.filePath = url.toLocalFile().toStdString();
        entries.push_back(std::move(e));
    }
    if (entries.empty()) entries.emplace_back();
    DragItem::Entry& first = entries.front();
    // A file drag also carries its URLs as text; that is not dragged text.
    if (data.hasText() && !data.hasUrls()) first.text = data.text().toStdString();
    if (data.hasImage()) first.picture = Picture::fromImage(qvariant_cast<QImage>(data.imageData()));
    return std::make_shared<DragItem>(std::move(entries));
}

int32_t dragActionFrom(Qt::DropAction action) {
    switch (action) {
        case Qt::CopyAction: return DragItem::ActionCopy;
        case Qt::MoveAction: return DragItem::ActionMove;
        case Qt::LinkAction: return DragItem::ActionLink;
        default: return DragItem::ActionDefault;
    }
}
