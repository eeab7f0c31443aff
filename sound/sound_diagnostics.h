#pragma once
// What the sound code says about itself, for a user who hears nothing and wants to know why:
// which output was chosen, where the SoundFont was looked for, which audio driver opened, why a
// MIDI port could not be opened, an output that failed while playing. Silent unless the
// environment sets TAMBREL_DEBUG=1; then each event is one line on standard error, beginning
// "tambrel: sound: ".
#include <functional>
#include <string_view>

namespace tambrel {

// Whether a value of TAMBREL_DEBUG asks for the lines: anything but unset, "" and "0".
bool soundDiagnosticsRequested(const char* value);

// On when TAMBREL_DEBUG asked for them at the first call, unless set otherwise since.
bool soundDiagnosticsEnabled();
void setSoundDiagnosticsEnabled(bool enabled);

// One event as one line: "tambrel: sound: " and the message, line breaks in it turned into
// blanks. Nothing when the diagnostics are off. Safe on any thread (the player's, an audio
// driver's, the window's); lines never mix.
void reportSoundEvent(std::string_view message);

// Where the lines go, each with its beginning and without its line break; an empty writer means
// standard error. Returns the writer it replaces.
using SoundDiagnosticsWriter = std::function<void(std::string_view line)>;
SoundDiagnosticsWriter setSoundDiagnosticsWriter(SoundDiagnosticsWriter writer);

} // namespace tambrel
