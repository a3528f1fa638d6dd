#pragma once
// Framework-internal: turns the old framework's font names and sizes into Qt
// fonts. The product's layouts were drawn at 72 dpi, where a point is a
// pixel, so every size here is a pixel size.
//  - "System": the toolkit's default family, 13 px when size is 0;
//  - "SmallSystem" (any case): the default family, 11 px when size is 0;
//  - "Courier": the fixed-pitch family; "Geneva": the default sans family;
//  - an installed family (matched ignoring case): that family;
//  - "SystemFont" and any other name: the default family. Callers that show
//    the name back (SelTextFont) keep the name they were given.
//  - size 0 (or below): the font's default size, 12 px for named fonts.
#include <QFont>
#include <string>

QFont resolveFont(const std::string& name, double size, bool bold = false, bool italic = false,
                  bool underline = false);

// The pixel size resolveFont gives for a name at size 0.
int defaultPixelSize(const std::string& name);
