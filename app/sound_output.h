#pragma once
// Where the window's MIDI goes. The window opens its output here, first thing at start-up,
// and holds it until the program ends.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "midi_sink.h"

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

// Passes everything on to `device`, except while held: then it keeps the messages, in order,
// until release(). The window holds its output while a handler runs and the window is
// painted, so that a chord is seen selected before it is heard.
class DeferredMidiSink : public MidiSink {
  public:
    explicit DeferredMidiSink(MidiSink& device) : device_(device) {}

    void shortMessage(std::uint32_t message) override;
    void setVolume(std::uint32_t volume) override;
    void pause(int milliseconds) override;

    void hold() { held_ = true; }
    bool hasHeld() const { return !queue_.empty(); }
    // Sends what was kept and passes everything on again.
    void release();

  private:
    enum class Kind { Message, Volume, Pause };
    struct Item {
        Kind kind;
        std::uint32_t value;
    };
    void send(const Item& item);

    MidiSink& device_;
    bool held_ = false;
    std::vector<Item> queue_;
};

} // namespace tambrel
