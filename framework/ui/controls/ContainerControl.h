#pragma once
// A control that builds and names its own children (the search field).
//
// A container creates its children in CreateControls(), which runs once it
// is on its window and before the window positions it; at that moment it
// sits at (0, 0), so coordinates written there are container coordinates.
// When the window then places the container, its children move with it.
// Children lie in creation order, later ones on top (a placeholder label
// lies over its field and takes its clicks), so nothing is ever raised.
#include "framework/runtime/RuntimeException.h"
#include "framework/ui/RectControl.h"
#include "framework/ui/Window.h"

class ContainerControl : public RectControl {
public:
    ContainerControl();

    // The child named `name` (any letter case), searched through nested
    // children too; NilObjectException when there is none of that class.
    template <class T = RectControl>
    T* child(const std::string& name) const {
        T* typed = dynamic_cast<T*>(findChild(name));
        if (!typed) throw NilObjectException("no child named " + name + " of that class");
        return typed;
    }
    RectControl* findChild(const std::string& name) const;  // nullptr when missing

    // A repaint of the container repaints the children it covers, with the
    // same erase flag (a search field redraws its pill over an erased
    // background).
    void Refresh(bool eraseBackground = true) override;
    void RefreshRect(int32_t x, int32_t y, int32_t width, int32_t height, bool eraseBackground = true) override;

protected:
    // Builds the children with add<T>(name).
    virtual void CreateControls() {}

    template <class T, class... Args>
    T* add(const std::string& name, Args&&... args) {
        return Window()->template add<T>(name, this, std::forward<Args>(args)...);
    }

    void attached() override;

private:
    bool created_ = false;
};
