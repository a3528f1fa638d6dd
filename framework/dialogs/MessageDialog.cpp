#include "framework/dialogs/MessageDialog.h"

#include "framework/dialogs/UiService.h"

MessageDialog::MessageDialog() {
    ActionButton.Caption = "OK";
    ActionButton.Visible = true;
    ActionButton.Default = true;
    CancelButton.Caption = "Cancel";
    AlternateActionButton.Caption = "Don't Save";
}

MessageDialogRequest MessageDialog::request() const {
    auto spec = [](const MessageDialogButton& button) {
        return MessageDialogButtonSpec{button.Caption, button.Visible, button.Default};
    };
    return MessageDialogRequest{Title, Message, Explanation, Icon,
                                spec(ActionButton), spec(CancelButton), spec(AlternateActionButton)};
}

MessageDialogButton* MessageDialog::ShowModal() {
    switch (uiService().showMessageDialog(request())) {
    case MessageDialogChoice::Action: return &ActionButton;
    case MessageDialogChoice::Cancel: return &CancelButton;
    case MessageDialogChoice::AlternateAction: return &AlternateActionButton;
    }
    return &CancelButton;
}
