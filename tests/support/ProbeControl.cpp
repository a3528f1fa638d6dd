#include "tests/support/ProbeControl.h"

#include <QWidget>

ProbeControl::ProbeControl() {
    setWidget(new QWidget);
    AcceptFocus = true;
}

std::string EventJournal::joined() const {
    std::string out;
    for (const auto& l : lines_) out += (out.empty() ? "" : " ") + l;
    return out;
}

void EventJournal::watch(RectControl& control) {
    const std::string name = control.Name();
    control.Open = [this, name] { add(name + ":Open"); };
    control.Close = [this, name] { add(name + ":Close"); };
    control.GotFocus = [this, name] { add(name + ":GotFocus"); };
    control.LostFocus = [this, name] { add(name + ":LostFocus"); };
}
