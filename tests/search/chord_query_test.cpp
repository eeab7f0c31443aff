#include "music/chord_vocabulary.h"
#include "search/chord_query.h"
#include "search/voicing_choices.h"
#include "search/voicing_search.h"
#include "tuning/tunings.h"

#include "tests/search/entry_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tambrel {
namespace {

ChordQuery query(const char* intervals, int root, int bass, SearchInputs in = {}) {
    in.rootNote = root;
    in.bassNote = bass;
    return queryOfIntervals(intervals, in);
}

TEST(ChordQuery, TonesFollowTheFormulaOnTheRootWithTheBassStandingForIt) {
    EXPECT_EQ(query("00 04 07", 0, 0).tones, (std::vector<int>{0, 4, 7}));
    EXPECT_EQ(query("00 03 07 10", 9, 9).tones, (std::vector<int>{9, 0, 4, 7}));
    EXPECT_EQ(query("00 04 07", 0, 4).tones, (std::vector<int>{0, 4, 7}));
    // A repeated tone stays repeated: it needs a string of its own.
    EXPECT_EQ(query("00 04 07 04", 2, 2).tones, (std::vector<int>{2, 6, 9, 6}));
    // A chord without a readable root keeps the mark where the bass stands for it.
    EXPECT_EQ(query("00 04 07", kNoNote, kNoNote).tones, (std::vector<int>{kNoNote, 4, 7}));
    EXPECT_EQ(requestText(query("00 04 07", 0, 4)), "4 0 4 7");
    EXPECT_EQ(requestText(query("00 04 07", 0, 0)), "0 4 7");
}

TEST(ChordQuery, AMalformedFormulaIsRefusedWholeWhereverItsFaultLies) {
    EXPECT_THROW(query("00 04 07 ", 0, 0), InvalidIntegerError); // the empty field at the end
    EXPECT_THROW(query("00 0x 07", 0, 4), InvalidIntegerError);
    EXPECT_THROW(query("", 0, 0), InvalidIntegerError);
    try {
        query("00 4x", 0, 0);
        FAIL() << "no error";
    } catch (const InvalidIntegerError& error) {
        EXPECT_STREQ(error.what(), "'4x' is not a valid integer value");
    }
}

TEST(ChordQuery, TheQueryAndItsRequestTextFindTheSameVoicings) {
    SearchInputs in;
    in.omit5 = true;
    in.maxFret = 18;
    for (int bass : {0, 4, 10}) {
        const ChordQuery q = query("00 04 07 10", 0, bass, in);
        const SearchResult typed = findVoicings(q);
        const SearchResult text = findVoicings(requestText(q), q.inputs);
        EXPECT_EQ(typed.chordTones, text.chordTones) << bass;
        EXPECT_EQ(entryTexts(typed.voicingList), entryTexts(text.voicingList)) << bass;
    }
}

// A capo on fret k turns the shapes of the chord k semitones lower into this chord: the
// fingerings are exactly those, frets counted from the capo, whatever the chord, the bass and
// the options.
TEST(Capo, ChordUnderCapoIsTheChordBelowWithoutOne) {
    for (int k = 1; k <= 7; ++k) {
        for (int row = 0; row < kChordTypeCount; ++row) {
            const char* intervals = chordTypeTable()[row].intervals;
            for (int root = 0; root < 12; ++root) {
                SearchInputs capo;
                capo.capo = k;
                const ChordQuery under = query(intervals, root, root, capo);
                const int below = (root - k + 12) % 12;
                const ChordQuery open = query(intervals, below, below);
                ASSERT_EQ(entryTexts(findVoicings(under).voicingList),
                          entryTexts(findVoicings(open).voicingList))
                    << intervals << " on " << root << " under capo " << k;
            }
        }
    }
}

TEST(Capo, HoldsForSlashChordsOptionsTuningsAndTheOrderOfTheHand) {
    SearchInputs in;
    in.stringNote = tuningPresets()[7].notes; // Drop D
    in.omit5 = true;
    in.maxFret = 18;
    for (int k : {2, 5}) {
        SearchInputs capo = in;
        capo.capo = k;
        ChordQuery under = query("00 04 07 10 02", 9, 1, capo); // A9 over C#, no fifth
        ChordQuery open = query("00 04 07 10 02", 9 - k, (1 - k + 12) % 12, in);
        under.choices = open.choices = {VoicingOrder::EasiestFirst, true};
        const RankedVoicings a = searchWithChoices(under);
        const RankedVoicings b = searchWithChoices(open);
        ASSERT_FALSE(a.result.voicingList.empty());
        EXPECT_EQ(entryTexts(a.result.voicingList), entryTexts(b.result.voicingList)) << k;
        EXPECT_EQ(a.scores, b.scores) << k;
    }
}

TEST(Capo, NotesSoundAtTheirPitchWithFretsCountedFromTheCapo) {
    const MidiNoteTable open = midiNoteTableFor(kStandardTuning);
    const MidiNoteTable capo3 = midiNoteTableFor(kStandardTuning, 3);
    for (int s = 0; s < kStringCount; ++s) {
        for (int f = 0; f + 3 < kFretColumns; ++f) EXPECT_EQ(capo3[s][f], open[s][f + 3]);
        EXPECT_EQ(capo3[s][kFretColumns - 1], open[s][kFretColumns - 1] + 3);
    }
    EXPECT_EQ(midiNoteTableFor(kStandardTuning, 0), open);
    EXPECT_EQ(tuningUnderCapo(kStandardTuning, 3), (StringNotes{7, 0, 5, 10, 2, 7}));
}

} // namespace
} // namespace tambrel
