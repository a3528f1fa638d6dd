#include "framework/ui/controls/ControlFont.h"

#include <QWidget>

#include "framework/graphics/FontMapping.h"

void bindControlFont(QWidget* widget, Property<std::string>& textFont, Property<double>& textSize, Property<bool>& bold) {
    auto apply = [widget, &textFont, &textSize, &bold] {
        widget->setFont(resolveFont(textFont.get(), textSize.get(), bold.get()));
    };
    textFont.onChange([apply](const std::string&) { apply(); });
    textSize.onChange([apply](const double&) { apply(); });
    bold.onChange([apply](const bool&) { apply(); });
    apply();
}
