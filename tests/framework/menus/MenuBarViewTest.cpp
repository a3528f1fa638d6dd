#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <memory>
#include <stdexcept>

#include "framework/menus/MenuBarView.h"
#include "framework/menus/MenuDispatch.h"
#include "tests/framework/menus/FakeMenuContext.h"

namespace {

class MenuBarViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        menus.buildStandardBar();
        widget = MenuBarView::createMenuBarWidget(menus.bar, &window);
        view = MenuBarView::of(widget);
        ASSERT_NE(view, nullptr);
    }
    QMenu* menuOf(const std::string& name) { return view->actionFor(name)->menu(); }

    FakeMenuContext menus;
    ScopedMenuContext installed{menus};
    QWidget window;
    QMenuBar* widget = nullptr;
    MenuBarView* view = nullptr;
};

TEST_F(MenuBarViewTest, ShowsTheTreeWithMnemonicsSeparatorsAndShortcutTexts) {
    QList<QAction*> top = widget->actions();
    ASSERT_EQ(top.size(), 5);
    EXPECT_EQ(top[0]->text(), "&File");
    EXPECT_EQ(top[2]->text(), "Format");

    QList<QAction*> file = menuOf("FileMenu")->actions();
    ASSERT_EQ(file.size(), 6);
    EXPECT_EQ(file[0]->text(), "New Recipe\tCtrl+N");
    EXPECT_TRUE(file[2]->isSeparator());
    EXPECT_EQ(file[3]->text(), "Page Setup...\tCtrl+Shift+P");
    // Shortcuts are matched by the framework, never by Qt's shortcut map.
    EXPECT_TRUE(file[0]->shortcut().isEmpty());

    QMenu* font = menuOf("FormatFont");
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->actions()[1]->text(), "Bigger\tCtrl++");
}

TEST_F(MenuBarViewTest, OpeningAMenuRunsTheEnablingPassAndEveryWindowShowsTheResult) {
    QWidget secondWindow;
    QMenuBar* second = MenuBarView::createMenuBarWidget(menus.bar, &secondWindow);
    menus.controlEnable = [&] { menus.bar->FindItem("FormatMenu")->Enabled = false; };
    menus.editable = {StandardEdit::Copy};

    emit menuOf("FormatMenu")->aboutToShow();
    EXPECT_EQ(menus.log.front(), "control.EnableMenuItems");
    EXPECT_FALSE(view->actionFor("FormatMenu")->isEnabled());
    EXPECT_FALSE(MenuBarView::of(second)->actionFor("FormatMenu")->isEnabled());
    EXPECT_FALSE(view->actionFor("EditUndo")->isEnabled());
    EXPECT_TRUE(view->actionFor("EditCopy")->isEnabled());
}

// A menu left disabled by the last pass (the Format menu after the user was
// in another field) must still open once the focus is where it is enabled:
// pressing on the bar runs the pass before the bar decides what was hit.
TEST_F(MenuBarViewTest, PressingOnTheBarRunsThePassBeforeTheBarLooksAtTheTitle) {
    bool inText = false;
    menus.bind(menus.window, "window", "StyleBold");  // something under Format to choose
    menus.controlEnable = [&] { menus.bar->FindItem("FormatMenu")->Enabled = inText; };
    view->prepareMenu();
    QAction* format = view->actionFor("FormatMenu");
    ASSERT_FALSE(format->isEnabled());

    inText = true;
    window.resize(400, 200);
    widget->resize(400, 30);
    window.show();
    const QPoint title = widget->actionGeometry(format).center();
    QMouseEvent press(QEvent::MouseButtonPress, title, widget->mapToGlobal(title), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    EXPECT_TRUE(format->isEnabled());
    EXPECT_EQ(widget->activeAction(), format) << "the Format menu opens";
    if (QMenu* open = format->menu()) open->close();
}

TEST_F(MenuBarViewTest, TextAndCheckChangesShowAfterTheNextPass) {
    MenuItem* help = menus.bar->FindItem("HelpProgramHelp");
    help->Text = "Larderwise Help";
    help->Checked = true;
    view->prepareMenu();
    QAction* action = view->actionFor("HelpProgramHelp");
    EXPECT_EQ(action->text(), "Larderwise Help\tCtrl+?");
    EXPECT_TRUE(action->isChecked());
}

TEST_F(MenuBarViewTest, TriggeringAnActionRunsTheChainOnlyWhenEnabled) {
    menus.bind(menus.window, "window", "RecipeKitchenmode");
    view->prepareMenu();
    view->trigger(view->actionFor("RecipeKitchenmode"));
    EXPECT_EQ(std::count(menus.log.begin(), menus.log.end(), "window.RecipeKitchenmode"), 0);

    menus.windowEnable = [&] { menus.bar->FindItem("RecipeKitchenmode")->Enabled = true; };
    view->prepareMenu();
    view->trigger(view->actionFor("RecipeKitchenmode"));
    EXPECT_EQ(menus.last(), "window.RecipeKitchenmode");
}

TEST_F(MenuBarViewTest, ATriggerRunsTheItemOnceThoughEveryMenuAboveReportsIt) {
    menus.bind(menus.window, "window", "TextCenter");
    view->prepareMenu();
    QAction* center = view->actionFor("TextCenter");
    center->trigger();  // Qt raises triggered of the Text menu and of the menus above it
    emit menuOf("FormatMenu")->triggered(center);
    emit widget->triggered(center);
    EXPECT_EQ(std::count(menus.log.begin(), menus.log.end(), "window.TextCenter"), 1);
}

TEST_F(MenuBarViewTest, AnExceptionFromAHandlerGoesToTheContextNotIntoQt) {
    menus.window.AddMenuHandler("FileClose", []() -> bool { throw std::runtime_error("boom"); });
    menus.appEnable = [] { throw std::logic_error("enabling failed"); };
    view->prepareMenu();
    ASSERT_EQ(menus.escaped.size(), 1u);
    menus.appEnable = nullptr;
    view->prepareMenu();
    view->trigger(view->actionFor("FileClose"));
    ASSERT_EQ(menus.escaped.size(), 2u);
    EXPECT_THROW(std::rethrow_exception(menus.escaped.back()), std::runtime_error);
}

TEST_F(MenuBarViewTest, ItemsAddedLaterAppearAfterARefresh) {
    FakeMenuContext::add(*menus.bar->FindItem("RecipeMenu"), "RecipeExtra", "Extra", "Cmd+E");
    view->refresh();
    QAction* extra = view->actionFor("RecipeExtra");
    ASSERT_NE(extra, nullptr);
    EXPECT_EQ(extra->text(), "Extra\tCtrl+E");
}

TEST_F(MenuBarViewTest, TheViewGoesAwayWithItsMenuBar) {
    delete widget;
    // The bar must not call a view that is gone.
    runEnablingPass(menus);
    SUCCEED();
}

}  // namespace
