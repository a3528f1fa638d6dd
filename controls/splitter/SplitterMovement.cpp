// The bar's limits, position and proportion, and the one movement routine
// every move goes through: a drag, a window resize and the setters.
#include <algorithm>

#include "controls/splitter/CanvasSmartSplitterDebugger.h"
#include "controls/splitter/SmartSplitter.h"
#include "framework/data/Variant.h"
#include "framework/ui/Window.h"

std::optional<AxisSpan> SmartSplitter::spanOf(const ControlLink& link) const {
    const RectControl* c = link.get();
    if (!c) return std::nullopt;  // none, or destroyed since
    return isVertical ? AxisSpan{c->Left.get(), c->Width.get()} : AxisSpan{c->Top.get(), c->Height.get()};
}

void SmartSplitter::assignLimits() {
    ::assignLimits(*this, spanOf(minAttachedControl), spanOf(maxAttachedControl), thickness(), windowExtent());
}

void SmartSplitter::moveDistance(int32_t distance, bool fromResize) {
    initializeSmartSplitter();
    const TravelStep step = planMove(*this, axisPosition(), distance, fromResize);
    if (!step.act) return;
    (isVertical ? Left : Top) = step.newPosition;
    if (mouseDownTriggered && Debug)
        if (auto* o = overlay()) o->clearP();
    if (DisableLiveDrag) {
        // The controls follow at the release; a resize cannot wait for one.
        if (fromResize) adjustAttachedControls(step.distance, true);
        return;
    }
    adjustAttachedControls(step.distance, fromResize);
    Moved(step.distance);
}

void SmartSplitter::behave() {
    initializeSmartSplitter();
    assignLimits();
    moveDistance(0, true);
    refreshDebugCanvas(false);
}

void SmartSplitter::setPosition(int32_t target) {
    initializeSmartSplitter();
    if (warningIfNonAttached("setPosition")) return;
    const int32_t before = position();
    moveDistance(saturate32(int64_t{target} - axisPosition()), false);
    if (DisableLiveDrag) adjustAttachedControls(saturate32(int64_t{position()} - before), true);
    refreshDebugCanvas(true);
}

void SmartSplitter::setProportion(const Variant& value) {
    initializeSmartSplitter();
    if (warningIfNonAttached("setProportion")) return;
    if (showWarningsDialogs && value.Type() != VariantType::Double) {
        const int32_t asInteger = value.IntegerValue();
        if (asInteger != 0 && asInteger != 1) {
            warn("The value type passed to the SmartSplitter '" + Name() +
                 "' method 'setProportion' is not a single or double.\r\rProportion must be referenced as a "
                 "single or double - double is preferred as that is how it is referenced internally.");
            return;
        }
    }
    proportionValue = value.DoubleValue();
    atMinLimit = atMaxLimit = false;
    const bool stayed = StayProportional;
    StayProportional = true;
    behave();
    StayProportional = stayed;
    refreshDebugCanvas(true);
}

void SmartSplitter::resetPosition() {
    initializeSmartSplitter();
    if (StayProportional) return setProportion(Variant(proportionAtOpen));
    const bool followsFarEdge = isVertical ? LockRight.get() : LockBottom.get();
    const int64_t growth = followsFarEdge ? int64_t{windowExtent()} - windowSizeAtOpen : 0;
    setPosition(saturate32(positionAtOpen + growth));
}

double SmartSplitter::proportion() {
    initializeSmartSplitter();
    return proportionValue;
}

int32_t SmartSplitter::position() {
    initializeSmartSplitter();
    return axisPosition();
}

void SmartSplitter::setMaxLimit(int32_t limit) {
    initializeSmartSplitter();
    MaxLimit = limit;
    maxAttachedControl.reset();
    refreshDebugCanvas(true);
}

void SmartSplitter::setMinLimit(int32_t limit) {
    initializeSmartSplitter();
    MinLimit = limit;
    minAttachedControl.reset();
    refreshDebugCanvas(true);
}

void SmartSplitter::setMaxLimitOffset(int32_t offset) {
    initializeSmartSplitter();
    MaxLimitOffset = std::max(0, offset);
    refreshDebugCanvas(true);
}

void SmartSplitter::setMinLimitOffset(int32_t offset) {
    initializeSmartSplitter();
    MinLimitOffset = std::max(0, offset);
    refreshDebugCanvas(true);
}

// The near reserve zone ends on the control's far edge.
void SmartSplitter::setMinLimitOffset(RectControl* control) {
    initializeSmartSplitter();
    if (!control) return;
    assignLimits();
    const auto span = isVertical ? AxisSpan{control->Left.get(), control->Width.get()}
                                 : AxisSpan{control->Top.get(), control->Height.get()};
    MinLimitOffset = saturate32(int64_t{span.position} + span.extent - MinLimit);
    refreshDebugCanvas(true);
}

// The far reserve zone ends one bar thickness before the control's near edge.
void SmartSplitter::setMaxLimitOffset(RectControl* control) {
    initializeSmartSplitter();
    if (!control) return;
    assignLimits();
    const int32_t near = isVertical ? control->Left.get() : control->Top.get();
    MaxLimitOffset = saturate32(int64_t{MaxLimit} - near + thickness());
    refreshDebugCanvas(true);
}
