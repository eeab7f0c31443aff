#include "sound/devices/rtmidi_client.h"

#include "sound/devices/sound_library_logs.h"
#include "sound/sound_diagnostics.h"

#include <RtMidi.h>

#include <unistd.h>

namespace tambrel {

namespace {

constexpr const char* kClientName = "Tambrel";

void reportRtMidiError(RtMidiError::Type, const std::string& text, void*) {
    reportSoundEvent("RtMidi: " + text);
}

// RtMidi cannot tell a machine without a MIDI system from a broken one and complains loudly on
// stderr before it throws; where the sequencer device is missing there is nothing to ask.
bool midiSystemPresent() {
#if defined(__linux__)
    return ::access("/dev/snd/seq", R_OK | W_OK) == 0;
#else
    return true;
#endif
}

} // namespace

std::unique_ptr<RtMidiOut> openRtMidiClient() {
    if (!midiSystemPresent()) {
        reportSoundEvent("no MIDI ports: the MIDI sequencer /dev/snd/seq cannot be opened");
        return nullptr;
    }
    // RtMidi talks to ALSA, whose own messages go where the synthesiser's go.
    routeSoundLibraryLogs();
#if defined(__linux__)
    constexpr RtMidi::Api api = RtMidi::LINUX_ALSA;
#else
    constexpr RtMidi::Api api = RtMidi::UNSPECIFIED;
#endif
    auto out = std::make_unique<RtMidiOut>(api, kClientName);
    out->setErrorCallback(reportRtMidiError, nullptr);
    return out;
}

} // namespace tambrel
