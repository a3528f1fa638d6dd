#pragma once
// Qt's drag data in the framework's terms (internal).
#include <cstdint>
#include <memory>

#include <Qt>

class DragItem;
class QMimeData;

// One item per dropped local file (the first also carrying any text and
// picture of the drag); a single item when no files are dragged.
std::shared_ptr<DragItem> dragItemFromMime(const QMimeData& data);
int32_t dragActionFrom(Qt::DropAction action);
