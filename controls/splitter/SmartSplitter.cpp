// Start-up, the mouse, painting and the cursor of the splitter bar.
#include "controls/splitter/SmartSplitter.h"

#include <algorithm>

#include "controls/splitter/CanvasSmartSplitterDebugger.h"
#include "controls/splitter/HandleDrawing.h"
#include "controls/splitter/HandleStyle.h"
#include "controls/splitter/SplitterPalette.h"
#include "framework/graphics/MouseCursor.h"
#include "framework/ui/Window.h"
#include "framework/ui/controls/TabPanel.h"

SmartSplitter::SmartSplitter() = default;
SmartSplitter::~SmartSplitter() = default;

int32_t SmartSplitter::axisPosition() const { return isVertical ? Left.get() : Top.get(); }
int32_t SmartSplitter::thickness() const { return isVertical ? Width.get() : Height.get(); }
int32_t SmartSplitter::windowExtent() const {
    const class Window* w = Window();
    return isVertical ? w->Width.get() : w->Height.get();
}

bool SmartSplitter::onDarkBackground() const {
    return Window()->Frame.get() == 9 && !dynamic_cast<TabPanel*>(Parent());
}

void SmartSplitter::initializeSmartSplitter() {
    if (initializedSmartSplitter || initializingSmartSplitter) return;
    initializingSmartSplitter = true;
    isVertical = Width.get() < Height.get();
    // Which limits the layout gave, before the offsets are raised to 0.
    maxLimitPropSet = MaxLimit != 0;
    minLimitPropSet = MinLimit != 0;
    maxLimitOffsetPropSet = MaxLimitOffset != 0;
    minLimitOffsetPropSet = MinLimitOffset != 0;
    if (Debug) setDebug(true);
    if (SwapOrientation) isVertical = !isVertical;
    positionAtOpen = axisPosition();
    windowSizeAtOpen = windowExtent();
    windowSizeLast = windowSizeAtOpen;
    UseFocusRing = false;
    showWarningsDialogs = false;
    MaxLimitOffset = std::max(0, MaxLimitOffset);
    MinLimitOffset = std::max(0, MinLimitOffset);
    atMaxLimit = atMinLimit = false;
    doNotAttachEmbeddedControls = false;
    if (!minLimitPropSet) MinLimit = kUnsetMinLimit;
    backgroundDark = onDarkBackground();
    applySplitterPalette(*this, backgroundDark);
    assignCursor();
    if (!maxLimitPropSet) MaxLimit = saturate32(int64_t{windowExtent()} - thickness());
    setHandleType(HandleType);
    applyDimpleTables(*this, backgroundDark);
    unAttachAllControls();
    Open();
    if (attachedControls.empty()) attachNearbyControls();
    assignLimits();
    proportionValue = proportionAt(axisPosition(), proportionMin, proportionMax);
    proportionAtOpen = proportionValue;
    initializedSmartSplitter = true;
    initializingSmartSplitter = false;
}

void SmartSplitter::handleOpen() { initializeSmartSplitter(); }

void SmartSplitter::handleClose() {
    unAttachAllControls();
    debugCanvas.reset();
    Close();
}

void SmartSplitter::handleMouseEnter() {
    assignCursor();
    MouseEnter();
}

bool SmartSplitter::handleMouseDown(int32_t x, int32_t y) {
    if (conceal) return false;
    assignLimits();
    mouseDownTriggered = true;
    mouseDownX = x;
    mouseDownY = y;
    positionAtMouseDown = axisPosition();
    refreshDebugCanvas(true);
    MouseDown(x, y);
    return true;
}

// x and y are the bar's own coordinates, so the offset from the grab point
// is the distance still to go; a limit that held the bar back lets it grow.
void SmartSplitter::handleMouseDrag(int32_t x, int32_t y) {
    moveDistance(isVertical ? saturate32(int64_t{x} - mouseDownX) : saturate32(int64_t{y} - mouseDownY), false);
    if (auto* o = overlay()) o->markSplitter(*this, MinLimit, MaxLimit, isVertical);
    MouseDrag(x, y);
}

void SmartSplitter::handleMouseUp(int32_t x, int32_t y) {
    if (DisableLiveDrag) {
        const int32_t d = saturate32(int64_t{axisPosition()} - positionAtMouseDown);
        adjustAttachedControls(d, false);
        Moved(d);
    }
    mouseDownTriggered = false;
    // Repaints what a release without live drag moved, and the bar's
    // outline left from the drag.
    if (DisableLiveDrag) Window()->Refresh(true);
    refreshDebugCanvas(true);
    MouseUp(x, y);
}

void SmartSplitter::handlePaint(::Graphics& g) {
    HandleScene scene;
    scene.width = Width.get();
    scene.height = Height.get();
    scene.top = Top.get();
    scene.active = Active();
    scene.enabled = Enabled.get();
    drawHandle(g, *this, scene);
    Paint(g);
}

void SmartSplitter::setConceal(bool concealed) {
    initializeSmartSplitter();
    conceal = concealed;
    Refresh(true);
}

void SmartSplitter::setHandleType(int32_t type) {
    initializeSmartSplitter();
    const int32_t across = isVertical ? Width.get() : Height.get();
    const int32_t along = isVertical ? Height.get() : Width.get();
    applyHandleType(*this, type, onDarkBackground(), across, along);
    Refresh(true);
}

void SmartSplitter::assignCursor() {
    if (conceal || !Enabled.get()) MouseCursor = nullptr;
    else MouseCursor = isVertical ? SplitterEastWest() : SplitterNorthSouth();
}
