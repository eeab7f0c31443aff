#include "song_files/midi_file_writer.h"

#include <algorithm>

namespace tambrel {
namespace {

char byte(unsigned value) {
    return static_cast<char>(value & 0xFFU);
}

std::string bigEndian(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = bytes - 1; i >= 0; --i) out += byte(value >> (8 * i));
    return out;
}

} // namespace

std::string variableLength(std::uint32_t value) {
    std::string out(1, byte(value & 0x7FU));
    for (value >>= 7; value > 0; value >>= 7)
        out.insert(out.begin(), byte(0x80U | (value & 0x7FU)));
    return out;
}

void MidiFileWriter::add(std::int64_t tick, std::string bytes) {
    events_.push_back({std::max<std::int64_t>(0, tick), std::move(bytes)});
}

void MidiFileWriter::tempo(std::int64_t tick, int microsecondsPerQuarter) {
    add(tick, std::string{byte(0xFF), byte(0x51), byte(0x03)} +
                  bigEndian(static_cast<std::uint32_t>(microsecondsPerQuarter), 3));
}

void MidiFileWriter::programChange(std::int64_t tick, int channel, int program) {
    add(tick, {byte(0xC0U | static_cast<unsigned>(channel)), byte(program & 0x7F)});
}

void MidiFileWriter::noteOn(std::int64_t tick, int channel, int note, int velocity) {
    add(tick,
        {byte(0x90U | static_cast<unsigned>(channel)), byte(note & 0x7F), byte(velocity & 0x7F)});
}

void MidiFileWriter::noteOff(std::int64_t tick, int channel, int note) {
    add(tick, {byte(0x80U | static_cast<unsigned>(channel)), byte(note & 0x7F), byte(0)});
}

std::string MidiFileWriter::bytes(std::int64_t endTick) const {
    std::vector<Event> ordered = events_;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const Event& a, const Event& b) { return a.tick < b.tick; });
    std::string track;
    std::int64_t now = 0;
    for (const Event& event : ordered) {
        track += variableLength(static_cast<std::uint32_t>(event.tick - now));
        track += event.bytes;
        now = event.tick;
    }
    // End of track.
    track += variableLength(static_cast<std::uint32_t>(std::max(endTick, now) - now));
    track += std::string{byte(0xFF), byte(0x2F), byte(0x00)};

    std::string file = "MThd" + bigEndian(6, 4) + bigEndian(0, 2) + bigEndian(1, 2) +
                       bigEndian(static_cast<std::uint32_t>(ticksPerQuarter_), 2);
    file += "MTrk" + bigEndian(static_cast<std::uint32_t>(track.size()), 4) + track;
    return file;
}

} // namespace tambrel
