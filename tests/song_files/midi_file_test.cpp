// The MIDI file's bytes: the writer's chunks and numbers, and a song's strums at their ticks.
#include "song_files/midi_file_song.h"
#include "song_files/midi_file_writer.h"

#include "sound/strum_pause.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tambrel {
namespace {

std::string bytes(std::initializer_list<unsigned> values) {
    std::string out;
    for (unsigned v : values) out += static_cast<char>(v);
    return out;
}

TEST(MidiFileWriter, VariableLengthNumbersAtEachByteBoundary) {
    EXPECT_EQ(variableLength(0), bytes({0x00}));
    EXPECT_EQ(variableLength(0x7F), bytes({0x7F}));
    EXPECT_EQ(variableLength(0x80), bytes({0x81, 0x00}));
    EXPECT_EQ(variableLength(0x3FFF), bytes({0xFF, 0x7F}));
    EXPECT_EQ(variableLength(0x4000), bytes({0x81, 0x80, 0x00}));
    EXPECT_EQ(variableLength(0x0FFFFFFF), bytes({0xFF, 0xFF, 0xFF, 0x7F}));
}

TEST(MidiFileWriter, HeaderTrackAndEventsInOrderOfTick) {
    MidiFileWriter file(480);
    file.noteOn(200, 0, 60, 100);
    file.tempo(0, 500000);
    file.noteOff(200, 0, 60); // at one tick, after the note-on added before it
    const std::string written = file.bytes(1000);
    const std::string track = bytes({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, // tempo
                                     0x81, 0x48, 0x90, 60,   100,              // +200
                                     0x00, 0x80, 60,   0x00,                   // +0
                                     0x86, 0x20, 0xFF, 0x2F, 0x00});           // +800 end
    EXPECT_EQ(written, "MThd" + bytes({0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0}) + "MTrk" +
                           bytes({0, 0, 0, static_cast<unsigned>(track.size())}) + track);
}

struct Event {
    long tick;
    bool on;
    int note;
    friend bool operator==(const Event&, const Event&) = default;
};

// The notes of a file written by MidiFileWriter, as absolute ticks (no running status).
std::vector<Event> notesIn(const std::string& file) {
    std::vector<Event> events;
    std::size_t at = 22; // the header chunk and the track's own header
    long tick = 0;
    while (at < file.size()) {
        long delta = 0;
        unsigned char b = 0;
        do {
            b = static_cast<unsigned char>(file[at++]);
            delta = delta << 7 | (b & 0x7F);
        } while ((b & 0x80) != 0);
        tick += delta;
        const auto status = static_cast<unsigned char>(file[at]);
        if (status == 0xFF) {
            at += 3 + static_cast<unsigned char>(file[at + 2]);
        } else if ((status & 0xF0) == 0xC0) {
            at += 2;
        } else {
            events.push_back({tick, (status & 0xF0) == 0x90, static_cast<int>(file[at + 1])});
            at += 3;
        }
    }
    return events;
}

ArrangedChord chordOf(const Fretting& frets) {
    ArrangedChord chord;
    chord.fingering = frets;
    return chord;
}

TEST(MidiFileSong, StrumsOnTheirBeatsRingUntilTheNextChord) {
    SongArrangement song;
    song.chords = {chordOf(Fretting{kMuted, 3, 2, 0, 1, 0}), ArrangedChord{},
                   chordOf(Fretting{kMuted, kMuted, 0, 2, 3, 2})};
    song.capo = 2;
    MidiFilePerformance how;
    how.bpm = 120; // a beat of 480 ticks is 500 ms: 75 ms is 72 ticks
    how.beatsPerChord = 2;
    const std::string file = midiFileOf(song, kStandardTuning, how);
    const long pause = 72;
    ASSERT_EQ(strumPauseMilliseconds(how.tempoPosition), 75);
    // C under capo 2 sounds D: A string at fret 3 + 2 is D3 (50). The chord without a
    // fingering is a silence; the last chord rings to the end of its beats.
    const std::vector<Event> expected{{0, true, 50},
                                      {pause, true, 54},
                                      {2 * pause, true, 57},
                                      {3 * pause, true, 62},
                                      {4 * pause, true, 66},
                                      {960, false, 50},
                                      {960, false, 54},
                                      {960, false, 57},
                                      {960, false, 62},
                                      {960, false, 66},
                                      {1920, true, 52},
                                      {1920 + pause, true, 59},
                                      {1920 + 2 * pause, true, 64},
                                      {1920 + 3 * pause, true, 68},
                                      {2880, false, 52},
                                      {2880, false, 59},
                                      {2880, false, 64},
                                      {2880, false, 68}};
    EXPECT_EQ(notesIn(file), expected);
    // The instrument's program: the nylon guitar, the list's first.
    EXPECT_NE(file.find(bytes({0xC0, 24})), std::string::npos);
}

TEST(MidiFileSong, AStrumTooLongForItsChordIsDrawnCloser) {
    SongArrangement song;
    song.chords = {chordOf(Fretting{0, 2, 2, 1, 0, 0}), chordOf(Fretting{0, 2, 2, 1, 0, 0})};
    MidiFilePerformance how;
    how.bpm = 300;         // a beat of 480 ticks is 200 ms
    how.beatsPerChord = 1; // six strings at 275 ms each would run far past the next chord
    how.tempoPosition = 10;
    how.instrument = 4; // the acoustic grand piano, program 0
    const std::vector<Event> events = notesIn(midiFileOf(song, kStandardTuning, how));
    ASSERT_EQ(events.size(), 24U);
    EXPECT_EQ(events[5], (Event{5 * 80, true, 64}));
    // The same notes struck again: each let go before it is struck anew.
    EXPECT_EQ(events[6], (Event{480, false, 40}));
    EXPECT_EQ(events[12], (Event{480, true, 40}));
    const std::string file = midiFileOf(song, kStandardTuning, how);
    EXPECT_NE(file.find(bytes({0xC0, 0})), std::string::npos);
}

} // namespace
} // namespace tambrel
