#include "display/neck_view.h"

#include <gtest/gtest.h>

#include "tests/display/recording_painter.h"

namespace tambrel {
namespace {

using testing::Drawn;
using testing::RecordingPainter;

RecordingPainter show(const FretList& frets, bool electric = false) {
    RecordingPainter painter;
    showOnNeck(painter, frets, electric);
    return painter;
}

std::vector<Drawn> balls(const RecordingPainter& p) {
    std::vector<Drawn> found;
    for (const Drawn& d : p.calls)
        if (d.what.size() == 2 && d.what[0] == 'd' && d.what[1] != '0') found.push_back(d);
    return found;
}

TEST(NeckView, FretTable) {
    const std::array<int, 26> expected{10,  50,  93,  134, 171, 206, 239, 270, 298,
                                       325, 350, 373, 396, 419, 439, 460, 481, 501,
                                       521, 541, 559, 576, 591, 604, 618, 628};
    EXPECT_EQ(neckFretX(), expected);
}

TEST(NeckView, BackgroundComesFirstAndFollowsTheNeckChoice) {
    EXPECT_EQ(show({99, 3, 2, 0, 1, 0}).calls.front(), (Drawn{"ImageBracoEletrico", 0, 0}));
    EXPECT_EQ(show({99, 3, 2, 0, 1, 0}, true).calls.front(), (Drawn{"Image5", 0, 0}));
    EXPECT_EQ(show({99, 99, 99, 99, 99, 99}, true).calls, (std::vector<Drawn>{{"Image5", 0, 0}}));
}

TEST(NeckView, OpenStringsGetBallsAtTheNutHighestFirst) {
    const RecordingPainter p = show({0, 0, 0, 0, 0, 0});
    std::vector<Drawn> expected{{"ImageBracoEletrico", 0, 0}};
    for (int y = 0; y <= 70; y += 14) expected.push_back({"d0", 0, y});
    EXPECT_EQ(p.calls, expected);
}

TEST(NeckView, OpenChordWithMutedBass) {
    const RecordingPainter p = show({99, 3, 2, 0, 1, 0});
    EXPECT_EQ(p.of("d0"), (std::vector<Drawn>{{"d0", 0, 0}, {"d0", 0, 28}}));
    EXPECT_EQ(balls(p), (std::vector<Drawn>{{"d1", 40, 14}, {"d2", 83, 42}, {"d3", 124, 56}}));
}

TEST(NeckView, BarreRepeatsItsFingerOnEveryString) {
    const RecordingPainter p = show({-1, 3, 3, 2, 1, 1});
    std::vector<Drawn> expected;
    expected.reserve(6);
    for (int s = 0; s < 6; ++s) expected.push_back({"d1", 40, (5 - s) * 14});
    expected.push_back({"d2", 83, 28});
    expected.push_back({"d3", 124, 56});
    expected.push_back({"d4", 124, 42});
    EXPECT_EQ(balls(p), expected);
    EXPECT_TRUE(p.of("d0").empty());
}

TEST(NeckView, BarreStopsAtLowerFretAndCrossesMutedAndHigherStrings) {
    EXPECT_EQ(balls(show({99, -3, 3, 2, 3, 99})), (std::vector<Drawn>{
                                                      {"d1", 83, 28},
                                                      {"d2", 124, 56},
                                                      {"d2", 124, 42},
                                                      {"d3", 124, 14},
                                                  }));
    std::vector<Drawn> crossing;
    crossing.reserve(6);
    for (int s = 0; s < 6; ++s) crossing.push_back({"d1", 196, (5 - s) * 14});
    crossing.push_back({"d2", 260, 42});
    crossing.push_back({"d3", 260, 28});
    EXPECT_EQ(balls(show({-5, 99, 7, 7, 5, 5})), crossing);
}

TEST(NeckView, MarksAtHighFrets) {
    EXPECT_EQ(balls(show({99, 99, 12, 99, 99, 99})), (std::vector<Drawn>{{"d1", 386, 42}}));
    EXPECT_EQ(balls(show({24, 99, 99, 99, 99, 99})), (std::vector<Drawn>{{"d1", 608, 70}}));
    // A fret beyond the picture gets no mark rather than a position from outside the table.
    EXPECT_TRUE(balls(show({99, 99, 27, 99, 99, 99})).empty());
}

TEST(NeckView, NoMarkForAFifthFinger) {
    const RecordingPainter p = show({1, 2, 3, 4, 5, 5});
    EXPECT_EQ(balls(p).size(), 4u);
    EXPECT_EQ(balls(p).back(), (Drawn{"d4", 161, 28}));
}

} // namespace
} // namespace tambrel
