#pragma once
// The program's client of the system's MIDI (the ALSA sequencer on Linux) through RtMidi, for
// listing the output ports and opening one.
#include <memory>

class RtMidiOut;

namespace tambrel {

// A client whose errors go to the sound diagnostics instead of stderr, or nullptr when the
// system has no MIDI sequencer. Throws RtMidiError when the client cannot be made.
std::unique_ptr<RtMidiOut> openRtMidiClient();

} // namespace tambrel
