#pragma once
// A MenuContext for tests: handler tables for a front window and the
// application, EnableMenuItems hooks, and a focused control whose standard
// editing can be switched on. Everything it is asked to do is logged.
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/menus/MenuContext.h"
#include "framework/menus/MenuHandlers.h"
#include "framework/menus/MenuItem.h"

class FakeMenuContext : public MenuContext {
public:
    std::shared_ptr<MenuBar> bar = std::make_shared<MenuBar>();
    MenuHandlerTable window;
    MenuHandlerTable application;
    MenuHandlerTable behind;  // the document window a palette in front serves
    bool hasFrontWindow = true;
    bool hasWindowBehind = false;
    std::function<void()> controlEnable, windowEnable, behindEnable, appEnable;
    std::vector<StandardEdit> editable;  // what the focused control can do
    std::vector<std::string> log;
    std::vector<std::exception_ptr> escaped;

    // The last thing logged, or "" when nothing was.
    std::string last() const { return log.empty() ? std::string() : log.back(); }

    std::shared_ptr<MenuBar> activeMenuBar() override { return bar; }
    MenuHandlerTable* frontWindowHandlers() override { return hasFrontWindow ? &window : nullptr; }
    MenuHandlerTable* applicationHandlers() override { return &application; }
    MenuHandlerTable* windowBehindHandlers() override { return hasWindowBehind ? &behind : nullptr; }
    void activateWindowBehind() override { log.push_back("behind.activate"); }
    void raiseWindowBehindEnableMenuItems() override {
        if (hasWindowBehind) raise("behind.EnableMenuItems", behindEnable);
    }
    void raiseFocusedControlEnableMenuItems() override { raise("control.EnableMenuItems", controlEnable); }
    void raiseFrontWindowEnableMenuItems() override { raise("window.EnableMenuItems", windowEnable); }
    void raiseApplicationEnableMenuItems() override { raise("app.EnableMenuItems", appEnable); }
    bool focusedControlCanEdit(StandardEdit action) override {
        for (StandardEdit e : editable)
            if (e == action) return true;
        return false;
    }
    void focusedControlEdit(StandardEdit action) override {
        log.push_back("control.edit " + std::to_string(static_cast<int>(action)));
    }
    void unhandledException(std::exception_ptr error) override { escaped.push_back(error); }

    // Binds a handler that logs "<who>.<name>" and answers `answer`.
    void bind(MenuHandlerTable& table, const std::string& who, const std::string& name, bool answer = false) {
        table.AddMenuHandler(name, [this, who, name, answer] {
            log.push_back(who + "." + name);
            return answer;
        });
    }

    // Appends an item to parent and answers it.
    static std::shared_ptr<MenuItem> add(MenuItem& parent, const std::string& name, const std::string& text,
                                         const std::string& shortcut = "", bool autoEnable = true) {
        auto item = std::make_shared<MenuItem>(text);
        item->Name = name;
        item->KeyboardShortcut = shortcut;
        item->AutoEnable = autoEnable;
        parent.Append(item);
        return item;
    }

    // A bar shaped like the product's: File, Edit, Format with two submenus, Recipe.
    void buildStandardBar() {
        auto file = add(*bar, "FileMenu", "&File");
        add(*file, "RecipeNewRecipe", "New Recipe", "Cmd+N");
        add(*file, "FileClose", "Close", "Cmd+W");
        add(*file, "UntitledSeparator", "-");
        add(*file, "FilePageSetup", "Page Setup...", "Cmd+Shift+P");
        add(*file, "FileAppkFilePrint", "Print...", "Cmd+P");
        add(*file, "FileQuit", "&Quit", "Cmd+Q");
        auto edit = add(*bar, "EditMenu", "&Edit");
        add(*edit, "EditUndo", "&Undo", "Cmd+Z", false);
        add(*edit, "EditCut", "Cu&t", "Cmd+X");
        add(*edit, "EditCopy", "&Copy", "Cmd+C");
        add(*edit, "EditPaste", "&Paste", "Cmd+V");
        add(*edit, "EditSelectAll", "Select &All", "Cmd+A");
        auto format = add(*bar, "FormatMenu", "Format");
        auto font = add(*format, "FormatFont", "Font");
        add(*font, "StyleBold", "Bold", "Cmd+B");
        add(*font, "SizeBigger", "Bigger", "Cmd++");
        add(*font, "SizeSmaller", "Smaller", "Cmd+-");
        auto text = add(*format, "FormatText", "Text");
        add(*text, "TextAlignLeft", "Align Left", "Cmd+{");
        add(*text, "TextCenter", "Center", "Cmd+|");
        add(*text, "TextAlignRight", "Align Right", "Cmd+}");
        auto recipe = add(*bar, "RecipeMenu", "Recipe");
        add(*recipe, "RecipeNextRecipe", "Next Recipe", "Cmd+]");
        add(*recipe, "RecipePreviousRecipe", "Previous Recipe", "Cmd+[");
        add(*recipe, "RecipeKitchenmode", "Kitchen mode", "Cmd+K", false);
        auto help = add(*bar, "HelpMenu", "Help");
        add(*help, "HelpProgramHelp", "Program Help", "Cmd+?");
    }

private:
    void raise(const std::string& what, const std::function<void()>& hook) {
        log.push_back(what);
        if (hook) hook();
    }
};

// Installs a context as the current one for the Qt side, for one test.
class ScopedMenuContext {
public:
    explicit ScopedMenuContext(MenuContext& context) : previous_(currentMenuContext()) { setMenuContext(&context); }
    ~ScopedMenuContext() { setMenuContext(previous_); }

private:
    MenuContext* previous_;
};
