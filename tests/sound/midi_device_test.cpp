#include "sound/devices/midi_device.h"
#include "sound/devices/system_midi_outputs.h"
#include "sound/midi_playback.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

namespace tambrel {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// What an output received, with the time it arrived.
struct Received {
    Clock::time_point at;
    MidiEvent event;
    bool isVolume = false;
    std::uint32_t volume = 0;
};

struct Journal {
    std::mutex mutex;
    std::vector<Received> items;
    std::vector<int> opened;   // output indices, in order
    std::atomic<int> alive{0}; // outputs in existence

    std::vector<Received> snapshot() {
        std::lock_guard lock(mutex);
        return items;
    }
    std::vector<Received> notesOn() {
        std::vector<Received> notes;
        for (auto& item : snapshot())
            if (!item.isVolume && item.event.kind() == 0x90 && item.event.data2 > 0)
                notes.push_back(item);
        return notes;
    }
};

class TimestampingOutput : public MidiBackend {
  public:
    explicit TimestampingOutput(Journal& journal) : journal_(journal) { ++journal_.alive; }
    ~TimestampingOutput() override { --journal_.alive; }
    void send(const MidiEvent& event) override {
        std::lock_guard lock(journal_.mutex);
        journal_.items.push_back({Clock::now(), event});
    }
    void setVolume(std::uint32_t volume) override {
        std::lock_guard lock(journal_.mutex);
        journal_.items.push_back({Clock::now(), {}, true, volume});
    }

  private:
    Journal& journal_;
};

MidiBackendFactory fakeOutputs(Journal& journal, milliseconds openingTime = milliseconds(0),
                               int missingIndex = -1) {
    return [&journal, openingTime, missingIndex](int index) -> std::unique_ptr<MidiBackend> {
        {
            std::lock_guard lock(journal.mutex);
            journal.opened.push_back(index);
        }
        // Only one output at a time: the old one is gone before the new one opens.
        EXPECT_EQ(journal.alive.load(), 0);
        std::this_thread::sleep_for(openingTime);
        if (index == missingIndex) return nullptr;
        return std::make_unique<TimestampingOutput>(journal);
    };
}

MidiNoteTable standardTuning() {
    const int open[kStringCount] = {40, 45, 50, 55, 59, 64};
    MidiNoteTable table{};
    for (int s = 0; s < kStringCount; ++s)
        for (int f = 0; f < kFretColumns; ++f) table[s][f] = open[s] + f;
    return table;
}

const FretList kBarreF{-1, 3, 3, 2, 1, 1}; // six notes 41 48 53 57 60 65
const FretList kCMajor{99, 3, 2, 0, 1, 0}; // five notes 48 52 55 60 64

TEST(MidiDevice, StrumKeepsItsPausesOnThePlayerWhileTheCallerGoesOn) {
    Journal journal;
    MidiDevice device(fakeOutputs(journal));
    ASSERT_TRUE(device.waitUntilIdle(milliseconds(2000)));
    MidiPlayback playback(device);
    const auto table = standardTuning();

    const auto called = Clock::now();
    playback.strumVoicing(kBarreF, table, 5); // 6 x 150 ms
    const auto returned = Clock::now();
    // A click during the strum: its own strum follows, after the last pause of the first.
    playback.strumVoicing(kCMajor, table, 0);
    EXPECT_LT(millisecondsBetween(called, returned), 20.0) << "the caller must not wait";

    ASSERT_TRUE(device.waitUntilIdle(milliseconds(3000)));
    const auto notes = journal.notesOn();
    ASSERT_EQ(notes.size(), 11u);
    const int expected[] = {41, 48, 53, 57, 60, 65, 48, 52, 55, 60, 64};
    for (std::size_t i = 0; i < notes.size(); ++i) EXPECT_EQ(notes[i].event.data1, expected[i]);

    EXPECT_LT(millisecondsBetween(called, notes[0].at), 50.0) << "no wait before the first note";
    for (int i = 1; i < 6; ++i)
        EXPECT_NEAR(millisecondsBetween(notes[0].at, notes[i].at), 150.0 * i, 40.0) << i;
    // The first strum takes 900 ms on the player, its last note's pause included.
    EXPECT_NEAR(millisecondsBetween(notes[0].at, notes[6].at), 900.0, 30.0);
    for (int i = 7; i < 11; ++i)
        EXPECT_NEAR(millisecondsBetween(notes[6].at, notes[i].at), 25.0 * (i - 6), 20.0) << i;
}

TEST(MidiDevice, StrumAfterARestKeepsItsFullPauses) {
    Journal journal;
    MidiDevice device(fakeOutputs(journal));
    MidiPlayback playback(device);
    const auto table = standardTuning();
    playback.strumVoicing(kCMajor, table, 0);
    ASSERT_TRUE(device.waitUntilIdle(milliseconds(2000)));
    std::this_thread::sleep_for(milliseconds(30)); // the next click comes a little later
    playback.strumVoicing(kCMajor, table, 3);
    ASSERT_TRUE(device.waitUntilIdle(milliseconds(2000)));

    const auto notes = journal.notesOn();
    ASSERT_EQ(notes.size(), 10u);
    EXPECT_GE(millisecondsBetween(notes[5].at, notes[6].at), 95.0);
    EXPECT_NEAR(millisecondsBetween(notes[5].at, notes[9].at), 400.0, 30.0);
}

TEST(MidiDevice, InstrumentChangeReachesTheOutputAsCompleteMessages) {
    Journal journal;
    MidiDevice device(fakeOutputs(journal));
    MidiPlayback playback(device);
    playback.selectInstrument(3); // "Muted guitar"
    ASSERT_TRUE(device.waitUntilIdle(milliseconds(2000)));

    const auto items = journal.snapshot();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].event, (MidiEvent{0xC0, 0, 0, 2}));
    EXPECT_EQ(items[1].event, (MidiEvent{0xC0, 28, 0, 2}));
    EXPECT_TRUE(items[2].isVolume);
    EXPECT_EQ(items[2].volume, 0x0000FFFFu);
    EXPECT_EQ(items[3].event, (MidiEvent{0x90, 0, 0, 3}));
}

TEST(MidiDevice, SlowOpeningOutputDelaysOnlyThePlayer) {
    Journal journal;
    const auto created = Clock::now();
    MidiDevice device(fakeOutputs(journal, milliseconds(300)));
    MidiPlayback playback(device);
    playback.selectInstrument(0);
    playback.strumVoicing(kCMajor, standardTuning(), 2);
    EXPECT_LT(millisecondsBetween(created, Clock::now()), 50.0);

    ASSERT_TRUE(device.waitUntilIdle(milliseconds(3000)));
    const auto notes = journal.notesOn();
    ASSERT_EQ(notes.size(), 5u);
    EXPECT_GE(millisecondsBetween(created, notes[0].at), 290.0);
    // Nothing was lost while the output opened, and the strum kept its pauses afterwards.
    EXPECT_EQ(journal.snapshot()[1].event, (MidiEvent{0xC0, 24, 0, 2}));
    for (int i = 1; i < 5; ++i)
        EXPECT_NEAR(millisecondsBetween(notes[0].at, notes[i].at), 75.0 * i, 20.0) << i;
}

TEST(MidiDevice, ClosingCutsTheStrumShortAndDropsWhatIsQueued) {
    Journal journal;
    Clock::time_point closing;
    {
        MidiDevice device(fakeOutputs(journal));
        MidiPlayback playback(device);
        const auto table = standardTuning();
        for (int click = 0; click < 5; ++click) playback.strumVoicing(kBarreF, table, 5);
        std::this_thread::sleep_for(milliseconds(200));
        closing = Clock::now();
    }
    EXPECT_LT(millisecondsBetween(closing, Clock::now()), 100.0);
    EXPECT_EQ(journal.alive.load(), 0) << "the output is closed with the device";
    // Two notes had sounded; the other 28 were dropped.
    EXPECT_GE(journal.notesOn().size(), 1u);
    EXPECT_LE(journal.notesOn().size(), 3u);
}

TEST(MidiDevice, SwitchingOutputCarriesTheInstrumentAndVolumeOver) {
    Journal journal;
    MidiDevice device(fakeOutputs(journal));
    MidiPlayback playback(device);
    EXPECT_EQ(device.selectedOutput(), 0);
    playback.selectInstrument(1); // "Jazz guitar", program 26
    device.selectOutput(2);
    EXPECT_EQ(device.selectedOutput(), 2);
    device.selectOutput(2); // already chosen: nothing happens
    ASSERT_TRUE(device.waitUntilIdle(milliseconds(2000)));

    const auto items = journal.snapshot();
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[4].event, (MidiEvent{0xC0, 26, 0, 2}));
    EXPECT_TRUE(items[5].isVolume);
    EXPECT_EQ(items[5].volume, 0x0000FFFFu);
    EXPECT_EQ(journal.opened, (std::vector<int>{0, 2}));

    // Running status goes on across the switch, as the program sends one stream.
    device.shortMessage(0x00643C90);
    device.shortMessage(0x00006440);
    ASSERT_TRUE(device.waitUntilIdle(milliseconds(2000)));
    ASSERT_EQ(journal.notesOn().size(), 2u);
    EXPECT_EQ(journal.notesOn()[1].event, (MidiEvent{0x90, 64, 100, 3}));
}

TEST(MidiDevice, OutputThatCannotOpenLeavesTheDeviceSilent) {
    Journal journal;
    MidiDevice device(fakeOutputs(journal, milliseconds(0), /*missingIndex=*/0));
    MidiPlayback playback(device);
    playback.selectInstrument(0);
    playback.strumVoicing(kCMajor, standardTuning(), 0);
    ASSERT_TRUE(device.waitUntilIdle(milliseconds(2000)));
    EXPECT_TRUE(journal.snapshot().empty());

    // A working output chosen later plays from then on, with the instrument chosen before.
    device.selectOutput(1);
    playback.strumVoicing(kCMajor, standardTuning(), 0);
    ASSERT_TRUE(device.waitUntilIdle(milliseconds(2000)));
    EXPECT_EQ(journal.snapshot().front().event, (MidiEvent{0xC0, 24, 0, 2}));
    EXPECT_EQ(journal.notesOn().size(), 5u);
}

TEST(MidiDevice, ThrowingOutputIsSilentToo) {
    MidiDevice device([](int) -> std::unique_ptr<MidiBackend> { throw std::runtime_error("x"); });
    device.shortMessage(0x00643C90);
    EXPECT_TRUE(device.waitUntilIdle(milliseconds(2000)));
}

// On a machine without sound (no audio server, sound card or MIDI sequencer) the program's own
// device opens, plays and closes without a sound and without a wait.
TEST(DefaultMidiDevice, OpensStrumsAndClosesWithWhateverTheMachineHas) {
    const auto choices = midiOutputChoices();
    ASSERT_FALSE(choices.empty());
    EXPECT_EQ(choices.front(), kBuiltInSynthesiserName);

    const auto started = Clock::now();
    auto device = openDefaultMidiDevice();
    ASSERT_TRUE(device);
    MidiPlayback playback(*device);
    playback.selectInstrument(0);
    playback.strumVoicing(kCMajor, standardTuning(), 0);
    EXPECT_LT(millisecondsBetween(started, Clock::now()), 50.0);
    EXPECT_TRUE(device->waitUntilIdle(milliseconds(10000)));

    device->selectOutput(static_cast<int>(choices.size())); // no such port
    playback.strumVoicing(kCMajor, standardTuning(), 0);
    EXPECT_TRUE(device->waitUntilIdle(milliseconds(10000)));
    device.reset();
}

} // namespace
} // namespace tambrel
