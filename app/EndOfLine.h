#pragma once
// The line end the program puts into its messages and stored text: the
// platform's historical carriage return (shown as a line break on screen).
#include <string>

#include "framework/files/TextOutputStream.h"

inline std::string EndOfLine() { return std::string(TextOutputStream::EndOfLine); }
