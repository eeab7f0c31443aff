// The built-in synthesiser rendered offline, without an audio driver: what the program sends
// through its device must come out as the chosen instrument at the right pitch.
#include "sound/devices/builtin_synth.h"
#include "sound/devices/general_midi_soundfont.h"
#include "sound/devices/midi_device.h"
#include "sound/midi_playback.h"
#include "tests/sound/audio_analysis.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <thread>

namespace tambrel {
namespace {

constexpr double kRate = 44100;
constexpr double kC3 = 130.8128; // MIDI note 48

// Lets a device play into a synthesiser the test renders itself.
class Forwarding : public MidiBackend {
  public:
    explicit Forwarding(BuiltInSynth& synth) : synth_(synth) {}
    void send(const MidiEvent& event) override { synth_.send(event); }
    void setVolume(std::uint32_t volume) override { synth_.setVolume(volume); }

  private:
    BuiltInSynth& synth_;
};

struct Sound {
    std::vector<float> left, right, mono;
};

class BuiltInSynthOffline : public ::testing::Test {
  protected:
    void SetUp() override {
        if (findGeneralMidiSoundFont().empty()) GTEST_SKIP() << "no General MIDI SoundFont";
    }

    // A fresh synthesiser: the instrument change of `instrument` through the device, extra
    // volume settings, then note 48; one second of it.
    static Sound noteAfterInstrumentChange(int instrument, std::uint32_t volume = kFullVolume) {
        SynthOptions options;
        options.withAudioDriver = false;
        options.sampleRate = kRate;
        auto synth = BuiltInSynth::open(options);
        EXPECT_TRUE(synth) << "the SoundFont is there but did not load";
        if (!synth) return {};
        EXPECT_EQ(synth->audioDriver(), "");
        {
            MidiDevice device([&](int) { return std::make_unique<Forwarding>(*synth); });
            MidiPlayback playback(device);
            playback.selectInstrument(instrument);
            if (volume != kFullVolume) device.setVolume(volume);
            device.shortMessage(0x00643090);
            EXPECT_TRUE(device.waitUntilIdle(std::chrono::milliseconds(5000)));
        }
        Sound sound;
        const std::size_t frames = static_cast<std::size_t>(kRate);
        sound.left.resize(frames);
        sound.right.resize(frames);
        synth->render(sound.left, sound.right);
        for (std::size_t i = 0; i < frames; ++i)
            sound.mono.push_back(0.5f * (sound.left[i] + sound.right[i]));
        return sound;
    }

    // The steady part of the note, after the attack.
    static std::span<const float> body(const std::vector<float>& x) {
        return std::span<const float>(x).subspan(static_cast<std::size_t>(0.1 * kRate),
                                                 static_cast<std::size_t>(0.4 * kRate));
    }
};

TEST_F(BuiltInSynthOffline, NylonGuitarNote48SoundsAtC3OnBothChannels) {
    const Sound nylon = noteAfterInstrumentChange(0);
    ASSERT_FALSE(nylon.mono.empty());
    const double left = audio::rms(body(nylon.left));
    const double right = audio::rms(body(nylon.right));
    EXPECT_GT(left, 0.005);
    EXPECT_GT(right, 0.005) << "the right channel must not be muted by the volume setting";
    EXPECT_LT(audio::peak(nylon.left), 1.0);
    EXPECT_NEAR(left / right, 1.0, 0.5);

    const double f0 = audio::fundamental(body(nylon.mono), kRate);
    EXPECT_NEAR(f0, kC3, kC3 * 0.02);
}

TEST_F(BuiltInSynthOffline, RunningStatusProgramChangeChangesTheSound) {
    const Sound nylon = noteAfterInstrumentChange(0);
    const Sound nylonAgain = noteAfterInstrumentChange(0);
    const Sound piano = noteAfterInstrumentChange(4); // C0 00, then the bare 00
    ASSERT_FALSE(nylon.mono.empty());
    ASSERT_FALSE(piano.mono.empty());
    EXPECT_GT(audio::rms(body(piano.mono)), 0.005);
    EXPECT_NEAR(audio::fundamental(body(piano.mono), kRate), kC3, kC3 * 0.02);

    const auto nylonColour = audio::harmonicProfile(body(nylon.mono), kC3, kRate);
    const auto againColour = audio::harmonicProfile(body(nylonAgain.mono), kC3, kRate);
    const auto pianoColour = audio::harmonicProfile(body(piano.mono), kC3, kRate);
    const double same = audio::profileDistance(nylonColour, againColour);
    const double different = audio::profileDistance(nylonColour, pianoColour);
    std::printf("tone colour distance: nylon/nylon %.4f, nylon/piano %.4f\n", same, different);
    EXPECT_LT(same, 0.01);
    // Had the bare program byte been lost, both would be program 0, the piano.
    EXPECT_GT(different, 0.2);
}

TEST_F(BuiltInSynthOffline, VolumeLowWordScalesBothChannels) {
    const Sound full = noteAfterInstrumentChange(0);
    const Sound half = noteAfterInstrumentChange(0, 0x00007FFF);
    const Sound rightWordOnly = noteAfterInstrumentChange(0, 0xFFFF0000);
    ASSERT_FALSE(full.mono.empty());
    for (auto channel : {&Sound::left, &Sound::right}) {
        const double fullLevel = audio::rms(body(full.*channel));
        EXPECT_NEAR(audio::rms(body(half.*channel)) / fullLevel, 0.5, 0.05);
        // One volume control: the high word is not a channel of its own.
        EXPECT_LT(audio::rms(body(rightWordOnly.*channel)), fullLevel * 0.01);
    }
}

// The path of the desktop: the device owns the synthesiser and an audio driver renders it in
// real time on its own thread, here into a file instead of a sound card.
TEST_F(BuiltInSynthOffline, DevicePlaysThroughARunningAudioDriver) {
    const std::string file = ::testing::TempDir() + "tambrel_driver_output.raw";
    std::remove(file.c_str());
    std::string driver = "unset";
    {
        MidiDevice device([&](int) -> std::unique_ptr<MidiBackend> {
            SynthOptions options;
            options.audioDrivers = {"file"};
            options.audioFile = file;
            auto synth = BuiltInSynth::open(options);
            driver = synth ? synth->audioDriver() : "";
            return synth;
        });
        MidiPlayback playback(device);
        playback.selectInstrument(0);
        MidiNoteTable table{};
        const int open[kStringCount] = {40, 45, 50, 55, 59, 64};
        for (int s = 0; s < kStringCount; ++s)
            for (int f = 0; f < kFretColumns; ++f) table[s][f] = open[s] + f;
        playback.strumVoicing({99, 3, 2, 0, 1, 0}, table, 0);
        ASSERT_TRUE(device.waitUntilIdle(std::chrono::milliseconds(5000)));
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    EXPECT_EQ(driver, "file");

    std::ifstream in(file, std::ios::binary);
    std::vector<std::int16_t> samples;
    std::int16_t sample;
    while (in.read(reinterpret_cast<char*>(&sample), sizeof sample)) samples.push_back(sample);
    std::remove(file.c_str());
    std::vector<float> left, right;
    for (std::size_t i = 0; i + 1 < samples.size(); i += 2) {
        left.push_back(samples[i] / 32768.0f);
        right.push_back(samples[i + 1] / 32768.0f);
    }
    ASSERT_GT(left.size(), 4800u) << "at least 100 ms of audio";
    EXPECT_GT(audio::peak(left), 0.05);
    EXPECT_GT(audio::peak(right), 0.05);
}

TEST(BuiltInSynth, MissingSoundFontGivesNoSynthesiser) {
    SynthOptions options;
    options.withAudioDriver = false;
    options.soundFont = "/nonexistent/none.sf2";
    EXPECT_FALSE(BuiltInSynth::open(options));
}

} // namespace
} // namespace tambrel
