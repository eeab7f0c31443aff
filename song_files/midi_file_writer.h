#pragma once
// A Standard MIDI File of format 0: one track of channel messages and meta events, each at its
// tick, counted in ticks of a quarter note. A dozen kinds of bytes are all a played song needs,
// so they are written here rather than through a general MIDI file library.
#include <cstdint>
#include <string>
#include <vector>

namespace tambrel {

class MidiFileWriter {
  public:
    explicit MidiFileWriter(int ticksPerQuarter) : ticksPerQuarter_(ticksPerQuarter) {}

    // Events at one tick keep the order they were added in. Channels 0..15, notes, velocities
    // and programs 0..127.
    void tempo(std::int64_t tick, int microsecondsPerQuarter);
    void programChange(std::int64_t tick, int channel, int program);
    void noteOn(std::int64_t tick, int channel, int note, int velocity);
    void noteOff(std::int64_t tick, int channel, int note);

    // The file: the header chunk, then the track in order of tick, ending at its last event (or
    // at `endTick`, when later).
    std::string bytes(std::int64_t endTick = 0) const;

  private:
    struct Event {
        std::int64_t tick;
        std::string bytes; // without the delta time
    };
    void add(std::int64_t tick, std::string bytes);

    int ticksPerQuarter_;
    std::vector<Event> events_;
};

// `value` as a variable-length quantity: seven bits a byte, the highest first, every byte but
// the last with its top bit set.
std::string variableLength(std::uint32_t value);

} // namespace tambrel
