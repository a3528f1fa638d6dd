#pragma once
// The question dialog: a message, an explanation, and up to three buttons.
// One object may be shown several times with changed texts; each ShowModal
// shows the properties as they are at that moment.
#include <cstdint>
#include <string>

#include "framework/dialogs/DialogRequests.h"

class MessageDialogButton {
public:
    std::string Caption;
    bool Visible = false;
    bool Default = false;
};

class MessageDialog {
public:
    MessageDialog();

    std::string Title;
    std::string Message;
    std::string Explanation;
    int32_t Icon = 0;  // 0 note, 1 caution, 2 stop, 3 question, -1 none

    // Action: visible, "OK", default. Cancel ("Cancel") and the alternate
    // action ("Don't Save") start hidden.
    MessageDialogButton ActionButton;
    MessageDialogButton CancelButton;
    MessageDialogButton AlternateActionButton;

    // Shows the dialog modally; answers the button pressed (compare with
    // &ActionButton, &CancelButton, &AlternateActionButton).
    MessageDialogButton* ShowModal();

    MessageDialogRequest request() const;
};
