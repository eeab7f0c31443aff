// How a fret list is held: finger numbers, barres, the base fret and the marks row, which the
// chord diagrams, the neck view and the text diagrams all draw.
#include "display/fingering.h"

#include <gtest/gtest.h>

#include <vector>

namespace tambrel {
namespace {

struct Placed {
    int fret;
    int finger;
    bool barre;
    std::vector<int> strings;
    bool operator==(const Placed&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Placed& p) {
    out << (p.barre ? "barre " : "note ") << "fret " << p.fret << " finger " << p.finger << " on";
    for (int s : p.strings) out << ' ' << s;
    return out;
}

std::vector<Placed> placed(const Fingering& f) {
    std::vector<Placed> all;
    for (int i = 0; i < f.placementCount; ++i) {
        const FingerPlacement& p = f.placements[i];
        all.push_back({p.fret, p.finger, p.barre,
                       std::vector<int>(p.strings.begin(), p.strings.begin() + p.stringCount)});
    }
    return all;
}

TEST(Fingering, FingersAreNumberedByFretThenString) {
    const Fingering f = fingeringOf({99, 3, 2, 0, 1, 0});
    EXPECT_EQ(placed(f),
              (std::vector<Placed>{{1, 1, false, {4}}, {2, 2, false, {2}}, {3, 3, false, {1}}}));
    EXPECT_EQ(f.baseFret, 1);
    EXPECT_EQ(f.lowestFret, 1);
    EXPECT_EQ(f.highestFret, 3);
    EXPECT_EQ(f.marks, (std::array<StringMark, 6>{StringMark::Muted, StringMark::Lowest,
                                                  StringMark::Sounding, StringMark::Sounding,
                                                  StringMark::Sounding, StringMark::Sounding}));
}

TEST(Fingering, ABarreTakesOneNumberAndCoversTheStringsAtItsFret) {
    const Fingering f = fingeringOf({-1, 3, 3, 2, 1, 1});
    EXPECT_EQ(placed(f), (std::vector<Placed>{{1, 1, true, {0, 1, 2, 3, 4, 5}},
                                              {2, 2, false, {3}},
                                              {3, 3, false, {1}},
                                              {3, 4, false, {2}}}));
    EXPECT_EQ(f.marks[0], StringMark::Lowest);
}

TEST(Fingering, ABarreEndsAtALowerFretOrAnOpenString) {
    // The barre at fret 3 stops at string 3, fretted lower; string 4 keeps its own finger.
    EXPECT_EQ(placed(fingeringOf({99, -3, 3, 2, 3, 99})),
              (std::vector<Placed>{{2, 1, false, {3}}, {3, 2, true, {1, 2}}, {3, 3, false, {4}}}));
    // An open string ends it too.
    EXPECT_EQ(placed(fingeringOf({-3, 3, 0, 5, 99, 99}))[0], (Placed{3, 1, true, {0, 1}}));
}

TEST(Fingering, MutedAndHigherStringsLieUnderTheBar) {
    // The bar crosses the muted string 1 and string 3 at fret 7, which keeps its own finger.
    const Fingering f = fingeringOf({-5, 99, 5, 7, 5, 5});
    EXPECT_EQ(placed(f),
              (std::vector<Placed>{{5, 1, true, {0, 1, 2, 3, 4, 5}}, {7, 2, false, {3}}}));
    EXPECT_EQ(f.baseFret, 5);
}

TEST(Fingering, TwoBarresUpTheNeck) {
    // The first bar lies over the strings held higher by the second.
    const Fingering f = fingeringOf({-10, -11, -11, -11, -11, 11});
    EXPECT_EQ(placed(f), (std::vector<Placed>{{10, 1, true, {0, 1, 2, 3, 4, 5}},
                                              {11, 2, true, {1, 2, 3, 4, 5}}}));
    EXPECT_EQ(f.baseFret, 10);
}

TEST(Fingering, BaseFretIsOneBelowTheSixthFret) {
    EXPECT_EQ(fingeringOf({-3, 5, 5, 4, 3, 3}).baseFret, 1);
    EXPECT_EQ(fingeringOf({-5, 7, 7, 6, 5, 5}).baseFret, 5);
    EXPECT_EQ(fingeringOf({99, 99, 0, 0, 0, 0}).baseFret, 1);
    const Fingering muted = fingeringOf({99, 99, 99, 99, 99, 99});
    EXPECT_EQ(muted.baseFret, 1);
    EXPECT_EQ(muted.placementCount, 0);
    EXPECT_EQ(muted.lowestFret, 100);
    EXPECT_EQ(muted.highestFret, 0);
}

TEST(Fingering, FingersBeyondTheFourthAreStillCounted) {
    const Fingering f = fingeringOf({1, 2, 3, 4, 5, 6});
    ASSERT_EQ(f.placementCount, 6);
    EXPECT_EQ(f.placements[5].finger, 6);
}

TEST(Fingering, LeftHandedDiagramsMirrorTheColumns) {
    EXPECT_EQ(diagramColumn(0, false), 0);
    EXPECT_EQ(diagramColumn(0, true), 5);
    EXPECT_EQ(diagramColumn(4, true), 1);
}

} // namespace
} // namespace tambrel
