#include "sound/devices/midi_event.h"
#include "sound/devices/running_status_decoder.h"

#include <gtest/gtest.h>

namespace tambrel {
namespace {

MidiEvent event(std::uint8_t status, std::uint8_t data1, std::uint8_t data2, std::uint8_t size) {
    return MidiEvent{status, data1, data2, size};
}

TEST(RunningStatusDecoder, BareProgramByteAfterProgramChangeIsASecondProgramChange) {
    RunningStatusDecoder decoder;
    EXPECT_EQ(decoder.decode(0x000000C0), event(0xC0, 0, 0, 2));
    const auto second = decoder.decode(0x00000018);
    ASSERT_TRUE(second);
    EXPECT_EQ(*second, event(0xC0, 24, 0, 2));
    EXPECT_EQ(second->kind(), 0xC0);
    EXPECT_EQ(second->channel(), 0);
    // The rest of the instrument change: the silent note-on of note 0.
    EXPECT_EQ(decoder.decode(0x00000090), event(0x90, 0, 0, 3));
    EXPECT_EQ(decoder.runningStatus(), 0x90);
}

TEST(RunningStatusDecoder, NotesWithAndWithoutStatusByte) {
    RunningStatusDecoder decoder;
    EXPECT_EQ(decoder.decode(0x00643C90), event(0x90, 60, 100, 3));
    // Note 64, velocity 100, continuing the note-on status.
    EXPECT_EQ(decoder.decode(0x00006440), event(0x90, 64, 100, 3));
    EXPECT_EQ(decoder.decode(0x00403080), event(0x80, 48, 64, 3));
    EXPECT_EQ(decoder.decode(0x00000000), event(0x80, 0, 0, 3));
    // The unused top byte of the value is not read.
    EXPECT_EQ(decoder.decode(0xFF643090), event(0x90, 48, 100, 3));
}

TEST(RunningStatusDecoder, OtherChannelsAndMessageLengths) {
    RunningStatusDecoder decoder;
    EXPECT_EQ(decoder.decode(0x000005C9), event(0xC9, 5, 0, 2));
    // One data byte: the second byte of the value is not part of the message.
    EXPECT_EQ(decoder.decode(0x00004007), event(0xC9, 7, 0, 2));
    EXPECT_EQ(decoder.decode(0x004000E2), event(0xE2, 0, 0x40, 3)); // pitch bend centre
    EXPECT_EQ(decoder.decode(0x007F07B5), event(0xB5, 7, 127, 3));
    EXPECT_EQ(decoder.decode(0x000050D0), event(0xD0, 0x50, 0, 2));
    EXPECT_EQ(decoder.decode(0x00203CA0), event(0xA0, 60, 0x20, 3));
}

TEST(RunningStatusDecoder, DataWithoutStatusIsDropped) {
    RunningStatusDecoder decoder;
    EXPECT_FALSE(decoder.decode(0x00000018));
    EXPECT_FALSE(decoder.decode(0x00000000));
    decoder.decode(0x000000C0);
    decoder.reset();
    EXPECT_FALSE(decoder.decode(0x00000018));
}

TEST(RunningStatusDecoder, SystemMessagesAndRunningStatus) {
    RunningStatusDecoder decoder;
    decoder.decode(0x000000C0);
    // Real-time messages may come between and leave the running status alone.
    EXPECT_EQ(decoder.decode(0x000000F8), event(0xF8, 0, 0, 1));
    EXPECT_EQ(decoder.decode(0x0000001C), event(0xC0, 28, 0, 2));
    // System common messages end it.
    EXPECT_EQ(decoder.decode(0x000000F6), event(0xF6, 0, 0, 1));
    EXPECT_FALSE(decoder.decode(0x0000001C));
    EXPECT_EQ(decoder.decode(0x000201F2), event(0xF2, 1, 2, 3));
    EXPECT_EQ(decoder.decode(0x000005F3), event(0xF3, 5, 0, 2));
    // A system-exclusive message does not fit in a short message.
    decoder.decode(0x00643C90);
    EXPECT_FALSE(decoder.decode(0x000000F0));
    EXPECT_FALSE(decoder.decode(0x00006440));
}

TEST(RunningStatusDecoder, StatusByteWhereDataBelongsIsDropped) {
    RunningStatusDecoder decoder;
    EXPECT_FALSE(decoder.decode(0x00649090));
    EXPECT_FALSE(decoder.decode(0x00803C90));
    EXPECT_EQ(decoder.decode(0x00643C90), event(0x90, 60, 100, 3));
}

TEST(MidiEventBytes, RunningStatusIsExpandedForPorts) {
    RunningStatusDecoder decoder;
    decoder.decode(0x000000C0);
    const auto program = decoder.decode(0x00000018);
    ASSERT_TRUE(program);
    const auto bytes = program->bytes();
    ASSERT_EQ(program->size, 2);
    EXPECT_EQ(bytes[0], 0xC0);
    EXPECT_EQ(bytes[1], 0x18);
    decoder.decode(0x00643C90);
    const auto note = decoder.decode(0x00006443);
    ASSERT_TRUE(note);
    EXPECT_EQ(note->size, 3);
    EXPECT_EQ(note->bytes(), (std::array<std::uint8_t, 3>{0x90, 0x43, 0x64}));
}

TEST(ChannelVolume, LowWordIsTheVolumeOfChannelOne) {
    EXPECT_EQ(channelVolumeEvent(0x0000FFFF), event(0xB0, 7, 127, 3));
    EXPECT_EQ(channelVolumeEvent(0xFFFF0000), event(0xB0, 7, 0, 3));
    EXPECT_EQ(channelVolumeEvent(0x00008000), event(0xB0, 7, 64, 3));
    EXPECT_EQ(channelVolumeEvent(0x00000000, 3), event(0xB3, 7, 0, 3));
}

} // namespace
} // namespace tambrel
