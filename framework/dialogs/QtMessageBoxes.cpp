#include "framework/dialogs/QtMessageBoxes.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>

#include "framework/dialogs/DisplayText.h"

namespace {

constexpr int32_t kOK = 1, kCancel = 2, kAbort = 3, kRetry = 4, kIgnore = 5, kYes = 6, kNo = 7;

struct ButtonDef {
    const char* caption;
    QMessageBox::ButtonRole role;
    int32_t answer;
};

std::vector<ButtonDef> msgBoxButtons(int32_t set) {
    const ButtonDef ok{"OK", QMessageBox::AcceptRole, kOK};
    const ButtonDef cancel{"Cancel", QMessageBox::RejectRole, kCancel};
    const ButtonDef yes{"Yes", QMessageBox::YesRole, kYes};
    const ButtonDef no{"No", QMessageBox::NoRole, kNo};
    const ButtonDef retry{"Retry", QMessageBox::AcceptRole, kRetry};
    switch (set & 7) {
    case 1: return {ok, cancel};
    case 2: return {{"Abort", QMessageBox::RejectRole, kAbort}, retry, {"Ignore", QMessageBox::AcceptRole, kIgnore}};
    case 3: return {yes, no, cancel};
    case 4: return {yes, no};
    case 5: return {retry, cancel};
    default: return {ok};
    }
}

QMessageBox::Icon msgBoxIcon(int32_t buttons) {
    switch (buttons & 0x70) {
    case 16: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case 48: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::Icon dialogIcon(int32_t icon) {
    switch (icon) {
    case -1: return QMessageBox::NoIcon;
    case 1: return QMessageBox::Warning;
    case 2: return QMessageBox::Critical;
    case 3: return QMessageBox::Question;
    default: return QMessageBox::Information;
    }
}

std::unique_ptr<QMessageBox> plainBox(const std::string& title, const std::string& text,
                                      const std::string& explanation, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setTextFormat(Qt::PlainText);
    box->setWindowTitle(QString::fromStdString(title));
    box->setText(toDisplayText(text));
    if (!explanation.empty()) {
        box->setInformativeText(toDisplayText(explanation));
        // QMessageBox applies its text format to the main text only; the
        // informative label would guess "rich text" from a "<b>".
        for (QLabel* label : box->findChildren<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
            label->setTextFormat(Qt::PlainText);
    }
    return box;
}

QPushButton* addButton(BuiltMessageBox& built, const std::string& caption,
                       QMessageBox::ButtonRole role, int32_t answer) {
    QPushButton* button = built.box->addButton(QString::fromStdString(caption), role);
    built.answers.emplace_back(button, answer);
    return button;
}

}  // namespace

int32_t BuiltMessageBox::answerFor(const QAbstractButton* clicked) const {
    for (const auto& [button, answer] : answers)
        if (button == clicked) return answer;
    return escapeAnswer;
}

int32_t BuiltMessageBox::run() {
    box->exec();
    return answerFor(box->clickedButton());
}

BuiltMessageBox buildMsgBox(const MsgBoxRequest& request, QWidget* parent) {
    BuiltMessageBox built;
    built.box = plainBox(request.title, request.text, "", parent);
    built.box->setIcon(msgBoxIcon(request.buttons));
    std::vector<ButtonDef> defs = msgBoxButtons(request.buttons);
    std::vector<QPushButton*> buttons;
    for (const ButtonDef& def : defs) buttons.push_back(addButton(built, def.caption, def.role, def.answer));

    size_t defaultIndex = (request.buttons & 512) ? 2 : (request.buttons & 256) ? 1 : 0;
    if (defaultIndex >= buttons.size()) defaultIndex = 0;
    built.box->setDefaultButton(buttons[defaultIndex]);

    // Escape: Cancel where there is one, else No, else the only button.
    built.escapeAnswer = defs.front().answer;
    QPushButton* escape = buttons.size() == 1 ? buttons.front() : nullptr;
    for (size_t i = 0; i < defs.size(); ++i) {
        if (defs[i].answer == kCancel || (defs[i].answer == kNo && !escape)) escape = buttons[i];
    }
    if (escape) {
        built.box->setEscapeButton(escape);
        built.escapeAnswer = built.answerFor(escape);
    }
    return built;
}

BuiltMessageBox buildMessageDialog(const MessageDialogRequest& request, QWidget* parent) {
    BuiltMessageBox built;
    built.box = plainBox(request.title, request.message, request.explanation, parent);
    built.box->setIcon(dialogIcon(request.icon));

    MessageDialogButtonSpec action = request.action;
    // A dialog with no visible button could never be dismissed.
    if (!action.visible && !request.cancel.visible && !request.alternateAction.visible) action.visible = true;

    QPushButton* actionButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* alternateButton = nullptr;
    if (action.visible)
        actionButton = addButton(built, action.caption, QMessageBox::AcceptRole,
                                 static_cast<int32_t>(MessageDialogChoice::Action));
    if (request.alternateAction.visible)
        alternateButton = addButton(built, request.alternateAction.caption, QMessageBox::DestructiveRole,
                                    static_cast<int32_t>(MessageDialogChoice::AlternateAction));
    if (request.cancel.visible)
        cancelButton = addButton(built, request.cancel.caption, QMessageBox::RejectRole,
                                 static_cast<int32_t>(MessageDialogChoice::Cancel));

    // When several buttons claim to be the default, the least harmful one
    // wins, so Return never confirms what a Cancel default should protect.
    QPushButton* defaultButton = nullptr;
    if (cancelButton && request.cancel.isDefault) defaultButton = cancelButton;
    else if (alternateButton && request.alternateAction.isDefault) defaultButton = alternateButton;
    else if (actionButton && action.isDefault) defaultButton = actionButton;
    if (defaultButton) built.box->setDefaultButton(defaultButton);
    else {
        // QMessageBox would otherwise pick one itself; no button is the default.
        for (const auto& [button, answer] : built.answers) static_cast<QPushButton*>(button)->setAutoDefault(false);
    }

    if (cancelButton) {
        built.box->setEscapeButton(cancelButton);
        built.escapeAnswer = static_cast<int32_t>(MessageDialogChoice::Cancel);
    } else {
        built.escapeAnswer = defaultButton ? built.answerFor(defaultButton) : built.answers.front().second;
    }
    return built;
}
