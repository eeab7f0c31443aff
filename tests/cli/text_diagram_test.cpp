// The terminal's chord diagrams, read as a guitarist reads them: lowest string on the left,
// marks over the nut, the base fret beside the first row, barres joined by dashes.
#include "cli/text_diagram.h"

#include <gtest/gtest.h>

namespace tambrel {
namespace {

using Lines = std::vector<std::string>;

TEST(TextDiagram, OpenChordHasMarksOverTheNut) {
    EXPECT_EQ(textDiagram({99, 3, 2, 0, 1, 0}, false), (Lines{
                                                           "     X     O   O",
                                                           "     ===========",
                                                           "     | | | | 1 |",
                                                           "     | | 2 | | |",
                                                           "     | 3 | | | |",
                                                           "     | | | | | |",
                                                           "     | | | | | |",
                                                       }));
    // Left-handed: the same chord seen in the mirror.
    EXPECT_EQ(textDiagram({99, 3, 2, 0, 1, 0}, true), (Lines{
                                                          "     O   O     X",
                                                          "     ===========",
                                                          "     | 1 | | | |",
                                                          "     | | | 2 | |",
                                                          "     | | | | 3 |",
                                                          "     | | | | | |",
                                                          "     | | | | | |",
                                                      }));
}

TEST(TextDiagram, BarresSpanTheStringsTheyHold) {
    // The F barre chord: first finger over all six strings.
    EXPECT_EQ(textDiagram({-1, 3, 3, 2, 1, 1}, false), (Lines{
                                                           "                ",
                                                           "     ===========",
                                                           "     1-1-1-1-1-1",
                                                           "     | | | 2 | |",
                                                           "     | 3 4 | | |",
                                                           "     | | | | | |",
                                                           "     | | | | | |",
                                                       }));
    // Up the neck there is no nut; two barres, the second from the fifth string up, and a
    // two-digit base fret.
    EXPECT_EQ(textDiagram({-10, -11, -11, -11, -11, 11}, false), (Lines{
                                                                     "                ",
                                                                     "     -----------",
                                                                     "10fr 1-1-1-1-1-1",
                                                                     "     | 2-2-2-2-2",
                                                                     "     | | | | | |",
                                                                     "     | | | | | |",
                                                                     "     | | | | | |",
                                                                 }));
    EXPECT_EQ(textDiagram({99, 99, -7, 7, 7, 7}, false)[2], "7fr  | | 1-1-1-1");
}

TEST(TextDiagram, RowsHoldAsManyDiagramsAsFit) {
    const std::vector<Fretting> chords(5, FretList{99, 3, 2, 0, 1, 0});
    // Each diagram is 16 characters wide, with 3 blanks between two of them.
    const std::string rows = textDiagramRows(chords, false, 54);
    std::vector<std::string> lines;
    std::string line;
    for (char c : rows) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    // Three to a row, then two, the rows apart by a blank line.
    ASSERT_GE(lines.size(), 15u);
    EXPECT_EQ(lines[1], "     ===========        ===========        ===========");
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[9], "     ===========        ===========");
    // Too narrow for one still shows one a row.
    EXPECT_NE(textDiagramRows({chords[0]}, false, 5).find("     ==========="), std::string::npos);
}

} // namespace
} // namespace tambrel
