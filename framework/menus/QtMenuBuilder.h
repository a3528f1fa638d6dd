#pragma once
// Framework-internal: shows a MenuItem subtree as Qt menus. Each view of the
// model (a window's menu bar, a pop-up) has its own builder and its own
// actions; the model stays the one source of texts and states.
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class MenuItem;
class QAction;
class QMenu;
class QWidget;

class QtMenuBuilder {
public:
    QtMenuBuilder() = default;
    ~QtMenuBuilder() { clear(); }
    QtMenuBuilder(const QtMenuBuilder&) = delete;
    QtMenuBuilder& operator=(const QtMenuBuilder&) = delete;

    // Adds one action (or submenu, or separator) per child of parent to target
    // (a QMenu or QMenuBar). Submenus are parented to owner.
    void fill(QWidget& target, MenuItem& parent, QWidget* owner);
    // Brings every action's text, state and check mark up to date.
    void sync();
    // Removes every action this builder made.
    void clear();

    // The item an action stands for; nullptr when gone or not ours.
    std::shared_ptr<MenuItem> itemFor(const QAction* action) const;
    QAction* actionFor(const MenuItem& item) const;
    // Called for each submenu made, so the view can prepare it before it opens.
    std::function<void(QMenu&)> onSubmenu;

private:
    struct Entry {
        std::weak_ptr<MenuItem> item;
        QPointer<QAction> action;
        QPointer<QMenu> submenu;  // owned by this builder when set
    };
    static void syncEntry(const Entry& entry);
    std::vector<Entry> entries_;
};
