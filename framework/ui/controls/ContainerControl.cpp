#include "framework/ui/controls/ContainerControl.h"

#include <QRect>
#include <QString>
#include <QWidget>

namespace {
bool sameName(const std::string& a, const std::string& b) {
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

RectControl* findIn(const RectControl& parent, const std::string& name) {
    for (RectControl* c : parent.children())
        if (sameName(c->Name(), name)) return c;
    for (RectControl* c : parent.children())
        if (RectControl* found = findIn(*c, name)) return found;
    return nullptr;
}
}  // namespace

ContainerControl::ContainerControl() { setWidget(new QWidget); }

RectControl* ContainerControl::findChild(const std::string& name) const { return findIn(*this, name); }

void ContainerControl::Refresh(bool eraseBackground) {
    RectControl::Refresh(eraseBackground);
    for (RectControl* c : children()) c->Refresh(eraseBackground);
}

// The rectangle is in the container's coordinates; children keep window ones.
void ContainerControl::RefreshRect(int32_t x, int32_t y, int32_t width, int32_t height, bool eraseBackground) {
    RectControl::RefreshRect(x, y, width, height, eraseBackground);
    QRect area(Left.get() + x, Top.get() + y, std::max(width, 0), std::max(height, 0));
    for (RectControl* c : children()) {
        QRect child(c->Left.get(), c->Top.get(), std::max(c->Width.get(), 0), std::max(c->Height.get(), 0));
        if (area.intersects(child)) c->Refresh(eraseBackground);
    }
}

void ContainerControl::attached() {
    if (created_) return;
    created_ = true;
    CreateControls();
}
