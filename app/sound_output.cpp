#include "sound_output.h"

namespace tambrel {

namespace {

// Plays nothing and waits for nothing: the program runs silently, as it does on a computer
// without a MIDI device.
class SilentMidiSink : public MidiSink {
  public:
    void shortMessage(std::uint32_t) override {}
    void setVolume(std::uint32_t) override {}
    void pause(int) override {}
};

} // namespace

std::unique_ptr<MidiSink> openMidiOutput() {
    return std::make_unique<SilentMidiSink>();
}

void DeferredMidiSink::shortMessage(std::uint32_t message) {
    send({Kind::Message, message});
}

void DeferredMidiSink::setVolume(std::uint32_t volume) {
    send({Kind::Volume, volume});
}

void DeferredMidiSink::pause(int milliseconds) {
    send({Kind::Pause, static_cast<std::uint32_t>(milliseconds)});
}

void DeferredMidiSink::send(const Item& item) {
    if (held_) {
        queue_.push_back(item);
        return;
    }
    switch (item.kind) {
    case Kind::Message:
        device_.shortMessage(item.value);
        break;
    case Kind::Volume:
        device_.setVolume(item.value);
        break;
    case Kind::Pause:
        device_.pause(static_cast<int>(item.value));
        break;
    }
}

void DeferredMidiSink::release() {
    held_ = false;
    std::vector<Item> queue;
    queue.swap(queue_);
    for (const Item& item : queue) send(item);
}

} // namespace tambrel
