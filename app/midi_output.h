#pragma once
// Where the window's MIDI goes. The window opens its output here, first thing at start-up,
// and holds it until the program ends.
#include <memory>
#include <string>
#include <vector>

#include "sound/midi_sink.h"

namespace tambrel {

// The MIDI output of the desktop program, and the choice of the device that plays it. It must
// never block the caller: a strum's pauses are kept by the device, not by the user-interface
// thread.
class MidiOutput : public MidiSink {
  public:
    // The devices a user can choose, the built-in synthesiser first; empty when there is no
    // choice to make (a program built without sound).
    virtual std::vector<std::string> deviceNames() const { return {}; }
    // The index in deviceNames() of the device in use.
    virtual int selectedDevice() const { return 0; }
    // Plays on device `index` of deviceNames() from now on; returns at once.
    virtual void selectDevice(int) {}
};

// The built-in synthesiser, loaded in the background: the call returns at once. Without sound
// devices, no SoundFont or no audio output, the program runs silently.
std::unique_ptr<MidiOutput> openMidiOutput();

} // namespace tambrel
