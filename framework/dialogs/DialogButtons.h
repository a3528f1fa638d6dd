#pragma once
// Which buttons a MsgBox or MessageDialog shows, which one is the default
// and what closing it without a button means. Worked out once here, so the
// Qt dialogs and the test service always agree.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/dialogs/DialogRequests.h"

struct DialogButton {
    std::string caption;
    int32_t answer;  // a MsgBox code, or a MessageDialogChoice as an integer
    bool isDefault = false;
};

struct DialogButtons {
    std::vector<DialogButton> buttons;  // in the order they are added
    // The answer for Escape or closing the window; a button's answer.
    int32_t escapeAnswer = 0;
    bool escapeIsButton = false;  // Escape presses a real (cancelling) button

    const DialogButton* defaultButton() const;
};

namespace MsgBoxAnswer {
constexpr int32_t OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7;
}

DialogButtons msgBoxButtons(int32_t buttons);

// A dialog with no visible button would never close: then the action button
// shows. When several buttons claim to be the default the least harmful one
// wins (Cancel, then the alternate action, then the action), so Return never
// confirms what a Cancel default was meant to protect.
DialogButtons messageDialogButtons(const MessageDialogRequest& request);
