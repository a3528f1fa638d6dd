// The menu bar as users and windows meet it: items found by name, the
// shape of the tree, and every keyboard shortcut reaching the item it names.
#include <gtest/gtest.h>

#include "app/MenuBar1.h"
#include "framework/menus/MenuItem.h"
#include "framework/ui/Application.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/Window.h"
#include "tests/support/ProbeControl.h"
#include "tests/support/UiDriver.h"

namespace {
const std::vector<std::string> kMainWindowItems = {
    "UtilitySpeakselection", "RecipeNewRecipe", "RecipeDeleteRecipe", "FileClose", "RecipeNextRecipe",
    "RecipePreviousRecipe", "FileRestorefrombackup", "FileBackupDatabase", "RecipeKitchenmode", "FileAppkFilePrint",
    "FilePageSetup", "FileExportrecipes", "RecipeUnitConverter", "StyleBold", "StyleItalic", "StyleUnderline",
    "SizeBigger", "SizeSmaller", "FormatColor", "FontShowFonts", "TextCenter", "TextAlignLeft", "TextAlignRight",
    "FontPlainText"};
const std::vector<std::string> kApplicationItems = {"FileAboutLarderwise", "FileQuit", "HelpProgramHelp"};
const std::vector<std::string> kEditItems = {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear",
                                             "EditSelectAll"};

std::vector<std::string> chosen;

// A window that shows the bar and answers every item by recording its name.
struct EveryItemWindow : Window {
    ProbeControl* probe;
    EveryItemWindow() {
        MenuBar = MenuBar1();
        probe = add<ProbeControl>("probe");
        std::vector<std::string> names = kMainWindowItems;
        names.insert(names.end(), kApplicationItems.begin(), kApplicationItems.end());
        names.insert(names.end(), kEditItems.begin(), kEditItems.end());
        for (const std::string& name : names)
            AddMenuHandler(name, [name] {
                chosen.push_back(name);
                return true;
            });
        EnableMenuItems = [] {
            // The two items the bar leaves to the windows.
            MenuBar1()->FindItem("EditUndo")->Enabled = true;
            MenuBar1()->FindItem("RecipeKitchenmode")->Enabled = true;
        };
    }
};

class MenuBar1Test : public ::testing::Test {
protected:
    void SetUp() override { chosen.clear(); }
    void TearDown() override { releaseMenuBar1(); }
    UiDriver ui;
};
}  // namespace

TEST_F(MenuBar1Test, EveryNameTheWindowsAndTheApplicationBindIsFound) {
    auto bar = MenuBar1();
    for (const auto* list : {&kMainWindowItems, &kApplicationItems, &kEditItems})
        for (const std::string& name : *list) EXPECT_NE(bar->FindItem(name), nullptr) << name;
    EXPECT_EQ(MenuBar1(), bar);  // one instance
}

TEST_F(MenuBar1Test, MenusAndSubmenusInOrderWithTheirCaptions) {
    auto bar = MenuBar1();
    std::vector<std::string> menus;
    for (int32_t i = 0; i < bar->Count(); ++i) menus.push_back(bar->Item(i)->Name + "=" + bar->Item(i)->Text);
    EXPECT_EQ(menus, (std::vector<std::string>{"FileMenu=&File", "EditMenu=&Edit", "FormatMenu=Format",
                                               "RecipeMenu=Recipe", "HelpMenu=Help"}));
    EXPECT_EQ(bar->FindItem("StyleBold")->Parent()->Name, "FormatFont");
    EXPECT_EQ(bar->FindItem("TextCenter")->Parent()->Name, "FormatText");
    EXPECT_EQ(bar->FindItem("FormatText")->Parent()->Name, "FormatMenu");
    // About and Quit close the File menu, About last.
    auto file = bar->Child("FileMenu");
    EXPECT_EQ(file->Item(file->Count() - 1)->Name, "FileAboutLarderwise");
    EXPECT_EQ(file->Item(file->Count() - 2)->Name, "FileQuit");
    EXPECT_NE(dynamic_cast<QuitMenuItem*>(bar->FindItem("FileQuit")), nullptr);
    EXPECT_NE(dynamic_cast<AppleMenuItem*>(bar->FindItem("FileAboutLarderwise")), nullptr);
    EXPECT_TRUE(bar->FindItem("UntitledSeparator2")->isSeparator());
}

TEST_F(MenuBar1Test, OnlyUndoAndKitchenModeAreLeftToTheWindowsToEnable) {
    std::vector<std::string> manual;
    MenuBar1()->forEach([&](MenuItem& item) {
        if (!item.AutoEnable) manual.push_back(item.Name);
    });
    EXPECT_EQ(manual, (std::vector<std::string>{"EditUndo", "RecipeKitchenmode"}));
}

TEST_F(MenuBar1Test, EveryShortcutReachesTheItemThatShowsIt) {
    Runtime::StartupSteps steps;
    steps.newAppInstance = [] { return std::make_unique<Application>(); };
    ui.start(steps);
    auto& w = implicitInstance<EveryItemWindow>();
    ui.activate(w);
    constexpr unsigned Cmd = UiDriver::Command, Shift = UiDriver::Shift;
    const std::vector<std::tuple<std::string, unsigned, std::string>> keys = {
        {"n", Cmd, "RecipeNewRecipe"},     {"w", Cmd, "FileClose"},
        {"p", Cmd | Shift, "FilePageSetup"}, {"p", Cmd, "FileAppkFilePrint"},
        {"q", Cmd, "FileQuit"},            {"z", Cmd, "EditUndo"},
        {"x", Cmd, "EditCut"},             {"c", Cmd, "EditCopy"},
        {"v", Cmd, "EditPaste"},           {"b", Cmd | Shift, "EditClear"},
        {"a", Cmd, "EditSelectAll"},       {"t", Cmd, "FontShowFonts"},
        {"b", Cmd, "StyleBold"},           {"i", Cmd, "StyleItalic"},
        {"u", Cmd, "StyleUnderline"},      {"t", Cmd | Shift, "FontPlainText"},
        {"+", Cmd, "SizeBigger"},          {"-", Cmd, "SizeSmaller"},
        {"c", Cmd | Shift, "FormatColor"}, {"{", Cmd, "TextAlignLeft"},
        {"|", Cmd, "TextCenter"},          {"}", Cmd, "TextAlignRight"},
        {"]", Cmd, "RecipeNextRecipe"},    {"[", Cmd, "RecipePreviousRecipe"},
        {"k", Cmd, "RecipeKitchenmode"},   {"u", Cmd | Shift, "RecipeUnitConverter"},
        {"?", Cmd, "HelpProgramHelp"},
    };
    for (const auto& [key, modifiers, item] : keys) {
        chosen.clear();
        ui.key(*w.probe, key, modifiers);
        EXPECT_EQ(chosen, std::vector<std::string>{item}) << "Ctrl" << ((modifiers & Shift) ? "+Shift" : "") << "+"
                                                          << key;
    }
    // Every item that shows a shortcut was reached above.
    int withShortcut = 0;
    MenuBar1()->forEach([&](MenuItem& item) { withShortcut += item.KeyboardShortcut.empty() ? 0 : 1; });
    EXPECT_EQ(withShortcut, static_cast<int>(keys.size()));
}
