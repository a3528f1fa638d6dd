#pragma once
// Framework-internal: keeps a widget's font in step with a control's
// TextFont, TextSize and Bold properties (sizes are pixels, 0 = default).
#include <string>

#include "framework/runtime/Property.h"

class QWidget;

void bindControlFont(QWidget* widget, Property<std::string>& textFont, Property<double>& textSize, Property<bool>& bold);
