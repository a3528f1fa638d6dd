#pragma once
// Qt's drag data in the framework's terms (internal).
#include <cstdint>
#include <memory>

#include <Qt>

class DragItem;
class QMimeData;

// One item per dropped local file (the first also carrying any text and
// picture of the drag); a single item when no files are dragged. While a
// drag is over one of our windows, what it carried the first time it was
// asked stands for the whole drag (see the .cpp).
std::shared_ptr<DragItem> dragItemFromMime(const QMimeData& data);
int32_t dragActionFrom(Qt::DropAction action);

// The window system's drag events as they reach a top-level window, before
// any widget sees them: a drag entering one of our windows starts afresh,
// one leaving it or dropped on it is over.
void dragEnteredWindow();
void dragLeftWindow();
