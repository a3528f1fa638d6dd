#pragma once
// Splits design-time list text into lines: CR, LF and CRLF each end a line,
// and a final line end adds no empty line.
#include <string>
#include <vector>

std::vector<std::string> splitLines(const std::string& text);
// Splits one line into tab-separated fields.
std::vector<std::string> splitTabs(const std::string& line);
