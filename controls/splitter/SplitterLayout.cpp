// Brings the attached controls into line after the bar moved.
#include "controls/splitter/AttachedLayout.h"
#include "controls/splitter/CanvasSmartSplitterDebugger.h"
#include "controls/splitter/SmartSplitter.h"

namespace {
Box boxOf(const RectControl& c) { return Box{c.Left.get(), c.Top.get(), c.Width.get(), c.Height.get()}; }
}  // namespace

// Each property is written only when it changes, so a layout after a move of
// 0 touches nothing that is already in place. Sizes below 1 are written as
// they are (after hiding the control): a later move adds to them.
void SmartSplitter::adjustAttachedControls(int32_t distance, bool fromResize) {
    const Box bar = boxOf(*this);
    for (size_t i = 0; i < attachedControls.size(); ++i) {
        RectControl* c = attachedControls[i].control.get();
        if (!c) continue;
        LayoutSubject subject;
        subject.box = boxOf(*c);
        subject.visible = c->Visible.get();
        subject.isSmartSplitter = dynamic_cast<SmartSplitter*>(c) != nullptr;
        if (const RectControl* parent = c->Parent()) subject.parent = boxOf(*parent);
        const AttachedControl entry = attachedControls[i];
        const LayoutDecision d = layoutAttachedControl(*this, entry, bar, distance, subject);

        if (d.hideBeforeResizing) c->Visible = false;
        Property<int32_t>& extent = isVertical ? c->Width : c->Height;
        Property<int32_t>& pos = isVertical ? c->Left : c->Top;
        if (extent.get() != d.extent) extent = d.extent;
        if (pos.get() != d.position) pos = d.position;
        if (d.afterwards == VisibilityChange::Show) c->Visible = true;
        else if (d.afterwards == VisibilityChange::Hide) c->Visible = false;
        if (auto* o = overlay()) o->markControl(*c);
    }
    if (fromResize) return;
    // A parallel bar attached to this one re-applies its own limits; its own
    // layout runs as after a resize, so this goes one level deep only.
    for (size_t i = 0; i < attachedControls.size(); ++i) {
        auto* nested = dynamic_cast<SmartSplitter*>(attachedControls[i].control.get());
        if (nested && nested->isVertical == isVertical) nested->behave();
    }
}
