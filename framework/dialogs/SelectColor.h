#pragma once
// The modal colour picker. It starts at color (0xRRGGBB); when the user
// confirms, the choice is written back and the answer is True. On cancel
// color is left as it was.
#include <cstdint>
#include <string>

bool SelectColor(uint32_t& color, const std::string& prompt);
