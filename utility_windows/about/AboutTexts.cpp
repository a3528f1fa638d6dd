#include "utility_windows/about/AboutTexts.h"

#include "app/EndOfLine.h"
#include "framework/text/Strings.h"

namespace AboutTexts {

std::string credits() {
    const std::string paragraph = EndOfLine() + EndOfLine();
    return "Larderwise was written by Quillmere Software in C++ with Qt. Thanks to our friends and family "
           "for tasting every recipe on the way." +
           paragraph + "Copyright Quillmere Software. All rights reserved." + paragraph +
           "For everyone who cooks for someone else.";
}

std::string versionLine(int32_t major, int32_t minor, int32_t bug, const std::string& stageName) {
    return "Version " + Str(major) + "." + Str(minor) + "." + Str(bug) + " " + stageName;
}

}  // namespace AboutTexts
