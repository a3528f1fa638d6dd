#pragma once
// The menu model: one tree of items shared by every window that shows it.
// Properties are plain fields, as in the old framework; the Qt views read them
// whenever they are brought up to date (before a menu opens, after each
// enabling pass), so a change shows in every window's menu bar.
#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class MenuItem {
public:
    explicit MenuItem(std::string text = "", std::any tag = {});
    virtual ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    std::string Name;
    // Caption; "&" marks the mnemonic, "-" alone makes a separator.
    std::string Text;
    // "Cmd+N", "Cmd+Shift+P", "Cmd++"...; Cmd is the Ctrl key here.
    std::string KeyboardShortcut;
    bool Enabled = true;
    bool Checked = false;
    // True: the enabling pass enables the item before the handlers run.
    bool AutoEnable = true;
    bool Visible = true;
    std::any Tag;

    bool isSeparator() const { return Text == "-"; }

    void Append(std::shared_ptr<MenuItem> item);
    // Inserts before position index (clamped to 0..Count()).
    void Insert(int32_t index, std::shared_ptr<MenuItem> item);
    // Removes the child at index; out of range throws OutOfBoundsException.
    void Remove(int32_t index);
    void Remove(const MenuItem& child);

    int32_t Count() const { return static_cast<int32_t>(children_.size()); }
    // The child at index (separators count); out of range throws OutOfBoundsException.
    std::shared_ptr<MenuItem> Item(int32_t index) const;
    // Position in the parent, separators counted; -1 without a parent.
    int32_t Index() const;
    MenuItem* Parent() const { return parent_; }

    // A direct child by name (case-blind), or nullptr.
    std::shared_ptr<MenuItem> Child(const std::string& name) const;
    // This item or any item below it by name (depth first, in order), or nullptr.
    MenuItem* FindItem(const std::string& name);

    // Shows this item's children as a modal pop-up menu at screen position
    // (x, y) and answers the chosen item, or nullptr when none was chosen.
    // Defined with the service that shows it, a layer above
    // (framework/dialogs/MenuPopUp.cpp): menus alone never pop one up.
    MenuItem* PopUp(int32_t x, int32_t y);

    // Visits this item and every item below it, parents before children.
    void forEach(const std::function<void(MenuItem&)>& visit);

    // The top of the tree this item belongs to.
    MenuItem& root();
    // Grows whenever an item is added or removed anywhere in this tree, so
    // views know when to rebuild rather than just refresh.
    uint64_t structureRevision() const { return structureRevision_; }

private:
    void adopt(MenuItem& child);
    void structureChanged();

    MenuItem* parent_ = nullptr;
    std::vector<std::shared_ptr<MenuItem>> children_;
    uint64_t structureRevision_ = 0;
};

// The root of a menu bar. Views of the bar register to hear when the enabling
// pass has changed the items, so every window's menu bar shows the new state.
class MenuBar : public MenuItem {
public:
    MenuBar() = default;

    using Observer = std::function<void()>;
    int addObserver(Observer observer);
    void removeObserver(int id);
    void notifyChanged();

private:
    std::vector<std::pair<int, Observer>> observers_;
    int nextObserverId_ = 1;
};

// The item classes for the about and quit commands. On this platform they
// stay where the tree puts them; only their kind is recorded.
class AppleMenuItem : public MenuItem {
public:
    using MenuItem::MenuItem;
};

class QuitMenuItem : public MenuItem {
public:
    using MenuItem::MenuItem;
};
