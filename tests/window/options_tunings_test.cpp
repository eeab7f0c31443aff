// The search options beside the results, the tuning presets and the string tuners.
#include "tests/window/window_test_support.h"

#include "search/voicing_search.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <cstdlib>

using namespace tambrel;
using namespace tambrel::testing;
using ::testing::ElementsAre;

namespace {

using OptionsTest = WindowTest;
using TuningTest = WindowTest;

// The entries of `entries` that mute none of strings 2..5.
std::vector<Voicing> withoutMutedUpperStrings(const std::vector<Voicing>& entries) {
    std::vector<Voicing> kept;
    for (const Voicing& entry : entries) {
        const FretList frets = fretListOfEntry(entry);
        if (std::none_of(frets.begin() + 2, frets.end(), [](int f) { return f == kMuted; }))
            kept.push_back(entry);
    }
    return kept;
}

TEST_F(OptionsTest, EachOptionNarrowsCMajor) {
    EXPECT_EQ(state().voicingList.size(), 165u);

    window.CheckBoxPestanasClick(true);
    EXPECT_EQ(state().voicingList.size(), 145u);
    window.CheckBoxPestanasClick(false);

    window.ComboBox1Change(0);
    EXPECT_EQ(state().maxFret, 6);
    EXPECT_EQ(state().voicingList.size(), 28u);
    window.ComboBox1Change(3);
    EXPECT_EQ(state().maxFret, 24);
    EXPECT_EQ(state().voicingList.size(), 341u);
    window.ComboBox1Change(1);
    EXPECT_EQ(state().voicingList.size(), 165u);

    window.ComboBox2Change(0);
    EXPECT_EQ(state().voicingList.size(), 12u);
    EXPECT_EQ(state().voicingList.front(), "115013 99 3 2 0 99 0 ");
    window.ComboBox2Change(3);

    window.CheckBoxOmit5Click(true);
    EXPECT_THAT(state().chordTones, ElementsAre(0, 4));
    EXPECT_EQ(state().voicingList.size(), 28u);
    EXPECT_EQ(state().voicingList.front(), "112015 99 3 2 5 5 0 ");
    window.CheckBoxOmit5Click(false);

    window.CheckBoxOmit3Click(true);
    EXPECT_THAT(state().chordTones, ElementsAre(0, 7));
    EXPECT_EQ(state().voicingList.size(), 40u);
}

TEST_F(OptionsTest, EasyChordsChoosesDistanceThreeAndBackFive) {
    window.ComboBox2Change(2); // "4"
    window.CheckBoxNSIClick(true);
    EXPECT_EQ(shown().distanceItem, 1); // "3"
    EXPECT_EQ(state().voicingList.size(), 14u);
    window.CheckBoxNSIClick(false);
    EXPECT_EQ(shown().distanceItem, 3); // "5", not the "4" chosen before
    EXPECT_EQ(state().voicingList.size(), 165u);
}

TEST_F(OptionsTest, EasyChordsOnlyDropsMutedUpperStringsAtAnyDistance) {
    const auto all = state().voicingList;
    window.ComboBox2Change(1);
    const auto distanceThree = state().voicingList;

    window.CheckBoxNSIClick(true);
    EXPECT_EQ(state().voicingList, withoutMutedUpperStrings(distanceThree));

    // Another Distance picked afterwards is used together with the muting rule.
    window.ComboBox2Change(3);
    EXPECT_TRUE(shown().easyChords);
    EXPECT_EQ(state().voicingList, withoutMutedUpperStrings(all));
    EXPECT_GT(state().voicingList.size(), 14u);
}

TEST_F(OptionsTest, Omit3OnSus4WithoutThirdChangesNothing) {
    tick({kSus4});
    EXPECT_EQ(state().thirdInterval, 4);
    const auto tones = state().chordTones;
    const auto voicings = state().voicingList;
    window.CheckBoxOmit3Click(true);
    EXPECT_EQ(state().chordTones, tones);
    EXPECT_EQ(state().voicingList, voicings);
}

TEST_F(OptionsTest, LeftHandChordsOnlyMirrorTheDrawing) {
    const auto voicings = state().voicingList;
    clickSomeDiagram();
    window.CheckBoxCanhotoClick(true);
    EXPECT_TRUE(searchRanSinceClick());
    EXPECT_TRUE(shown().leftHanded);
    EXPECT_EQ(state().voicingList, voicings);
}

TEST_F(OptionsTest, EveryOptionChangeSearches) {
    clickSomeDiagram();
    window.ComboBox1Change(1); // the value already shown
    EXPECT_TRUE(searchRanSinceClick());
    clickSomeDiagram();
    window.ComboBox2Change(3);
    EXPECT_TRUE(searchRanSinceClick());
    clickSomeDiagram();
    window.CheckBoxOmit3Click(true);
    EXPECT_TRUE(searchRanSinceClick());
    clickSomeDiagram();
    window.CheckBoxOmit3Click(false);
    EXPECT_TRUE(searchRanSinceClick());
    clickSomeDiagram();
    window.CheckBoxOmit5Click(true);
    EXPECT_TRUE(searchRanSinceClick());
    clickSomeDiagram();
    window.CheckBoxPestanasClick(true);
    EXPECT_TRUE(searchRanSinceClick());
    clickSomeDiagram();
    window.CheckBoxNSIClick(true);
    EXPECT_TRUE(searchRanSinceClick());
}

// Every voicing of C major has C as its lowest sounding note, in whatever tuning.
void expectBassCUnder(const StringNotes& tuning, const std::vector<Voicing>& voicings) {
    for (const Voicing& entry : voicings) {
        const FretList frets = fretListOfEntry(entry);
        const auto lowest =
            std::find_if(frets.begin(), frets.end(), [](int f) { return f != kMuted; });
        ASSERT_NE(lowest, frets.end()) << entry;
        const auto string = lowest - frets.begin();
        EXPECT_EQ((tuning[string] + std::abs(*lowest)) % 12, 0) << entry;
    }
}

TEST_F(TuningTest, DropDRetunesRebuildsTheNotesAndSearches) {
    const auto standardVoicings = state().voicingList;
    clickSomeDiagram();
    window.StandardTunning1Click(7);
    EXPECT_THAT(state().stringNote, ElementsAre(2, 9, 2, 7, 11, 4));
    EXPECT_THAT(shown().tunerPositions, ElementsAre(2, 9, 2, 7, 11, 4));
    EXPECT_THAT(shown().tunerLabels, ElementsAre("D", "A", "D", "G", "B", "E"));
    EXPECT_EQ(state().midiNoteTable[0][0], 38);
    EXPECT_EQ(state().midiNoteTable[0][29], 67);
    EXPECT_EQ(shown().tuningButtonCaption, "Drop D");
    EXPECT_EQ(shown().tuningMark, 7);
    EXPECT_TRUE(searchRanSinceClick());
    EXPECT_NE(state().voicingList, standardVoicings);
    expectBassCUnder(state().stringNote, state().voicingList);
}

TEST_F(TuningTest, PresetsWriteTheirOwnCaptionsLabelsAndOctaves) {
    window.SpeedButton6Click();
    window.SpeedButton9Click();

    window.StandardTunning1Click(10);
    EXPECT_EQ(shown().tuningButtonCaption, "G minor tuning");
    EXPECT_THAT(shown().tunerLabels, ElementsAre("G", "Bb", "D", "G", "Bb", "D"));
    EXPECT_THAT(state().stringNote, ElementsAre(7, 10, 2, 7, 10, 2));

    window.StandardTunning1Click(2);
    EXPECT_EQ(shown().tuningButtonCaption, "Open A");
    EXPECT_EQ(state().midiNoteTable[4][0], 49);
    EXPECT_EQ(state().midiNoteTable[3][0], 57);
    // Sharps under the tuners, whatever the grids show.
    EXPECT_THAT(shown().tunerLabels, ElementsAre("E", "A", "E", "A", "C#", "E"));

    window.StandardTunning1Click(4);
    EXPECT_EQ(shown().tuningButtonCaption, "Afina\xE7\xE3o Blues");
    EXPECT_THAT(state().stringNote, ElementsAre(4, 9, 2, 7, 0, 5));
    EXPECT_THAT(shown().tunerLabels, ElementsAre("E", "A", "D", "G", "C", "F"));
    EXPECT_EQ(state().midiNoteTable[5][0], 65);
    expectBassCUnder(state().stringNote, state().voicingList);
}

TEST_F(TuningTest, TunerMovesOneStringWithoutSearching) {
    const auto voicings = state().voicingList;
    clickSomeDiagram();
    window.TrackBarChange(1, 2);
    EXPECT_EQ(shown().tunerLabels[0], "D");
    EXPECT_EQ(shown().tunerPositions[0], 2);
    EXPECT_EQ(state().stringNote[0], 2);
    EXPECT_EQ(shown().tuningButtonCaption, "Standard Tuning");
    EXPECT_EQ(shown().tuningMark, 0);
    EXPECT_EQ(state().midiNoteTable[0][0], 40);
    EXPECT_FALSE(searchRanSinceClick());
    EXPECT_EQ(state().voicingList, voicings);

    // The next search uses the new note; the sound keeps the old one until a preset.
    window.ComboBox1Change(1);
    EXPECT_NE(state().voicingList, voicings);
    expectBassCUnder(state().stringNote, state().voicingList);
    EXPECT_EQ(state().midiNoteTable[0][0], 40);
}

TEST_F(TuningTest, TunerLabelsKeepSharpsUnderFlatGrids) {
    window.SpeedButton6Click();
    window.SpeedButton9Click();
    window.TrackBarChange(2, 10);
    EXPECT_EQ(shown().tunerLabels[1], "A#");
}

TEST_F(TuningTest, StandardButtonLeavesTheMenuMark) {
    window.StandardTunning1Click(8);
    EXPECT_EQ(shown().tuningMark, 8);
    EXPECT_EQ(shown().tuningButtonCaption, "Open G");
    clickSomeDiagram();
    window.ToolButton5Click();
    EXPECT_EQ(shown().tuningMark, 8);
    EXPECT_EQ(shown().tuningButtonCaption, "Standard Tuning");
    EXPECT_THAT(state().stringNote, ElementsAre(4, 9, 2, 7, 11, 4));
    EXPECT_THAT(shown().tunerLabels, ElementsAre("E", "A", "D", "G", "B", "E"));
    EXPECT_EQ(state().midiNoteTable[0][0], 40);
    EXPECT_TRUE(searchRanSinceClick());
    EXPECT_EQ(state().voicingList.size(), 165u);
}

TEST_F(TuningTest, SamePresetAgainSearchesAgain) {
    window.StandardTunning1Click(7);
    const auto voicings = state().voicingList;
    clickSomeDiagram();
    window.StandardTunning1Click(7);
    EXPECT_TRUE(searchRanSinceClick());
    EXPECT_EQ(state().voicingList, voicings);
    EXPECT_THAT(shown().tunerPositions, ElementsAre(2, 9, 2, 7, 11, 4));
}

TEST_F(TuningTest, PresetRestoresItsLabelsOverTheTunersSharpNames) {
    window.TrackBarChange(2, 10);
    window.StandardTunning1Click(10);
    // Tuner 2 already stood at 10, so only the preset's label counts.
    EXPECT_EQ(shown().tunerLabels[1], "Bb");
    EXPECT_EQ(shown().tunerLabels[4], "Bb");
}

} // namespace
