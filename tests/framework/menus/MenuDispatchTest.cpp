#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/menus/MenuDispatch.h"
#include "framework/menus/MenuShortcut.h"
#include "tests/framework/menus/FakeMenuContext.h"

namespace {

using Log = std::vector<std::string>;

class MenuDispatchTest : public ::testing::Test {
protected:
    void SetUp() override { menus.buildStandardBar(); }
    MenuItem& item(const std::string& name) { return *menus.bar->FindItem(name); }
    bool press(const std::string& shortcut) { return dispatchMenuShortcut(menus, *parseShortcut(shortcut)); }

    FakeMenuContext menus;
};

TEST_F(MenuDispatchTest, EnablingPassResetsToAutoEnableThenAsksControlWindowAndApplication) {
    for (const char* name : {"StyleBold", "RecipeKitchenmode"}) menus.bind(menus.window, "window", name);
    item("EditUndo").Enabled = true;
    item("StyleBold").Enabled = false;
    menus.windowEnable = [&] { item("RecipeKitchenmode").Enabled = true; };
    runEnablingPass(menus);
    EXPECT_EQ(menus.log, (Log{"control.EnableMenuItems", "window.EnableMenuItems", "app.EnableMenuItems"}));
    EXPECT_FALSE(item("EditUndo").Enabled);  // nobody enables it
    EXPECT_TRUE(item("StyleBold").Enabled);
    EXPECT_TRUE(item("RecipeKitchenmode").Enabled);
}

TEST_F(MenuDispatchTest, ACommandNobodyCarriesOutIsNotOffered) {
    menus.bind(menus.window, "window", "StyleBold");
    menus.bind(menus.application, "app", "FileQuit");
    menus.editable = {StandardEdit::Copy};
    menus.windowEnable = [&] { item("RecipeNewRecipe").Enabled = true; };
    runEnablingPass(menus);
    EXPECT_TRUE(item("StyleBold").Enabled);
    EXPECT_TRUE(item("FileQuit").Enabled);
    EXPECT_TRUE(item("EditCopy").Enabled) << "the focused control copies";
    EXPECT_FALSE(item("EditPaste").Enabled);
    EXPECT_FALSE(item("RecipeNewRecipe").Enabled) << "enabled, but nobody handles it";
    EXPECT_TRUE(item("FormatFont").Enabled) << "a submenu is left to the handlers";
}

TEST_F(MenuDispatchTest, AMenuWithNothingToOfferIsGrey) {
    menus.bind(menus.window, "window", "TextCenter");
    runEnablingPass(menus);
    EXPECT_FALSE(item("FormatFont").Enabled) << "none of its commands is handled";
    EXPECT_TRUE(item("FormatText").Enabled);
    EXPECT_TRUE(item("FormatMenu").Enabled);
    EXPECT_FALSE(item("RecipeMenu").Enabled);

    menus.windowEnable = [&] { item("TextCenter").Enabled = false; };
    runEnablingPass(menus);
    EXPECT_FALSE(item("FormatText").Enabled);
    EXPECT_FALSE(item("FormatMenu").Enabled) << "no submenu under it offers anything";
}

TEST_F(MenuDispatchTest, EnablingPassTellsTheViewsOfTheBar) {
    int told = 0;
    int id = menus.bar->addObserver([&] { ++told; });
    runEnablingPass(menus);
    menus.bar->removeObserver(id);
    runEnablingPass(menus);
    EXPECT_EQ(told, 1);
}

TEST_F(MenuDispatchTest, AViewRemovedWhileOthersAreToldIsNotCalled) {
    int second = 0, secondCalls = 0;
    menus.bar->addObserver([&] { menus.bar->removeObserver(second); });
    second = menus.bar->addObserver([&] { ++secondCalls; });
    runEnablingPass(menus);
    EXPECT_EQ(secondCalls, 0);
}

TEST_F(MenuDispatchTest, FrontWindowComesBeforeTheApplication) {
    menus.bind(menus.window, "window", "FileClose", false);
    menus.bind(menus.application, "app", "FileClose", false);
    EXPECT_TRUE(chooseMenuItem(menus, "FileClose"));
    EXPECT_EQ(Log(menus.log.end() - 2, menus.log.end()), (Log{"window.FileClose", "app.FileClose"}));

    menus.log.clear();
    menus.bind(menus.window, "window", "FileClose", true);
    EXPECT_TRUE(chooseMenuItem(menus, "FileClose"));
    EXPECT_EQ(menus.last(), "window.FileClose");
    EXPECT_EQ(std::count(menus.log.begin(), menus.log.end(), "app.FileClose"), 0);
}

TEST_F(MenuDispatchTest, WithAPaletteInFrontTheDocumentWindowBehindItTakesItsCommands) {
    menus.hasWindowBehind = true;
    menus.bind(menus.window, "palette", "StyleBold", true);
    menus.bind(menus.behind, "main", "StyleBold", true);
    menus.bind(menus.behind, "main", "RecipeKitchenmode", true);
    menus.bind(menus.behind, "main", "EditSelectAll", true);
    menus.bind(menus.application, "app", "FileQuit");
    menus.behindEnable = [&] { item("RecipeKitchenmode").Enabled = true; };
    menus.editable = {StandardEdit::SelectAll};

    EXPECT_TRUE(press("Cmd+K"));
    EXPECT_EQ(Log(menus.log.end() - 2, menus.log.end()), (Log{"behind.activate", "main.RecipeKitchenmode"}))
        << "the window the command acts on comes to the front first";
    EXPECT_TRUE(chooseMenuItem(menus, "StyleBold"));
    EXPECT_EQ(menus.last(), "palette.StyleBold") << "the palette's own handler comes first";
    EXPECT_TRUE(chooseMenuItem(menus, "EditSelectAll"));
    EXPECT_EQ(menus.last(), "control.edit " + std::to_string(static_cast<int>(StandardEdit::SelectAll)))
        << "editing stays with the palette's focused control";
    EXPECT_TRUE(chooseMenuItem(menus, "FileQuit"));
    EXPECT_EQ(menus.last(), "app.FileQuit");
    EXPECT_EQ(std::count(menus.log.begin(), menus.log.end(), "behind.activate"), 1);
}

TEST_F(MenuDispatchTest, ApplicationHandlersWorkWithoutAFrontWindow) {
    menus.hasFrontWindow = false;
    menus.bind(menus.application, "app", "FileQuit");
    EXPECT_TRUE(chooseMenuItem(menus, "FileQuit"));
    EXPECT_EQ(menus.last(), "app.FileQuit");
}

TEST_F(MenuDispatchTest, StandardEditingRunsOnlyWhenNoHandlerIsBound) {
    menus.editable = {StandardEdit::Copy, StandardEdit::Paste};
    EXPECT_TRUE(chooseMenuItem(menus, "EditCopy"));
    EXPECT_EQ(menus.last(), "control.edit " + std::to_string(static_cast<int>(StandardEdit::Copy)));

    // A bound handler answering False must not get a second paste on top.
    menus.bind(menus.window, "window", "EditPaste", false);
    menus.log.clear();
    EXPECT_TRUE(chooseMenuItem(menus, "EditPaste"));
    EXPECT_EQ(menus.last(), "window.EditPaste");
    EXPECT_EQ(std::count_if(menus.log.begin(), menus.log.end(),
                            [](const std::string& s) { return s.rfind("control.edit", 0) == 0; }),
              0);

    EXPECT_FALSE(chooseMenuItem(menus, "EditCut"));  // the control cannot cut
}

TEST_F(MenuDispatchTest, ChoosingADisabledItemDoesNothing) {
    menus.bind(menus.window, "window", "RecipeKitchenmode");
    EXPECT_FALSE(chooseMenuItem(menus, "RecipeKitchenmode"));  // AutoEnable False, nobody enables it
    menus.windowEnable = [&] { item("RecipeKitchenmode").Enabled = true; };
    EXPECT_TRUE(chooseMenuItem(menus, "RecipeKitchenmode"));
    EXPECT_FALSE(chooseMenuItem(menus, "NoSuchItem"));
}

TEST_F(MenuDispatchTest, ShortcutOfAnEnabledHandledItemRunsIt) {
    menus.bind(menus.window, "window", "RecipeNextRecipe");
    EXPECT_TRUE(press("Cmd+]"));
    EXPECT_EQ(menus.last(), "window.RecipeNextRecipe");
}

TEST_F(MenuDispatchTest, DisabledMenuBlocksTheShortcutsOfItsItems) {
    menus.bind(menus.window, "window", "StyleBold");
    menus.bind(menus.window, "window", "TextCenter");
    menus.controlEnable = [&] { item("FormatMenu").Enabled = false; };
    EXPECT_FALSE(press("Cmd+B"));
    EXPECT_FALSE(press("Cmd+|"));
    EXPECT_EQ(std::count(menus.log.begin(), menus.log.end(), "window.StyleBold"), 0);

    menus.controlEnable = [&] { item("FormatMenu").Enabled = true; };
    EXPECT_TRUE(press("Cmd+B"));
    EXPECT_EQ(menus.last(), "window.StyleBold");
}

TEST_F(MenuDispatchTest, EnablingPassRunsBeforeTheShortcutIsMatched) {
    menus.bind(menus.window, "window", "RecipeKitchenmode");
    bool rowSelected = false;
    menus.windowEnable = [&] { item("RecipeKitchenmode").Enabled = rowSelected; };
    EXPECT_FALSE(press("Cmd+K"));
    rowSelected = true;
    EXPECT_TRUE(press("Cmd+K"));
    EXPECT_EQ(menus.last(), "window.RecipeKitchenmode");
}

TEST_F(MenuDispatchTest, ShortcutWithNoHandlerInTheChainPassesTheKeyOn) {
    // Cmd-W in a window that binds nothing (kitchen mode) must reach its KeyDown.
    EXPECT_FALSE(press("Cmd+W"));
    EXPECT_EQ(shortcutTarget(menus, *parseShortcut("Cmd+W")), nullptr);
    menus.bind(menus.window, "window", "FileClose");
    EXPECT_EQ(shortcutTarget(menus, *parseShortcut("Cmd+W")), &item("FileClose"));
}

TEST_F(MenuDispatchTest, KeysThatAreNoShortcutRunNoEnablingPass) {
    KeyChord plain;
    plain.key = "J";
    plain.command = true;
    EXPECT_FALSE(dispatchMenuShortcut(menus, plain));
    EXPECT_TRUE(menus.log.empty());
}

TEST_F(MenuDispatchTest, ExceptionsFromHandlersReachTheCaller) {
    menus.window.AddMenuHandler("FileClose", []() -> bool { throw std::runtime_error("boom"); });
    EXPECT_THROW(chooseMenuItem(menus, "FileClose"), std::runtime_error);
}

}  // namespace
