#include "controls/splitter/AttachRules.h"

namespace {
bool isPanel(const ControlTraits& c) { return c.isGroupBox || c.isPagePanel || c.isTabPanel; }
}  // namespace

int32_t suggestMinSizeControlShouldBeVisible(const ControlTraits& c, bool vertical) {
    if (c.isListbox) return 20;
    if (vertical && (c.isCheckBox || c.isRadioButton)) return 18;
    if (vertical && c.isEditField) return 20;
    if (vertical && c.isPopupMenu) return 18;
    if (isPanel(c)) return 28;
    return 2;
}

bool suggestWhetherControlShouldResize(const ControlTraits& c, bool vertical) {
    // A parallel bar keeps its thickness; it re-applies its own limits instead.
    if (c.isSmartSplitter && c.ownWidthBelowHeight == vertical) return false;
    if (vertical ? (c.lockLeft && c.lockRight) : (c.lockTop && c.lockBottom)) return true;
    if (c.isSeparator || c.isRectangle || c.isPlacard) return true;
    if (c.isImageWell || c.isCanvas || c.isListbox) return true;
    if (c.isEditField) return vertical || c.multiLine;
    if (c.isStaticText && !vertical && c.multiLine) return true;
    if (vertical && c.isPopupMenu) return true;
    if (isPanel(c)) return true;
    return false;
}

int32_t suggestOffsetSizeForControl(const ControlTraits& c, bool vertical) {
    if (c.isTabPanel) return 140;
    if (c.isGroupBox || c.isPagePanel) return 100;
    if (c.isListbox) {
        if (vertical) return 86;
        if (c.scrollBarHorizontal) return 66;
    }
    if (c.isEditField) {
        if (vertical) return c.scrollBarVertical ? 80 : 60;
        if (c.multiLine && c.scrollBarHorizontal) return 46;
    }
    if (vertical && (c.isCheckBox || c.isRadioButton)) return 60;
    if (vertical && (c.isPopupMenu || c.isStaticText)) return 40;
    return 30;
}

bool controlCommonlyHasEmbeddedControls(const ControlTraits& c) {
    return c.isTabPanel || c.isPagePanel || c.isGroupBox || c.isCanvas || c.isRectangle || c.isEditField ||
           c.isListbox;
}
