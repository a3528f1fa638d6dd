#pragma once
// The settings a bar suggests for a control it attaches, from the control's
// class and a few of its properties. "Vertical" is always the bar's
// orientation, never the control's. The first rule that matches wins.
#include <cstdint>

class RectControl;

// What the rules need to know of a control. The class flags follow "is this
// class or a subclass of it", so one control may carry several (a splitter
// is also a canvas).
struct ControlTraits {
    bool isLine = false, isListbox = false, isCheckBox = false, isRadioButton = false;
    bool isEditField = false, isPopupMenu = false, isStaticText = false;
    bool isGroupBox = false, isPagePanel = false, isTabPanel = false;
    bool isCanvas = false, isRectangle = false, isSeparator = false, isPlacard = false, isImageWell = false;
    bool isSmartSplitter = false;
    bool ownWidthBelowHeight = false;  // a splitter's own orientation: vertical
    bool lockLeft = false, lockTop = false, lockRight = false, lockBottom = false;
    bool multiLine = false;            // EditField, StaticText
    bool scrollBarVertical = false;    // EditField, Listbox
    bool scrollBarHorizontal = false;  // EditField, Listbox
};

// Reads the traits of a live control (class tests and properties).
ControlTraits describeControl(const RectControl& control);

// Extent below which the control is hidden.
int32_t suggestMinSizeControlShouldBeVisible(const ControlTraits& c, bool vertical);
// Whether its edge facing the bar follows the bar.
bool suggestWhetherControlShouldResize(const ControlTraits& c, bool vertical);
// Room to keep beside the limit on its side, so the control stays usable.
int32_t suggestOffsetSizeForControl(const ControlTraits& c, bool vertical);
// Containers whose embedded controls are attached along with them.
bool controlCommonlyHasEmbeddedControls(const ControlTraits& c);
