#pragma once
// A MIDI sink that plays into the built-in synthesiser in the render loop's own time: a pause
// renders its length of sound, so a strum is heard as it is paced, offline and exactly.
#include "sound/devices/builtin_synth.h"
#include "sound/devices/running_status_decoder.h"
#include "sound/midi_sink.h"

#include <cstddef>
#include <span>
#include <vector>

namespace tambrel::audio {

class RenderingSink : public MidiSink {
  public:
    explicit RenderingSink(BuiltInSynth& synth) : synth_(synth) {}
    void shortMessage(std::uint32_t message) override {
        if (auto event = decoder_.decode(message)) synth_.send(*event);
    }
    void setVolume(std::uint32_t volume) override { synth_.setVolume(volume); }
    void pause(int milliseconds) override {
        renderFrames(static_cast<std::size_t>(milliseconds * synth_.sampleRate() / 1000));
    }
    void renderFrames(std::size_t frames) {
        const std::size_t at = left.size();
        left.resize(at + frames);
        right.resize(at + frames);
        synth_.render(std::span(left).subspan(at), std::span(right).subspan(at));
    }
    // The time rendered so far.
    double milliseconds() const {
        return 1000.0 * static_cast<double>(left.size()) / synth_.sampleRate();
    }

    std::vector<float> left;
    std::vector<float> right;

  private:
    BuiltInSynth& synth_;
    RunningStatusDecoder decoder_;
};

} // namespace tambrel::audio
