#pragma once
// Framework-internal: one window's QMenuBar showing the shared MenuBar model.
// Before a menu opens, and when the bar is pressed, the enabling pass runs;
// every view of the bar is brought up to date after each pass, so all
// windows show the same states.
// A chosen item runs the dispatch chain of the current MenuContext.
#include <QObject>
#include <memory>
#include <string>

#include "framework/menus/QtMenuBuilder.h"

class MenuBar;
class MenuItem;
class QAction;
class QMenu;
class QMenuBar;
class QWidget;

class MenuBarView : public QObject {
    Q_OBJECT
public:
    // Makes a QMenuBar for window (its parent) showing bar. The view lives
    // as long as the QMenuBar. Also makes sure menu shortcuts are routed.
    static QMenuBar* createMenuBarWidget(std::shared_ptr<MenuBar> bar, QWidget* window);
    // The view behind a menu bar made by createMenuBarWidget, or nullptr.
    static MenuBarView* of(QMenuBar* widget);

    MenuBarView(std::shared_ptr<MenuBar> bar, QMenuBar& widget);
    ~MenuBarView() override;

    // Rebuilds after items were added or removed, else refreshes states.
    void refresh();
    // What a user opening the menu of this item does: the enabling pass, then
    // the refresh (the same as the menu's aboutToShow).
    void prepareMenu();
    // What a click on the item's action does: its command runs if enabled.
    void trigger(QAction* action);

    QAction* actionFor(const std::string& itemName) const;
    QMenuBar& widget() const { return widget_; }

    // A press on the bar while no menu is open runs the enabling pass first,
    // as opening any menu does, so the titles are up to date when it lands.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rebuild();

    std::shared_ptr<MenuBar> bar_;
    QMenuBar& widget_;
    QtMenuBuilder builder_;
    uint64_t builtRevision_ = 0;
    int observerId_ = 0;
    bool preparing_ = false;
};
