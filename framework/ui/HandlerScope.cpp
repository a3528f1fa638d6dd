#include "framework/ui/HandlerScope.h"

#include <algorithm>
#include <vector>

namespace {
// Innermost last; a control appears once per handler it has running.
std::vector<const RectControl*>& runningControls() {
    static auto* controls = new std::vector<const RectControl*>;
    return *controls;
}
}  // namespace

HandlerScope::HandlerScope(const RectControl* control) : control_(control) { runningControls().push_back(control); }

HandlerScope::~HandlerScope() {
    auto& controls = runningControls();
    auto it = std::find(controls.rbegin(), controls.rend(), control_);
    if (it != controls.rend()) controls.erase(std::next(it).base());
}

bool HandlerScope::running(const RectControl* control) {
    const auto& controls = runningControls();
    return control && std::find(controls.begin(), controls.end(), control) != controls.end();
}
