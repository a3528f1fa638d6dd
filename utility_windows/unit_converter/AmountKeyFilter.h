#pragma once
// Which keys the amount field takes. An amount is a plain number, a decimal
// number or a simple fraction, never negative; anything else is refused
// before it reaches the field. Kept apart from the window so the rule is
// checked key by key.
#include <string>

struct AmountKeyDecision {
    bool emptyFirst = false;    // the whole text was selected: empty it before the key
    bool refuse = false;        // the field does not take the key
    bool warnNegative = false;  // a minus on an empty amount: tell the user why
};

// key: the key as KeyDown receives it; text: the field's text before the
// key; wholeTextSelected: the selection covers all of it (an empty field
// counts); shortcutHeld: Ctrl (or Meta) is down, so the key is a command
// such as copy, paste or select all and passes untouched.
AmountKeyDecision decideAmountKey(const std::string& key, const std::string& text, bool wholeTextSelected,
                                  bool shortcutHeld);

// The message for a minus typed into an empty amount.
std::string negativeAmountMessage(const std::string& lineEnd);
