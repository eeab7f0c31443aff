// Resident memory with the built-in synthesiser loaded and both kinds of instrument played. A
// process of its own, so that nothing else the tests did is counted.
#include "sound/devices/builtin_synth.h"
#include "sound/devices/general_midi_soundfont.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace tambrel {
namespace {

double residentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0; // kB
    return -1;
}

TEST(BuiltInSynthMemory, StaysUnder200MegabytesWithGuitarAndPianoPlayed) {
    if (findGeneralMidiSoundFont().empty()) GTEST_SKIP() << "no General MIDI SoundFont";
    SynthOptions options;
    options.withAudioDriver = false;
    auto synth = BuiltInSynth::open(options);
    ASSERT_TRUE(synth);
    std::vector<float> left(4800), right(4800);
    for (int program : {24, 26, 27, 28, 0, 1, 2, 3, 4}) {
        synth->send(MidiEvent{0xC0, static_cast<std::uint8_t>(program), 0, 2});
        for (int note : {40, 48, 52, 55, 60, 64, 76})
            synth->send(MidiEvent{0x90, static_cast<std::uint8_t>(note), 100, 3});
        for (int block = 0; block < 5; ++block) synth->render(left, right);
    }
    const double resident = residentMegabytes();
    RecordProperty("resident_mb", std::to_string(resident));
    std::printf("resident memory with the synthesiser loaded: %.1f MB\n", resident);
    ASSERT_GT(resident, 0);
    EXPECT_LT(resident, 200.0);
}

} // namespace
} // namespace tambrel
