#include "display/chord_diagram.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/display/recording_painter.h"

namespace tambrel {
namespace {

using testing::Drawn;
using testing::RecordingPainter;

RecordingPainter draw(const FretList& frets, bool leftHanded = false, int top = 0, int left = 0,
                      DiagramStyle style = DiagramStyle::Normal) {
    RecordingPainter painter;
    drawChordDiagram(painter, frets, top, left, style, leftHanded);
    return painter;
}

// Rings under all strings but `filled`, which gets the dot; right-hand columns, cell at (0, 0).
std::vector<Drawn> stringMarks(int filled, std::vector<int> muted = {}) {
    std::vector<Drawn> marks;
    for (int s = 0; s < 6; ++s) {
        const bool isMuted = std::find(muted.begin(), muted.end(), s) != muted.end();
        marks.push_back({isMuted ? "x" : (s == filled ? "omin1" : "omin2"), 21 + 11 * s, 91});
    }
    return marks;
}

std::vector<Drawn> marksRow(const RecordingPainter& p) {
    std::vector<Drawn> row;
    for (const Drawn& d : p.calls)
        if (d.what == "x" || d.what == "omin1" || d.what == "omin2") row.push_back(d);
    return row;
}

TEST(ChordDiagram, AllOpenStringsDrawGridBaseOneAndMarksOnly) {
    const RecordingPainter p = draw({0, 0, 0, 0, 0, 0});
    std::vector<Drawn> expected = stringMarks(0);
    expected.push_back({"braco", 24, 3});
    expected.push_back({"text:1", 10, 3});
    EXPECT_EQ(p.calls, expected);
}

TEST(ChordDiagram, AllMutedStringsGetCrossesAndBaseOne) {
    const RecordingPainter p = draw({99, 99, 99, 99, 99, 99});
    EXPECT_EQ(marksRow(p), stringMarks(-1, {0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(p.of("text:1").size(), 1u);
    EXPECT_TRUE(p.startingWith("dedo").empty());
}

TEST(ChordDiagram, OpenChordWithMutedBass) {
    const RecordingPainter p = draw({99, 3, 2, 0, 1, 0});
    EXPECT_EQ(marksRow(p), stringMarks(1, {0}));
    EXPECT_EQ(p.of("text:1"), (std::vector<Drawn>{{"text:1", 10, 3}}));
    EXPECT_EQ(p.startingWith("dedo"), (std::vector<Drawn>{
                                          {"dedo1", 21 + 44, 11}, // string 4, fret 1
                                          {"dedo2", 21 + 22, 27}, // string 2, fret 2
                                          {"dedo3", 21 + 11, 43}, // string 1, fret 3
                                      }));
}

TEST(ChordDiagram, HighShapeStartsAtItsLowestFret) {
    const RecordingPainter p = draw({-5, 7, 7, 6, 5, 5});
    EXPECT_EQ(p.of("text:5"), (std::vector<Drawn>{{"text:5", 10, 3}}));
    std::vector<Drawn> fingers;
    fingers.reserve(6);
    for (int c = 0; c < 6; ++c) fingers.push_back({"dedo6", 18 + 11 * c, 11});
    fingers.push_back({"dedo2", 21 + 33, 27});
    fingers.push_back({"dedo3", 21 + 11, 43});
    fingers.push_back({"dedo4", 21 + 22, 43});
    EXPECT_EQ(p.startingWith("dedo"), fingers);
}

TEST(ChordDiagram, ShapeReachingFifthFretStillStartsAtTheNut) {
    EXPECT_EQ(draw({99, 99, 3, 5, 5, 3}).of("text:1").size(), 1u);
    EXPECT_EQ(draw({99, 99, 3, 5, 6, 3}).of("text:3").size(), 1u);
    const RecordingPainter high = draw({99, 99, -10, 12, 12, 10});
    EXPECT_EQ(high.of("text:10"), (std::vector<Drawn>{{"text:10", 10, 3}}));
    EXPECT_EQ(high.of("dedo2"), (std::vector<Drawn>{{"dedo2", 21 + 33, 11 + 32}}));
}

TEST(ChordDiagram, WorkedExampleBarreAtFirstFret) {
    const RecordingPainter p = draw({-1, 3, 3, 2, 1, 1});
    std::vector<Drawn> expected = stringMarks(0);
    expected.push_back({"braco", 24, 3});
    expected.push_back({"text:1", 10, 3});
    for (int c = 0; c < 6; ++c) expected.push_back({"dedo6", 18 + 11 * c, 11});
    expected.push_back({"dedo2", 54, 27});
    expected.push_back({"dedo3", 32, 43});
    expected.push_back({"dedo4", 43, 43});
    EXPECT_EQ(p.calls, expected);
}

TEST(ChordDiagram, BarreStopsAtOpenOrLowerString) {
    // The open string 2 ends the bar; string 4 at the same fret gets its own finger.
    const RecordingPainter open = draw({-3, 3, 0, 4, 3, 99});
    EXPECT_EQ(open.startingWith("dedo"), (std::vector<Drawn>{
                                             {"dedo6", 18, 43},
                                             {"dedo6", 29, 43},
                                             {"dedo2", 21 + 44, 43},
                                             {"dedo3", 21 + 33, 59},
                                         }));
    // String 3 at fret 2 ends the bar at fret 3; its finger comes first.
    const RecordingPainter lower = draw({99, -3, 3, 2, 3, 99});
    EXPECT_EQ(lower.startingWith("dedo"), (std::vector<Drawn>{
                                              {"dedo1", 21 + 33, 27},
                                              {"dedo6", 29, 43},
                                              {"dedo6", 40, 43},
                                              {"dedo3", 21 + 44, 43},
                                          }));
}

TEST(ChordDiagram, BarreRunsOverMutedAndHigherStrings) {
    const RecordingPainter p = draw({-5, 99, 7, 7, 5, 5});
    std::vector<Drawn> expected;
    expected.reserve(6);
    for (int c = 0; c < 6; ++c) expected.push_back({"dedo6", 18 + 11 * c, 11});
    expected.push_back({"dedo2", 21 + 22, 43}); // the higher strings keep their own fingers
    expected.push_back({"dedo3", 21 + 33, 43});
    EXPECT_EQ(p.startingWith("dedo"), expected);
}

TEST(ChordDiagram, OnlyFourFingersAndFiveFretsAreDrawn) {
    const RecordingPainter p = draw({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(p.startingWith("dedo"), (std::vector<Drawn>{
                                          {"dedo1", 21, 11},
                                          {"dedo2", 32, 27},
                                          {"dedo3", 43, 43},
                                          {"dedo4", 54, 59},
                                      }));
}

TEST(ChordDiagram, CellCornerOffsetsEveryPositionAndStyleChoosesTheGrid) {
    const RecordingPainter p =
        draw({99, 3, 2, 0, 1, 0}, false, 260, 300, DiagramStyle::Highlighted);
    EXPECT_EQ(p.of("braco2"), (std::vector<Drawn>{{"braco2", 324, 263}}));
    EXPECT_TRUE(p.of("braco").empty());
    EXPECT_EQ(p.of("text:1"), (std::vector<Drawn>{{"text:1", 310, 263}}));
    EXPECT_EQ(p.of("x"), (std::vector<Drawn>{{"x", 321, 351}}));
    EXPECT_EQ(p.of("dedo1"), (std::vector<Drawn>{{"dedo1", 365, 271}}));
}

// Left-handed diagrams are the mirror images: column 5 - s, the same calls in the same order.
TEST(ChordDiagram, LeftHandMirrorsEveryColumn) {
    const FretList cases[] = {{0, 0, 0, 0, 0, 0},   {99, 3, 2, 0, 1, 0}, {-5, 7, 7, 6, 5, 5},
                              {-3, 3, 0, 4, 3, 99}, {-1, 3, 3, 2, 1, 1}, {99, -3, 3, 2, 3, 99}};
    for (const FretList& frets : cases) {
        const RecordingPainter right = draw(frets, false, 130, 200);
        const RecordingPainter left = draw(frets, true, 130, 200);
        ASSERT_EQ(left.calls.size(), right.calls.size());
        for (std::size_t i = 0; i < right.calls.size(); ++i) {
            Drawn mirrored = right.calls[i];
            if (mirrored.what == "dedo6")
                mirrored.x = 2 * (200 + 18) + 55 - mirrored.x;
            else if (mirrored.what != "braco" && mirrored.what.rfind("text:", 0) != 0)
                mirrored.x = 2 * (200 + 21) + 55 - mirrored.x;
            EXPECT_EQ(left.calls[i], mirrored) << "call " << i;
        }
    }
    // The filled dot then stands under the rightmost sounding column.
    const RecordingPainter left = draw({99, 3, 2, 0, 1, 0}, true);
    EXPECT_EQ(left.of("x"), (std::vector<Drawn>{{"x", 21 + 55, 91}}));
    EXPECT_EQ(left.of("omin1"), (std::vector<Drawn>{{"omin1", 21 + 44, 91}}));
    EXPECT_EQ(left.of("dedo1"), (std::vector<Drawn>{{"dedo1", 21 + 11, 11}}));
}

} // namespace
} // namespace tambrel
