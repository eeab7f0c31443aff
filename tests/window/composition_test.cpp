// Composing the chord from the tension list, the chord-type table and the two note grids.
#include "tests/window/window_test_support.h"

#include <gmock/gmock.h>

using namespace tambrel;
using namespace tambrel::testing;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

namespace {

using CompositionTest = WindowTest;

TEST_F(CompositionTest, StartsAsCMajorWithOnlyTheMajorItem) {
    EXPECT_EQ(shown().editAcorde, "C");
    EXPECT_EQ(state().chordIntervals, "00 04 07");
    EXPECT_THAT(tickedItems(), ElementsAre(kMajor));
    EXPECT_THAT(disabledItems(), IsEmpty());
    EXPECT_TRUE(shown().bassGrid.enabled);
    EXPECT_EQ(state().thirdInterval, 4);
    EXPECT_EQ(state().fifthInterval, 7);
}

TEST_F(CompositionTest, MajorAndMinorAlwaysLeaveOneBase) {
    tick({kMinor});
    EXPECT_EQ(shown().editAcorde, "Cm");
    EXPECT_EQ(state().chordIntervals, "00 03 07");
    EXPECT_EQ(state().thirdInterval, 3);
    EXPECT_THAT(tickedItems(), ElementsAre(kMinor));

    tick({kMinor});
    EXPECT_EQ(shown().editAcorde, "C");
    EXPECT_EQ(state().chordIntervals, "00 04 07");
    EXPECT_EQ(state().thirdInterval, 4);
    EXPECT_THAT(tickedItems(), ElementsAre(kMajor));

    // Unticking the major item ticks "m" instead.
    tick({kMajor});
    EXPECT_EQ(shown().editAcorde, "Cm");
    EXPECT_EQ(state().chordIntervals, "00 03 07");
    EXPECT_THAT(tickedItems(), ElementsAre(kMinor));
}

TEST_F(CompositionTest, DiminishedBasesAndTheirThirdAndFifthSizes) {
    // "dim" while "m" is ticked goes back to the major item and reads minor third, flat fifth.
    tick({kMinor, kDimItem});
    EXPECT_EQ(state().chordIntervals, "00 03 06 09");
    EXPECT_EQ(shown().editAcorde, "Cdim");
    EXPECT_THAT(tickedItems(), ElementsAre(kMajor, kDimItem));
    EXPECT_EQ(state().thirdInterval, 3);
    EXPECT_EQ(state().fifthInterval, 6);
}

TEST_F(CompositionTest, DimSignOnMajorKeepsTheMajorSizes) {
    tick({kDimSign});
    EXPECT_EQ(state().chordIntervals, "00 03 06 09");
    EXPECT_EQ(shown().editAcorde, "C\xBA");
    EXPECT_EQ(state().thirdInterval, 4);
    EXPECT_EQ(state().fifthInterval, 7);
}

TEST_F(CompositionTest, DimSignOnMinorReadsTheThirdBeforeTheMinorItemIsDropped) {
    tick({kMinor, kDimSign});
    EXPECT_EQ(state().chordIntervals, "00 03 06 09");
    EXPECT_EQ(shown().editAcorde, "C\xBA");
    EXPECT_THAT(tickedItems(), ElementsAre(kMajor, kDimSign));
    EXPECT_EQ(state().thirdInterval, 3);
    EXPECT_EQ(state().fifthInterval, 7);
}

TEST_F(CompositionTest, AugReplacesTheFifthOfEitherTriad) {
    tick({kAugItem});
    EXPECT_EQ(state().chordIntervals, "00 04 08");
    EXPECT_EQ(shown().editAcorde, "Caug");
    EXPECT_EQ(state().fifthInterval, 8);
    EXPECT_EQ(state().thirdInterval, 4);

    tick({kMinor});
    EXPECT_EQ(state().chordIntervals, "00 03 08");
    EXPECT_EQ(shown().editAcorde, "Cm/aug");
    EXPECT_EQ(state().fifthInterval, 8);
    EXPECT_EQ(state().thirdInterval, 3);
}

TEST_F(CompositionTest, Sus4ReplacesOnlyAMajorThird) {
    tick({kSus4});
    EXPECT_EQ(state().chordIntervals, "00 07 05");
    EXPECT_EQ(shown().editAcorde, "Csus4");
    EXPECT_EQ(state().thirdInterval, 4);

    tick({kMinor});
    EXPECT_EQ(state().chordIntervals, "00 03 07 05");
    EXPECT_EQ(shown().editAcorde, "Cm/sus4");
}

TEST_F(CompositionTest, PowerChordOnMinor) {
    tick({kMinor, kFive});
    EXPECT_EQ(state().chordIntervals, "00 07");
    EXPECT_EQ(shown().editAcorde, "C5");
    EXPECT_THAT(tickedItems(), ElementsAre(kMajor, kFive));
    EXPECT_EQ(state().thirdInterval, 3); // read while "m" was still ticked
    EXPECT_EQ(state().fifthInterval, 8);
}

TEST_F(CompositionTest, FlatTensionKeepsItsSlash) {
    tick({kFlatNine});
    EXPECT_EQ(shown().editAcorde, "C/b9");
    EXPECT_EQ(state().chordIntervals, "00 04 07 01");

    tick({kMinor});
    EXPECT_EQ(shown().editAcorde, "Cm/b9");
    EXPECT_EQ(state().chordIntervals, "00 03 07 01");
}

TEST_F(CompositionTest, ToneAlreadyInTheChordIsNotAddedAgainButNamed) {
    tick({kSeven, kSixPlus});
    EXPECT_EQ(state().chordIntervals, "00 04 07 10");
    EXPECT_EQ(shown().editAcorde, "C6+/7");
    EXPECT_THAT(tickedItems(), ElementsAre(kMajor, kSixPlus, kSeven));

    tick({kSeven, kSixPlus}); // both off again
    tick({kFourMinus});
    EXPECT_EQ(state().chordIntervals, "00 04 07");
    EXPECT_EQ(shown().editAcorde, "C4-");
    EXPECT_THAT(tickedItems(), ElementsAre(kMajor, kFourMinus));
}

TEST_F(CompositionTest, LastTickedBaseWins) {
    tick({kDimItem, kFive});
    EXPECT_EQ(state().chordIntervals, "00 07");
    EXPECT_EQ(shown().editAcorde, "Cdim/5");
    EXPECT_EQ(state().thirdInterval, 3);
    EXPECT_EQ(state().fifthInterval, 8);
}

TEST_F(CompositionTest, FullChordGreysOutTheUntickedAddItemsAndTheBassGrid) {
    tick({kSeven, kNine, kEleven});
    EXPECT_EQ(state().chordIntervals, "00 04 07 10 02 05");
    EXPECT_EQ(shown().editAcorde, "C7/9/11");
    EXPECT_FALSE(shown().bassGrid.enabled);
    EXPECT_TRUE(shown().bassGrid.menuBarColour);
    // Bases, fifths and thirds stay usable; item 50 is never touched.
    EXPECT_EQ(disabledItems(), addItemsExcept({kSeven, kNine, kEleven}));

    // A disabled item cannot be ticked.
    EXPECT_FALSE(window.clickTension(kThirteen));
    EXPECT_EQ(state().chordIntervals, "00 04 07 10 02 05");

    // Making room enables everything again.
    tick({kEleven});
    EXPECT_EQ(state().chordIntervals, "00 04 07 10 02");
    EXPECT_THAT(disabledItems(), IsEmpty());
    EXPECT_TRUE(shown().bassGrid.enabled);
    EXPECT_FALSE(shown().bassGrid.menuBarColour);
}

TEST_F(CompositionTest, SeparateBassLowersTheLimitToFourteen) {
    window.StringGridBaixoSelectCell(4);
    EXPECT_EQ(shown().editAcorde, "C/E");
    tick({kSeven, kNine});
    EXPECT_EQ(state().chordIntervals, "00 04 07 10 02");
    EXPECT_EQ(shown().editAcorde, "C7/9/E");
    EXPECT_FALSE(shown().bassGrid.enabled);
    EXPECT_EQ(disabledItems(), addItemsExcept({kSeven, kNine}));
    EXPECT_FALSE(window.clickTension(kEleven));
}

TEST_F(CompositionTest, RefusedToneIsUntickedButStaysInTheSymbol) {
    // With "aug" and "5-" both ticked the second fifth adds a tone: over a separate bass the
    // "9" no longer fits.
    window.StringGridBaixoSelectCell(4);
    tick({kAugItem, kSeven, kNine});
    EXPECT_EQ(state().chordIntervals, "00 04 08 10 02");
    tick({kFlatFiveItem});
    EXPECT_EQ(state().chordIntervals, "00 04 08 06 10");
    EXPECT_EQ(shown().editAcorde, "Caug/5-/7/9/E");
    EXPECT_THAT(tickedItems(), ElementsAre(kMajor, kAugItem, kFlatFiveItem, kSeven));
    EXPECT_EQ(state().fifthInterval, 8);
    EXPECT_EQ(disabledItems(), addItemsExcept({kSeven}));
}

TEST_F(CompositionTest, FiveIntervalChordThenSeparateBassDisablesItemsOnly) {
    tick({kSeven, kNine});
    EXPECT_THAT(disabledItems(), IsEmpty());
    window.StringGridBaixoSelectCell(4);
    EXPECT_EQ(state().chordIntervals, "00 04 07 10 02");
    EXPECT_EQ(shown().editAcorde, "C7/9/E");
    EXPECT_EQ(disabledItems(), addItemsExcept({kSeven, kNine}));
    // The bass handler leaves the grid's own enabled state alone.
    EXPECT_TRUE(shown().bassGrid.enabled);
}

TEST_F(CompositionTest, RootRunsTheBassHandlerOnlyWhenTheBassRowMoves) {
    tick({kSeven, kNine});
    window.StringGridBaixoSelectCell(4);
    ASSERT_FALSE(disabledItems().empty());

    // The bass grid already stands at E: nothing re-evaluates the items under the new limit.
    window.StringGridAcordeSelectCell(4);
    EXPECT_EQ(shown().editAcorde, "E7/9");
    EXPECT_EQ(state().bassNote, 4);
    EXPECT_EQ(disabledItems(), addItemsExcept({kSeven, kNine}));

    // Moving to F moves the bass grid: its handler runs with bass = root and enables them.
    window.StringGridAcordeSelectCell(5);
    EXPECT_EQ(shown().bassGrid.row, 5);
    EXPECT_EQ(shown().editAcorde, "F7/9");
    EXPECT_THAT(disabledItems(), IsEmpty());
}

TEST_F(CompositionTest, ChoosingARootDropsTheBass) {
    window.StringGridBaixoSelectCell(4);
    EXPECT_EQ(state().bassNote, 4);
    EXPECT_EQ(state().bassSuffix, "/E");
    window.StringGridAcordeSelectCell(2);
    EXPECT_EQ(state().rootNote, 2);
    EXPECT_EQ(state().bassNote, 2);
    EXPECT_EQ(shown().bassGrid.row, 2);
    EXPECT_EQ(state().bassSuffix, "");
    EXPECT_EQ(shown().editAcorde, "D");
    EXPECT_EQ(state().chordIntervals, "00 04 07"); // the same chord type moves to D
}

TEST_F(CompositionTest, RootNameComesFromTheBassGrid) {
    window.SpeedButton9Click(); // bass grid in flats, root grid in sharps
    window.StringGridAcordeSelectCell(1);
    EXPECT_EQ(shown().rootGrid.names[shown().rootGrid.row], "C#");
    EXPECT_EQ(shown().editAcorde, "Db");
    window.StringGridBaixoSelectCell(3);
    EXPECT_EQ(shown().editAcorde, "Db/Eb");
}

TEST_F(CompositionTest, RootNameFollowsSharpBassGridEvenWhenRootGridShowsFlats) {
    window.SpeedButton6Click(); // root grid in flats
    window.StringGridAcordeSelectCell(1);
    EXPECT_EQ(shown().rootGrid.names[1], "Db");
    EXPECT_EQ(shown().editAcorde, "C#");
}

TEST_F(CompositionTest, ChordTypeRowReplacesTheFormulaNotTheTicks) {
    tick({kMinor, kSeven});
    window.SpeedButton8Click();
    window.StringGrid1SelectCell(15); // "7"
    EXPECT_EQ(state().chordIntervals, "00 04 07 10");
    EXPECT_EQ(shown().editAcorde, "C7");
    window.StringGrid1SelectCell(0);
    EXPECT_EQ(state().chordIntervals, "00 04 07");
    EXPECT_EQ(state().chordSuffix, "");
    EXPECT_EQ(shown().editAcorde, "C");
    EXPECT_THAT(tickedItems(), ElementsAre(kMinor, kSeven));
    EXPECT_EQ(state().thirdInterval, 3); // sizes stay those of the last tick

    // The views swap without touching the chord; the next tick recomposes from the ticks.
    window.SpeedButton7Click();
    EXPECT_EQ(state().chordIntervals, "00 04 07");
    tick({kSeven});
    EXPECT_EQ(shown().editAcorde, "Cm");
    EXPECT_EQ(state().chordIntervals, "00 03 07");
}

TEST_F(CompositionTest, ChordTypeRowLeavesTheLimitDisplayAlone) {
    tick({kSeven, kNine, kEleven});
    window.SpeedButton8Click();
    window.StringGrid1SelectCell(0);
    EXPECT_EQ(state().chordIntervals, "00 04 07");
    EXPECT_FALSE(shown().bassGrid.enabled);
    EXPECT_EQ(disabledItems(), addItemsExcept({kSeven, kNine, kEleven}));
}

TEST_F(CompositionTest, EveryChordChangeSearchesAgain) {
    clickSomeDiagram();
    tick({kMinor});
    EXPECT_TRUE(searchRanSinceClick());
    EXPECT_NE(state().voicingList.front(), "112013 99 3 2 0 1 0 ");

    clickSomeDiagram();
    window.StringGridAcordeSelectCell(0); // the selected row again still searches
    EXPECT_TRUE(searchRanSinceClick());

    clickSomeDiagram();
    window.StringGridBaixoSelectCell(4);
    EXPECT_TRUE(searchRanSinceClick());

    clickSomeDiagram();
    window.SpeedButton8Click();
    window.StringGrid1SelectCell(0);
    EXPECT_TRUE(searchRanSinceClick());
    EXPECT_EQ(state().voicingList.size(), 290u); // C major over E

    clickSomeDiagram();
    typeSymbol("C");
    EXPECT_TRUE(searchRanSinceClick());
    EXPECT_EQ(state().voicingList.size(), 165u);
}

TEST_F(CompositionTest, AccidentalsAndViewsDoNotSearch) {
    window.StringGridAcordeSelectCell(3);
    EXPECT_EQ(shown().editAcorde, "D#");
    clickSomeDiagram();
    const auto names = shown().chordNames;

    window.SpeedButton6Click();
    window.SpeedButton9Click();
    window.SpeedButton8Click();
    window.SpeedButton7Click();
    EXPECT_FALSE(searchRanSinceClick());
    // The rows stay selected and the symbol and names wait for the next selection or search.
    EXPECT_EQ(shown().rootGrid.row, 3);
    EXPECT_EQ(shown().rootGrid.names[3], "Eb");
    EXPECT_EQ(shown().editAcorde, "D#");
    EXPECT_EQ(shown().chordNames, names);
    EXPECT_FALSE(shown().rootSharpDown);

    EXPECT_THAT(names, Contains("D#"));
    window.ComboBox1Change(1); // "12" again: a search renames with the flat root grid
    EXPECT_THAT(shown().chordNames, Contains("Eb"));
    EXPECT_THAT(shown().chordNames, Not(Contains("D#")));
    window.StringGridAcordeSelectCell(3);
    EXPECT_EQ(shown().editAcorde, "Eb");
}

TEST_F(CompositionTest, SharpButtonRestoresSharpNamesInItsGridOnly) {
    window.SpeedButton6Click();
    window.SpeedButton9Click();
    window.SpeedButton5Click();
    EXPECT_THAT(shown().rootGrid.names,
                ElementsAre("C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"));
    EXPECT_THAT(shown().bassGrid.names,
                ElementsAre("C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"));
}

} // namespace
