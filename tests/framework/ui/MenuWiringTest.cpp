// Windows and the application wired to the shared menu model.
#include "framework/menus/MenuItem.h"
#include "framework/ui/Application.h"
#include "framework/ui/Window.h"
#include "tests/support/ProbeControl.h"
#include "tests/support/UiDriver.h"

#include <QMainWindow>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace {
std::shared_ptr<MenuBar> makeBar() {
    auto bar = std::make_shared<MenuBar>();
    auto file = std::make_shared<MenuItem>("&File");
    file->Name = "FileMenu";
    auto close = std::make_shared<MenuItem>("&Close");
    close->Name = "FileClose";
    close->KeyboardShortcut = "Cmd+W";
    auto kitchen = std::make_shared<MenuItem>("&Kitchen");
    kitchen->Name = "RecipeKitchen";
    kitchen->KeyboardShortcut = "Cmd+K";
    auto all = std::make_shared<MenuItem>("Select &All");
    all->Name = "EditSelectAll";
    all->KeyboardShortcut = "Cmd+A";
    file->Append(close);
    file->Append(kitchen);
    file->Append(all);
    bar->Append(file);
    return bar;
}

struct EditingProbe : ProbeControl {
    int selectAlls = 0;
    bool canStandardEdit(const std::string& item) const override { return item == "EditSelectAll"; }
    bool doStandardEdit(const std::string& item) override { return ++selectAlls, true; }
};

struct MenuWindow : Window {
    std::vector<std::string> log;
    EditingProbe* field;
    MenuWindow(std::shared_ptr<::MenuBar> bar) {
        Width = 320;
        Height = 200;
        MenuBar = bar;
        field = add<EditingProbe>("field");
        field->KeyDown = [this](std::string key) {
            log.push_back("field:KeyDown " + key);
            return true;
        };
    }
};

class MenuWiring : public ::testing::Test {
protected:
    void SetUp() override {
        bar = makeBar();
        app = std::make_unique<Application>();
        app->MenuBar = bar;
    }
    UiDriver ui;
    std::shared_ptr<MenuBar> bar;
    std::unique_ptr<Application> app;
};
}  // namespace

TEST_F(MenuWiring, AnInstalledMenuBarSitsAboveTheClientArea) {
    MenuWindow w(bar);
    w.finishBuilding();
    ASSERT_NE(w.widget()->menuWidget(), nullptr);
    EXPECT_EQ(w.contentWidget()->size(), QSize(320, 200));
    EXPECT_GT(w.widget()->height(), 200);
    w.Show();
    ui.settle();
    EXPECT_EQ(w.contentWidget()->size(), QSize(320, 200));
    EXPECT_EQ(w.Width(), 320);
    EXPECT_EQ(w.Height(), 200);
}

TEST_F(MenuWiring, ItemsGoToTheFrontWindowThenTheApplicationThenStandardEditing) {
    MenuWindow back(bar), front(bar);
    back.finishBuilding();
    front.finishBuilding();
    back.AddMenuHandler("FileClose", [&] { return back.log.push_back("back:FileClose"), true; });
    front.AddMenuHandler("FileClose", [&] { return front.log.push_back("front:FileClose"), false; });
    app->AddMenuHandler("FileClose", [&] { return front.log.push_back("App:FileClose"), true; });
    ui.activate(back);
    ui.activate(front);
    EXPECT_TRUE(ui.chooseMenu("FileClose"));
    EXPECT_EQ(front.log, (std::vector<std::string>{"front:FileClose", "App:FileClose"}));
    EXPECT_TRUE(back.log.empty());

    ui.setFocus(*front.field);
    EXPECT_TRUE(ui.chooseMenu("EditSelectAll"));
    EXPECT_EQ(front.field->selectAlls, 1);
}

TEST_F(MenuWiring, AShortcutRunsItsHandlerBeforeTheControlSeesTheKey) {
    MenuWindow w(bar);
    w.finishBuilding();
    w.AddMenuHandler("RecipeKitchen", [&] { return w.log.push_back("RecipeKitchen"), true; });
    ui.key(*w.field, "k", UiDriver::Command);
    EXPECT_EQ(w.log, (std::vector<std::string>{"RecipeKitchen"}));
}

TEST_F(MenuWiring, AShortcutNobodyHandlesOrThatIsDisabledPassesItsKeyOn) {
    MenuWindow w(bar);
    w.finishBuilding();
    ui.key(*w.field, "w", UiDriver::Command);  // FileClose: no handler anywhere
    w.AddMenuHandler("RecipeKitchen", [&] { return w.log.push_back("RecipeKitchen"), true; });
    w.EnableMenuItems = [&] { bar->FindItem("FileMenu")->Enabled = false; };  // a disabled menu
    ui.key(*w.field, "k", UiDriver::Command);
    EXPECT_EQ(w.log, (std::vector<std::string>{"field:KeyDown w", "field:KeyDown k"}));
}

TEST_F(MenuWiring, TheApplicationsEnableMenuItemsMethodRunsTheWholePass) {
    MenuWindow w(bar);
    w.finishBuilding();
    ui.activate(w);
    MenuItem* kitchen = bar->FindItem("RecipeKitchen");
    kitchen->AutoEnable = false;
    kitchen->Enabled = true;
    std::vector<std::string> order;
    w.field->SetFocus();
    w.field->EnableMenuItems = [&] { order.push_back("field"); };
    w.EnableMenuItems = [&] { order.push_back("window"); };
    app->EnableMenuItems = [&] {
        order.push_back("App");
        EXPECT_FALSE(kitchen->Enabled);  // AutoEnable False: off until code enables it
    };
    app->EnableMenuItems();
    EXPECT_EQ(order, (std::vector<std::string>{"field", "window", "App"}));
}

TEST_F(MenuWiring, AnUnhandledShortcutReachesTheWindowsKeyDownWhenTheControlDeclinesIt) {
    MenuWindow w(bar);  // kitchen mode: its KeyDown takes Cmd-W, no FileClose handler anywhere
    w.finishBuilding();
    w.field->KeyDown = [&](std::string key) {
        w.log.push_back("field:KeyDown " + key);
        return false;
    };
    w.KeyDown = [&](std::string key) {
        w.log.push_back("window:KeyDown " + key);
        return true;
    };
    ui.key(*w.field, "w", UiDriver::Command);
    EXPECT_EQ(w.log, (std::vector<std::string>{"field:KeyDown w", "window:KeyDown w"}));
}
