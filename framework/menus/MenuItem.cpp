#include "framework/menus/MenuItem.h"

#include <algorithm>

#include "framework/menus/MenuName.h"
#include "framework/runtime/RuntimeException.h"

MenuItem::MenuItem(std::string text, std::any tag) : Text(std::move(text)), Tag(std::move(tag)) {}

MenuItem::~MenuItem() {
    // Children may outlive this item through other references; they must not
    // keep pointing at it.
    for (auto& child : children_) child->parent_ = nullptr;
}

void MenuItem::adopt(MenuItem& child) {
    if (!child.Parent()) return;
    // An item lives in one place of one tree: appending it elsewhere moves it.
    child.Parent()->Remove(child);
}

void MenuItem::Append(std::shared_ptr<MenuItem> item) {
    Insert(Count(), std::move(item));
}

void MenuItem::Insert(int32_t index, std::shared_ptr<MenuItem> item) {
    if (!item) throw NilObjectException("MenuItem.Insert: no item");
    for (MenuItem* up = this; up; up = up->parent_)
        if (up == item.get()) throw RuntimeException("MenuItem.Insert: an item cannot contain itself");
    adopt(*item);
    index = std::clamp(index, 0, Count());
    item->parent_ = this;
    children_.insert(children_.begin() + index, std::move(item));
    structureChanged();
}

void MenuItem::Remove(int32_t index) {
    if (index < 0 || index >= Count())
        throw OutOfBoundsException("MenuItem.Remove: index " + std::to_string(index) + " out of range");
    children_[static_cast<size_t>(index)]->parent_ = nullptr;
    children_.erase(children_.begin() + index);
    structureChanged();
}

void MenuItem::Remove(const MenuItem& child) {
    if (child.parent_ == this) Remove(child.Index());
}

std::shared_ptr<MenuItem> MenuItem::Item(int32_t index) const {
    if (index < 0 || index >= Count())
        throw OutOfBoundsException("MenuItem.Item: index " + std::to_string(index) + " out of range");
    return children_[static_cast<size_t>(index)];
}

int32_t MenuItem::Index() const {
    if (!parent_) return -1;
    const auto& siblings = parent_->children_;
    for (size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this) return static_cast<int32_t>(i);
    return -1;
}

std::shared_ptr<MenuItem> MenuItem::Child(const std::string& name) const {
    for (const auto& child : children_)
        if (sameMenuName(child->Name, name)) return child;
    return nullptr;
}

MenuItem* MenuItem::FindItem(const std::string& name) {
    if (sameMenuName(Name, name)) return this;
    for (const auto& child : children_)
        if (MenuItem* found = child->FindItem(name)) return found;
    return nullptr;
}


void MenuItem::forEach(const std::function<void(MenuItem&)>& visit) {
    visit(*this);
    // Index-based, so a visitor that appends to an item does not invalidate the walk.
    for (size_t i = 0; i < children_.size(); ++i) {
        auto keep = children_[i];
        keep->forEach(visit);
    }
}

MenuItem& MenuItem::root() {
    MenuItem* top = this;
    while (top->parent_) top = top->parent_;
    return *top;
}

void MenuItem::structureChanged() {
    ++root().structureRevision_;
}

int MenuBar::addObserver(Observer observer) {
    int id = nextObserverId_++;
    observers_.emplace_back(id, std::move(observer));
    return id;
}

void MenuBar::removeObserver(int id) {
    std::erase_if(observers_, [id](const auto& entry) { return entry.first == id; });
}

void MenuBar::notifyChanged() {
    // Walk a list of ids and look each one up again: an observer may go away
    // (its window closed) while others are being told.
    std::vector<int> ids;
    for (const auto& entry : observers_) ids.push_back(entry.first);
    for (int id : ids) {
        auto it = std::find_if(observers_.begin(), observers_.end(),
                               [id](const auto& entry) { return entry.first == id; });
        if (it == observers_.end()) continue;
        Observer observer = it->second;  // the entry may be erased while it runs
        observer();
    }
}
