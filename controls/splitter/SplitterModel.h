#pragma once
// The state of a splitter bar, kept apart from the control so the travel,
// handle and layout rules can be computed (and tested) on plain values.
// SmartSplitter derives from it; a window's layout writes the design values
// straight into these fields (`bar->MinLimit = 10`).
//
// Fields keep the names and the order of the bar's historical property
// table; geometry (Left, Top, Width, Height) belongs to the control.
#include <array>
#include <cstdint>
#include <vector>

#include "controls/splitter/ControlLink.h"
#include "framework/graphics/Color.h"

class CanvasSmartSplitterDebugger;

// Brightness of the pixels of a large dimple: [column][row], 1..5 used.
// A negative entry is a pixel that is not drawn.
using DimpleTable = std::array<std::array<double, 6>, 6>;

// Everything the bar records about one attached control. The bar keeps one
// record per control, in the order the controls were attached.
struct AttachedControl {
    ControlLink control;
    int32_t minSizeVisible = 0;    // extent below which the control is hidden
    bool shouldResize = false;     // its edge facing the bar follows the bar
    bool shouldMove = false;       // it moves with the bar
    bool behind = false;           // it lies on the near side (left / above)
    bool shouldCenter = false;     // kept centred in the room on its side
    int32_t size = 0;              // its extent when attached; recorded only
    bool normallyVisible = false;  // shown again whenever there is room
};

struct SplitterModel {
    bool isVertical = false;
    Color colorLight = 0, colorDark = 0;
    bool handleLarge = false;
    int32_t mouseDownX = 0, mouseDownY = 0;
    std::vector<AttachedControl> attachedControls;
    int32_t MaxLimit = 0, MinLimit = 0;
    int32_t MaxLimitOffset = 0, MinLimitOffset = 0;
    int32_t positionAtOpen = 0, windowSizeAtOpen = 0, windowSizeLast = 0;
    ControlLink maxAttachedControl, minAttachedControl;
    bool atMinLimit = false, atMaxLimit = false;
    bool StayProportional = false;
    double proportionValue = 0.0, proportionAtOpen = 0.0;
    bool handleDimple = false;
    int32_t handleCount = 0;
    Color colorMediumDisabled = 0, colorLightDisabled = 0, colorMedium = 0;
    DimpleTable dimplePixelValue{};
    Color colorDarkDisabled = 0;
    DimpleTable dimplePixelValueDisabled{};
    bool doNotAttachEmbeddedControls = false;
    bool StopAtMinOffset = false, StopAtMaxOffset = false;
    bool showWarningsDialogs = false;
    int32_t positionAtMouseDown = 0;
    bool mouseDownTriggered = false;
    bool conceal = false;
    bool Debug = false;
    bool SwapOrientation = false;
    bool DisableLiveDrag = false;
    bool minLimitOffsetPropSet = false, maxLimitOffsetPropSet = false;
    bool maxLimitPropSet = false, minLimitPropSet = false;
    int32_t HandleType = 0;
    bool backgroundDark = false;
    bool initializedSmartSplitter = false;
    ControlLink debugCanvas;  // a CanvasSmartSplitterDebugger, or none
    int32_t proportionMin = 0, proportionMax = 0;
    bool initializingSmartSplitter = false;
};
