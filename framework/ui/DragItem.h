#pragma once
// Something dragged: one or more items, each offering text, a file and/or a
// picture. A drop hands the product a DragItem positioned on its first
// item; NextItem moves on. The product also makes one (Window::NewDragItem)
// to drag a picture or file out of a window.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class FolderItem;
class Picture;

class DragItem {
public:
    // The old framework's drag actions.
    enum Action : int32_t { ActionDefault = 0, ActionCopy = 1, ActionMove = 2, ActionLink = 3 };

    struct Entry {
        std::optional<std::string> text;
        std::optional<std::string> filePath;
        std::shared_ptr<class Picture> picture;
    };

    DragItem() : entries_(1) {}
    explicit DragItem(std::vector<Entry> entries);

    bool TextAvailable() const { return current().text.has_value(); }
    std::string Text() const { return current().text.value_or(std::string()); }
    bool FolderItemAvailable() const { return current().filePath.has_value(); }
    // The file of the current item, or nullptr.
    std::shared_ptr<class FolderItem> FolderItem() const;
    const std::string& filePath() const;  // "" when none
    bool PictureAvailable() const { return current().picture != nullptr; }
    std::shared_ptr<class Picture> Picture() const { return current().picture; }
    // Moves to the next item; False (and stays) when there is none.
    bool NextItem();

    // --- dragging out -------------------------------------------------------
    void setText(std::string text) { current().text = std::move(text); }
    void setPicture(std::shared_ptr<class Picture> picture) { current().picture = std::move(picture); }
    void setFilePath(std::string path) { current().filePath = std::move(path); }
    // The dragged area in the source window's coordinates.
    int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    // Starts the drag (modal, through the UiService); answers the action
    // the drop target chose (ActionDefault when nothing took it). Called
    // from a MouseDown handler, the drag waits until the pointer has moved
    // the platform's drag distance with the button down (answering
    // ActionDefault now); a release before that is a plain click.
    int32_t Drag();

    const std::vector<Entry>& entries() const { return entries_; }

private:
    const Entry& current() const { return entries_[index_]; }
    Entry& current() { return entries_[index_]; }

    std::vector<Entry> entries_;
    size_t index_ = 0;
};
