#include "search/common_voicings.h"
#include "search/voicing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace tambrel {
namespace {

IntervalSet set(std::initializer_list<int> intervals) {
    IntervalSet s = 0;
    for (int i : intervals) s |= 1U << i;
    return s;
}

std::vector<IntervalSet> omissions(const char* intervals) {
    return commonOmissions(intervalSetOf(intervals));
}

TEST(CommonOmissions, TheFifthOfChordsOfFourNotesOrMore) {
    EXPECT_TRUE(omissions("00 04 07").empty());
    EXPECT_TRUE(omissions("00 07").empty());
    EXPECT_EQ(omissions("00 04 07 10"), (std::vector<IntervalSet>{set({7})}));
    EXPECT_EQ(omissions("00 03 07 10 02"), (std::vector<IntervalSet>{set({7})}));
    // The sixth of a sixth chord is no thirteenth: there is no seventh.
    EXPECT_EQ(omissions("00 04 07 09"), (std::vector<IntervalSet>{set({7})}));
    // An altered fifth is what the chord is made of.
    EXPECT_TRUE(omissions("00 03 06 10").empty());
    EXPECT_TRUE(omissions("00 03 06 09").empty());
    EXPECT_TRUE(omissions("00 04 08 10").empty());
    // A suspended fourth beside a seventh is no eleventh: it has no third.
    EXPECT_EQ(omissions("00 05 07 10"), (std::vector<IntervalSet>{set({7})}));
}

TEST(CommonOmissions, EleventhChordsAlsoTheThirdOrTheNinth) {
    EXPECT_EQ(omissions("00 04 07 10 02 05"),
              (std::vector<IntervalSet>{set({7}), set({2}), set({4}), set({7, 2}), set({7, 4})}));
    // A minor third sits well under the eleventh and stays; so does a major third under a
    // sharp eleventh.
    EXPECT_EQ(omissions("00 03 07 10 02 05"),
              (std::vector<IntervalSet>{set({7}), set({2}), set({7, 2})}));
    EXPECT_EQ(omissions("00 04 07 10 02 06"),
              (std::vector<IntervalSet>{set({7}), set({2}), set({7, 2})}));
    // Without the fifth the same choices remain.
    EXPECT_EQ(omissions("00 04 10 02 05"), (std::vector<IntervalSet>{set({2}), set({4})}));
}

TEST(CommonOmissions, ThirteenthChordsAlsoTheNinthAndTheEleventh) {
    EXPECT_EQ(omissions("00 04 07 10 02 09"),
              (std::vector<IntervalSet>{set({7}), set({2}), set({7, 2})}));
    const std::vector<IntervalSet> full = omissions("00 04 07 10 02 05 09");
    EXPECT_EQ(full.size(), 7U);
    EXPECT_EQ(full.front(), set({7}));
    EXPECT_EQ(full.back(), set({2, 5, 7}));
    // Tick order does not matter: the formula is read as a set of intervals.
    EXPECT_EQ(omissions("00 04 07 09 10"), omissions("00 04 07 10 09"));
}

TEST(ChordRoles, NamesToneByWhatItIsInTheChord) {
    const IntervalSet seventhSharpNine = intervalSetOf("00 04 07 10 03");
    EXPECT_EQ(toneRoleName(3, seventhSharpNine), "sharp ninth");
    EXPECT_EQ(toneRoleName(3, intervalSetOf("00 03 07")), "third");
    EXPECT_EQ(toneRoleName(5, intervalSetOf("00 05 07")), "fourth");
    EXPECT_EQ(toneRoleName(5, intervalSetOf("00 04 07 10 05")), "eleventh");
    EXPECT_EQ(toneRoleName(9, intervalSetOf("00 04 07 09")), "sixth");
    EXPECT_EQ(toneRoleName(9, intervalSetOf("00 04 07 10 09")), "thirteenth");
    EXPECT_EQ(toneRoleName(9, intervalSetOf("00 03 06 09")), "seventh");
    EXPECT_EQ(leftOutText(set({7, 2}), intervalSetOf("00 04 07 10 02")), "no ninth, no fifth");
    EXPECT_EQ(leftOutText(0, intervalSetOf("00 04 07")), "");
}

TEST(ChordRoles, IntervalListsWithoutTones) {
    EXPECT_EQ(intervalsWithout("00 04 07 10", set({7})), "00 04 10");
    EXPECT_EQ(intervalsWithout("00 04 07 04", set({4})), "00 07");
    EXPECT_EQ(intervalsWithout("00 04 07", set({0})), "00 04 07"); // the root stays
    EXPECT_THROW(intervalsWithout("00 0x 07", set({7})), InvalidIntegerError);
}

std::vector<Voicing> plainSearch(const std::string& intervals, const SearchInputs& in) {
    return findVoicings(buildSearchRequest(intervals, in.rootNote, in.bassNote), in).voicingList;
}

std::set<std::string> fretTexts(const std::vector<Voicing>& list) {
    std::set<std::string> texts;
    for (const Voicing& v : list) texts.insert(fretText(v.frets));
    return texts;
}

TEST(CommonVoicings, AreTheUnionOfTheSearchesWithTonesLeftOut) {
    struct Chord {
        const char* intervals;
        int root;
        int bass;
    };
    for (const Chord& c :
         {Chord{"00 04 07 10", 0, 0}, Chord{"00 04 07 10 02 05", 0, 0}, Chord{"00 03 07 10", 9, 9},
          Chord{"00 04 07 10", 0, 7}, Chord{"00 04 07", 7, 7}}) {
        SearchInputs in;
        in.rootNote = c.root;
        in.bassNote = c.bass;
        const SearchResult common = findCommonVoicings(c.intervals, in);
        std::set<std::string> expected = fretTexts(plainSearch(c.intervals, in));
        for (IntervalSet leave : commonOmissions(intervalSetOf(c.intervals))) {
            const auto part = fretTexts(plainSearch(intervalsWithout(c.intervals, leave), in));
            expected.insert(part.begin(), part.end());
        }
        const std::set<std::string> found = fretTexts(common.voicingList);
        EXPECT_EQ(found, expected) << c.intervals;
        EXPECT_EQ(found.size(), common.voicingList.size()) << "each fingering once";
        std::vector<std::string> texts;
        for (const Voicing& v : common.voicingList) texts.push_back(entryText(v));
        EXPECT_TRUE(std::is_sorted(texts.begin(), texts.end()));
        EXPECT_LE(std::count_if(common.voicingList.begin(), common.voicingList.end(),
                                [](const Voicing& v) { return v.promoted; }),
                  1);
        EXPECT_EQ(common.chordTones,
                  findVoicings(buildSearchRequest(c.intervals, c.root, c.bass), in).chordTones);
        // Nothing beyond the common omissions is left out. The root sounds in every one of
        // them, in the bass; over another bass the search never asks for it above (as without
        // common voicings).
        const IntervalSet chord = intervalSetOf(c.intervals);
        IntervalSet allowed = c.bass == c.root ? 0U : 1U;
        for (IntervalSet leave : commonOmissions(chord)) allowed |= leave;
        for (const Voicing& v : common.voicingList) {
            const IntervalSet leftOut = leftOutTones(v.frets, chord, c.root, in.stringNote);
            EXPECT_EQ(leftOut & ~allowed, 0U) << v;
        }
    }
}

TEST(CommonVoicings, ATriadIsSearchedAsItIs) {
    SearchInputs in;
    EXPECT_EQ(findCommonVoicings("00 04 07", in).voicingList, plainSearch("00 04 07", in));
}

TEST(CommonVoicings, TheC7WithoutItsFifthIsAmongThem) {
    SearchInputs in;
    const SearchResult common = findCommonVoicings("00 04 07 10", in);
    const auto plain = plainSearch("00 04 07 10", in);
    EXPECT_GT(common.voicingList.size(), plain.size());
    const FretList c7{kMuted, 3, 2, 3, 1, 0};
    const auto it = std::find_if(common.voicingList.begin(), common.voicingList.end(),
                                 [&c7](const Voicing& v) { return v.frets == c7; });
    ASSERT_NE(it, common.voicingList.end());
    EXPECT_EQ(leftOutTones(c7, intervalSetOf("00 04 07 10"), 0, in.stringNote), set({7}));
    EXPECT_THROW(findCommonVoicings("00 04 07 ", in), InvalidIntegerError);
}

TEST(CommonVoicings, KeepOneWellKnownShapeFirst) {
    // G7 is put first by its full search; shapes that later searches would put first stand
    // by their position instead.
    SearchInputs in;
    in.rootNote = 7;
    in.bassNote = 7;
    const SearchResult common = findCommonVoicings("00 04 07 10", in);
    ASSERT_FALSE(common.voicingList.empty());
    EXPECT_EQ(entryText(common.voicingList.front()), "000000 3 2 0 0 0 1 ");
    EXPECT_EQ(std::count_if(common.voicingList.begin(), common.voicingList.end(),
                            [](const Voicing& v) { return v.promoted; }),
              1);
}

} // namespace
} // namespace tambrel
