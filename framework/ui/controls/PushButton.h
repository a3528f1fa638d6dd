#pragma once
// A push button. Buttons take no keyboard focus, as on the old platform, so
// clicking one leaves the focus (and any unsaved edit) where it was.
#include "framework/ui/RectControl.h"

class QPushButton;

class PushButton : public RectControl {
public:
    PushButton();

    Property<std::string> Caption;
    // Default: Return or Enter that no control took pushes the button.
    // Cancel: Escape that no control took pushes it.
    Property<bool> Default, Cancel;
    Property<std::string> TextFont;
    Property<double> TextSize;
    Property<bool> Bold;

    // Acts as if the user clicked the button: runs Action.
    void Push();

    Event<void()> Action;
    virtual void handleAction() { Action(); }

protected:
    void attached() override;

private:
    QPushButton* button_;
};
