#pragma once
// The one-line message box. Its text is always shown as plain text (a recipe
// named "<b>x</b>" appears as typed); a carriage return is a line break.
#include <cstdint>
#include <string>

// Shows text with the given button set and title and answers the button
// pressed (codes in DialogRequests.h); plain MsgBox(text) has one OK button.
int32_t MsgBox(const std::string& text, int32_t buttons = 0, const std::string& title = "");
