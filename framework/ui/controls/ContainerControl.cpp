#include "framework/ui/controls/ContainerControl.h"

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

void ContainerControl::attached() {
    if (created_) return;
    created_ = true;
    CreateControls();
}
