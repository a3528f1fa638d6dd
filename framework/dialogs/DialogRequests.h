#pragma once
// Plain descriptions of the modal dialogs the UiService shows. They carry
// every text and caption, so the test service can record and check them and
// the real service can build the Qt dialog from them alone.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// MsgBox button sets (buttons & 7), icons and default button, as in the old
// framework: 0 OK, 1 OK/Cancel, 2 Abort/Retry/Ignore, 3 Yes/No/Cancel,
// 4 Yes/No, 5 Retry/Cancel; +16 stop, +32 question, +48 caution, +64 note;
// +256 second button default, +512 third button default.
// Answers: 1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No.
struct MsgBoxRequest {
    std::string text;
    int32_t buttons = 0;
    std::string title;
};

struct MessageDialogButtonSpec {
    std::string caption;
    bool visible = false;
    bool isDefault = false;
};

enum class MessageDialogChoice { Action, Cancel, AlternateAction };

struct MessageDialogRequest {
    std::string title;
    std::string message;
    std::string explanation;
    int32_t icon = 0;  // 0 note, 1 caution, 2 stop, 3 question, -1 none
    MessageDialogButtonSpec action;
    MessageDialogButtonSpec cancel;
    MessageDialogButtonSpec alternateAction;
};

// One entry of a file dialog's type list: a name shown to the user and the
// file name patterns it admits ("*.rsd"). No patterns = every file.
struct FileFilter {
    std::string name;
    std::vector<std::string> patterns;
};

// What an open or save dialog shows. The save dialog also proposes a name.
struct FileDialogRequest {
    std::string title;
    std::string promptText;
    std::string actionButtonCaption;
    std::string cancelButtonCaption;
    std::string initialDirectory;  // a folder path; empty = the toolkit's choice
    std::string suggestedFileName;
    std::vector<FileFilter> filters;
};

// A drag the product starts (a picture or file dragged out of a window).
struct DragRequest {
    std::string text;
    std::vector<std::string> filePaths;
    // The picture, encoded (PNG) only when the drag really starts: a press asks
    // for its drag at once, and encoding a large photo for a press that turns
    // out to be a click would hold up the click. Empty = none.
    std::function<std::vector<uint8_t>()> pngImage;
    // The dragged area in the source window's coordinates.
    int32_t left = 0, top = 0, width = 0, height = 0;
};

enum class DragResult { None, Copy, Move, Link };
