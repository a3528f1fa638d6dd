#include "utility_windows/about/AboutTexts.h"

#include "app/EndOfLine.h"
#include "framework/text/Strings.h"

namespace AboutTexts {

std::string credits() {
    const std::string paragraph = EndOfLine() + EndOfLine();
    // Five short lines: the credits field is only 52 pixels high.
    return "Written in C++ by Quillmere Software. Thanks, friends and family!" + paragraph +
           "Copyright Quillmere Software. All rights reserved." + paragraph +
           "For everyone who cooks for someone.";
}

std::string pageNotOpenedMessage() {
    return std::string("The web page ") + kWebAddress + " could not be opened: no web browser was found.";
}

std::string versionLine(int32_t major, int32_t minor, int32_t bug, const std::string& stageName) {
    return "Version " + Str(major) + "." + Str(minor) + "." + Str(bug) + " " + stageName;
}

}  // namespace AboutTexts
