#include "app/midi_output.h"

#ifdef TAMBREL_HAVE_SOUND_DEVICES
#include "sound/devices/midi_device.h"
#include "sound/devices/system_midi_outputs.h"
#endif

namespace tambrel {

namespace {

#ifdef TAMBREL_HAVE_SOUND_DEVICES

// The sound devices behind the window: the player thread plays what the window sends, on
// the built-in synthesiser or on the system MIDI port chosen.
class DeviceOutput : public MidiOutput {
  public:
    DeviceOutput() : device_(openDefaultMidiDevice()) {}

    void shortMessage(std::uint32_t message) override { device_->shortMessage(message); }
    void setVolume(std::uint32_t volume) override { device_->setVolume(volume); }
    void pause(int milliseconds) override { device_->pause(milliseconds); }

    std::vector<std::string> deviceNames() const override { return midiOutputChoices(); }
    int selectedDevice() const override { return device_->selectedOutput(); }
    void selectDevice(int index) override { device_->selectOutput(index); }

  private:
    std::unique_ptr<MidiDevice> device_;
};

#else

// Plays nothing and waits for nothing: the program runs silently, as it does on a computer
// without a MIDI device.
class SilentOutput : public MidiOutput {
  public:
    void shortMessage(std::uint32_t) override {}
    void setVolume(std::uint32_t) override {}
    void pause(int) override {}
};

#endif

} // namespace

std::unique_ptr<MidiOutput> openMidiOutput() {
#ifdef TAMBREL_HAVE_SOUND_DEVICES
    return std::make_unique<DeviceOutput>();
#else
    return std::make_unique<SilentOutput>();
#endif
}

} // namespace tambrel
