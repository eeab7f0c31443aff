// Renders the C major strum ("Nylon guitar", tempo 2) offline to a WAV file and prints its level
// and the pitch of its first note, for listening to and checking the built-in synthesiser.
//     tambrel_strum_wav [out.wav [instrument index [fret list as "99 3 2 0 1 0"]]]
#include "sound/midi_playback.h"
#include "tests/sound/audio_analysis.h"
#include "tests/sound/rendering_sink.h"

#include <cstdio>
#include <cstdlib>

using namespace tambrel;

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : "c_major_strum.wav";
    SynthOptions options;
    options.withAudioDriver = false;
    options.sampleRate = 44100;
    auto synth = BuiltInSynth::open(options);
    if (!synth) {
        std::fprintf(stderr, "no General MIDI SoundFont\n");
        return 1;
    }
    audio::RenderingSink sink(*synth);
    const std::vector<float>& left = sink.left;
    const std::vector<float>& right = sink.right;
    MidiPlayback playback(sink);
    playback.selectInstrument(argc > 2 ? std::atoi(argv[2]) : 0);
    FretList frets{99, 3, 2, 0, 1, 0};
    if (argc > 3)
        std::sscanf(argv[3], "%d %d %d %d %d %d", &frets[0], &frets[1], &frets[2], &frets[3],
                    &frets[4], &frets[5]);
    MidiNoteTable table{};
    const int open[kStringCount] = {40, 45, 50, 55, 59, 64};
    for (int s = 0; s < kStringCount; ++s)
        for (int f = 0; f < kFretColumns; ++f) table[s][f] = open[s] + f;
    playback.strumVoicing(frets, table, 2);
    sink.renderFrames(static_cast<std::size_t>(2.0 * options.sampleRate));

    const double rate = synth->sampleRate();
    if (!audio::writeWav(path, left, right, static_cast<int>(rate))) return 1;
    // The first note alone sounds for its 75 ms pause: from 20 to 75 ms. Note 48 in the C major
    // chord.
    std::vector<float> first;
    for (std::size_t i = static_cast<std::size_t>(0.020 * rate); i < 0.075 * rate; ++i)
        first.push_back(0.5f * (left[i] + right[i]));
    std::printf("%s: %.2f s, %.0f Hz\n", path.c_str(), left.size() / rate, rate);
    std::printf("peak L %.3f R %.3f, rms L %.4f R %.4f\n", audio::peak(left), audio::peak(right),
                audio::rms(left), audio::rms(right));
    std::printf("first note: %.1f Hz (note 48 is 130.8 Hz)\n",
                audio::fundamental(first, rate, 60, 1000));
    return 0;
}
