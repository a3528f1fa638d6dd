#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

#include "framework/dialogs/QtUiService.h"
#include "framework/menus/MenuItem.h"

namespace {

// Picks the entry with this text in the open pop-up (or the open submenu)
// the way a user does: highlight it, press Return. Empty text = Escape.
void chooseInOpenPopUp(const QString& text) {
    QTimer::singleShot(20, [text] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            ADD_FAILURE() << "No pop-up menu is open";
            return;
        }
        for (QAction* action : menu->actions())
            if (!text.isEmpty() && action->text() == text) menu->setActiveAction(action);
        QKeyEvent key(QEvent::KeyPress, text.isEmpty() ? Qt::Key_Escape : Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(menu, &key);
    });
}


TEST(QtPopUpMenu, AnswersTheChosenItemOfTheModel) {
    MenuItem menu;
    for (const char* text : {"Everywhere", "-", "Name", "Keywords"}) menu.Append(std::make_shared<MenuItem>(text));
    menu.Item(3)->Checked = true;
    QtUiService service;

    chooseInOpenPopUp("Keywords");
    MenuItem* chosen = service.popUpMenu(menu, 40, 60);
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen, menu.Item(3).get());
    EXPECT_EQ(chosen->Index(), 3);  // separators count

    chooseInOpenPopUp("");
    EXPECT_EQ(service.popUpMenu(menu, 40, 60), nullptr);
}

TEST(QtPopUpMenu, ShowsCheckMarksAndSeparators) {
    MenuItem menu;
    for (const char* text : {"Everywhere", "-", "Name"}) menu.Append(std::make_shared<MenuItem>(text));
    menu.Item(2)->Checked = true;
    QtUiService service;
    QTimer::singleShot(20, [] {
        auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(open, nullptr);
        QList<QAction*> actions = open->actions();
        ASSERT_EQ(actions.size(), 3);
        EXPECT_TRUE(actions[1]->isSeparator());
        EXPECT_TRUE(actions[2]->isChecked());
        EXPECT_FALSE(actions[0]->isChecked());
        open->close();
    });
    EXPECT_EQ(service.popUpMenu(menu, 0, 0), nullptr);
}

}  // namespace
