#pragma once
// A splitter bar: a thin canvas a window places between other controls. The
// user drags it along one axis between limits; the controls attached to it
// are moved, stretched, centred or hidden to follow. On a window resize the
// window calls behave() so the bar re-applies its limits and proportion. The
// bar draws its own grip and shows a splitter cursor.
//
// A vertical bar (narrower than tall) moves left and right: its position is
// Left, its thickness Width. A horizontal bar uses Top and Height.
//
// The bar starts itself once, at its Open or at the first public call,
// whichever comes first; its own Open event is raised then, and if the
// handler attached nothing the bar attaches the controls beside it.
//
// The code is split by concern: start-up, mouse and painting here
// (SmartSplitter.cpp), attaching (SplitterAttach.cpp), limits and movement
// (SplitterMovement.cpp), laying out attached controls (SplitterLayout.cpp),
// and the debugging overlay and warnings (SplitterDebugging.cpp).
#include <cstdint>
#include <optional>
#include <string>

#include "controls/splitter/SplitterModel.h"
#include "controls/splitter/SplitterTravel.h"
#include "framework/data/Variant.h"
#include "framework/ui/controls/Canvas.h"

class SmartSplitter : public Canvas, public SplitterModel {
public:
    SmartSplitter();
    ~SmartSplitter() override;

    // Raised after the attached controls were laid out because the bar moved
    // (with live drag off: once, at the release), with the distance moved.
    // The bar also raises Open, MouseDown, MouseDrag, MouseUp, MouseEnter,
    // Paint and Close through the events it inherits.
    Event<void(int32_t distance)> Moved;

    // --- attaching -----------------------------------------------------------
    virtual void attachNearbyControls();
    virtual void attach(RectControl* control);
    virtual void setMaxAttachedControl(RectControl* control, bool compare);
    virtual void setMinAttachedControl(RectControl* control, bool compare);
    virtual void setAttachedControlMinSizeVisible(RectControl* control, int32_t size);
    virtual void setAttachedControlShouldResize(RectControl* control, bool flag);
    virtual void setAttachedControlShouldMove(RectControl* control, bool flag);
    virtual void setAttachedControlShouldCenter(RectControl* control, bool flag);
    virtual void setAttachedControlNormallyVisible(RectControl* control, bool flag);
    virtual void unAttach(RectControl* control, bool quiet = false);
    virtual void unAttachAllControls();

    // --- limits and movement -------------------------------------------------
    virtual void setMaxLimit(int32_t limit);
    virtual void setMinLimit(int32_t limit);
    virtual void setMaxLimitOffset(int32_t offset);
    virtual void setMinLimitOffset(int32_t offset);
    // The reserve zone's edge on the control's far edge (min) or one bar
    // thickness before its near edge (max). A null control changes nothing.
    virtual void setMinLimitOffset(RectControl* control);
    virtual void setMaxLimitOffset(RectControl* control);
    virtual void resetPosition();
    virtual void setPosition(int32_t position);
    virtual void moveDistance(int32_t distance, bool fromResize);
    virtual void behave();
    // Takes any value that converts to a number; a double is what is meant.
    virtual void setProportion(const Variant& value);
    virtual double proportion();
    virtual int32_t position();

    // --- look and debugging --------------------------------------------------
    virtual void setDebug(bool on);
    virtual void setConceal(bool concealed);
    virtual void setHandleType(int32_t type);

    // --- framework events handled by the bar ---------------------------------
    void handleOpen() override;
    void handleClose() override;
    void handleMouseEnter() override;
    bool handleMouseDown(int32_t x, int32_t y) override;
    void handleMouseDrag(int32_t x, int32_t y) override;
    void handleMouseUp(int32_t x, int32_t y) override;
    void handlePaint(::Graphics& g) override;

protected:
    void initializeSmartSplitter();
    void assignCursor();
    void assignLimits();
    void adjustAttachedControls(int32_t distance, bool fromResize);
    void refreshDebugCanvas(bool clear);
    void warningForControlNotAttached(RectControl* control, const std::string& method);
    bool warningIfNonAttached(const std::string& method);

private:
    // Along the bar's axis.
    int32_t axisPosition() const;
    int32_t thickness() const;
    int32_t windowExtent() const;
    std::optional<AxisSpan> spanOf(const ControlLink& link) const;
    // The bar stands on a dark window background (and not in a tab panel).
    bool onDarkBackground() const;
    // The record of `control`, or nullptr when it is not attached.
    AttachedControl* entryFor(const RectControl* control);
    // A developer warning, shown only while showWarningsDialogs is on.
    void warn(const std::string& text);
    class CanvasSmartSplitterDebugger* overlay() const;
};
