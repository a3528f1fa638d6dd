#include "framework/speech/Speak.h"

#include "framework/dialogs/UiService.h"
#include "framework/speech/EspeakSpeech.h"

void installEspeakSpeech() {
    if (!UiService::speechEngine()) UiService::setSpeechEngine(speakWithEspeak);
}

bool Speak(const std::string& text, bool interrupt) {
    installEspeakSpeech();
    return uiService().speak(text, interrupt);
}
