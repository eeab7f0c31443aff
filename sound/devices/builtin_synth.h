#pragma once
// The built-in synthesiser: FluidSynth with a General MIDI SoundFont, playing through the
// desktop's audio, or rendered by the caller when opened without an audio driver.
#include "sound/devices/midi_backend.h"
#include "sound/devices/synth_options.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

// FluidSynth's own type names, declared here to keep its header out of the program's.
struct _fluid_hashtable_t;    // NOLINT(bugprone-reserved-identifier)
struct _fluid_synth_t;        // NOLINT(bugprone-reserved-identifier)
struct _fluid_audio_driver_t; // NOLINT(bugprone-reserved-identifier)

namespace tambrel {

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
