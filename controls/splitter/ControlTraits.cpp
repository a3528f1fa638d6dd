// Class tests and properties of live controls, for the attach rules.
#include "controls/splitter/AttachRules.h"
#include "controls/splitter/SmartSplitter.h"
#include "framework/ui/controls/Canvas.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/Line.h"
#include "framework/ui/controls/Listbox.h"
#include "framework/ui/controls/MinimalControls.h"
#include "framework/ui/controls/PagePanel.h"
#include "framework/ui/controls/PopupMenu.h"
#include "framework/ui/controls/Separator.h"
#include "framework/ui/controls/StaticText.h"
#include "framework/ui/controls/TabPanel.h"

namespace {
template <class T>
const T* as(const RectControl& c) {
    return dynamic_cast<const T*>(&c);
}
}  // namespace

ControlTraits describeControl(const RectControl& c) {
    ControlTraits t;
    t.isLine = as<Line>(c);
    t.isListbox = as<Listbox>(c);
    t.isCheckBox = as<CheckBox>(c);
    t.isRadioButton = as<RadioButton>(c);
    t.isEditField = as<EditField>(c);
    t.isPopupMenu = as<PopupMenu>(c);
    t.isStaticText = as<StaticText>(c);
    t.isGroupBox = as<GroupBox>(c);
    t.isPagePanel = as<PagePanel>(c);
    t.isTabPanel = as<TabPanel>(c);
    t.isCanvas = as<Canvas>(c);
    t.isRectangle = as<Rectangle>(c);
    t.isSeparator = as<Separator>(c);
    t.isPlacard = as<Placard>(c);
    t.isImageWell = as<ImageWell>(c);
    t.isSmartSplitter = as<SmartSplitter>(c);
    t.ownWidthBelowHeight = c.Width.get() < c.Height.get();
    t.lockLeft = c.LockLeft.get();
    t.lockTop = c.LockTop.get();
    t.lockRight = c.LockRight.get();
    t.lockBottom = c.LockBottom.get();
    if (const auto* e = as<EditField>(c)) {
        t.multiLine = e->MultiLine.get();
        t.scrollBarVertical = e->ScrollbarVertical.get();
        t.scrollBarHorizontal = e->ScrollbarHorizontal.get();
    } else if (const auto* l = as<Listbox>(c)) {
        t.scrollBarVertical = l->ScrollBarVertical.get();
        t.scrollBarHorizontal = l->ScrollBarHorizontal.get();
    } else if (const auto* s = as<StaticText>(c)) {
        t.multiLine = s->Multiline.get();
    }
    return t;
}
