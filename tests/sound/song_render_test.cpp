// A song played by the window's model into the built-in synthesiser, rendered offline on the
// song's own clock and measured: each chord is heard on its beat, its bass at its pitch, and a
// capo raises it all.
#include "sound/devices/general_midi_soundfont.h"
#include "tests/sound/audio_analysis.h"
#include "tests/sound/rendering_sink.h"
#include "window/main_window_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tambrel {
namespace {

constexpr double kRate = 44100;

struct Rendered {
    std::vector<float> mono;
    std::vector<int> chordStarts; // in ms, when each strum was asked for
};

// Plays `song` at 120 BPM, two beats a chord (one a second), the clock ticking every 10 ms.
Rendered playSong(const char* song, int capo) {
    SynthOptions options;
    options.withAudioDriver = false;
    options.sampleRate = static_cast<int>(kRate);
    auto synth = BuiltInSynth::open(options);
    EXPECT_TRUE(synth);
    if (!synth) return {};
    audio::RenderingSink sink(*synth);
    MainWindowModel window(sink, 644);
    window.setCapo(capo);
    window.setSongText(song);
    Rendered rendered;
    window.playSong(120, 2, 0);
    rendered.chordStarts.push_back(0);
    int last = window.songPlayer().current();
    while (window.songPlayer().playing()) {
        sink.renderFrames(static_cast<std::size_t>(0.010 * kRate));
        const auto now = static_cast<std::int64_t>(sink.milliseconds());
        window.songTick(now);
        if (window.songPlayer().playing() && window.songPlayer().current() != last) {
            last = window.songPlayer().current();
            rendered.chordStarts.push_back(static_cast<int>(now));
        }
    }
    for (std::size_t i = 0; i < sink.left.size(); ++i)
        rendered.mono.push_back(0.5f * (sink.left[i] + sink.right[i]));
    return rendered;
}

std::span<const float> window(const std::vector<float>& x, double fromMs, double toMs) {
    const auto from = static_cast<std::size_t>(fromMs * kRate / 1000);
    const auto to = std::min(x.size(), static_cast<std::size_t>(toMs * kRate / 1000));
    return std::span<const float>(x).subspan(from, to - from);
}

double semitonesBetween(double hz, double reference) {
    return 12 * std::log2(hz / reference);
}

class SongRender : public ::testing::Test {
  protected:
    void SetUp() override {
        if (findGeneralMidiSoundFont().empty()) GTEST_SKIP() << "no General MIDI SoundFont";
    }
};

TEST_F(SongRender, EachChordOnItsBeatWithItsBassAtPitch) {
    const Rendered song = playSong("C Am F G", 0);
    ASSERT_EQ(song.chordStarts.size(), 4U);
    // A chord a second, within a tick of the clock.
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_NEAR(song.chordStarts[i], 1000.0 * static_cast<double>(i), 15) << "chord " << i;
    // Each strum starts with its lowest string, which sounds alone for its pause (75 ms): C3
    // (x32010), A2 (x02210), F2 (133211), G2 (320003).
    const double bass[] = {130.81, 110.0, 87.31, 98.0};
    for (std::size_t i = 0; i < 4; ++i) {
        const double at = song.chordStarts[i];
        const double hz = audio::fundamental(window(song.mono, at + 30, at + 74), kRate, 60, 400);
        EXPECT_NEAR(semitonesBetween(hz, bass[i]), 0, 0.3) << "chord " << i << ": " << hz << " Hz";
    }
    // Each chord rings until the next is struck: sound all along.
    for (double at : {500.0, 1500.0, 2500.0, 3500.0})
        EXPECT_GT(audio::rms(window(song.mono, at, at + 300)), 1e-3) << at << " ms";
}

TEST_F(SongRender, UnderACapoTheSameShapesSoundHigher) {
    // C under capo 3 is played with the A shape, whose open A string sounds three semitones
    // up, as C3.
    const Rendered song = playSong("C", 3);
    ASSERT_EQ(song.chordStarts.size(), 1U);
    const double hz = audio::fundamental(window(song.mono, 15, 70), kRate, 60, 400);
    EXPECT_NEAR(semitonesBetween(hz, 130.81), 0, 0.3) << hz << " Hz";
}

} // namespace
} // namespace tambrel
