// Time from handing a note-on to the device until its output has it: the first note of a strum
// must reach the synthesiser within 5 ms of the click. Reported as manual time per note, with the
// worst case as a counter.
#include "sound/devices/builtin_synth.h"
#include "sound/devices/midi_device.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

namespace tambrel {
namespace {

using Clock = std::chrono::steady_clock;

struct Arrivals {
    std::atomic<int> count{0};
    std::atomic<Clock::rep> last{0};
};

// Stamps each message as it arrives, after passing it on to the synthesiser if there is one.
class StampingOutput : public MidiBackend {
  public:
    StampingOutput(Arrivals& arrivals, BuiltInSynth* synth) : arrivals_(arrivals), synth_(synth) {}
    void send(const MidiEvent& event) override {
        if (synth_) synth_->send(event);
        arrivals_.last.store(Clock::now().time_since_epoch().count());
        arrivals_.count.fetch_add(1);
    }
    void setVolume(std::uint32_t) override {}

  private:
    Arrivals& arrivals_;
    BuiltInSynth* synth_;
};

void measureFirstNoteLatency(benchmark::State& state, BuiltInSynth* synth) {
    Arrivals arrivals;
    MidiDevice device([&](int) { return std::make_unique<StampingOutput>(arrivals, synth); });
    device.waitUntilIdle(std::chrono::seconds(10));
    double worst = 0;
    int note = 0;
    for (auto _ : state) {
        const int before = arrivals.count.load();
        const auto called = Clock::now();
        device.shortMessage(0x00640090 + static_cast<std::uint32_t>(40 + note) * 0x100);
        note = (note + 1) % 40;
        while (arrivals.count.load() == before) std::this_thread::yield();
        const auto arrived = Clock::time_point(Clock::duration(arrivals.last.load()));
        const double seconds = std::chrono::duration<double>(arrived - called).count();
        worst = std::max(worst, seconds);
        state.SetIterationTime(seconds);
        // Let the player fall asleep again, as between two clicks.
        state.PauseTiming();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        state.ResumeTiming();
    }
    state.counters["worst_ms"] = worst * 1000;
}

void BM_FirstNoteToOutput(benchmark::State& state) {
    measureFirstNoteLatency(state, nullptr);
}
BENCHMARK(BM_FirstNoteToOutput)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(300);

void BM_FirstNoteToBuiltInSynth(benchmark::State& state) {
    SynthOptions options;
    options.withAudioDriver = false;
    auto synth = BuiltInSynth::open(options);
    if (!synth) {
        state.SkipWithError("no General MIDI SoundFont");
        return;
    }
    synth->send(MidiEvent{0xC0, 24, 0, 2});
    measureFirstNoteLatency(state, synth.get());
}
BENCHMARK(BM_FirstNoteToBuiltInSynth)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(300);

} // namespace
} // namespace tambrel

BENCHMARK_MAIN();
