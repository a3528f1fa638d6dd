#pragma once
// The product's Speak. Speech goes through the UI service like every other
// call that reaches the user, so tests record it instead of hearing it; the
// real service hands it to espeak (speakWithEspeak), which this module
// installs as the service's speech engine.
#include <string>

// Starts speaking and returns at once; `interrupt` cuts off speech in
// progress, and Speak(" ", true) only stops it. Answers whether the speech
// can be heard (false: no sound output or no speech voice on this computer).
bool Speak(const std::string& text, bool interrupt = false);

// Makes espeak the UI service's speech engine unless another one has been
// installed. Speak does this itself; start-up may call it so that speech
// reaching the service by another path is heard too.
void installEspeakSpeech();
