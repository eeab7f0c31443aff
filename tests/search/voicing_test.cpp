// A found voicing and the entry text it is shown and exchanged as; the display order, which is
// the byte order of those texts.
#include "search/display_order.h"
#include "search/voicing.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tambrel {
namespace {

TEST(Voicing, EntryTextIsTheKeyThenEachFretValueAndABlank) {
    const Voicing openC{{99, 3, 2, 0, 1, 0}, 11, 20, 13, false};
    EXPECT_EQ(entryText(openC), "112013 99 3 2 0 1 0 ");
    EXPECT_EQ(fretText(openC.frets), "99 3 2 0 1 0 ");
    EXPECT_EQ(openC, "112013 99 3 2 0 1 0 ");
    EXPECT_NE(openC, "112013 99 3 2 0 1 0");
    std::ostringstream out;
    out << openC;
    EXPECT_EQ(out.str(), "112013 99 3 2 0 1 0 ");

    const Voicing twoBarres{{10, -11, -11, -11, -11, 11}, 20, 30, 21, false};
    EXPECT_EQ(entryText(twoBarres), "203021 10 -11 -11 -11 -11 11 ");
}

TEST(Voicing, APromotedShapeHasTheKeyOfZeros) {
    Voicing g{{3, 2, 0, 0, 3, 3}, 11, 30, 13, false};
    g.promoted = true;
    EXPECT_EQ(entryText(g), "000000 3 2 0 0 3 3 ");
}

TEST(DisplayOrder, TheFirstWellKnownShapeFoundIsPromotedAndAllAreSortedByText) {
    std::vector<Voicing> found{
        {{99, 99, 5, 4, 3, 3}, 11, 10, 15, false},
        {{3, 2, 0, 0, 3, 3}, 11, 30, 13, false},  // shape 2 of the table
        {{0, 2, 2, 1, 0, 0}, 11, 30, 12, false},  // a shape too, but found later
        {{-3, 5, 5, 4, 3, 3}, 11, 30, 15, false}, // the barre sorts before the digits
    };
    putInDisplayOrder(found);
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found[0], "000000 3 2 0 0 3 3 ");
    EXPECT_EQ(found[1], "111015 99 99 5 4 3 3 ");
    EXPECT_EQ(found[2], "113012 0 2 2 1 0 0 ");
    EXPECT_EQ(found[3], "113015 -3 5 5 4 3 3 ");
    EXPECT_FALSE(found[2].promoted);
}

TEST(DisplayOrder, NothingFoundStaysEmpty) {
    std::vector<Voicing> none;
    putInDisplayOrder(none);
    EXPECT_TRUE(none.empty());
}

} // namespace
} // namespace tambrel
