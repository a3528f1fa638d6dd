#include "framework/ui/DropConversion.h"

#include "framework/graphics/Picture.h"
#include "framework/ui/DragItem.h"

#include <QImage>
#include <QMimeData>
#include <QUrl>

#include <optional>
#include <utility>
#include <vector>

namespace {

std::vector<DragItem::Entry> entriesOf(const QMimeData& data) {
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
    return entries;
}

bool carriesSomething(const std::vector<DragItem::Entry>& entries) {
    const DragItem::Entry& first = entries.front();
    return entries.size() > 1 || first.filePath || first.text || first.picture;
}

// A drag from another program is fetched from that program each time it is
// asked, and an ask can come back with nothing although the drag carries a
// file: seen when the window was held up by a long store while the drag
// came in, and the file dropped then was lost. A drag's data does not change
// while it lasts, so the first answer that carried something stands until
// the drag leaves the window or is dropped. Only a drag the window system
// brought in is remembered; events sent straight to a widget are read as
// they come.
struct DragOverWindow {
    bool inProgress = false;
    const QMimeData* data = nullptr;
    std::optional<std::vector<DragItem::Entry>> carried;
};
DragOverWindow drag;

}  // namespace

std::shared_ptr<DragItem> dragItemFromMime(const QMimeData& data) {
    if (drag.inProgress && drag.data == &data && drag.carried) return std::make_shared<DragItem>(*drag.carried);
    std::vector<DragItem::Entry> entries = entriesOf(data);
    if (drag.inProgress && carriesSomething(entries)) {
        drag.data = &data;
        drag.carried = entries;
    }
    return std::make_shared<DragItem>(std::move(entries));
}

void dragEnteredWindow() { drag = DragOverWindow{true, nullptr, std::nullopt}; }

void dragLeftWindow() { drag = DragOverWindow{}; }

int32_t dragActionFrom(Qt::DropAction action) {
    switch (action) {
        case Qt::CopyAction: return DragItem::ActionCopy;
        case Qt::MoveAction: return DragItem::ActionMove;
        case Qt::LinkAction: return DragItem::ActionLink;
        default: return DragItem::ActionDefault;
    }
}
