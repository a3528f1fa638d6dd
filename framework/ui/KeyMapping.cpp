#include "framework/ui/KeyMapping.h"

#include <QChar>
#include <QString>

namespace {
std::string chr(int code) { return std::string(1, static_cast<char>(code)); }
}  // namespace

std::string keyStringFor(int qtKey, Qt::KeyboardModifiers modifiers, const std::string& text) {
    switch (qtKey) {
        case Qt::Key_Backspace: return chr(8);
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return chr(9);
        case Qt::Key_Return: return chr(13);
        case Qt::Key_Enter: return chr(3);
        case Qt::Key_Escape: return chr(27);
        case Qt::Key_Left: return chr(28);
        case Qt::Key_Right: return chr(29);
        case Qt::Key_Up: return chr(30);
        case Qt::Key_Down: return chr(31);
        case Qt::Key_Delete: return chr(127);
        case Qt::Key_Home: return chr(1);
        case Qt::Key_End: return chr(4);
        case Qt::Key_PageUp: return chr(11);
        case Qt::Key_PageDown: return chr(12);
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Meta:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
        case Qt::Key_unknown: return std::string();
        default: break;
    }
    if ((modifiers & Qt::ControlModifier) && qtKey >= 0x20 && qtKey < 0x7F) {
        // Qt reports letters upper-case; the old framework gave the plain key.
        const bool shifted = modifiers & Qt::ShiftModifier;
        char c = static_cast<char>(qtKey);
        if (c >= 'A' && c <= 'Z' && !shifted) c = static_cast<char>(c - 'A' + 'a');
        return std::string(1, c);
    }
    if (text.empty()) return std::string();
    const QString q = QString::fromStdString(text);
    const int length = (q.size() >= 2 && q[0].isHighSurrogate()) ? 2 : 1;
    return q.left(length).toStdString();
}

int macKeyCodeFor(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Left: return 123;
        case Qt::Key_Right: return 124;
        case Qt::Key_Down: return 125;
        case Qt::Key_Up: return 126;
        case Qt::Key_Return: return 36;
        case Qt::Key_Enter: return 76;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return 48;
        case Qt::Key_Backspace: return 51;
        case Qt::Key_Escape: return 53;
        case Qt::Key_Delete: return 117;
        case Qt::Key_Space: return 49;
        case Qt::Key_Home: return 115;
        case Qt::Key_End: return 119;
        case Qt::Key_PageUp: return 116;
        case Qt::Key_PageDown: return 121;
        default: break;
    }
    // Letters and digits on the old platform's ANSI layout.
    static const int letters[26] = {0,  11, 8,  2,  14, 3,  5,  4,  34, 38, 40, 37, 46,
                                    45, 31, 35, 12, 15, 1,  17, 32, 9,  13, 7,  16, 6};
    static const int digits[10] = {29, 18, 19, 20, 21, 23, 22, 26, 28, 25};
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return letters[qtKey - Qt::Key_A];
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return digits[qtKey - Qt::Key_0];
    return -1;
}
