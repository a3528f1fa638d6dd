// Attaching controls to the bar and detaching them, with the settings the
// attach rules suggest.
#include <algorithm>
#include <cmath>

#include "controls/splitter/AttachRules.h"
#include "controls/splitter/SmartSplitter.h"
#include "framework/ui/Window.h"
#include "framework/ui/controls/PagePanel.h"
#include "framework/ui/controls/TabPanel.h"

namespace {
constexpr int32_t kTolerance = 5;

int64_t farEdge(const RectControl& c, bool vertical) {
    return vertical ? int64_t{c.Left.get()} + c.Width.get() : int64_t{c.Top.get()} + c.Height.get();
}
int32_t nearEdge(const RectControl& c, bool vertical) { return vertical ? c.Left.get() : c.Top.get(); }

// Whether k lies along the bar (overlapping its span, with the tolerance)
// and touches one of its long sides.
bool touchesBar(const RectControl& s, const RectControl& k, bool vertical) {
    const int64_t sStart = vertical ? s.Top.get() : s.Left.get();
    const int64_t sEnd = farEdge(s, !vertical);
    const int64_t kStart = vertical ? k.Top.get() : k.Left.get();
    const int64_t kEnd = farEdge(k, !vertical);
    const bool overlaps = (sStart - kTolerance < kStart && kStart < sEnd + kTolerance) ||
                          (sStart - kTolerance < kEnd && kEnd < sEnd + kTolerance) ||
                          (kStart - kTolerance < sStart && sEnd < kEnd + kTolerance);
    const int64_t sNear = nearEdge(s, vertical), sFar = farEdge(s, vertical);
    const int64_t kNear = nearEdge(k, vertical), kFar = farEdge(k, vertical);
    const bool touches = std::llabs(sNear - kFar) < kTolerance || std::llabs(sFar - kNear) < kTolerance;
    return overlaps && touches;
}

bool onPages(const RectControl* parent) {
    return dynamic_cast<const TabPanel*>(parent) || dynamic_cast<const PagePanel*>(parent);
}
}  // namespace

void SmartSplitter::attachNearbyControls() {
    initializeSmartSplitter();
    const class Window* w = Window();
    for (int32_t i = 0; i <= w->ControlCount() - 1; ++i) {
        RectControl* k = w->Control(i);
        if (k->Parent() != Parent()) continue;
        if (onPages(Parent()) && k->TabPanelIndex.get() != TabPanelIndex.get()) continue;
        if (touchesBar(*this, *k, isVertical)) attach(k);
    }
}

AttachedControl* SmartSplitter::entryFor(const RectControl* control) {
    for (AttachedControl& e : attachedControls)
        if (e.control.is(control)) return &e;
    return nullptr;
}

void SmartSplitter::attach(RectControl* control) {
    initializeSmartSplitter();
    if (!control || control == this) return;
    const ControlTraits traits = describeControl(*control);
    if (traits.isLine) return;

    bool embedded = false;
    for (const AttachedControl& e : attachedControls) {
        if (control->Parent() && e.control.is(control->Parent())) embedded = true;
        if (e.control.is(control)) {
            warn("The control '" + control->Name() + "' is already attached to smartSplitter '" + Name() +
                 "'.   This attach request will be ignored.");
            return;
        }
    }

    AttachedControl entry;
    entry.control = ControlLink(control);
    entry.normallyVisible = control->Visible.get();
    entry.shouldCenter = false;
    entry.minSizeVisible = suggestMinSizeControlShouldBeVisible(traits, isVertical);
    entry.size = isVertical ? control->Width.get() : control->Height.get();
    attachedControls.push_back(entry);
    const size_t index = attachedControls.size() - 1;

    const bool behind = nearEdge(*control, isVertical) < nearEdge(*this, isVertical);
    bool move = false, resize = false;
    if (!embedded) {
        move = !behind;
        resize = suggestWhetherControlShouldResize(traits, isVertical);
    } else if (behind) {
        // An embedded control follows the bar only when it reaches the edge
        // of its container (the container itself is resized).
        const int64_t gap = farEdge(*control->Parent(), isVertical) - farEdge(*control, isVertical);
        resize = std::llabs(gap) < kTolerance && suggestWhetherControlShouldResize(traits, isVertical);
    }
    if (behind) setMinAttachedControl(control, true);
    else setMaxAttachedControl(control, true);

    // The setters above may not touch the record list, but a subclass could:
    // the record is found again by its index.
    AttachedControl& placed = attachedControls.at(index);
    placed.behind = behind;
    placed.shouldMove = move;
    placed.shouldResize = resize;

    const int32_t offset = suggestOffsetSizeForControl(traits, isVertical);
    if (behind && !minLimitOffsetPropSet) MinLimitOffset = std::max(MinLimitOffset, offset);
    if (!behind && !maxLimitOffsetPropSet) MaxLimitOffset = std::max(MaxLimitOffset, offset);

    if (!doNotAttachEmbeddedControls && controlCommonlyHasEmbeddedControls(traits)) {
        const class Window* w = Window();
        for (int32_t i = 0; i <= w->ControlCount() - 1; ++i) {
            RectControl* child = w->Control(i);
            if (child->Parent() == control) attach(child);
        }
    }
}

void SmartSplitter::setMinAttachedControl(RectControl* control, bool compare) {
    initializeSmartSplitter();
    if (!compare) {
        minAttachedControl = ControlLink(control);
    } else if (control) {
        RectControl* current = minAttachedControl.get();
        if (!current || nearEdge(*control, isVertical) < nearEdge(*current, isVertical))
            minAttachedControl = ControlLink(control);
    }
    refreshDebugCanvas(true);
}

void SmartSplitter::setMaxAttachedControl(RectControl* control, bool compare) {
    initializeSmartSplitter();
    if (!compare) {
        maxAttachedControl = ControlLink(control);
    } else if (control) {
        RectControl* current = maxAttachedControl.get();
        if (!current || farEdge(*current, isVertical) < farEdge(*control, isVertical))
            maxAttachedControl = ControlLink(control);
    }
    refreshDebugCanvas(true);
}

void SmartSplitter::setAttachedControlMinSizeVisible(RectControl* control, int32_t size) {
    if (AttachedControl* e = entryFor(control)) e->minSizeVisible = size;
    else warningForControlNotAttached(control, "setAttachedControlMinSizeVisible");
}

void SmartSplitter::setAttachedControlShouldResize(RectControl* control, bool flag) {
    AttachedControl* e = entryFor(control);
    if (!e) return warningForControlNotAttached(control, "setAttachedControlShouldResize");
    e->shouldResize = flag;
    if (flag) e->shouldCenter = false;
}

void SmartSplitter::setAttachedControlShouldMove(RectControl* control, bool flag) {
    if (AttachedControl* e = entryFor(control)) e->shouldMove = flag;
    else warningForControlNotAttached(control, "setAttachedControlShouldMove");
}

// The only setter that lays out at once: a centred control moves now.
void SmartSplitter::setAttachedControlShouldCenter(RectControl* control, bool flag) {
    AttachedControl* e = entryFor(control);
    if (!e) return warningForControlNotAttached(control, "setAttachedControlShouldCenter");
    e->shouldCenter = flag;
    if (flag) e->shouldResize = false;
    assignLimits();
    adjustAttachedControls(0, false);
}

void SmartSplitter::setAttachedControlNormallyVisible(RectControl* control, bool flag) {
    if (AttachedControl* e = entryFor(control)) e->normallyVisible = flag;
    else warningForControlNotAttached(control, "setAttachedControlNormallyVisible");
}

// Leaves the control where and as it is (hidden stays hidden), and leaves
// the outermost controls and the reserve zones alone.
void SmartSplitter::unAttach(RectControl* control, bool quiet) {
    auto found = std::find_if(attachedControls.begin(), attachedControls.end(),
                              [&](const AttachedControl& e) { return e.control.is(control); });
    if (!control || found == attachedControls.end()) {
        if (!quiet) warningForControlNotAttached(control, "unAttach");
        return;
    }
    attachedControls.erase(found);
    if (controlCommonlyHasEmbeddedControls(describeControl(*control))) {
        const class Window* w = Window();
        for (int32_t i = 0; i <= w->ControlCount() - 1; ++i) {
            RectControl* child = w->Control(i);
            if (child->Parent() == control) unAttach(child, true);
        }
    }
}

void SmartSplitter::unAttachAllControls() {
    attachedControls.clear();
    minAttachedControl.reset();
    maxAttachedControl.reset();
}
