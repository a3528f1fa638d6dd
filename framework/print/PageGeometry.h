#pragma once
// Framework-internal: the paper and printable area that print settings
// describe, in points, without asking any printer.
#include <QRectF>

#include "framework/dialogs/PrintSettings.h"

struct PageGeometry {
    QRectF paper;      // at 0, 0
    QRectF printable;  // inside paper
};

PageGeometry pageGeometryOf(const PrintSettings& settings);

// The settings without the values of one job (copies, page range, collation
// and page order): what a
// page setup keeps, and what a job's device is made from. The program draws
// each copy and each chosen page itself, so the device must not repeat or
// filter them a second time.
PrintSettings pageFormatOf(const PrintSettings& settings);
