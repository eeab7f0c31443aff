#pragma once
// The MIDI output device: a MidiSink that makes sound without ever blocking its caller.
//
// Everything the sink receives (short messages, the volume setting, the pauses of a strum) is
// appended to one ordered queue and played by a player thread: a pause holds back the items
// behind it, so a strum keeps its timing while the window goes on, and a strum asked for during
// another one is played after it. The player hands complete messages to an output (MidiBackend):
// the built-in synthesiser or a system MIDI port. An output that cannot be opened leaves the
// device silent; the sound diagnostics (TAMBREL_DEBUG=1) tell why.
//
// Typical use, on the user-interface thread (the program's outputs: system_midi_outputs.h):
//     auto device = tambrel::openDefaultMidiDevice();      // first thing at start-up
//     tambrel::MidiPlayback playback(*device);               // the device is the MidiSink
//     for (auto& name : tambrel::midiOutputChoices()) ...    // "MIDI output" menu items
//     device->selectOutput(index);                           // when one of them is chosen
#include "sound/devices/midi_backend.h"
#include "sound/devices/running_status_decoder.h"
#include "sound/midi_sink.h"

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <variant>

namespace tambrel {

class MidiDevice : public MidiSink {
  public:
    // Starts the player, which opens output `outputIndex` through `factory` before it plays
    // anything; the constructor itself returns at once.
    explicit MidiDevice(MidiBackendFactory factory, int outputIndex = 0);
    // Stops the player: a pause in progress is cut short, what is still queued is dropped.
    ~MidiDevice() override;
    MidiDevice(const MidiDevice&) = delete;
    MidiDevice& operator=(const MidiDevice&) = delete;

    void shortMessage(std::uint32_t message) override;
    void setVolume(std::uint32_t volume) override;
    void pause(int milliseconds) override;

    // Switches to output `index` of midiOutputChoices() (0 = the built-in synthesiser), in
    // turn with what is queued before it. The new output gets the programs and the volume
    // chosen so far. Returns at once.
    void selectOutput(int index);
    // The output asked for last (the menu's checked item).
    int selectedOutput() const;

    // Waits until the player has played everything queued so far. False on timeout.
    bool waitUntilIdle(std::chrono::milliseconds timeout);

  private:
    struct Message {
        std::uint32_t value;
    };
    struct Volume {
        std::uint32_t value;
    };
    struct Pause {
        int milliseconds;
    };
    struct Select {
        int index;
    };
    using Item = std::variant<Message, Volume, Pause, Select>;

    void enqueue(Item item);
    void run();
    void play(const Item& item);
    void deliver(const MidiEvent& event);
    static void reportFailure(const Item& item, const char* what);

    MidiBackendFactory factory_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Item> queue_;
    bool busy_ = false;
    bool stopping_ = false;
    int selected_ = 0;

    // Player thread only.
    std::unique_ptr<MidiBackend> backend_;
    RunningStatusDecoder decoder_;
    std::array<int, 16> programs_{}; // per channel, -1 = never chosen
    std::int64_t volume_ = -1;       // -1 = never set
    std::optional<std::chrono::steady_clock::time_point> pauseEnd_;

    std::thread player_;
};

} // namespace tambrel
