#include "framework/speech/EspeakSpeech.h"
#include "framework/speech/SoundDeviceProbe.h"
#include "framework/speech/Speak.h"
#include "framework/dialogs/UiService.h"
#include "tests/support/ScriptedUiService.h"

#include <chrono>
#include <cstdlib>
#include <future>
#include <thread>
#include <gtest/gtest.h>
#include <vector>

using namespace std::chrono_literals;

namespace {

int16_t loudest(const std::vector<int16_t>& samples) {
    int16_t peak = 0;
    for (int16_t s : samples) peak = std::max<int16_t>(peak, static_cast<int16_t>(std::abs(s)));
    return peak;
}

// Tests never make a noise: on a machine with a sound device they speak
// silently; without one, Automatic is silent anyway.
class Speech : public ::testing::Test {
protected:
    void SetUp() override { setEspeakAudio(SpeechAudio::Silent); }
    void TearDown() override { setEspeakAudio(SpeechAudio::Automatic); }
};

}  // namespace

TEST_F(Speech, SpeakReturnsAtOnceAndTheEngineNeverHangs) {
    // Without a device, the automatic choice is the one to prove silent.
    if (!soundOutputLooksAvailable()) setEspeakAudio(SpeechAudio::Automatic);
    speakWithEspeak(" ", false);  // the engine is loaded
    ASSERT_TRUE(waitForEspeakIdle(30s));
    // The engine is kept busy synthesising a long text; every request made
    // meanwhile must return while that work is still going on.
    std::string longText;
    for (int i = 0; i < 100; ++i) longText += "Preheat the oven to two hundred degrees and stir the sauce slowly. ";
    auto busy = std::async(std::launch::async, [&] { return synthesizeSpeechToBuffer(longText, 120s); });
    while (waitForEspeakIdle(0ms) && busy.wait_for(0s) != std::future_status::ready) std::this_thread::yield();
    speakWithEspeak("Preheat the oven to two hundred degrees.", false);
    speakWithEspeak("Then stir.", false);
    speakWithEspeak("Stop, and say this instead.", true);
    speakWithEspeak(" ", true);  // stops speech
    speakWithEspeak("", false);
    EXPECT_EQ(busy.wait_for(0s), std::future_status::timeout) << "speaking waited for the engine";
    ASSERT_TRUE(busy.get().has_value());
    EXPECT_TRUE(waitForEspeakIdle(30s));
    const auto status = espeakStatus();
    EXPECT_TRUE(status.started);
    EXPECT_TRUE(status.available) << "espeak-ng-data should be installed";
    EXPECT_EQ(status.sampleRate, 22050);
    EXPECT_FALSE(status.audible);
}

TEST_F(Speech, SpeakingAnswersWhetherTheSpeechCanBeHeard) {
    // Blanks only: each request stops speech and makes no sound.
    EXPECT_FALSE(speakWithEspeak(" ", true)) << "silent output is not heard";
    ASSERT_TRUE(waitForEspeakIdle(30s));
    setEspeakAudio(SpeechAudio::Automatic);
    EXPECT_EQ(speakWithEspeak(" ", true), soundOutputLooksAvailable()) << "heard exactly when there is a device";
    ASSERT_TRUE(waitForEspeakIdle(30s));
    setEspeakAudio(SpeechAudio::Playback);
    EXPECT_TRUE(speakWithEspeak(" ", true)) << "the device is tried";
    ASSERT_TRUE(waitForEspeakIdle(30s));
}

TEST_F(Speech, SynthesisToABufferProducesRealSpeech) {
    const auto speech = synthesizeSpeechToBuffer("Hello world");
    ASSERT_TRUE(speech.has_value());
    EXPECT_EQ(speech->sampleRate, 22050);
    const double seconds = static_cast<double>(speech->samples.size()) / speech->sampleRate;
    EXPECT_GT(seconds, 0.3);
    EXPECT_LT(seconds, 5.0);
    EXPECT_GT(loudest(speech->samples), 1000) << "not silence";

    const auto longer = synthesizeSpeechToBuffer("Hello world, and welcome to the kitchen");
    ASSERT_TRUE(longer.has_value());
    EXPECT_GT(longer->samples.size(), speech->samples.size());

    const auto blank = synthesizeSpeechToBuffer("   ");
    ASSERT_TRUE(blank.has_value());
    EXPECT_TRUE(blank->samples.empty());
}

TEST_F(Speech, PlaybackWithoutASoundDeviceFailsQuietlyAndLeavesNothingBehind) {
    if (soundOutputLooksAvailable()) GTEST_SKIP() << "this machine has a sound device";
    const auto before = synthesizeSpeechToBuffer("Hello world");
    ASSERT_TRUE(before.has_value());

    setEspeakAudio(SpeechAudio::Playback);
    speakWithEspeak("Chop the onions finely and fry them slowly.", false);
    speakWithEspeak("Interrupted.", true);
    EXPECT_TRUE(waitForEspeakIdle(30s));
    EXPECT_TRUE(espeakStatus().audible);
    setEspeakAudio(SpeechAudio::Silent);

    // Text the missing device never played must not leak into later output.
    const auto after = synthesizeSpeechToBuffer("Hello world");
    ASSERT_TRUE(after.has_value());
    EXPECT_NEAR(static_cast<double>(after->samples.size()), static_cast<double>(before->samples.size()),
                before->samples.size() * 0.1);
}

TEST_F(Speech, SpeakGoesThroughTheUiServiceWhoseEngineIsEspeak) {
    {
        ScopedScriptedUi ui;
        Speak("Two cups of flour");
        Speak(" ", true);
        ASSERT_EQ(ui->spoken().size(), 2u);
        EXPECT_EQ(ui->spoken()[0], std::make_pair(std::string("Two cups of flour"), false));
        EXPECT_EQ(ui->spoken()[1], std::make_pair(std::string(" "), true));
    }
    ASSERT_TRUE(UiService::speechEngine());
    const auto handledBefore = espeakStatus().requestsHandled;
    UiService::speechEngine()("Salt to taste.", true);
    EXPECT_TRUE(waitForEspeakIdle(30s));
    EXPECT_EQ(espeakStatus().requestsHandled, handledBefore + 1) << "the installed engine is espeak";
}
