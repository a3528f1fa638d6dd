// Debug mode with the overlay, and the developer warnings.
#include "controls/splitter/CanvasSmartSplitterDebugger.h"
#include "controls/splitter/SmartSplitter.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/ui/Window.h"

namespace {
const std::string kEndOfLine = "\r";
}  // namespace

CanvasSmartSplitterDebugger* SmartSplitter::overlay() const {
    return dynamic_cast<CanvasSmartSplitterDebugger*>(debugCanvas.get());
}

void SmartSplitter::setDebug(bool on) {
    initializeSmartSplitter();
    Debug = on;
    if (!on) {
        if (auto* o = overlay()) {
            o->debug = false;
            refreshDebugCanvas(true);
        }
        debugCanvas.reset();
    } else {
        const class Window* w = Window();
        for (int32_t i = 0; i < w->ControlCount() && !debugCanvas; ++i) {
            if (auto* o = dynamic_cast<CanvasSmartSplitterDebugger*>(w->Control(i))) {
                debugCanvas = ControlLink(o);
                o->debug = true;
            }
        }
        if (!debugCanvas) {
            // Asked for by code, so shown whatever showWarningsDialogs says.
            MsgBox("SmartSplitter '" + Name() +
                   "' needs a CanvasSmartSplitterDebugger to be present in the window for debug mode to work.");
            Debug = false;
        }
    }
    refreshDebugCanvas(true);
}

void SmartSplitter::refreshDebugCanvas(bool clear) {
    auto* o = overlay();
    if (!o) return;
    if (clear) o->clearP();
    o->markSplitter(*this, MinLimit, MaxLimit, isVertical);
    // Hidden and shown again, as the overlay has always been repainted; the
    // explicit refresh makes sure the retained image is redrawn from the
    // picture even where showing does not repaint (a window not on screen).
    o->Visible = false;
    o->Visible = true;
    o->Refresh(true);
}

void SmartSplitter::warn(const std::string& text) {
    if (showWarningsDialogs) MsgBox(text);
}

void SmartSplitter::warningForControlNotAttached(RectControl* control, const std::string& method) {
    if (!control)
        warn("The control passed to the SmartSplitter '" + Name() + "' method '" + method + "' is NIL." +
             kEndOfLine + kEndOfLine + "Don't go calling this method with nonexistent controls!");
    else
        warn("The control '" + control->Name() + "' passed to the SmartSplitter '" + Name() + "' method '" +
             method + "' has not been attached." + kEndOfLine + kEndOfLine +
             "Control must be attached BEFORE calling this method.");
}

bool SmartSplitter::warningIfNonAttached(const std::string& method) {
    if (!attachedControls.empty()) return false;
    warn("SmartSplitter '" + Name() + "' method '" + method + "' WARNING:" + kEndOfLine + kEndOfLine +
         "All controls should be attached BEFORE calling this method.   Call will be ignored.");
    return true;
}
