#include "tuning/tunings.h"

#include <gtest/gtest.h>

namespace tambrel {
namespace {

TEST(Tunings, OpenStringNotesFollowTheOctaveBaseOfEachString) {
    const std::array<StringNotes, kTuningPresetCount> open{{
        {40, 45, 50, 55, 59, 64},
        {40, 47, 52, 56, 59, 64},
        {40, 45, 52, 57, 49, 64},
        {40, 45, 50, 54, 59, 64},
        {40, 45, 50, 55, 48, 65},
        {38, 43, 48, 55, 48, 62},
        {38, 45, 50, 54, 57, 62},
        {38, 45, 50, 55, 59, 64},
        {38, 43, 50, 55, 59, 62},
        {36, 43, 48, 55, 57, 64},
        {43, 46, 50, 55, 58, 62},
        {38, 45, 50, 55, 57, 62},
    }};
    for (const TuningPreset& preset : tuningPresets()) {
        const MidiNoteTable table = midiNoteTableFor(preset.notes);
        for (int s = 0; s < kStringCount; ++s)
            EXPECT_EQ(table[s][0], open[preset.tag][s]) << preset.menuCaption;
    }
    const MidiNoteTable standard = midiNoteTableFor(tuningPresets()[0].notes);
    EXPECT_EQ(standard[5][29], 93);
    EXPECT_EQ(midiNoteTableFor(tuningPresets()[7].notes)[0][29], 67);
}

TEST(Tunings, CaptionsAreFoundFromTheMenuOrTheButton) {
    EXPECT_EQ(tuningPresetByCaption("Drop D"), 7);
    EXPECT_EQ(tuningPresetByCaption("G Minor Tunning"), 10);
    EXPECT_EQ(tuningPresetByCaption("G minor tuning"), 10);
    EXPECT_EQ(tuningPresetByCaption("Afina\xE7\xE3o Blues"), 4);
    EXPECT_EQ(tuningPresetByCaption("Standard Tunning"), 0);
    EXPECT_EQ(tuningPresetByCaption("drop d"), -1);
}

} // namespace
} // namespace tambrel
