#include "search/easy_shapes.h"
#include "search/voicing_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

namespace tambrel {
namespace {

struct Case {
    const char* name;
    const char* intervals;
    int root;
    int bass;
    SearchInputs options;
    std::size_t count;
    std::vector<std::string> first; // the first entries in display order
};

// How a case is shown in the test list and in failures.
void PrintTo(const Case& c, std::ostream* out) {
    *out << c.intervals << " on " << c.root << " over " << c.bass;
}

SearchInputs defaults() {
    return SearchInputs{};
}

SearchInputs with(void (*change)(SearchInputs&)) {
    SearchInputs in;
    change(in);
    return in;
}

// The entries as the search shows them: the found voicings' entry texts in display order.
std::vector<std::string> search(const char* intervals, int root, int bass, SearchInputs in) {
    in.rootNote = root;
    in.bassNote = bass;
    std::vector<std::string> entries;
    for (const Voicing& v : findVoicings(buildSearchRequest(intervals, root, bass), in).voicingList)
        entries.push_back(entryText(v));
    return entries;
}

class KnownChords : public ::testing::TestWithParam<Case> {};

TEST_P(KnownChords, CountAndFirstEntries) {
    const Case& c = GetParam();
    const auto list = search(c.intervals, c.root, c.bass, c.options);
    EXPECT_EQ(list.size(), c.count);
    for (std::size_t i = 0; i < c.first.size(); ++i) {
        ASSERT_LT(i, list.size());
        EXPECT_EQ(list[i], c.first[i]) << "entry " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    StandardTuning, KnownChords,
    ::testing::Values(
        Case{"CMajor",
             "00 04 07",
             0,
             0,
             defaults(),
             165,
             {"112013 99 3 2 0 1 0 ", "112013 99 3 2 0 1 3 "}},
        Case{"CMajorEasyChords",
             "00 04 07",
             0,
             0,
             with([](SearchInputs& in) { in.easyChords = true, in.distance = 3; }),
             14,
             {}},
        Case{"CMajorNoBarre",
             "00 04 07",
             0,
             0,
             with([](SearchInputs& in) { in.noBarreChords = true; }),
             145,
             {}},
        Case{"CMajorUpToFret6",
             "00 04 07",
             0,
             0,
             with([](SearchInputs& in) { in.maxFret = 6; }),
             28,
             {}},
        Case{"CMajorUpToFret24",
             "00 04 07",
             0,
             0,
             with([](SearchInputs& in) { in.maxFret = 24; }),
             341,
             {}},
        Case{"CMajorDistance2",
             "00 04 07",
             0,
             0,
             with([](SearchInputs& in) { in.distance = 2; }),
             12,
             {"115013 99 3 2 0 99 0 "}},
        Case{"CMajorOmit5",
             "00 04 07",
             0,
             0,
             with([](SearchInputs& in) { in.omit5 = true; }),
             28,
             {"112015 99 3 2 5 5 0 "}},
        Case{"CMajorOmit3",
             "00 04 07",
             0,
             0,
             with([](SearchInputs& in) { in.omit3 = true; }),
             40,
             {}},
        Case{"GMajorPromotesShape",
             "00 04 07",
             7,
             7,
             defaults(),
             180,
             {"000000 3 2 0 0 3 3 ", "111015 99 99 5 4 3 3 "}},
        Case{"EMajorPromotesShape", "00 04 07", 4, 4, defaults(), 171, {"000000 0 2 2 1 0 0 "}},
        Case{"AMinorPromotesShape", "00 03 07", 9, 9, defaults(), 141, {"000000 99 0 2 2 1 0 "}},
        Case{"FMajorPromotesBarre", "00 04 07", 5, 5, defaults(), 57, {"000000 -1 3 3 2 1 1 "}},
        Case{"ComposedNinthTwoPartialBarreMarks",
             "00 04 07 10 02",
             0,
             0,
             defaults(),
             57,
             {"112013 99 3 2 -3 -3 3 "}},
        Case{"CMajorOverE", "00 04 07", 0, 4, defaults(), 290, {"111012 99 99 2 0 1 0 "}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VoicingSearch, RequestsAreBuiltAsEveryCallerBuildsThem) {
    EXPECT_EQ(buildSearchRequest("00 04 07", 0, 0), "0 4 7");
    EXPECT_EQ(buildSearchRequest("00 04 07", 0, 4), "4 0 4 7");
    EXPECT_EQ(buildSearchRequest("00 03 07", 9, 9), "9 0 4");
    EXPECT_EQ(searchRequestFor("00 04 07", 0, 0, 0), "4 7 ");
}

TEST(VoicingSearch, PositionFigureCountsAsFirstPositionUpToTheFifthFret) {
    // G major's barre at the third fret tops out at fret 5: position 11, not 13.
    const auto list = search("00 04 07", 7, 7, defaults());
    EXPECT_NE(std::find(list.begin(), list.end(), "113015 -3 5 5 4 3 3 "), list.end());
    for (const std::string& entry : list) {
        if (entry.substr(0, 6) != "000000" && entry.substr(4, 2) <= "15") {
            EXPECT_EQ(entry.substr(0, 2), "11") << entry;
        }
    }
}

TEST(VoicingSearch, MalformedIntervalListIsAnErrorNotAPartialList) {
    EXPECT_THROW(
        {
            try {
                search("00 04 0x", 0, 0, defaults());
            } catch (const InvalidIntegerError& error) {
                EXPECT_STREQ(error.what(), "'0x' is not a valid integer value");
                throw;
            }
        },
        InvalidIntegerError);
    // A trailing blank makes the last field empty.
    EXPECT_THROW(search("00 04 07 ", 0, 0, defaults()), InvalidIntegerError);
    EXPECT_THROW(findVoicings("0 4  7", SearchInputs{}), InvalidIntegerError);
    EXPECT_THROW(findVoicings("", SearchInputs{}), InvalidIntegerError);
}

TEST(VoicingSearch, LongerRequestsAreSearchedWithAllTheirTones) {
    // Seven tones over the bass: five upper strings cannot hold six needed tones.
    EXPECT_TRUE(search("00 02 04 05 07 09 11", 0, 0, defaults()).empty());
    // A bass and six chord tones: every listed voicing sounds every tone but the root and the
    // bass above the bass string.
    SearchInputs in;
    const auto list = search("00 02 04 07 09 10", 0, 4, in);
    ASSERT_FALSE(list.empty());
    for (const std::string& entry : list) {
        const FretList frets = fretListOfEntry(entry);
        int s = 0;
        while (frets[s] == kMuted) ++s;
        std::vector<int> upper;
        for (++s; s < kStringCount; ++s) {
            if (frets[s] != kMuted) upper.push_back((in.stringNote[s] + std::abs(frets[s])) % 12);
        }
        for (int tone : {2, 7, 9, 10}) {
            EXPECT_NE(std::find(upper.begin(), upper.end(), tone), upper.end()) << entry;
        }
    }
    // Repeated tones count as one each: C E G E needs E twice above the bass.
    const auto doubled = search("00 04 07 04", 0, 0, defaults());
    EXPECT_FALSE(doubled.empty());
    EXPECT_LT(doubled.size(), 165u);
}

TEST(VoicingSearch, NoRootMeansNoVoicings) {
    SearchInputs in;
    in.rootNote = kNoNote;
    in.bassNote = kNoNote;
    EXPECT_TRUE(
        findVoicings(buildSearchRequest("00 04 07", kNoNote, kNoNote), in).voicingList.empty());
}

TEST(VoicingSearch, SameInputsGiveTheSameListInTheSameOrder) {
    SearchInputs in;
    in.maxFret = 24;
    const auto once = search("00 03 07 10", 2, 2, in);
    EXPECT_EQ(once, search("00 03 07 10", 2, 2, in));
    EXPECT_TRUE(std::is_sorted(once.begin(), once.end()));
    EXPECT_EQ(std::adjacent_find(once.begin(), once.end()), once.end());
}

TEST(VoicingSearch, EveryVoicingHasABassOnALowStringAndThreeUpperStrings) {
    SearchInputs in;
    in.maxFret = 18;
    for (const std::string& entry : search("00 04 07 10", 9, 9, in)) {
        const FretList frets = fretListOfEntry(entry);
        int bassString = 0;
        while (frets[bassString] == kMuted) ++bassString;
        EXPECT_LE(bassString, 2) << entry;
        EXPECT_EQ((in.stringNote[bassString] + std::abs(frets[bassString])) % 12, 9) << entry;
        int upper = 0;
        for (int s = bassString + 1; s < kStringCount; ++s) upper += frets[s] != kMuted;
        EXPECT_GE(upper, 3) << entry;
    }
}

TEST(VoicingSearch, BarreMarksAndFingerLimits) {
    const auto f = search("00 04 07", 5, 5, defaults());
    // The main barre: five or more fretted strings with the lowest fret repeated above.
    EXPECT_NE(std::find(f.begin(), f.end(), "000000 -1 3 3 2 1 1 "), f.end());
    // An open string above the lowest fretted string cancels that barre; such a list with
    // five fretted strings needs five fingers and is not listed.
    for (const std::string& entry : f) {
        const FretList frets = fretListOfEntry(entry);
        int fretted = 0;
        for (int v : frets) fretted += v != kMuted && v != 0;
        int marks = 0;
        for (int v : frets) marks += v < 0;
        if (fretted > 4) {
            EXPECT_GT(marks, 0) << entry;
        }
    }
    SearchInputs noBarre;
    noBarre.noBarreChords = true;
    const auto free = search("00 04 07", 5, 5, noBarre);
    EXPECT_EQ(std::find(free.begin(), free.end(), "000000 -1 3 3 2 1 1 "), free.end());
}

TEST(VoicingSearch, EasyChordsMuteOnlyTheTwoLowestStrings) {
    SearchInputs in;
    in.easyChords = true;
    for (const std::string& entry : search("00 04 07", 0, 0, in)) {
        const FretList frets = fretListOfEntry(entry);
        for (int s = 2; s < kStringCount; ++s) EXPECT_NE(frets[s], kMuted) << entry;
    }
}

TEST(VoicingSearch, OmittedToneCanStillBeTheBass) {
    // C over G with the fifth omitted: G stays the bass, and no upper string plays G.
    SearchInputs in;
    in.omit5 = true;
    const auto list = search("00 04 07", 0, 7, in);
    ASSERT_FALSE(list.empty());
    for (const std::string& entry : list) {
        const FretList frets = fretListOfEntry(entry);
        int s = 0;
        while (frets[s] == kMuted) ++s;
        EXPECT_EQ((in.stringNote[s] + frets[s]) % 12, 7) << entry;
        for (++s; s < kStringCount; ++s) {
            if (frets[s] != kMuted) {
                EXPECT_NE((in.stringNote[s] + std::abs(frets[s])) % 12, 7) << entry;
            }
        }
    }
}

TEST(VoicingSearch, FretListsReadBackFromEntries) {
    EXPECT_EQ(fretListOfEntry("112013 99 3 2 -3 -3 3 "), (FretList{99, 3, 2, -3, -3, 3}));
    EXPECT_EQ(fretListOfEntry("000000 -1 3 3 2 1 1 "), (FretList{-1, 3, 3, 2, 1, 1}));
    EXPECT_EQ(fretListOfEntry("252025 10 -11 -11 -11 -11 11 "),
              (FretList{10, -11, -11, -11, -11, 11}));
}

TEST(EasyShapes, TableHoldsThirtyFiveShapesWrittenAsTheSearchWritesThem) {
    const std::string& text = easyShapeText();
    EXPECT_EQ(std::count(text.begin(), text.end(), ','), 34);
    EXPECT_EQ(text.back(), ' ');
    EXPECT_NE(text.find("3 2 0 0 3 3 "), std::string::npos);
    EXPECT_NE(text.find("99 3 0 3 4 3 "), std::string::npos);
}

} // namespace
} // namespace tambrel
