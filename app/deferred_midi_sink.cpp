#include "app/deferred_midi_sink.h"

namespace tambrel {

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
