#include "music/chord_vocabulary.h"
#include "music/fret_list_text.h"
#include "search/voicing_search.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace tambrel {
namespace {

// Every voicing of every chord type on every root, under a fret limit.
std::vector<Voicing> sweep(int maxFret) {
    std::vector<Voicing> all;
    for (int root = 0; root < 12; ++root) {
        for (const ChordType& type : chordTypeTable()) {
            SearchInputs in;
            in.rootNote = in.bassNote = root;
            in.maxFret = maxFret;
            const SearchResult found = findVoicings(queryOfIntervals(type.intervals, in));
            all.insert(all.end(), found.voicingList.begin(), found.voicingList.end());
        }
    }
    return all;
}

const FretListStyle kStyles[] = {
    {FretSeparator::Compact, 'x'},
    {FretSeparator::Blanks, 'x'},
    {FretSeparator::Hyphens, 'X'},
    {FretSeparator::Compact, 'X'},
};

TEST(FretListText, EveryVoicingOfTheSweepReadsBackAsWritten) {
    const std::vector<Voicing> all = sweep(12);
    ASSERT_GT(all.size(), 20000u);
    for (const Voicing& v : all) {
        for (const FretListStyle& style : kStyles) {
            const std::string text = writeFretList(v.frets, style);
            const FretListReading read = readFretList(text);
            ASSERT_TRUE(read.frets.has_value()) << text << ": " << read.error;
            // Barres are no part of a fret list as guitarists write it.
            ASSERT_EQ(read.frets->frets(), v.frets.frets()) << text;
            ASSERT_EQ(read.frets->barres(), 0u) << text;
        }
    }
}

TEST(FretListText, TwoDigitFretsAreSeparatedAndShortListsAreNot) {
    const Fretting high{kMuted, 10, -12, 12, 11, 10};
    EXPECT_EQ(writeFretList(high), "x 10 12 12 11 10");
    EXPECT_EQ(writeFretList(high, {FretSeparator::Hyphens, 'X'}), "X-10-12-12-11-10");
    EXPECT_EQ(writeFretList(Fretting{kMuted, 3, 2, 0, 1, 0}), "x32010");
    EXPECT_EQ(writeFretList(Fretting{-1, 3, 3, 2, 1, 1}, {FretSeparator::Blanks, 'X'}),
              "1 3 3 2 1 1");
    EXPECT_EQ(readFretList("X-10-12-12-11-10").frets, (FretList{kMuted, 10, 12, 12, 11, 10}));
}

// The widest limit lets a fingering reach past the 24th fret, beyond what a typed fret list
// may name: those are refused with the reason, all others read back.
TEST(FretListText, FretsPastTheNamedRangeAreRefusedWithTheReason) {
    int refused = 0;
    for (const Voicing& v : sweep(24)) {
        const std::string text = writeFretList(v.frets);
        const FretListReading read = readFretList(text);
        int highest = 0;
        for (int f : v.frets.frets())
            if (f != kMuted) highest = std::max(highest, f);
        if (highest <= kHighestNamedFret) {
            ASSERT_TRUE(read.frets.has_value()) << text;
            continue;
        }
        ++refused;
        ASSERT_FALSE(read.frets.has_value()) << text;
        EXPECT_NE(read.error.find("is neither a fret from 0 to 24 nor x"), std::string::npos);
    }
    EXPECT_GT(refused, 0);
}

// The entry text's barre marks are the fingering's barres, and one key tells fingerings apart.
TEST(Fretting, EntryMarksRoundTripAndOneKeyTellsEveryFingeringApart) {
    std::map<FingeringKey, Fretting> keys;
    for (const Voicing& v : sweep(24)) {
        EXPECT_EQ(Fretting(v.frets.marked()), v.frets);
        EXPECT_EQ(Fretting(fretListOfEntry(entryText(v))), v.frets);
        for (int s = 0; s < kStringCount; ++s) {
            ASSERT_GE(v.frets.fret(s), 0);
            EXPECT_EQ(v.frets.beginsBarre(s), v.frets.marked()[s] < 0);
        }
        const auto [at, added] = keys.emplace(fingeringKey(v.frets), v.frets);
        if (!added) {
            ASSERT_EQ(at->second, v.frets) << "two fingerings share a key";
        }
    }
    // The same frets with and without a barre are two fingerings.
    EXPECT_NE(fingeringKey(Fretting{-1, 3, 3, 2, 1, 1}), fingeringKey(Fretting{1, 3, 3, 2, 1, 1}));
    EXPECT_NE(fingeringKey(Fretting{kMuted, 0, 0, 0, 0, 0}), fingeringKey(Fretting{}));
}

} // namespace
} // namespace tambrel
