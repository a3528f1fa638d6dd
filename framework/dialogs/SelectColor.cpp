#include "framework/dialogs/SelectColor.h"

#include "framework/dialogs/UiService.h"

bool SelectColor(uint32_t& color, const std::string& prompt) {
    return uiService().selectColor(color, prompt);
}
