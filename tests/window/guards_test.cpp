// The model refuses a user what the window refuses: a disabled bass grid or tension item, a
// hidden list. The handlers themselves still run when another handler calls them.
#include "tests/window/window_test_support.h"

#include <gmock/gmock.h>

using namespace tambrel;
using namespace tambrel::testing;
using ::testing::ElementsAre;

namespace {

using GuardTest = WindowTest;

TEST_F(GuardTest, AFullChordRefusesTheBassGridButNotTheRoot) {
    tick({kSeven, kNine, kEleven});
    ASSERT_FALSE(shown().bassGrid.enabled);
    EXPECT_FALSE(window.chooseBass(4));
    EXPECT_EQ(state().bassNote, 0);
    EXPECT_EQ(shown().editAcorde, "C7/9/11");

    // Choosing a root still moves the disabled bass grid, running its handler.
    window.StringGridAcordeSelectCell(2);
    EXPECT_EQ(shown().bassGrid.row, 2);
    EXPECT_EQ(state().bassNote, 2);

    // Room again: the grid takes a bass.
    tick({kEleven});
    EXPECT_TRUE(window.chooseBass(6));
    EXPECT_EQ(shown().editAcorde, "D7/9/F#");
}

TEST_F(GuardTest, TheHiddenListRefusesItsRows) {
    EXPECT_FALSE(window.chooseChordType(15)); // "mod1": the chord-type table is hidden
    EXPECT_EQ(state().chordIntervals, "00 04 07");
    window.SpeedButton8Click();
    EXPECT_TRUE(window.chooseChordType(15));
    EXPECT_EQ(state().chordIntervals, "00 04 07 10");
    EXPECT_FALSE(window.clickTension(kSeven)); // the tension list is hidden now
    EXPECT_THAT(tickedItems(), ElementsAre(kMajor));
}

TEST_F(GuardTest, ADisabledItemIsRefused) {
    window.StringGridBaixoSelectCell(4);
    tick({kSeven, kNine});
    ASSERT_FALSE(shown().itemEnabled[kEleven]);
    EXPECT_FALSE(window.clickTension(kEleven));
    EXPECT_FALSE(window.clickTension(-1));
    EXPECT_FALSE(window.clickTension(kTensionCount));
    EXPECT_EQ(state().chordIntervals, "00 04 07 10 02");
}

TEST_F(GuardTest, SearchInputsFollowTheControls) {
    SearchInputs in = window.searchInputs();
    EXPECT_EQ(in.maxFret, 12);
    EXPECT_EQ(in.distance, 5);
    EXPECT_EQ(in.stringNote, kStandardTuning);

    window.CheckBoxNSIClick(true); // easy chords choose Distance 3
    window.ComboBox1Change(3);
    window.StandardTunning1Click(7);
    window.StringGridAcordeSelectCell(9);
    window.CheckBoxOmit5Click(true);
    in = window.searchInputs();
    EXPECT_TRUE(in.easyChords);
    EXPECT_EQ(in.distance, 3);
    EXPECT_EQ(in.maxFret, 24);
    EXPECT_EQ(in.stringNote, (StringNotes{2, 9, 2, 7, 11, 4}));
    EXPECT_EQ(in.rootNote, 9);
    EXPECT_EQ(in.bassNote, 9);
    EXPECT_TRUE(in.omit5);
    EXPECT_FALSE(in.omit3);
}

TEST_F(GuardTest, TheTunersStandWhereTheStringsAreTuned) {
    window.TrackBarChange(2, 7);
    EXPECT_EQ(shown().tunerPositions, state().stringNote);
    window.StandardTunning1Click(10);
    EXPECT_EQ(shown().tunerPositions, state().stringNote);
    EXPECT_EQ(shown().tunerLabels[1], "Bb");
    window.ToolButton5Click();
    EXPECT_EQ(shown().tunerPositions, kStandardTuning);
    EXPECT_EQ(shown().tuningButtonCaption, "Standard Tuning");
}

} // namespace
