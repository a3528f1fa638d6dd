#pragma once
// A developer's overlay for splitter bars: placed anywhere in a window, it
// covers the whole window when it opens. A bar put into debug mode
// (SmartSplitter::setDebug) uses the window's first overlay to show its
// travel: its limits, its reserve zones, their values, and an outline around
// each attached control (crossed out when hidden). The marks live in a
// screen-sized picture whose mask keeps everything else transparent. The
// overlay handles no mouse events of its own.
#include <cstdint>
#include <memory>

#include "controls/splitter/OverlayMarks.h"
#include "framework/ui/controls/Canvas.h"

class Picture;
class SmartSplitter;

class CanvasSmartSplitterDebugger : public Canvas {
public:
    CanvasSmartSplitterDebugger();
    ~CanvasSmartSplitterDebugger() override;

    std::shared_ptr<Picture> p;  // made at the first clear while in use
    int32_t lastWidth = 0, lastHeight = 0;
    bool debug = false;          // a bar uses this overlay
    int32_t boxHeight = 0;       // of a label box
    DrawnRegion drawn;
    bool alreadyWarned = false;  // the out-of-memory message was shown

    // Neither raises an event: a window cannot handle the overlay's Open or Paint.
    void handleOpen() override;
    void handlePaint(::Graphics& g) override;

    virtual void clearP();
    virtual void markControl(RectControl& control);
    virtual void markSplitter(SmartSplitter& bar, int32_t minLimit, int32_t maxLimit, bool vertical);

private:
    // Makes the picture when in use and missing; true when there still is none.
    bool createP();
    OverlayMarks marks();
};
