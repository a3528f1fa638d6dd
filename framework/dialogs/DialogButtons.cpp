#include "framework/dialogs/DialogButtons.h"

const DialogButton* DialogButtons::defaultButton() const {
    for (const DialogButton& button : buttons)
        if (button.isDefault) return &button;
    return nullptr;
}

DialogButtons msgBoxButtons(int32_t set) {
    using namespace MsgBoxAnswer;
    const DialogButton ok{"OK", OK}, cancel{"Cancel", Cancel}, yes{"Yes", Yes}, no{"No", No},
        retry{"Retry", Retry};
    DialogButtons result;
    switch (set & 7) {
    case 1: result.buttons = {ok, cancel}; break;
    case 2: result.buttons = {{"Abort", Abort}, retry, {"Ignore", Ignore}}; break;
    case 3: result.buttons = {yes, no, cancel}; break;
    case 4: result.buttons = {yes, no}; break;
    case 5: result.buttons = {retry, cancel}; break;
    default: result.buttons = {ok}; break;
    }
    size_t defaultIndex = (set & 512) ? 2 : (set & 256) ? 1 : 0;
    if (defaultIndex >= result.buttons.size()) defaultIndex = 0;
    result.buttons[defaultIndex].isDefault = true;

    // Escape: Cancel where there is one, else No, else Abort, else the only button.
    result.escapeAnswer = result.buttons.front().answer;
    result.escapeIsButton = result.buttons.size() == 1;
    for (int32_t wanted : {Abort, No, Cancel}) {
        for (const DialogButton& button : result.buttons) {
            if (button.answer == wanted) {
                result.escapeAnswer = wanted;
                result.escapeIsButton = true;
            }
        }
    }
    return result;
}

DialogButtons messageDialogButtons(const MessageDialogRequest& request) {
    const auto answer = [](MessageDialogChoice choice) { return static_cast<int32_t>(choice); };
    MessageDialogButtonSpec action = request.action;
    if (!action.visible && !request.cancel.visible && !request.alternateAction.visible) action.visible = true;

    DialogButtons result;
    if (action.visible) result.buttons.push_back({action.caption, answer(MessageDialogChoice::Action)});
    if (request.alternateAction.visible)
        result.buttons.push_back({request.alternateAction.caption, answer(MessageDialogChoice::AlternateAction)});
    if (request.cancel.visible) result.buttons.push_back({request.cancel.caption, answer(MessageDialogChoice::Cancel)});

    const std::pair<MessageDialogChoice, bool> preference[] = {
        {MessageDialogChoice::Cancel, request.cancel.visible && request.cancel.isDefault},
        {MessageDialogChoice::AlternateAction, request.alternateAction.visible && request.alternateAction.isDefault},
        {MessageDialogChoice::Action, action.visible && action.isDefault}};
    for (const auto& [choice, wanted] : preference) {
        if (!wanted) continue;
        for (DialogButton& button : result.buttons)
            if (button.answer == answer(choice)) button.isDefault = true;
        break;
    }

    if (request.cancel.visible) {
        result.escapeAnswer = answer(MessageDialogChoice::Cancel);
        result.escapeIsButton = true;
    } else if (const DialogButton* fallback = result.defaultButton()) {
        result.escapeAnswer = fallback->answer;
    } else {
        result.escapeAnswer = result.buttons.front().answer;
    }
    return result;
}
