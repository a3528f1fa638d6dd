#pragma once
// What the font palette works on: the window it opens beside, the text it
// styles and the selection last recorded there (clicking the palette takes
// the focus from the text, so the text's own selection may no longer be the
// user's), read when the palette asks. The main window supplies it through
// the application object (Larderwise::windows), since it sits above the
// palette.
#include <cstdint>
#include <string>

class EditField;
class Window;

struct FontPaletteTarget {
    Window& beside;
    EditField& text;
    int32_t recordedSelStart;
    int32_t recordedSelLength;
    std::string recordedSelFont;
};
