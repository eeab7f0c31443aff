#pragma once
// The built-in synthesiser: FluidSynth with a General MIDI SoundFont, playing through the
// desktop's audio, or rendered by the caller when opened without an audio driver.
#include "midi_output.h"

#include <span>
#include <string>
#include <vector>

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_audio_driver_t;

namespace tambrel {

// The places General MIDI SoundFonts are installed to, in order of preference.
const std::vector<std::string>& generalMidiSoundFontPaths();
// The first of them that can be read, or "" when there is none.
std::string findGeneralMidiSoundFont();

struct SynthOptions {
    std::string soundFont;       // "" = findGeneralMidiSoundFont()
    bool withAudioDriver = true; // false: nothing plays until render() is called
    double sampleRate = 48000;
    // FluidSynth audio drivers to try, in order; empty = the desktop's sound servers, then the
    // sound devices. With "file", the audio goes to audioFile as raw 16-bit stereo.
    std::vector<std::string> audioDrivers;
    std::string audioFile;
};

class BuiltInSynth : public MidiBackend {
  public:
    // Loads the SoundFont (its samples on demand, per instrument in use) and opens the first
    // audio output that works. nullptr when there is no SoundFont, or no audio output although
    // one was asked for. Takes a while: call it off the user-interface thread.
    static std::unique_ptr<BuiltInSynth> open(const SynthOptions& options = {});
    ~BuiltInSynth() override;

    void send(const MidiEvent& event) override;
    // The low word scales the synthesiser's master gain, which both channels share.
    void setVolume(std::uint32_t volume) override;

    // Renders the next frames, left and right of the same length. For a synthesiser opened
    // without an audio driver.
    void render(std::span<float> left, std::span<float> right);

    double sampleRate() const { return sampleRate_; }
    // The audio driver in use ("pulseaudio", "alsa", ...), "" without one.
    const std::string& audioDriver() const { return audioDriver_; }

  private:
    BuiltInSynth() = default;

    _fluid_hashtable_t* settings_ = nullptr;
    _fluid_synth_t* synth_ = nullptr;
    _fluid_audio_driver_t* driver_ = nullptr;
    double sampleRate_ = 0;
    std::string audioDriver_;
};

} // namespace tambrel
