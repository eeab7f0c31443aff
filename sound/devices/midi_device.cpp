#include "sound/devices/midi_device.h"

#include "sound/sound_diagnostics.h"

#include <algorithm>
#include <exception>
#include <string>
#include <type_traits>

namespace tambrel {

namespace {
// How late the player may be and still count a pause from the end of the one before; later than
// that (an output that took long to open), the pause starts afresh.
constexpr std::chrono::milliseconds kScheduleSlack{50};
} // namespace

MidiDevice::MidiDevice(MidiBackendFactory factory, int outputIndex)
    : factory_(std::move(factory)), selected_(outputIndex) {
    programs_.fill(-1);
    queue_.emplace_back(Select{outputIndex});
    try {
        player_ = std::thread([this] { run(); });
    } catch (...) {
        // Without a player the device stays silent, as without any output.
        queue_.clear();
    }
}

MidiDevice::~MidiDevice() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    wake_.notify_all();
    idle_.notify_all();
    if (player_.joinable()) player_.join();
}

void MidiDevice::shortMessage(std::uint32_t message) {
    enqueue(Message{message});
}
void MidiDevice::setVolume(std::uint32_t volume) {
    enqueue(Volume{volume});
}
void MidiDevice::pause(int milliseconds) {
    enqueue(Pause{std::max(milliseconds, 0)});
}

void MidiDevice::selectOutput(int index) {
    {
        std::lock_guard lock(mutex_);
        if (index == selected_) return;
        selected_ = index;
    }
    enqueue(Select{index});
}

int MidiDevice::selectedOutput() const {
    std::lock_guard lock(mutex_);
    return selected_;
}

bool MidiDevice::waitUntilIdle(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return idle_.wait_for(lock, timeout,
                          [this] { return stopping_ || (queue_.empty() && !busy_); });
}

void MidiDevice::enqueue(Item item) {
    {
        std::lock_guard lock(mutex_);
        if (stopping_ || !player_.joinable()) return;
        queue_.push_back(item);
    }
    wake_.notify_one();
}

void MidiDevice::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (queue_.empty()) pauseEnd_.reset(); // idle: the next strum keeps its own time
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (stopping_) break;
        Item item = queue_.front();
        queue_.pop_front();
        busy_ = true;
        if (const auto* pause = std::get_if<Pause>(&item)) {
            // Within a run of queued items a pause is counted from the end of the one before,
            // so that late wake-ups do not add up over a strum.
            const auto now = std::chrono::steady_clock::now();
            const bool keepingTime = pauseEnd_ && now - *pauseEnd_ < kScheduleSlack;
            pauseEnd_ =
                (keepingTime ? *pauseEnd_ : now) + std::chrono::milliseconds(pause->milliseconds);
            // New items wake the player too; only the end of the pause or a stop lets it go on.
            wake_.wait_until(lock, *pauseEnd_, [this] { return stopping_; });
        } else {
            // The caller must never wait for an output, so the lock is free while it plays.
            lock.unlock();
            play(item);
            lock.lock();
        }
        busy_ = false;
        if (queue_.empty()) idle_.notify_all();
    }
    lock.unlock();
    backend_.reset();
}

void MidiDevice::play(const Item& item) {
    try {
        std::visit(
            [this](const auto& it) {
                using T = std::decay_t<decltype(it)>;
                if constexpr (std::is_same_v<T, Message>) {
                    if (auto event = decoder_.decode(it.value)) deliver(*event);
                } else if constexpr (std::is_same_v<T, Volume>) {
                    volume_ = it.value;
                    if (backend_) backend_->setVolume(it.value);
                } else if constexpr (std::is_same_v<T, Select>) {
                    backend_.reset(); // one synthesiser in memory at a time
                    backend_ = factory_ ? factory_(it.index) : nullptr;
                    if (!backend_) {
                        reportSoundEvent("output " + std::to_string(it.index) +
                                         " could not be opened: no sound until another output "
                                         "is chosen");
                        return;
                    }
                    // The new output plays what was chosen on the old one.
                    for (int channel = 0; channel < 16; ++channel) {
                        if (programs_[channel] < 0) continue;
                        backend_->send(MidiEvent{static_cast<std::uint8_t>(0xC0 | channel),
                                                 static_cast<std::uint8_t>(programs_[channel]), 0,
                                                 2});
                    }
                    if (volume_ >= 0) backend_->setVolume(static_cast<std::uint32_t>(volume_));
                }
            },
            item);
    } catch (const std::exception& error) {
        // An output that fails is as silent as a missing one.
        reportFailure(item, error.what());
    } catch (...) {
        reportFailure(item, "unknown error");
    }
}

void MidiDevice::reportFailure(const Item& item, const char* what) {
    if (const auto* select = std::get_if<Select>(&item))
        reportSoundEvent("output " + std::to_string(select->index) + " failed to open: " + what);
    else
        reportSoundEvent(std::string("output failed while playing: ") + what);
}

void MidiDevice::deliver(const MidiEvent& event) {
    if (event.kind() == 0xC0) programs_[event.channel()] = event.data1;
    if (backend_) backend_->send(event);
}

} // namespace tambrel
