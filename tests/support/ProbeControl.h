#pragma once
// A minimal concrete control for framework tests: a plain widget that can
// take the focus, and a journal every test can write its events into.
#include "framework/ui/RectControl.h"

#include <string>
#include <vector>

class ProbeControl : public RectControl {
public:
    ProbeControl();
};

// Collects "name:Event" lines in the order events happen.
class EventJournal {
public:
    void add(std::string line) { lines_.push_back(std::move(line)); }
    const std::vector<std::string>& lines() const { return lines_; }
    void clear() { lines_.clear(); }
    std::string joined() const;
    // Records Open, Close, GotFocus and LostFocus of the control.
    void watch(RectControl& control);

private:
    std::vector<std::string> lines_;
};
