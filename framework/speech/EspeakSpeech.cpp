#include "framework/speech/EspeakSpeech.h"

#include "framework/speech/SoundDeviceProbe.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <thread>

namespace {

// espeak keeps global state and is not thread-safe, so every call into it
// happens on the one engine thread below; callers only queue requests.

constexpr size_t kMaxBufferedSamples = 22050u * 60 * 10;  // ten minutes
// How long a speech request waits for espeak to load its voice (normally milliseconds).
constexpr std::chrono::seconds kStartWait{3};

// Where synchronous synthesis puts its samples; set only around a buffer
// synthesis on the engine thread. Atomic because during playback espeak's
// own event thread calls the same callback (with events, no samples).
std::atomic<std::vector<int16_t>*> collecting{nullptr};

int collectSamples(short* wave, int count, espeak_EVENT*) {
    std::vector<int16_t>* samples = collecting.load();
    if (!samples || !wave || count <= 0) return 0;
    if (samples->size() + static_cast<size_t>(count) > kMaxBufferedSamples) return 1;  // stop: too long
    samples->insert(samples->end(), wave, wave + count);
    return 0;
}

bool isBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

void synthesize(const std::string& text) {
    espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
}

class Engine {
public:
    ~Engine() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        if (thread_.joinable()) thread_.join();
    }

    bool speak(const std::string& text, bool interrupt) {
        std::unique_lock lock(mutex_);
        if (interrupt)  // speech still waiting here is cut off as well
            std::erase_if(queue_, [](const Job& job) { return job.kind == Job::Speak; });
        queue_.push_back({Job::Speak, text, interrupt, {}});
        startLocked();
        // Whether espeak has a voice is known once it has started. Should it
        // take unusually long, the speech is not called unheard on a guess.
        if (!idle_.wait_for(lock, kStartWait, [&] { return initialised_; })) return true;
        return status_.available && audibleLocked();
    }

    std::optional<SynthesizedSpeech> toBuffer(const std::string& text, std::chrono::milliseconds timeout) {
        auto result = std::make_shared<std::promise<std::optional<SynthesizedSpeech>>>();
        auto answer = result->get_future();
        {
            std::lock_guard lock(mutex_);
            queue_.push_back({Job::Buffer, text, true, result});
            startLocked();
        }
        if (answer.wait_for(timeout) != std::future_status::ready) return std::nullopt;
        return answer.get();
    }

    void setAudio(SpeechAudio audio) {
        std::lock_guard lock(mutex_);
        audio_ = audio;
    }

    EspeakStatus status() {
        std::lock_guard lock(mutex_);
        return status_;
    }

    bool waitIdle(std::chrono::milliseconds timeout) {
        std::unique_lock lock(mutex_);
        if (!status_.started) return true;
        return idle_.wait_for(lock, timeout, [&] { return queue_.empty() && !busy_; });
    }

private:
    struct Job {
        enum Kind { Speak, Buffer } kind;
        std::string text;
        bool interrupt;
        std::shared_ptr<std::promise<std::optional<SynthesizedSpeech>>> result;
    };
    enum class Output { None, Audio, Synchronous };

    void startLocked() {
        if (!status_.started) {
            status_.started = true;
            thread_ = std::thread([this] { run(); });
        }
        wake_.notify_all();
    }

    void run() {
        initialise();
        for (;;) {
            Job job;
            {
                std::unique_lock lock(mutex_);
                busy_ = false;
                idle_.notify_all();
                wake_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
                if (stopping_) break;
                job = std::move(queue_.front());
                queue_.pop_front();
                busy_ = true;
            }
            std::optional<SynthesizedSpeech> speech;
            if (job.kind == Job::Speak)
                handleSpeak(job);
            else
                speech = handleBuffer(job.text);
            {
                std::lock_guard lock(mutex_);
                ++status_.requestsHandled;
            }
            if (job.result) job.result->set_value(std::move(speech));  // counted before the caller wakes
        }
        // Answer anything still waiting, then let espeak go.
        std::lock_guard lock(mutex_);
        for (auto& job : queue_)
            if (job.result) job.result->set_value(std::nullopt);
        queue_.clear();
        if (status_.available) {
            espeak_Cancel();
            espeak_Terminate();
        }
    }

    void initialise() {
        // Synchronous output first: it needs no sound device, so starting
        // can never fail on audio; playback is switched on when speaking.
        const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        std::lock_guard lock(mutex_);
        initialised_ = true;
        idle_.notify_all();
        if (rate <= 0) return;  // no voice data installed: stay silent
        espeak_SetSynthCallback(collectSamples);
        espeak_SetVoiceByName("en");
        output_ = Output::Synchronous;
        status_.available = true;
        status_.sampleRate = rate;
    }

    bool audibleLocked() const {
        return audio_ == SpeechAudio::Playback || (audio_ == SpeechAudio::Automatic && soundOutputLooksAvailable());
    }

    bool wantsAudio() {
        std::lock_guard lock(mutex_);
        status_.audible = status_.available && audibleLocked();
        return status_.audible;
    }

    void handleSpeak(const Job& job) {
        if (!status().available) return;
        if (!wantsAudio()) {  // silent: accepted and dropped
            if (output_ == Output::Audio && job.interrupt) espeak_Cancel();
            return;
        }
        if (output_ != Output::Audio) {
            espeak_ng_InitializeOutput(ENOUTPUT_MODE_SPEAK_AUDIO, 0, nullptr);
            output_ = Output::Audio;
        }
        if (job.interrupt) espeak_Cancel();
        if (!isBlank(job.text)) synthesize(job.text);
    }

    std::optional<SynthesizedSpeech> handleBuffer(const std::string& text) {
        const auto state = status();
        if (!state.available) return std::nullopt;
        if (output_ != Output::Synchronous) {
            espeak_Cancel();
            espeak_Synchronize();
            espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
            output_ = Output::Synchronous;
            // Text cut off in playback can linger in espeak's translator and
            // come out with the next synthesis; run it out first.
            std::vector<int16_t> discarded;
            collecting = &discarded;
            synthesize(" ");
        }
        SynthesizedSpeech speech;
        speech.sampleRate = state.sampleRate;
        collecting = &speech.samples;
        if (!isBlank(text)) synthesize(text);
        collecting = nullptr;
        return speech;
    }

    std::mutex mutex_;
    std::condition_variable wake_, idle_;
    std::deque<Job> queue_;
    std::thread thread_;
    bool stopping_ = false;
    bool busy_ = false;
    bool initialised_ = false;  // espeak_Initialize has answered
    SpeechAudio audio_ = SpeechAudio::Automatic;
    EspeakStatus status_;
    Output output_ = Output::None;  // engine thread only
};

Engine& engine() {
    static Engine instance;
    return instance;
}

}  // namespace

bool speakWithEspeak(const std::string& text, bool interrupt) { return engine().speak(text, interrupt); }

void setEspeakAudio(SpeechAudio audio) { engine().setAudio(audio); }

std::optional<SynthesizedSpeech> synthesizeSpeechToBuffer(const std::string& text,
                                                          std::chrono::milliseconds timeout) {
    return engine().toBuffer(text, timeout);
}

EspeakStatus espeakStatus() { return engine().status(); }

bool waitForEspeakIdle(std::chrono::milliseconds timeout) { return engine().waitIdle(timeout); }
