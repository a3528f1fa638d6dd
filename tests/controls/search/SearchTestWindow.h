#pragma once
// A window laid out like the recipe window's top: the search control at
// 451,13 (292 x 38) and a name field that can hold the focus instead.
#include <string>
#include <utility>
#include <vector>

#include "controls/search/SearchControl.h"
#include "framework/ui/Window.h"
#include "framework/ui/controls/Canvas.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/StaticText.h"

inline const std::string kScopes = "Everywhere,-,Recipe Name,Recipe Keywords,Recipe Text,Recipe Rating";

struct SearchWindow : Window {
    SearchControl* search;
    EditField* recipeName;
    std::vector<std::pair<std::string, std::string>> searches;

    SearchWindow() {
        Width = 750;
        Height = 445;
        recipeName = add<EditField>("recipeName");
        recipeName->Left = 171;
        recipeName->Top = 59;
        search = add<SearchControl>("RecipeSearchCntl");
        search->Left = 451;
        search->Top = 13;
        search->Width = 292;
        search->Height = 38;
        search->LiveSearch = true;
        search->ShowMagnifyingGlass = true;
        search->Search = [this](std::string text, std::string where) { searches.emplace_back(text, where); };
    }

    EditField& field() const { return *search->child<EditField>("Searchfield"); }
    Canvas& pill() const { return *search->child<Canvas>("BgCanvas"); }
    Canvas& cancel() const { return *search->child<Canvas>("CancelWidget"); }
    StaticText& placeholder() const { return *search->child<StaticText>("Placeholder"); }
};
