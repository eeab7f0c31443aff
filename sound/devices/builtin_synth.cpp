#include "sound/devices/builtin_synth.h"

#include "sound/devices/general_midi_soundfont.h"
#include "sound/devices/sound_library_logs.h"
#include "sound/sound_diagnostics.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace tambrel {

namespace {

// Gain of the synthesiser at full volume. Six strummed notes of the General MIDI guitars and
// pianos stay below full scale with the reverb and chorus added.
constexpr double kFullGain = 0.5;

// Audio buffers: 4 periods of 256 frames are about 21 ms at 48 kHz, short enough that a strum is
// heard as the string is clicked, long enough for a busy desktop not to crackle.
constexpr int kPeriodSize = 256;
constexpr int kPeriods = 4;

// The desktop's sound servers first (PipeWire serves PulseAudio clients too), then the bare
// devices. JACK is left out: opening it may start a server; SDL needs its own set-up.
constexpr const char* kAudioDrivers[] = {"pulseaudio", "pipewire", "alsa", "oss"};

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const auto& item : items) text += (text.empty() ? "" : ", ") + item;
    return text;
}

// The SoundFont to load, "" when there is none; the diagnostics say where it was looked for.
std::string soundFontFor(const SynthOptions& options) {
    if (!options.soundFont.empty()) {
        if (::access(options.soundFont.c_str(), R_OK) == 0) return options.soundFont;
        reportSoundEvent("SoundFont " + options.soundFont +
                         " cannot be read: " + std::strerror(errno));
        return {};
    }
    std::string found = findGeneralMidiSoundFont();
    if (found.empty())
        reportSoundEvent("no General MIDI SoundFont found; looked for " +
                         joined(generalMidiSoundFontPaths()));
    else
        reportSoundEvent("General MIDI SoundFont found: " + found);
    return found;
}

std::vector<std::string> availableAudioDrivers(fluid_settings_t* settings) {
    std::vector<std::string> drivers;
    fluid_settings_foreach_option(
        settings, "audio.driver", &drivers, [](void* data, const char*, const char* option) {
            static_cast<std::vector<std::string>*>(data)->push_back(option);
        });
    return drivers;
}

} // namespace

std::unique_ptr<BuiltInSynth> BuiltInSynth::open(const SynthOptions& options) {
    routeSoundLibraryLogs();
    const std::string soundFont = soundFontFor(options);
    if (soundFont.empty()) return nullptr;

    std::unique_ptr<BuiltInSynth> self(new BuiltInSynth);
    self->settings_ = new_fluid_settings();
    if (!self->settings_) {
        reportSoundEvent("the built-in synthesiser's settings could not be made");
        return nullptr;
    }
    fluid_settings_t* settings = self->settings_;
    fluid_settings_setnum(settings, "synth.sample-rate", options.sampleRate);
    fluid_settings_setnum(settings, "synth.gain", kFullGain);
    fluid_settings_setint(settings, "synth.polyphony", 128);
    // Only the samples of the instruments in use are kept in memory: the whole General MIDI
    // set would take some 150 MB, a guitar or a piano a few.
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    fluid_settings_setint(settings, "audio.period-size", kPeriodSize);
    fluid_settings_setint(settings, "audio.periods", kPeriods);

    self->synth_ = new_fluid_synth(settings);
    if (!self->synth_) {
        reportSoundEvent("the built-in synthesiser could not be made");
        return nullptr;
    }
    double rate = options.sampleRate;
    fluid_settings_getnum(settings, "synth.sample-rate", &rate);
    self->sampleRate_ = rate;
    if (options.withAudioDriver) {
        const auto available = availableAudioDrivers(settings);
        std::vector<std::string> wanted = options.audioDrivers;
        if (wanted.empty()) wanted.assign(std::begin(kAudioDrivers), std::end(kAudioDrivers));
        if (!options.audioFile.empty()) {
            fluid_settings_setstr(settings, "audio.file.name", options.audioFile.c_str());
            fluid_settings_setstr(settings, "audio.file.type", "raw");
        }
        for (const auto& name : wanted) {
            if (std::find(available.begin(), available.end(), name) == available.end()) {
                reportSoundEvent("audio driver " + name + ": not in this FluidSynth");
                continue;
            }
            fluid_settings_setstr(settings, "audio.driver", name.c_str());
            self->driver_ = new_fluid_audio_driver(settings, self->synth_);
            if (self->driver_) {
                self->audioDriver_ = name;
                reportSoundEvent("audio driver " + name + " opened");
                break;
            }
            reportSoundEvent("audio driver " + name + " could not be opened");
        }
        if (!self->driver_) {
            reportSoundEvent("no audio driver could be opened (tried " + joined(wanted) +
                             "): the built-in synthesiser stays silent");
            return nullptr;
        }
    }
    // After the audio output: a machine without one is spared the loading. The driver plays
    // silence meanwhile.
    if (fluid_synth_sfload(self->synth_, soundFont.c_str(), 1) == FLUID_FAILED) {
        reportSoundEvent("SoundFont " + soundFont + " could not be loaded");
        return nullptr;
    }
    reportSoundEvent("SoundFont loaded: " + soundFont);
    return self;
}

BuiltInSynth::~BuiltInSynth() {
    if (driver_) delete_fluid_audio_driver(driver_);
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
}

void BuiltInSynth::send(const MidiEvent& event) {
    const int channel = event.channel();
    switch (event.kind()) {
    case 0x80:
        fluid_synth_noteoff(synth_, channel, event.data1);
        break;
    case 0x90: // velocity 0 is a note-off
        fluid_synth_noteon(synth_, channel, event.data1, event.data2);
        break;
    case 0xA0:
        fluid_synth_key_pressure(synth_, channel, event.data1, event.data2);
        break;
    case 0xB0:
        fluid_synth_cc(synth_, channel, event.data1, event.data2);
        break;
    case 0xC0:
        fluid_synth_program_change(synth_, channel, event.data1);
        break;
    case 0xD0:
        fluid_synth_channel_pressure(synth_, channel, event.data1);
        break;
    case 0xE0:
        fluid_synth_pitch_bend(synth_, channel, event.data1 | (event.data2 << 7));
        break;
    case 0xFF:
        fluid_synth_system_reset(synth_);
        break;
    default:
        break;
    }
}

void BuiltInSynth::setVolume(std::uint32_t volume) {
    // One volume control: the high word, which a stereo device would take for the right
    // channel, is not read, so both channels always sound alike.
    const double level = static_cast<double>(volume & 0xFFFF) / 0xFFFF;
    fluid_synth_set_gain(synth_, static_cast<float>(kFullGain * level));
}

void BuiltInSynth::render(std::span<float> left, std::span<float> right) {
    const std::size_t frames = std::min(left.size(), right.size());
    if (frames == 0) return;
    fluid_synth_write_float(synth_, static_cast<int>(frames), left.data(), 0, 1, right.data(), 0,
                            1);
}

} // namespace tambrel
