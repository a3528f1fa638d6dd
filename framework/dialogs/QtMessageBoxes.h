#pragma once
// Framework-internal: the QMessageBox for a MsgBox or a MessageDialog,
// built apart from running it so tests can inspect what would be shown.
// Every text is set as plain text: nothing a user typed is read as markup.
#include <QMessageBox>
#include <memory>
#include <utility>
#include <vector>

#include "framework/dialogs/DialogRequests.h"

class QAbstractButton;

struct BuiltMessageBox {
    std::unique_ptr<QMessageBox> box;
    // What each button answers, and the answer when the box is closed
    // without a button (Escape).
    std::vector<std::pair<QAbstractButton*, int32_t>> answers;
    int32_t escapeAnswer = 0;

    int32_t answerFor(const QAbstractButton* clicked) const;
    // Runs the box modally and answers the button pressed.
    int32_t run();
};

BuiltMessageBox buildMsgBox(const MsgBoxRequest& request, QWidget* parent);
// Answers are the MessageDialogChoice values as integers.
BuiltMessageBox buildMessageDialog(const MessageDialogRequest& request, QWidget* parent);
