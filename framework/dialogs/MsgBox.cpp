#include "framework/dialogs/MsgBox.h"

#include "framework/dialogs/UiService.h"

int32_t MsgBox(const std::string& text, int32_t buttons, const std::string& title) {
    return uiService().MsgBox(MsgBoxRequest{text, buttons, title});
}
