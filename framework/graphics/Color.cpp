#include "framework/graphics/Color.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace {

double unitInterval(double v) {
    if (std::isnan(v)) return 0.0;
    return std::clamp(v, 0.0, 1.0);
}

int byteOf(double unit) { return static_cast<int>(std::lround(unit * 255.0)); }

}  // namespace

Color RGB(int red, int green, int blue) {
    auto clampByte = [](int v) { return static_cast<Color>(std::clamp(v, 0, 255)); };
    return (clampByte(red) << 16) | (clampByte(green) << 8) | clampByte(blue);
}

Color HSV(double hue, double saturation, double value) {
    const double h = unitInterval(hue), s = unitInterval(saturation), v = unitInterval(value);
    if (s == 0.0) {
        const int grey = byteOf(v);
        return RGB(grey, grey, grey);
    }
    // Hue 1 is the same red as hue 0.
    const double sector = (h >= 1.0 ? 0.0 : h) * 6.0;
    const int i = static_cast<int>(sector);
    const double f = sector - i;
    const double p = v * (1.0 - s), q = v * (1.0 - s * f), t = v * (1.0 - s * (1.0 - f));
    double r = v, g = t, b = p;
    switch (i) {
        case 0: r = v, g = t, b = p; break;
        case 1: r = q, g = v, b = p; break;
        case 2: r = p, g = v, b = t; break;
        case 3: r = p, g = q, b = v; break;
        case 4: r = t, g = p, b = v; break;
        default: r = v, g = p, b = q; break;
    }
    return RGB(byteOf(r), byteOf(g), byteOf(b));
}

Color DisabledTextColor() {
    // Without a running GUI (command-line tools) the usual toolkit grey.
    if (!qGuiApp) return 0x808080;
    const QColor c = QGuiApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
    return RGB(c.red(), c.green(), c.blue());
}
