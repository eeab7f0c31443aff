#pragma once
#include <cstdint>
#include <vector>

#include "sound/midi_sink.h"

namespace tambrel {

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
