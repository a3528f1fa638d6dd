#pragma once
// The service every caller reaches through uiService(): it hands each call
// to the installed service (the real one or a test's), and runs the modal
// boxes inside a ModalSession, so a box deactivates its window and
// reactivates it on return whichever service answers it.
#include <memory>

#include "framework/dialogs/UiService.h"

// What a modal box does to the windows lives with the windows, a layer
// above (framework/ui/ModalSession.h, SessionEnd.h), which serves it to the
// gate once, when the runtime starts or its first window is built, and takes
// it back at the end of the process. Before that no window can be active and
// no session can be ending, so the gate only passes the calls on.
struct ModalWindows {
    // Deactivates the active window until the returned scope is released.
    std::shared_ptr<void> (*aroundBox)() = nullptr;
    // True once the session is ending: boxes get their Escape answer unseen.
    bool (*boxesAnsweredForTheUser)() = nullptr;
};
// Serves the gate's window side until the returned scope is released, which
// leaves the gate passing the calls on again. The side has one owner: serving
// it while another serving holds throws std::logic_error.
[[nodiscard]] std::shared_ptr<void> serveModalWindows(const ModalWindows& windows);

class ModalGate : public UiService {
public:
    explicit ModalGate(UiService& inner) : inner_(&inner) {}
    void setInner(UiService& inner) { inner_ = &inner; }

    int32_t MsgBox(const MsgBoxRequest& request) override;
    MessageDialogChoice showMessageDialog(const MessageDialogRequest& request) override;
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    bool selectColor(uint32_t& color, const std::string& prompt) override;
    bool pageSetup(PrintSettings& settings) override;
    bool printerDialog(PrintSettings& settings) override;
    // Pop-up menus and drags do not deactivate the window.
    MenuItem* popUpMenu(MenuItem& menu, int32_t x, int32_t y) override { return inner_->popUpMenu(menu, x, y); }
    DragResult startDrag(const DragRequest& request) override { return inner_->startDrag(request); }
    bool speak(const std::string& text, bool interrupt) override { return inner_->speak(text, interrupt); }
    bool openURL(const std::string& url) override { return inner_->openURL(url); }

private:
    UiService* inner_;
};
