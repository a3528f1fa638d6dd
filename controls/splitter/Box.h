#pragma once
// A control's rectangle in window coordinates, as plain numbers.
#include <cstdint>

struct Box {
    int32_t left = 0, top = 0, width = 0, height = 0;
};
