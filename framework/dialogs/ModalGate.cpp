#include "framework/dialogs/ModalGate.h"

#include "framework/dialogs/DialogButtons.h"

#include <cstdio>
#include <stdexcept>

namespace {

ModalWindows windows;  // empty unless served (serveModalWindows)
bool served = false;

std::shared_ptr<void> aroundBox() { return windows.aroundBox ? windows.aroundBox() : nullptr; }

// The session is ending (SessionEnd.h): a box would wait for an answer
// nobody gives. Its text still goes to standard error, so a failure met on
// the way out is reported somewhere.
bool answeredForTheUser(const std::string& what) {
    if (!windows.boxesAnsweredForTheUser || !windows.boxesAnsweredForTheUser()) return false;
    std::fprintf(stderr, "Larderwise (quitting at the end of the session; not shown): %s\n", what.c_str());
    std::fflush(stderr);
    return true;
}

}  // namespace

std::shared_ptr<void> serveModalWindows(const ModalWindows& given) {
    if (served) throw std::logic_error("the modal gate's window side is served already");
    served = true;
    windows = given;
    return std::shared_ptr<void>(nullptr, [](void*) {
        windows = ModalWindows{};
        served = false;
    });
}

int32_t ModalGate::MsgBox(const MsgBoxRequest& request) {
    if (answeredForTheUser(request.text)) return msgBoxButtons(request.buttons).escapeAnswer;
    const auto box = aroundBox();
    return inner_->MsgBox(request);
}

MessageDialogChoice ModalGate::showMessageDialog(const MessageDialogRequest& request) {
    if (answeredForTheUser(request.message + (request.explanation.empty() ? "" : " " + request.explanation)))
        return static_cast<MessageDialogChoice>(messageDialogButtons(request).escapeAnswer);
    const auto box = aroundBox();
    return inner_->showMessageDialog(request);
}

std::optional<std::string> ModalGate::openFile(const FileDialogRequest& request) {
    if (answeredForTheUser("a dialog to open a file")) return std::nullopt;
    const auto box = aroundBox();
    return inner_->openFile(request);
}

std::optional<std::string> ModalGate::saveFile(const FileDialogRequest& request) {
    if (answeredForTheUser("a dialog to save a file")) return std::nullopt;
    const auto box = aroundBox();
    return inner_->saveFile(request);
}

bool ModalGate::selectColor(uint32_t& color, const std::string& prompt) {
    if (answeredForTheUser("the colour dialog")) return false;
    const auto box = aroundBox();
    return inner_->selectColor(color, prompt);
}

bool ModalGate::pageSetup(PrintSettings& settings) {
    if (answeredForTheUser("the page setup dialog")) return false;
    const auto box = aroundBox();
    return inner_->pageSetup(settings);
}

bool ModalGate::printerDialog(PrintSettings& settings) {
    if (answeredForTheUser("the printer dialog")) return false;
    const auto box = aroundBox();
    return inner_->printerDialog(settings);
}
