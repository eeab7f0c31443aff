#pragma once
// How the built-in synthesiser is opened.
#include <string>
#include <vector>

namespace tambrel {

struct SynthOptions {
    std::string soundFont;       // "" = findGeneralMidiSoundFont()
    bool withAudioDriver = true; // false: nothing plays until render() is called
    double sampleRate = 48000;
    // FluidSynth audio drivers to try, in order; empty = the desktop's sound servers, then the
    // sound devices. With "file", the audio goes to audioFile as raw 16-bit stereo.
    std::vector<std::string> audioDrivers;
    std::string audioFile;
};

} // namespace tambrel
