#pragma once
// What a control or window takes when something is dropped on it: text,
// pictures, and files of the named file types (AcceptTextDrop,
// AcceptPictureDrop, AcceptFileDrop). A drag offering none of those is
// refused before any DragOver or DropObject handler runs.
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

private:
    bool text_ = false;
    bool picture_ = false;
    std::vector<std::string> fileTypes_;
};

// Whether a file belongs to a named file type. The file-type registry
// installs its own; until then the file's extension is compared with the
// type name's last part ("image/jpeg" takes .jpeg), ignoring case.
void setFileTypeMatcher(std::function<bool(const std::string& path, const std::string& typeName)> matcher);
