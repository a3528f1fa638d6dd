#pragma once
// Speech through espeak-ng. Nothing is loaded until the first request; the
// engine then starts on its own thread, so a caller never waits for voice
// data to load or for speech to finish. Audio goes out through espeak's own
// playback. A machine without a sound device (or a server without audio)
// speaks silently instead: requests are accepted and dropped, never an error,
// a crash or a hang.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Speaks `text`. With `interrupt`, speech in progress (and speech still
// waiting) is cut off first; otherwise `text` follows it. A text of blanks
// only speaks nothing, so Speak(" ", true) just stops speech. Returns at
// once (the first request waits for espeak to load its voice, a matter of
// milliseconds), answering whether the speech goes to a sound device: false
// when it is spoken silently for want of a device or a voice. Fits
// UiService::setSpeechEngine.
bool speakWithEspeak(const std::string& text, bool interrupt);

// Where speech goes. Automatic (the default) plays through the sound device
// when there looks to be one and is silent otherwise; Playback always tries
// the device (espeak reports a missing one on stderr and carries on).
enum class SpeechAudio { Automatic, Playback, Silent };
void setEspeakAudio(SpeechAudio audio);

struct SynthesizedSpeech {
    std::vector<int16_t> samples;  // mono, signed 16-bit
    int32_t sampleRate = 0;
};

// Synthesises `text` into memory instead of playing it (this stops any speech
// in progress). Nothing when espeak is not installed or the engine does not
// answer within `timeout`.
std::optional<SynthesizedSpeech> synthesizeSpeechToBuffer(
    const std::string& text, std::chrono::milliseconds timeout = std::chrono::seconds(20));

struct EspeakStatus {
    bool started = false;    // the engine thread exists
    bool available = false;  // espeak initialised
    bool audible = false;    // speaking to a sound device (not silently)
    int32_t sampleRate = 0;
    int64_t requestsHandled = 0;
};
EspeakStatus espeakStatus();

// Waits until every request made so far has been handed to espeak. False on
// timeout.
bool waitForEspeakIdle(std::chrono::milliseconds timeout);
