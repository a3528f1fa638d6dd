#pragma once
// A label: plain text (never interpreted as markup), CR line ends shown as
// line breaks. Alignment uses this control's own codes: 0 left, 1 centre,
// 2 right (EditField's codes differ). A press the MouseDown handler accepts
// brings its MouseUp here, wherever the button is released.
#include "framework/graphics/Color.h"
#include "framework/ui/RectControl.h"

class QLabel;

class StaticText : public RectControl {
public:
    StaticText();

    Property<std::string> Text;
    Property<int32_t> TextAlign;  // 0 left, 1 centre, 2 right
    Property<Color> TextColor;
    Property<std::string> TextFont;
    Property<double> TextSize;
    Property<bool> Bold, Italic, Underline;
    Property<bool> Multiline;

private:
    void applyLook();
    QLabel* label_;
};
