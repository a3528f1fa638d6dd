#include "framework/menus/MenuContext.h"

#include "framework/menus/MenuName.h"

namespace {
MenuContext* installedContext = nullptr;
}

MenuContext* currentMenuContext() { return installedContext; }

void setMenuContext(MenuContext* context) { installedContext = context; }

std::optional<StandardEdit> standardEditForItem(const std::string& itemName) {
    static const std::pair<const char*, StandardEdit> kItems[] = {
        {"EditUndo", StandardEdit::Undo},   {"EditCut", StandardEdit::Cut},
        {"EditCopy", StandardEdit::Copy},   {"EditPaste", StandardEdit::Paste},
        {"EditClear", StandardEdit::Clear}, {"EditSelectAll", StandardEdit::SelectAll}};
    for (const auto& [name, action] : kItems)
        if (sameMenuName(itemName, name)) return action;
    return std::nullopt;
}
