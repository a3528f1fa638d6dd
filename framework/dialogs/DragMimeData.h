#pragma once
// The Qt data of a drag the product starts (internal): its text, its files
// as local URLs and its picture. The real drag and the test service's drag
// carry the same data.
class QMimeData;
struct DragRequest;

// A new object; the caller (or the QDrag it is given to) owns it.
QMimeData* newMimeDataFor(const DragRequest& request);
