#pragma once
// Controls the product never places, but whose classes its splitter tells
// apart (a group box is a container, an image well is content, ...). Each is
// a real, working control with the few properties a window would set.
#include <memory>

#include "framework/graphics/Color.h"
#include "framework/ui/RectControl.h"

class Picture;
class QAbstractButton;

class GroupBox : public RectControl {
public:
    GroupBox();
    Property<std::string> Caption;
};

class Rectangle : public RectControl {
public:
    Rectangle();
    Property<Color> FillColor, BorderColor;
    Property<int32_t> BorderWidth;
};

class Placard : public RectControl {
public:
    Placard();
};

class ImageWell : public RectControl {
public:
    ImageWell();
    Property<std::shared_ptr<Picture>> Image;
};

// The two check controls share their caption, value and Action.
class CheckControl : public RectControl {
public:
    Property<std::string> Caption;
    Property<bool> Value;

    Event<void()> Action;
    virtual void handleAction() { Action(); }

protected:
    explicit CheckControl(QAbstractButton* button);

private:
    QAbstractButton* button_;
};

class CheckBox : public CheckControl {
public:
    CheckBox();
};

class RadioButton : public CheckControl {
public:
    RadioButton();
};
