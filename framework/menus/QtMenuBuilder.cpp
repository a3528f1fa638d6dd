#include "framework/menus/QtMenuBuilder.h"

#include <QAction>
#include <QMenu>
#include <QString>

#include "framework/menus/MenuItem.h"
#include "framework/menus/MenuShortcut.h"

namespace {

QString captionWithShortcut(const MenuItem& item) {
    QString caption = QString::fromStdString(item.Text);
    // QMenu shows what follows a tab in the shortcut column. The shortcut is
    // only shown: the framework matches keys itself.
    if (auto chord = parseShortcut(item.KeyboardShortcut))
        caption += '\t' + QString::fromStdString(shortcutDisplayText(*chord));
    return caption;
}

}  // namespace

void QtMenuBuilder::fill(QWidget& target, MenuItem& parent, QWidget* owner) {
    for (int32_t i = 0; i < parent.Count(); ++i) {
        std::shared_ptr<MenuItem> item = parent.Item(i);
        Entry entry{item, nullptr, nullptr};
        if (item->isSeparator()) {
            entry.action = new QAction(&target);
            entry.action->setSeparator(true);
        } else if (item->Count() > 0) {
            entry.submenu = new QMenu(owner);
            entry.action = entry.submenu->menuAction();
            fill(*entry.submenu, *item, owner);
            if (onSubmenu) onSubmenu(*entry.submenu);
        } else {
            entry.action = new QAction(&target);
            // Only a desktop that moves about and quit commands elsewhere
            // looks at roles; everywhere else the items stay in place.
            if (dynamic_cast<QuitMenuItem*>(item.get())) entry.action->setMenuRole(QAction::QuitRole);
            else if (dynamic_cast<AppleMenuItem*>(item.get())) entry.action->setMenuRole(QAction::AboutRole);
            else entry.action->setMenuRole(QAction::NoRole);
        }
        target.addAction(entry.action);
        entries_.push_back(entry);
        syncEntry(entry);
    }
}

void QtMenuBuilder::syncEntry(const Entry& entry) {
    auto item = entry.item.lock();
    if (!item || !entry.action) return;
    QAction& action = *entry.action;
    action.setVisible(item->Visible);
    if (item->isSeparator()) return;
    if (entry.submenu) entry.submenu->setTitle(QString::fromStdString(item->Text));
    else action.setText(captionWithShortcut(*item));
    action.setEnabled(item->Enabled);
    action.setCheckable(item->Checked);
    action.setChecked(item->Checked);
}

void QtMenuBuilder::sync() {
    for (const Entry& entry : entries_) syncEntry(entry);
}

void QtMenuBuilder::clear() {
    // Submenus first: deleting one also deletes its own actions.
    for (Entry& entry : entries_)
        if (entry.submenu) delete entry.submenu.data();
    for (Entry& entry : entries_)
        if (entry.action) delete entry.action.data();
    entries_.clear();
}

std::shared_ptr<MenuItem> QtMenuBuilder::itemFor(const QAction* action) const {
    for (const Entry& entry : entries_)
        if (entry.action == action) return entry.item.lock();
    return nullptr;
}

QAction* QtMenuBuilder::actionFor(const MenuItem& item) const {
    for (const Entry& entry : entries_)
        if (entry.item.lock().get() == &item) return entry.action;
    return nullptr;
}
