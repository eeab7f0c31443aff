// Reading a typed chord symbol when the search button is pressed.
#include "tests/window/window_test_support.h"

#include "music/note_names.h"

#include <gmock/gmock.h>

using namespace tambrel;
using namespace tambrel::testing;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const NoteNames kSharps{"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
const NoteNames kFlats{"C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"};

class LookupTest : public WindowTest {
  protected:
    void expectChord(int root, int bass, const std::string& intervals) {
        EXPECT_EQ(state().rootNote, root);
        EXPECT_EQ(state().bassNote, bass);
        EXPECT_EQ(state().chordIntervals, intervals);
    }
};

TEST_F(LookupTest, PlainRootSetsTheRootGridToSharpsOnly) {
    window.SpeedButton6Click();
    window.SpeedButton9Click();
    typeSymbol("C");
    EXPECT_EQ(shown().editAcorde, "C");
    expectChord(0, 0, "00 04 07");
    EXPECT_THAT(tickedItems(), ElementsAre(kMajor));
    EXPECT_EQ(shown().rootGrid.names, kSharps);
    EXPECT_EQ(shown().bassGrid.names, kFlats); // no token: the bass grid keeps its names
    EXPECT_EQ(state().chordSuffix, "");
    EXPECT_EQ(state().voicingList.size(), 165u);
}

TEST_F(LookupTest, MinorAndItsSplitFromAFollowingTension) {
    typeSymbol("Cm");
    EXPECT_EQ(shown().editAcorde, "Cm ");
    expectChord(0, 0, "00 03 07");
    EXPECT_THAT(tickedItems(), ElementsAre(kMajor, kMinor));
    EXPECT_EQ(state().chordSuffix, "m");
    EXPECT_EQ(state().thirdInterval, 3);
    EXPECT_EQ(state().fifthInterval, 7);

    typeSymbol("Cm7");
    EXPECT_EQ(shown().editAcorde, "Cm/7 ");
    EXPECT_EQ(state().chordIntervals, "00 03 07 10");
    EXPECT_EQ(state().chordSuffix, "m/7");
}

TEST_F(LookupTest, WorkedExampleEntersTensionsInListOrder) {
    typeSymbol("Cm7/5-");
    EXPECT_EQ(shown().editAcorde, "Cm/7/5- ");
    expectChord(0, 0, "00 03 06 10");
    EXPECT_EQ(state().chordSuffix, "m/7/5-");
    EXPECT_THAT(tickedItems(), ElementsAre(kMajor, kMinor, kFlatFiveItem, kSeven));
    EXPECT_EQ(state().thirdInterval, 3);
    EXPECT_EQ(state().fifthInterval, 6);
}

TEST_F(LookupTest, TypedBassLowersTheLimitAndNamesItWithTheBassGrid) {
    typeSymbol("C7/E");
    EXPECT_EQ(shown().editAcorde, "C7/E");
    expectChord(0, 4, "00 04 07 10");
    EXPECT_EQ(state().chordSuffix, "7");
    EXPECT_EQ(state().rootName, "C");
    EXPECT_EQ(state().bassSuffix, "/E");
    EXPECT_EQ(shown().bassGrid.names, kSharps);

    // The limit is 14 with that bass: a fourth tension after "7" and "9" is refused.
    typeSymbol("C7/9/11/E");
    EXPECT_EQ(state().chordIntervals, "00 04 07 10 02");
    EXPECT_THAT(tickedItems(), ElementsAre(kMajor, kSeven, kNine));
    EXPECT_EQ(shown().editAcorde, "C7/9/11/E");
}

TEST_F(LookupTest, FlatRootAndFlatBassSwitchBothGridsButNoButton) {
    window.StringGridAcordeSelectCell(2);
    typeSymbol("Bb7/Ab");
    expectChord(10, 8, "00 04 07 10");
    EXPECT_EQ(shown().editAcorde, "Bb7/Ab");
    EXPECT_EQ(shown().rootGrid.names, kFlats);
    EXPECT_EQ(shown().bassGrid.names, kFlats);
    EXPECT_TRUE(shown().rootSharpDown);
    EXPECT_TRUE(shown().bassSharpDown);
    // The grids' selections stay where the user left them.
    EXPECT_EQ(shown().rootGrid.row, 2);
    EXPECT_EQ(shown().bassGrid.row, 2);
    EXPECT_EQ(state().rootName, "Bb");
    EXPECT_EQ(state().bassSuffix, "/Ab");

    // The next composition rebuilds the same root and bass.
    tick({kSeven});
    EXPECT_EQ(shown().editAcorde, "Bb/Ab");

    // Pressing the "#" that is still down brings the sharps back.
    window.SpeedButton5Click();
    EXPECT_EQ(shown().rootGrid.names, kSharps);
    EXPECT_EQ(shown().bassGrid.names, kFlats);
}

TEST_F(LookupTest, TwoCharacterRootWins) {
    typeSymbol("Db");
    expectChord(1, 1, "00 04 07");
    EXPECT_EQ(shown().editAcorde, "Db");
    EXPECT_EQ(shown().rootGrid.names, kFlats);
    EXPECT_EQ(shown().bassGrid.names, kSharps);

    typeSymbol("Cb5");
    expectChord(11, 11, "00 07");
    EXPECT_EQ(shown().editAcorde, "Cb5 ");
    EXPECT_EQ(state().rootName, "Cb");
    EXPECT_EQ(state().fifthInterval, 8);
    EXPECT_EQ(state().thirdInterval, 4);
}

TEST_F(LookupTest, FlatTensionSwitchesTheBassGridAndLosesItsSlashInTheSuffix) {
    typeSymbol("C(b9)");
    EXPECT_EQ(shown().editAcorde, "C/b9)");
    expectChord(0, 0, "00 04 07 01");
    EXPECT_EQ(state().chordSuffix, "b9");
    EXPECT_THAT(tickedItems(), ElementsAre(kMajor, kFlatNine));
    EXPECT_EQ(shown().bassGrid.names, kFlats);
    EXPECT_EQ(shown().rootGrid.names, kSharps);
}

TEST_F(LookupTest, FifthAndThirdReplacements) {
    typeSymbol("Csus4");
    EXPECT_EQ(state().chordIntervals, "00 07 05");
    EXPECT_EQ(shown().editAcorde, "Csus4 ");

    typeSymbol("Caug");
    EXPECT_EQ(state().chordIntervals, "00 04 08");
    EXPECT_EQ(state().fifthInterval, 8);

    typeSymbol("C5");
    EXPECT_EQ(state().chordIntervals, "00 07");
    EXPECT_EQ(shown().editAcorde, "C5 ");
    EXPECT_THAT(tickedItems(), ElementsAre(kMajor, kFive));
}

TEST_F(LookupTest, UnreadWordsAndCaseOnlyTicks) {
    // A text that no reading reads wholly is the lookup's alone: "maj" is "m" and ignored
    // letters.
    typeSymbol("Cmaj7 foo");
    EXPECT_EQ(shown().editAcorde, "Cm/");
    EXPECT_EQ(state().chordIntervals, "00 03 07");
    EXPECT_EQ(state().chordSuffix, "m");

    // "M" ticks "m" but, differing in case, does not make the chord minor.
    typeSymbol("CM foo");
    EXPECT_EQ(state().chordIntervals, "00 04 07");
    EXPECT_THAT(tickedItems(), ElementsAre(kMajor, kMinor));
    EXPECT_EQ(state().chordSuffix, "M");
    EXPECT_EQ(state().thirdInterval, 3); // read from the ticks
}

TEST_F(LookupTest, StandardSymbolsTheLookupWouldMisreadAreReadAsWritten) {
    typeSymbol("Cmaj7");
    EXPECT_EQ(shown().editAcorde, "C7+ ");
    EXPECT_EQ(state().chordIntervals, "00 04 07 11");
    EXPECT_EQ(state().chordSuffix, "7+");
    EXPECT_TRUE(shown().lookupNotice.empty());

    // "M" is the major chord.
    typeSymbol("CM");
    EXPECT_EQ(state().chordIntervals, "00 04 07");
    EXPECT_THAT(tickedItems(), ElementsAre(kMajor));
    EXPECT_EQ(state().chordSuffix, "");
    EXPECT_EQ(state().thirdInterval, 4);

    // A lower-case root reads as its capital.
    typeSymbol("c");
    EXPECT_EQ(state().rootNote, 0);
    EXPECT_EQ(shown().editAcorde, "C");
    EXPECT_EQ(state().voicingList.size(), 165u);

    typeSymbol("Cm7b5");
    EXPECT_EQ(state().chordIntervals, "00 03 06 10");
    EXPECT_EQ(shown().plainName, "Cm7b5 \u2014 C Eb Gb Bb");
}

TEST_F(LookupTest, NoteLimitUnticksButDisablesNothing) {
    tick({kSeven, kNine, kEleven}); // a full chord greys items and the bass grid first
    typeSymbol("C7/9/11/13");
    EXPECT_EQ(state().chordIntervals, "00 04 07 10 02 05");
    EXPECT_THAT(tickedItems(), ElementsAre(kMajor, kSeven, kNine, kEleven));
    EXPECT_EQ(shown().editAcorde, "C7/9/11/13 ");
    EXPECT_EQ(state().chordSuffix, "7/9/11/13");
    EXPECT_THAT(disabledItems(), IsEmpty());
    EXPECT_TRUE(shown().bassGrid.enabled);
}

TEST_F(LookupTest, BassWithoutTensionIsShownAfterASlash) {
    typeSymbol("C/E");
    EXPECT_EQ(shown().editAcorde, "C/E");
    expectChord(0, 4, "00 04 07");
    EXPECT_EQ(state().voicingList.size(), 290u);
}

TEST_F(LookupTest, SymbolWithoutRootFindsNothingAndNamesNothing) {
    for (const char* text : {"h", "H", ""}) {
        SCOPED_TRACE(text);
        typeSymbol(text);
        EXPECT_EQ(state().rootNote, kNoNote);
        EXPECT_EQ(state().bassNote, kNoNote);
        EXPECT_THAT(state().voicingList, IsEmpty());
        EXPECT_THAT(shown().chordNames, IsEmpty());
        EXPECT_EQ(shown().labelTotal, "0");
    }
    EXPECT_EQ(shown().editAcorde, " "); // the empty box's first character: the added blank
}

TEST_F(LookupTest, SymbolWithoutRootButWithABassFindsNothing) {
    typeSymbol("H/E");
    EXPECT_EQ(state().rootNote, kNoNote);
    EXPECT_THAT(state().voicingList, IsEmpty());
    EXPECT_THAT(shown().chordNames, IsEmpty());
}

TEST_F(LookupTest, RootlessSymbolThenRootChoiceRecovers) {
    typeSymbol("H");
    window.StringGridAcordeSelectCell(7);
    EXPECT_EQ(state().rootNote, 7);
    EXPECT_EQ(state().bassNote, 7);
    EXPECT_EQ(shown().editAcorde, "G");
    EXPECT_EQ(state().voicingList.size(), 180u);
    EXPECT_EQ(state().voicingList.front(), "000000 3 2 0 0 3 3 ");
}

} // namespace
