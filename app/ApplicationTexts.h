#pragma once
// Texts the application object builds from values, as pure functions so
// their exact form can be checked without starting anything.
#include <cstdint>
#include <string>

// "Final", "Beta", "Alpha", "Dev" for stage codes 3, 2, 1, 0; "" for any
// other code (which leaves the application's stageType as it was).
std::string stageNameForCode(int32_t stageCode);

// The message of an exception nobody caught: three lines, the middle one
// "<number> : <message>" (ending in " : " when the message is empty).
std::string unhandledExceptionText(int32_t errorNumber, const std::string& message);
