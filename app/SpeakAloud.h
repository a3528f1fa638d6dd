#pragma once
// Reading a text aloud at the user's request, as the main window's Speak
// selection and kitchen mode's Read do it: any speech in progress is cut
// off. When nothing can be heard (no sound output or no speech voice on this
// computer) the user is told so in a message box, rather than left waiting
// for a voice that never comes.
#include <string>

// True when the text is being spoken to a sound device.
bool speakAloud(const std::string& text);

// The message shown when speech cannot be heard.
extern const char* const kSpeechNotHeardMessage;
