#pragma once
// The families of the fonts installed on this machine, in the toolkit's order.
#include <string>
#include <vector>

std::vector<std::string> installedFontFamilies();
