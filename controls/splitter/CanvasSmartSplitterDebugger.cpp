#include "controls/splitter/CanvasSmartSplitterDebugger.h"

#include "controls/splitter/SmartSplitter.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/graphics/Picture.h"
#include "framework/runtime/Numbers.h"
#include "framework/runtime/Services.h"
#include "framework/ui/Window.h"

namespace {
constexpr int32_t kLabelBoxHeight = 11;

Box boxOf(const RectControl& c) { return Box{c.Left.get(), c.Top.get(), c.Width.get(), c.Height.get()}; }
}  // namespace

CanvasSmartSplitterDebugger::CanvasSmartSplitterDebugger() = default;
CanvasSmartSplitterDebugger::~CanvasSmartSplitterDebugger() = default;

void CanvasSmartSplitterDebugger::handleOpen() {
    LockLeft = true;
    LockTop = true;
    LockRight = true;
    LockBottom = true;
    Left = 0;
    Top = 0;
    Width = Window()->Width.get();
    Height = Window()->Height.get();
    boxHeight = kLabelBoxHeight;
}

bool CanvasSmartSplitterDebugger::createP() {
    if (debug && !p) {
        const ScreenInfo screen = services().screen(0);
        p = NewPicture(screen.Width, screen.Height, screen.Depth);
        if (!p) {
            if (!alreadyWarned) {
                alreadyWarned = true;
                MsgBox("CanvasSmartSplitterDebugger can not be initialized.   Not enough available memory.");
            }
        } else {
            ::Graphics& g = *p->Graphics();
            g.PenWidth = 2;
            g.PenHeight = 2;
            g.TextFont = "Geneva";
            g.TextSize = 9;
            g.Bold = true;
            p->Transparent = 1;
        }
    }
    return !p;
}

OverlayMarks CanvasSmartSplitterDebugger::marks() {
    return OverlayMarks(*p->Graphics(), *p->Mask()->Graphics(), drawn, boxHeight);
}

void CanvasSmartSplitterDebugger::clearP() {
    if (createP()) return;
    marks().clear(Width.get(), Height.get());
}

void CanvasSmartSplitterDebugger::markControl(RectControl& control) {
    if (!p) return;
    marks().markControl(boxOf(control), control.Visible.get());
}

void CanvasSmartSplitterDebugger::markSplitter(SmartSplitter& bar, int32_t minLimit, int32_t maxLimit,
                                               bool vertical) {
    if (!p) return;
    marks().markSplitter(boxOf(bar), bar.Visible.get(),
                         OverlayMarks::Travel{minLimit, maxLimit, bar.MinLimitOffset, bar.MaxLimitOffset, vertical});
}

// Only the drawn region is copied, to the same place; right after a clear it
// is empty and nothing is drawn. A resize shows the old marks once more, then
// wipes them until the bars mark themselves again.
void CanvasSmartSplitterDebugger::handlePaint(::Graphics& g) {
    if (debug && p && !drawn.isEmpty()) {
        const int32_t w = sub32(drawn.maxX, drawn.minX), h = sub32(drawn.maxY, drawn.minY);
        g.DrawPicture(p, drawn.minX, drawn.minY, w, h, drawn.minX, drawn.minY, w, h);
    }
    if (Width.get() != lastWidth || Height.get() != lastHeight) clearP();
    lastWidth = Width.get();
    lastHeight = Height.get();
}
