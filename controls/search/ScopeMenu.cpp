#include "controls/search/ScopeMenu.h"

#include "framework/menus/MenuItem.h"
#include "framework/text/Strings.h"

std::shared_ptr<MenuItem> buildScopeMenu(const std::string& items, const std::string& currentScope) {
    auto root = std::make_shared<MenuItem>();
    const int32_t count = CountFields(items, ",");
    for (int32_t i = 1; i <= count; ++i) {
        const std::string text = NthField(items, ",", i);
        root->Append(std::make_shared<MenuItem>(text));
        // Every item equal to the scope is checked, duplicates too; the
        // remembered item number plays no part.
        if (StrEq(text, currentScope)) root->Item(i - 1)->Checked = true;
    }
    return root;
}
