// Labelled dots: what each fretted note and open string shows, and that finger numbers draw the
// diagram exactly as before.
#include "display/chord_diagram.h"
#include "display/dot_labels.h"

#include <gtest/gtest.h>

#include "tests/display/recording_painter.h"

namespace tambrel {
namespace {

using testing::Drawn;
using testing::RecordingPainter;

DiagramNotes notesOf(int root, const std::vector<int>& intervals, bool flats = false,
                     StringNotes tuning = kStandardTuning) {
    std::vector<int> tones;
    tones.reserve(intervals.size());
    for (int interval : intervals) tones.push_back((root + interval) % 12);
    return DiagramNotes{tuning, root, chordMaskOf(tones, root), flats};
}

RecordingPainter draw(const FretList& frets, DotLabels labels, const DiagramNotes& notes,
                      bool leftHanded = false) {
    RecordingPainter painter;
    drawChordDiagram(painter, frets, 0, 0, DiagramStyle::Normal, leftHanded, labels, notes);
    return painter;
}

TEST(DotLabels, FingerNumbersDrawTheDiagramOfBefore) {
    const FretList cases[] = {{0, 0, 0, 0, 0, 0},       {99, 3, 2, 0, 1, 0},   {-5, 7, 7, 6, 5, 5},
                              {-1, 3, 3, 2, 1, 1},      {99, -3, 3, 2, 3, 99}, {1, 2, 3, 4, 5, 6},
                              {99, 99, -10, 12, 12, 10}};
    for (const FretList& frets : cases) {
        for (bool leftHanded : {false, true}) {
            RecordingPainter before;
            drawChordDiagram(before, frets, 130, 200, DiagramStyle::Highlighted, leftHanded);
            RecordingPainter labelled;
            drawChordDiagram(labelled, frets, 130, 200, DiagramStyle::Highlighted, leftHanded,
                             DotLabels::Fingers, notesOf(3, {0, 3, 7}, true));
            EXPECT_EQ(labelled.calls, before.calls);
        }
    }
}

TEST(DotLabels, NoteNamesOnTheFingersAndUnderTheOpenStrings) {
    // C major, x 3 2 0 1 0: C on string 1, E on string 2, C on string 4; G and E open.
    const RecordingPainter p = draw({99, 3, 2, 0, 1, 0}, DotLabels::Notes, notesOf(0, {0, 4, 7}));
    EXPECT_TRUE(p.startingWith("dedo").empty());
    EXPECT_EQ(p.startingWith("mark:"), (std::vector<Drawn>{
                                           {"mark:C", 21 + 44, 11}, // string 4, fret 1
                                           {"mark:E", 21 + 22, 27}, // string 2, fret 2
                                           {"mark:C", 21 + 11, 43}, // string 1, fret 3
                                       }));
    EXPECT_EQ(p.startingWith("caption:"), (std::vector<Drawn>{
                                              {"caption:G", 21 + 33, 91},
                                              {"caption:E", 21 + 55, 91},
                                          }));
    // The marks row below the grid is unchanged: a cross, the filled dot, rings.
    EXPECT_EQ(p.of("x").size(), 1u);
    EXPECT_EQ(p.of("omin1").size(), 1u);
    EXPECT_EQ(p.of("omin2").size(), 4u);
}

TEST(DotLabels, ABarreLabelsEachStringItSoundsAndKeepsItsBar) {
    // F over the first fret: the bar sounds strings 0, 4 and 5; the others are fretted higher.
    const RecordingPainter p =
        draw({-1, 3, 3, 2, 1, 1}, DotLabels::Intervals, notesOf(5, {0, 4, 7}));
    EXPECT_EQ(p.of("dedo6").size(), 6u);
    EXPECT_EQ(p.startingWith("mark:"), (std::vector<Drawn>{
                                           {"mark:R", 21, 11},
                                           {"mark:5", 21 + 44, 11},
                                           {"mark:R", 21 + 55, 11},
                                           {"mark:3", 21 + 33, 27},
                                           {"mark:5", 21 + 11, 43},
                                           {"mark:R", 21 + 22, 43},
                                       }));
    EXPECT_TRUE(p.startingWith("caption:").empty());
}

TEST(DotLabels, EveryFretIsLabelledEvenPastTheFourthFinger) {
    const RecordingPainter p = draw({1, 2, 3, 4, 5, 6}, DotLabels::Notes, notesOf(0, {0, 4, 7}));
    EXPECT_EQ(p.startingWith("mark:").size(), 5u); // fret 6 lies below a five-fret diagram
}

TEST(DotLabels, LeftHandMirrorsTheLabelsToo) {
    const RecordingPainter p =
        draw({99, 3, 2, 0, 1, 0}, DotLabels::Notes, notesOf(0, {0, 4, 7}), true);
    EXPECT_EQ(p.startingWith("mark:").front(), (Drawn{"mark:C", 21 + 11, 11}));
    EXPECT_EQ(p.startingWith("caption:").front(), (Drawn{"caption:G", 21 + 22, 91}));
}

TEST(DotLabels, NamesFollowTheTuningAndTheFlats) {
    const DiagramNotes dropD = notesOf(2, {0, 4, 7}, false, {2, 9, 2, 7, 11, 4});
    EXPECT_EQ(dotLabel(DotLabels::Notes, dropD, 0, 0), "D");
    EXPECT_EQ(dotLabel(DotLabels::Notes, dropD, 0, -4), "F#"); // a barre mark counts as its fret
    EXPECT_EQ(dotLabel(DotLabels::Notes, notesOf(10, {0, 4, 7}, true), 0, 6), "Bb");
    EXPECT_EQ(dotLabel(DotLabels::Notes, notesOf(0, {0, 4, 7}), 5, 24), "E");
    EXPECT_EQ(dotLabel(DotLabels::Notes, notesOf(0, {0, 4, 7}), 0, kMuted), "");
    EXPECT_EQ(dotLabel(DotLabels::Fingers, notesOf(0, {0, 4, 7}), 1, 3), "");
    // No root to count from: the note's name still.
    DiagramNotes rootless = notesOf(0, {0, 4, 7});
    rootless.rootNote = kNoNote;
    EXPECT_EQ(dotLabel(DotLabels::Intervals, rootless, 1, 3), "C");
}

TEST(DotLabels, IntervalsAreNamedAsInTheChord) {
    const auto name = [](int semitones, const std::vector<int>& chord) {
        return intervalName(semitones, chordMaskOf(chord, 0));
    };
    EXPECT_EQ(name(0, {0, 4, 7}), "R");
    EXPECT_EQ(name(4, {0, 4, 7}), "3");
    EXPECT_EQ(name(3, {0, 3, 7}), "b3");
    EXPECT_EQ(name(3, {0, 4, 7, 10, 3}), "#9"); // beside the major third
    EXPECT_EQ(name(2, {0, 4, 7, 2}), "2");      // an added tone without a seventh
    EXPECT_EQ(name(2, {0, 4, 7, 10, 2}), "9");
    EXPECT_EQ(name(1, {0, 4, 7, 10, 1}), "b9");
    EXPECT_EQ(name(5, {0, 5, 7}), "4"); // sus4
    EXPECT_EQ(name(5, {0, 3, 7, 10, 5}), "11");
    EXPECT_EQ(name(6, {0, 3, 6}), "b5"); // diminished
    EXPECT_EQ(name(6, {0, 4, 7, 11, 6}), "#11");
    EXPECT_EQ(name(8, {0, 4, 8}), "#5"); // augmented
    EXPECT_EQ(name(8, {0, 3, 7, 8}), "b6");
    EXPECT_EQ(name(8, {0, 4, 7, 10, 8}), "b13");
    EXPECT_EQ(name(9, {0, 4, 7, 9}), "6");
    EXPECT_EQ(name(9, {0, 4, 7, 10, 9}), "13");
    EXPECT_EQ(name(9, {0, 3, 6, 9}), "bb7"); // diminished seventh
    EXPECT_EQ(name(10, {0, 4, 7, 10}), "b7");
    EXPECT_EQ(name(11, {0, 4, 7, 11}), "7");
    EXPECT_EQ(intervalName(-1, 0), "7"); // below the root, counted up an octave
    EXPECT_EQ(intervalName(13, 0), "b2");
}

TEST(DotLabels, ChordMaskIgnoresToneOutsideTheOctaveAndTheRootless) {
    EXPECT_EQ(chordMaskOf({9, 0, 4}, 9), (1u << 0) | (1u << 3) | (1u << 7));
    EXPECT_EQ(chordMaskOf({0, 12, -1}, 0), 1u);
    EXPECT_EQ(chordMaskOf({0, 4, 7}, kNoNote), 0u);
}

TEST(DotLabels, WordsOfTheCommandLine) {
    for (DotLabels labels : {DotLabels::Fingers, DotLabels::Notes, DotLabels::Intervals})
        EXPECT_EQ(dotLabelsOfWord(dotLabelsWord(labels)), labels);
    EXPECT_FALSE(dotLabelsOfWord("Notes").has_value());
    EXPECT_FALSE(dotLabelsOfWord("").has_value());
}

} // namespace
} // namespace tambrel
