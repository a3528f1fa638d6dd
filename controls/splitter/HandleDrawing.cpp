#include "controls/splitter/HandleDrawing.h"

#include "controls/splitter/HandleStyle.h"
#include "framework/graphics/Graphics.h"
#include "framework/runtime/Numbers.h"

namespace {
struct Tones {
    Color light, medium, dark;
};

// Before start-up has run the bar has no notion of being inactive yet.
bool normalLook(const SplitterModel& m, const HandleScene& s) {
    return (s.active && s.enabled) || !m.initializedSmartSplitter;
}

void drawBar(Graphics& g, const SplitterModel& m, const HandleScene& s, int32_t x, int32_t y) {
    const int32_t h = m.handleLarge ? 9 : 5;
    const Tones t = normalLook(m, s) ? Tones{m.colorLight, m.colorMedium, m.colorDark}
                                     : Tones{m.colorLightDisabled, m.colorMediumDisabled, m.colorDarkDisabled};
    if (!m.handleLarge) {
        g.ForeColor = t.dark;
        if (m.isVertical) g.DrawLine(x, y - h, x, y + h);
        else g.DrawLine(x - h, y, x + h, y);
        return;
    }
    g.ForeColor = t.light;
    if (m.isVertical) {
        g.DrawLine(x, y - h, x, y + h);
        g.ForeColor = t.medium;
        g.DrawLine(x - 1, y - h, x - 1, y + h);
        g.DrawLine(x - 1, y - h, x, y - h);
        g.DrawLine(x - 1, y + h, x, y + h);
    } else {
        g.DrawLine(x - h, y, x + h, y);
        g.ForeColor = t.medium;
        g.DrawLine(x - h, y - 1, x + h, y - 1);
        g.DrawLine(x - h, y - 1, x - h, y);
        g.DrawLine(x + h, y - 1, x + h, y);
    }
}

void drawDimple(Graphics& g, const SplitterModel& m, const HandleScene& s, int32_t x, int32_t y) {
    g.UseOldRenderer = true;
    if (m.handleLarge) {
        const DimpleTable& table = normalLook(m, s) ? m.dimplePixelValue : m.dimplePixelValueDisabled;
        for (int row = 1; row <= 5; ++row) {
            for (int column = 1; column <= 5; ++column) {
                const double v = table[column][row];
                if (v < 0) continue;
                g.ForeColor = HSV(0, 0, v);
                g.DrawLine(x - 3 + column, y - 3 + row, x - 3 + column, y - 3 + row);
            }
        }
        return;
    }
    // Small dimples lighten in an inactive window but, unlike the rest of
    // the grip, keep their brightness when the bar is disabled.
    const double lift = ((!s.active && s.enabled) || !m.initializedSmartSplitter) ? 0.2 : 0.0;
    const double base = m.backgroundDark ? 0.68 : 0.80;
    g.ForeColor = HSV(0, 0, base + lift);
    g.FillRect(x - 1, y - 1, 3, 3);
    g.ForeColor = HSV(0, 0, 0.44 + lift);
    g.DrawLine(x - 1, y, x, y - 1);
    g.ForeColor = HSV(0, 0, 0.60 + lift);
    g.DrawLine(x, y + 1, x + 1, y);
    g.ForeColor = HSV(0, 0, 0.30 + lift);
    g.DrawLine(x, y, x, y);
}
}  // namespace

void drawHandle(Graphics& g, const SplitterModel& m, const HandleScene& s) {
    if (m.conceal) return;
    const int32_t cx = toInt32(s.width / 2.0);
    const int32_t cy = toInt32(s.height / 2.0);

    // While a drag leaves the controls behind, the bar shows as an outline.
    if (m.DisableLiveDrag && m.mouseDownTriggered) {
        const int32_t t = s.top < 0 ? s.top : 0;
        g.ForeColor = m.colorMedium;
        g.ClearRect(1, t + 1, s.width - 2, s.height - t - 2);
        g.DrawRect(0, t, s.width, s.height - t);
    }

    for (int32_t i : handleOffsets(m.handleDimple, m.handleLarge, m.handleCount)) {
        if (m.handleDimple) {
            if (m.isVertical) drawDimple(g, m, s, cx, cy - i);
            else drawDimple(g, m, s, cx - i, cy);
        } else {
            if (m.isVertical) drawBar(g, m, s, cx + i, cy);
            else drawBar(g, m, s, cx, cy + i);
        }
    }
}
