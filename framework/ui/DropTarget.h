#pragma once
// What a control or window takes when something is dropped on it: text,
// pictures, and files of the named file types (AcceptTextDrop,
// AcceptPictureDrop, AcceptFileDrop; a file belongs to a type registered
// under that name or Mac type when its extension is one of the type's). A
// drag offering none of those is refused before any DragOver or DropObject
// handler runs.
#include <functional>
#include <string>
#include <vector>

class DragItem;

class DropTarget {
public:
    void acceptText() { text_ = true; }
    void acceptPicture() { picture_ = true; }
    void acceptFile(const std::string& typeName) { fileTypes_.push_back(typeName); }
    bool acceptsAnything() const { return text_ || picture_ || !fileTypes_.empty(); }
    // Some item of the drag offers something registered here.
    bool wants(const DragItem& item) const;
    // The drag carries no file, or a file of a type registered here. An
    // editor that inserts drops itself would paste any file's text; files
    // of types it did not register go on to the window instead.
    bool takesFilesOf(const DragItem& item) const;

private:
    bool text_ = false;
    bool picture_ = false;
    std::vector<std::string> fileTypes_;
};

