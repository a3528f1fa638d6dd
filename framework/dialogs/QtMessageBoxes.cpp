#include "framework/dialogs/QtMessageBoxes.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <functional>

#include "framework/dialogs/BoxText.h"
#include "framework/dialogs/DialogButtons.h"

namespace {

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

QMessageBox::ButtonRole msgBoxRole(int32_t answer) {
    using namespace MsgBoxAnswer;
    switch (answer) {
    case Cancel:
    case Abort: return QMessageBox::RejectRole;
    case Yes: return QMessageBox::YesRole;
    case No: return QMessageBox::NoRole;
    default: return QMessageBox::AcceptRole;
    }
}

QMessageBox::ButtonRole dialogRole(int32_t answer) {
    switch (static_cast<MessageDialogChoice>(answer)) {
    case MessageDialogChoice::Cancel: return QMessageBox::RejectRole;
    case MessageDialogChoice::AlternateAction: return QMessageBox::DestructiveRole;
    default: return QMessageBox::AcceptRole;
    }
}

BuiltMessageBox build(const std::string& title, const std::string& text, const std::string& explanation,
                      QMessageBox::Icon icon, const DialogButtons& buttons,
                      const std::function<QMessageBox::ButtonRole(int32_t)>& roleFor, QWidget* parent) {
    BuiltMessageBox built;
    built.box = std::make_unique<QMessageBox>(parent);
    QMessageBox& box = *built.box;
    box.setTextFormat(Qt::PlainText);
    box.setWindowTitle(QString::fromStdString(title));
    const BoxText main = boxText(text);
    const BoxText more = boxText(explanation);
    box.setText(main.shown);
    // A cut text is whole in the details, the message's own text first.
    QString details = main.details;
    if (!more.details.isEmpty()) details += (details.isEmpty() ? QString() : QStringLiteral("\n\n")) + more.details;
    if (!details.isEmpty()) box.setDetailedText(details);
    if (!explanation.empty()) {
        box.setInformativeText(more.shown);
        // QMessageBox applies its text format to the main text only; the
        // informative label would take a "<b>" in the text for markup.
        for (QLabel* label : box.findChildren<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
            label->setTextFormat(Qt::PlainText);
    }
    box.setIcon(icon);

    for (const DialogButton& def : buttons.buttons) {
        QPushButton* button = box.addButton(QString::fromStdString(def.caption), roleFor(def.answer));
        built.answers.emplace_back(button, def.answer);
        if (def.isDefault) box.setDefaultButton(button);
        // Without a default of our own, QMessageBox would choose one.
        else button->setAutoDefault(false);
        if (buttons.escapeIsButton && def.answer == buttons.escapeAnswer) box.setEscapeButton(button);
    }
    built.escapeAnswer = buttons.escapeAnswer;
    return built;
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
    return build(request.title, request.text, "", msgBoxIcon(request.buttons), msgBoxButtons(request.buttons),
                 msgBoxRole, parent);
}

BuiltMessageBox buildMessageDialog(const MessageDialogRequest& request, QWidget* parent) {
    return build(request.title, request.message, request.explanation, dialogIcon(request.icon),
                 messageDialogButtons(request), dialogRole, parent);
}
