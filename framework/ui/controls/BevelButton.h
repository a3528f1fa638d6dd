#pragma once
// A small flat button ("+", "-" under the recipe list). It takes no focus.
// The bevel, icon and menu codes of the old control are kept as numbers only.
#include "framework/ui/RectControl.h"

class QToolButton;

class BevelButton : public RectControl {
public:
    BevelButton();

    Property<std::string> Caption;
    Property<std::string> TextFont;
    Property<double> TextSize;
    Property<bool> Bold;
    Property<bool> Value;
    // Design codes, stored only.
    Property<int32_t> CaptionAlign, CaptionPlacement, CaptionDelta, BevelCode, ButtonType, HasMenu, IconAlign,
        IconDX, IconDY;

    void Push();

    Event<void()> Action;
    virtual void handleAction() { Action(); }

private:
    QToolButton* button_;
};
