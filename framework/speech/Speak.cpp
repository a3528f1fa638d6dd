#include "framework/speech/Speak.h"

#include "framework/dialogs/UiService.h"
#include "framework/speech/EspeakSpeech.h"

void installEspeakSpeech() {
    if (!UiService::speechEngine()) UiService::setSpeechEngine(speakWithEspeak);
}

void Speak(const std::string& text, bool interrupt) {
    installEspeakSpeech();
    uiService().speak(text, interrupt);
}
