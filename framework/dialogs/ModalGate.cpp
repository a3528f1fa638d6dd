#include "framework/dialogs/ModalGate.h"

#include "framework/ui/ModalSession.h"

int32_t ModalGate::MsgBox(const MsgBoxRequest& request) {
    ModalSession box;
    return inner_->MsgBox(request);
}

MessageDialogChoice ModalGate::showMessageDialog(const MessageDialogRequest& request) {
    ModalSession box;
    return inner_->showMessageDialog(request);
}

std::optional<std::string> ModalGate::openFile(const FileDialogRequest& request) {
    ModalSession box;
    return inner_->openFile(request);
}

std::optional<std::string> ModalGate::saveFile(const FileDialogRequest& request) {
    ModalSession box;
    return inner_->saveFile(request);
}

bool ModalGate::selectColor(uint32_t& color, const std::string& prompt) {
    ModalSession box;
    return inner_->selectColor(color, prompt);
}

bool ModalGate::pageSetup(PrintSettings& settings) {
    ModalSession box;
    return inner_->pageSetup(settings);
}

bool ModalGate::printerDialog(PrintSettings& settings) {
    ModalSession box;
    return inner_->printerDialog(settings);
}
