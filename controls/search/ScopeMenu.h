#pragma once
// The search control's scope menu, rebuilt from its comma-separated item
// list on every click: one item per field ("-" shows as a separator, an
// empty field as an empty item), every item whose text equals the current
// scope (any letter case) checked.
#include <memory>
#include <string>

class MenuItem;

std::shared_ptr<MenuItem> buildScopeMenu(const std::string& items, const std::string& currentScope);
