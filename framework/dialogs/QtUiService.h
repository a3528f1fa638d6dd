#pragma once
// The real UiService: Qt dialogs, run modally over the active window.
#include "framework/dialogs/UiService.h"

class QtUiService : public UiService {
public:
    int32_t MsgBox(const MsgBoxRequest& request) override;
    MessageDialogChoice showMessageDialog(const MessageDialogRequest& request) override;
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    bool selectColor(uint32_t& color, const std::string& prompt) override;
    bool pageSetup(PrintSettings& settings) override;
    bool printerDialog(PrintSettings& settings) override;
    MenuItem* popUpMenu(MenuItem& menu, int32_t x, int32_t y) override;
    DragResult startDrag(const DragRequest& request) override;
    bool speak(const std::string& text, bool interrupt) override;
    bool openURL(const std::string& url) override;
};
