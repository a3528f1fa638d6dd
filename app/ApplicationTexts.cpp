#include "app/ApplicationTexts.h"

#include "app/EndOfLine.h"

std::string stageNameForCode(int32_t stageCode) {
    switch (stageCode) {
        case 3: return "Final";
        case 2: return "Beta";
        case 1: return "Alpha";
        case 0: return "Dev";
        default: return "";
    }
}

std::string unhandledExceptionText(int32_t errorNumber, const std::string& message) {
    return "Error 610: Unhandled Exception:" + EndOfLine() + std::to_string(errorNumber) + " : " + message +
           EndOfLine() + "Please report this error, along with what you were trying to do, to Quillmere Software support.";
}
