#include "app/SpeakAloud.h"

#include "framework/dialogs/MsgBox.h"
#include "framework/speech/Speak.h"

const char* const kSpeechNotHeardMessage =
    "The text cannot be read aloud: no sound output or speech voice was found on this computer.";

bool speakAloud(const std::string& text) {
    if (Speak(text, true)) return true;
    MsgBox(kSpeechNotHeardMessage);
    return false;
}
