#pragma once
// The product's Speak: hands text to whatever speaks for the application.
// By default that is espeak (speakWithEspeak); the UI service installs its
// own route at start-up so that tests record speech instead of playing it.
#include <functional>
#include <string>

void Speak(const std::string& text, bool interrupt = false);

using SpeechRoute = std::function<void(const std::string& text, bool interrupt)>;
// Replaces the route; nullptr goes back to espeak.
void routeSpeech(SpeechRoute route);
