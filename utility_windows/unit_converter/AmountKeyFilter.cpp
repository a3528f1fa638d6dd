#include "utility_windows/unit_converter/AmountKeyFilter.h"

#include "framework/text/Strings.h"

namespace {
// KeyDown's codes for the keys that edit without typing.
const std::string kBackspace = "\x08";
const std::string kLeftArrow = "\x1C";
const std::string kRightArrow = "\x1D";

bool isDigit(const std::string& key) { return key.size() == 1 && key[0] >= '0' && key[0] <= '9'; }
}  // namespace

AmountKeyDecision decideAmountKey(const std::string& key, const std::string& text, bool wholeTextSelected,
                                  bool shortcutHeld) {
    AmountKeyDecision decision;
    if (shortcutHeld) return decision;
    std::string current = text;
    if (wholeTextSelected) {
        decision.emptyFirst = true;
        current.clear();
    } else if (key == kLeftArrow || key == kRightArrow || key == kBackspace) {
        return decision;
    }
    if (key == "-") {
        decision.refuse = true;
        decision.warnNegative = current.empty();
    } else if (isDigit(key)) {
        decision.refuse = false;
    } else if (key == "/" || key == ".") {
        decision.refuse = current.find_first_of("/.") != std::string::npos;
    } else {
        decision.refuse = true;
    }
    return decision;
}

std::string negativeAmountMessage(const std::string& lineEnd) {
    return "Negative numbers not accepted for kitchen purposes." + lineEnd + lineEnd +
           "Try the Calculator application for this.";
}
