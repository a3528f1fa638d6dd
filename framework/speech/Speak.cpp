#include "framework/speech/Speak.h"

#include "framework/speech/EspeakSpeech.h"

#include <mutex>

namespace {

std::mutex routeMutex;
SpeechRoute currentRoute;

}  // namespace

void Speak(const std::string& text, bool interrupt) {
    SpeechRoute route;
    {
        std::lock_guard lock(routeMutex);
        route = currentRoute;
    }
    if (route)
        route(text, interrupt);
    else
        speakWithEspeak(text, interrupt);
}

void routeSpeech(SpeechRoute route) {
    std::lock_guard lock(routeMutex);
    currentRoute = std::move(route);
}
