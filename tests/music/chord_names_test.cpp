#include "music/chord_names.h"
#include "music/note_names.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace tambrel;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Lines = std::vector<std::string>;

namespace {

constexpr int C = 0, Ds = 3, E = 4, F = 5, Fs = 6, G = 7, Gs = 8, A = 9, As = 10;

NoteNames sharps() {
    return noteNames();
}

NoteNames flats() {
    NoteNames grid = noteNames();
    applyFlatNames(grid);
    return grid;
}

Lines names(std::vector<int> tones, int bass, const NoteNames& grid = sharps()) {
    return listChordNames(std::move(tones), bass, grid);
}

long countOf(const Lines& lines, const std::string& line) {
    return std::count(lines.begin(), lines.end(), line);
}

} // namespace

// Whole lists, worked out by hand from the naming rules.

TEST(ChordNameList, MajorTriadOverItsRoot) {
    EXPECT_THAT(names({C, E, G}, C),
                ElementsAre("C", "Em5+/C", "G4/6/C (no3) (no5)", "G4/add13/C (no3) (no5)",
                            "Gadd11/6/C (no3) (no5)", "Gadd11/add13/C (no3) (no5)",
                            "Gsus4/6/C (no5)", "Gsus4/add13/C (no5)"));
}

TEST(ChordNameList, BassPartOnlyWhereTheBassIsNotTheRoot) {
    // The chord's own root never carries the bass; E is the bass, so its name has none either.
    EXPECT_THAT(names({C, E, G}, E),
                ElementsAre("C", "Em5+", "G4/6/E (no3) (no5)", "G4/add13/E (no3) (no5)",
                            "Gadd11/6/E (no3) (no5)", "Gadd11/add13/E (no3) (no5)",
                            "Gsus4/6/E (no5)", "Gsus4/add13/E (no5)"));
}

TEST(ChordNameList, ForeignBassIsTriedAsARootToo) {
    // F# is appended as a fourth root. C's main name keeps no bass, its rewrite does.
    EXPECT_THAT(names({C, E, G}, Fs),
                ElementsAre("C/4+", "Cadd11+/F#", "Em5+/add2/F#", "Em5+/add9/F#",
                            "F#5-/add2-/6+ (no3)", "F#5-/add2-/7 (no3)", "F#5-/add2-/add13+ (no3)",
                            "F#5-/add9-/6+ (no3)", "F#5-/add9-/7 (no3)", "F#5-/add9-/add13+ (no3)",
                            "G4/6/7+/F# (no3) (no5)", "G4/add13/7+/F# (no3) (no5)",
                            "Gadd11/6/7+/F# (no3) (no5)", "Gadd11/add13/7+/F# (no3) (no5)",
                            "Gsus4/6/7+/F# (no5)", "Gsus4/add13/7+/F# (no5)"));
}

TEST(ChordNameList, DiminishedSeventhReadFromEveryTone) {
    EXPECT_THAT(names({C, Ds, Fs, A}, C),
                ElementsAre("A/dim/C", "Am5-/6/C", "Am5-/add13/C", "Cdim", "Cm5-/6", "Cm5-/add13",
                            "D#dim/C", "D#m5-/6/C", "D#m5-/add13/C", "F#dim/C", "F#m5-/6/C",
                            "F#m5-/add13/C"));
}

TEST(ChordNameList, DiminishedFormAndRewritesCarryTheBassEvenForTheChordRoot) {
    // The bass D# is a chord tone: C's main name leaves it out, its other forms do not.
    EXPECT_THAT(names({C, Ds, Fs, A}, Ds),
                ElementsAre("A/dim/D#", "Am5-/6/D#", "Am5-/add13/D#", "Cdim/D#", "Cm5-/6",
                            "Cm5-/add13/D#", "D#dim", "D#m5-/6", "D#m5-/add13", "F#dim/D#",
                            "F#m5-/6/D#", "F#m5-/add13/D#"));
}

TEST(ChordNameList, AugmentedTriad) {
    EXPECT_THAT(names({C, E, Gs}, C), ElementsAre("C/5+", "E5+/C", "G#5+/C"));
}

TEST(ChordNameList, PowerChord) {
    EXPECT_THAT(names({C, G}, C), ElementsAre("C (no3)", "G4/C (no3) (no5)", "Gadd11/C (no3) (no5)",
                                              "Gsus4/C (no5)"));
}

TEST(ChordNameList, SuspendedFourth) {
    // The sus4 rewrite of a chord with its fifth ends in a single blank.
    EXPECT_THAT(names({C, F, G}, C),
                ElementsAre("C/4 (no3)", "Cadd11 (no3)", "Csus4 ", "Fadd2/C (no3)", "Fadd9/C (no3)",
                            "G4/6+/C (no3) (no5)", "G4/7/C (no3) (no5)", "G4/add13+/C (no3) (no5)",
                            "Gadd11/6+/C (no3) (no5)", "Gadd11/7/C (no3) (no5)",
                            "Gadd11/add13+/C (no3) (no5)", "Gsus4/6+/C (no5)", "Gsus4/7/C (no5)",
                            "Gsus4/add13+/C (no5)"));
}

TEST(ChordNameList, DominantSeventh) {
    EXPECT_THAT(names({C, E, G, As}, C),
                ElementsAre("A#/5-/add2/6/C (no3)", "A#5-/add2/add13/C (no3)",
                            "A#5-/add9/6/C (no3)", "A#5-/add9/add13/C (no3)", "C6+", "C7",
                            "Cadd13+", "Em5-/6-/C", "Em5-/add13-/C", "Gm4/6/C (no5)",
                            "Gm4/add13/C (no5)", "Gmadd11/6/C (no5)", "Gmadd11/add13/C (no5)"));
}

TEST(ChordNameList, NamesEqualButForTrailingBlanksShowOnce) {
    // "Csus4/7" comes both from /sus4/6+ (no blank) and from /4/7 (sus4 rule, one blank);
    // the shorter sorts first and stays. Likewise "Fsus4/add9/C".
    EXPECT_THAT(names({C, F, G, As}, C),
                ElementsAre("A#/add2/6/C (no3)", "A#add2/add13/C (no3)", "A#add9/6/C (no3)",
                            "A#add9/add13/C (no3)", "C4/6+ (no3)", "C4/7 (no3)", "C4/add13+ (no3)",
                            "Cadd11/6+ (no3)", "Cadd11/7 (no3)", "Cadd11/add13+ (no3)", "Csus4/6+ ",
                            "Csus4/7", "Csus4/add13+", "Fadd2/4/C (no3)", "Fadd2/add11/C (no3)",
                            "Fadd9/4/C (no3)", "Fadd9/add11/C (no3)", "Fsus4/add2/C ",
                            "Fsus4/add9/C", "Gm4/6+/C (no5)", "Gm4/7/C (no5)", "Gm4/add13+/C (no5)",
                            "Gmadd11/6+/C (no5)", "Gmadd11/7/C (no5)", "Gmadd11/add13+/C (no5)"));
}

TEST(ChordNameList, RaisedFourthAndFlatSecondRewrites) {
    // sus4 of "/4+" leaves the "+"; ninth of "/add2-" gives "/add9-".
    EXPECT_THAT(names({C, Fs, G}, C),
                ElementsAre("C/4+ (no3)", "Cadd11+ (no3)", "Csus4+ ", "F#5-/add2-/C (no3)",
                            "F#5-/add9-/C (no3)", "G4/7+/C (no3) (no5)", "Gadd11/7+/C (no3) (no5)",
                            "Gsus4/7+/C (no5)"));
}

// Single lines of larger lists.

TEST(ChordNameList, DiminishedFormKeepsFurtherPieces) {
    const Lines lines = names({C, Ds, Fs, A, 11}, C);
    EXPECT_THAT(lines, Contains("Cdim/7+"));
    EXPECT_THAT(lines, Contains("Cm5-/6/7+"));
}

TEST(ChordNameList, NoDiminishedFormBesideAnotherSixth) {
    // E in C7 reads m/5-/6-: no "/6" of its own, so no diminished form.
    const Lines lines = names({C, E, G, As}, C);
    EXPECT_EQ(0, std::count_if(lines.begin(), lines.end(), [](const std::string& l) {
                  return l.find("dim") != std::string::npos;
              }));
}

TEST(ChordNameList, FlatNamesFromTheRootGrid) {
    EXPECT_THAT(names({C, Ds, G}, C, flats()),
                ElementsAre("Cm", "Eb6/C (no5)", "Ebadd13/C (no5)", "G5+/4/C (no3)",
                            "G5+/add11/C (no3)", "Gsus4/5+/C "));

    // The bass Bb reads B-flat both as a root and in the bass part of the others.
    const Lines overBb = names({C, E, G}, As, flats());
    EXPECT_EQ("Bb/5-/add2/6 (no3)", overBb.front());
    EXPECT_THAT(overBb, Contains("Bb5-/add9/6 (no3)"));
    EXPECT_THAT(overBb, Contains("C6+"));
    EXPECT_THAT(overBb, Contains("C7/Bb"));
    EXPECT_THAT(overBb, Contains("Cadd13+/Bb"));
    for (const std::string& line : overBb) EXPECT_EQ(std::string::npos, line.find('#')) << line;
}

TEST(ChordNameList, SortsBytesAsUnsigned) {
    // A name with a byte above 0x7F sorts after the capitals, so "C (no3)" stays first.
    NoteNames grid = sharps();
    grid[G] = "\xC9";
    const Lines lines = names({C, G}, C, grid);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ("C (no3)", lines.front());
    EXPECT_EQ("\xC9sus4/C (no5)", lines.back());
}

// Odd inputs.

TEST(ChordNameListInput, PitchClassOutsideTheOctaveGivesNoList) {
    EXPECT_THAT(names({C, E, G}, 12), IsEmpty());
    EXPECT_THAT(names({12}, C), IsEmpty());
    EXPECT_THAT(names({C, E, 12}, C), IsEmpty());
    EXPECT_THAT(names({C, -1}, C), IsEmpty());
    EXPECT_THAT(names({}, -3), IsEmpty());
    EXPECT_THAT(names({C, 1000}, 1000), IsEmpty());
}

TEST(ChordNameListInput, NoToneStillNamesTheBass) {
    EXPECT_THAT(names({}, C), ElementsAre("C (no3) (no5)"));
    EXPECT_THAT(names({}, Ds, flats()), ElementsAre("Eb (no3) (no5)"));
}

TEST(ChordNameListInput, DoubledTones) {
    // A doubled third leaves a 3 over; a doubled root names the same chord twice.
    EXPECT_THAT(names({C, Ds, Ds}, C), ElementsAre("Cm/add2+ (no5)", "Cmadd9+ (no5)",
                                                   "D#6/C (no3) (no5)", "D#add13/C (no3) (no5)"));

    const Lines doubledRoot = names({C, E, G, C}, C);
    EXPECT_EQ("C", doubledRoot.front());
    EXPECT_EQ(1, countOf(doubledRoot, "C"));
    EXPECT_THAT(doubledRoot, Contains("Em5+/6-/C"));
    EXPECT_THAT(doubledRoot, Contains("Em5+/add13-/C"));
}

TEST(ChordNameListInput, NeverEmptyForAnyChord) {
    // Every set of tones, each with a bass that walks round the octave, so that a good share
    // of them have a bass outside the chord.
    for (int mask = 0; mask < (1 << 12); ++mask) {
        std::vector<int> tones;
        for (int p = 0; p < 12; ++p)
            if (mask & (1 << p)) tones.push_back(p);
        const int bass = mask % 12;
        const Lines lines = names(tones, bass);
        ASSERT_FALSE(lines.empty()) << "mask " << mask << " bass " << bass;
        EXPECT_EQ(0, countOf(lines, "")) << "mask " << mask << " bass " << bass;
    }
}

TEST(ChordNameListInput, DoubledChromaticChordStaysManageable) {
    // Every pitch class twice: the same rewrite reached in many orders must not be expanded
    // over and over (that alone would exhaust memory here).
    std::vector<int> tones;
    for (int round = 0; round < 2; ++round)
        for (int p = 0; p < 12; ++p) tones.push_back(p);
    const Lines lines = names(tones, C);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(1, countOf(lines, lines.front()));
}
