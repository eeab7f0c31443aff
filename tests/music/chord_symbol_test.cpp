// Reading the chord symbols of lead sheets and songbooks: the pitch classes every symbol of a
// family must give, its root and its bass.
#include "chord_spelling.h"
#include "chord_symbol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

using namespace tambrel;

namespace {

// "C Eb G" as sorted pitch classes; letters with any number of "#" and "b".
std::vector<int> pitches(const std::string& notes) {
    static const int kLetter[7] = {9, 11, 0, 2, 4, 5, 7}; // A..G
    std::vector<int> out;
    std::istringstream in(notes);
    std::string name;
    while (in >> name) {
        int p = kLetter[name[0] - 'A'];
        for (std::size_t i = 1; i < name.size(); ++i) p += name[i] == '#' ? 1 : -1;
        out.push_back((p % 12 + 12) % 12);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

struct Case {
    const char* symbol;
    const char* notes; // every note that sounds, the bass included
    const char* bass = nullptr;
};

void expectFamily(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.symbol);
        const SymbolReading reading = readChordSymbol(c.symbol);
        ASSERT_TRUE(reading.chord.has_value()) << reading.error;
        EXPECT_EQ(reading.chord->pitchClasses(), pitches(c.notes));
        if (c.bass)
            EXPECT_EQ(reading.chord->bass, pitches(c.bass).front());
        else
            EXPECT_EQ(reading.chord->bass, -1);
    }
}

} // namespace

TEST(ChordSymbolFamily, RootsAndMajorTriads) {
    expectFamily({
        {"C", "C E G"},
        {"c", "C E G"},
        {"D", "D F# A"},
        {"E", "E G# B"},
        {"F", "F A C"},
        {"G", "G B D"},
        {"A", "A C# E"},
        {"B", "B D# F#"},
        {"C#", "C# E# G#"},
        {"Db", "Db F Ab"},
        {"D#", "D# G A#"},
        {"Eb", "Eb G Bb"},
        {"F#", "F# A# C#"},
        {"Gb", "Gb Bb Db"},
        {"G#", "G# C D#"},
        {"Ab", "Ab C Eb"},
        {"A#", "A# D F"},
        {"Bb", "Bb D F"},
        {"Cb", "B D# F#"},
        {"Fb", "E G# B"},
        {"E#", "F A C"},
        {"B#", "C E G"},
        {"bb", "Bb D F"},
        {"f#", "F# A# C#"},
        {"eb", "Eb G Bb"},
        {"b", "B D# F#"},
        {"CM", "C E G"},
        {"Cmaj", "C E G"},
        {"CMaj", "C E G"},
        {"CMA", "C E G"},
        {"  G  ", "G B D"},
        {"C\xE2\x99\xAF", "C# F G#"},
        {"D\xE2\x99\xAD", "Db F Ab"},
    });
}

TEST(ChordSymbolFamily, MinorTriads) {
    expectFamily({
        {"Cm", "C Eb G"},
        {"Cmin", "C Eb G"},
        {"Cmi", "C Eb G"},
        {"C-", "C Eb G"},
        {"CMI", "C Eb G"},
        {"CMIN", "C Eb G"},
        {"cm", "C Eb G"},
        {"C#m", "C# E G#"},
        {"Ebm", "Eb Gb Bb"},
        {"F#min", "F# A C#"},
        {"Bbmi", "Bb Db F"},
        {"G-", "G Bb D"},
        {"am", "A C E"},
        {"bbm", "Bb Db F"},
        {"Abm", "Ab B Eb"},
        {"G#m", "G# B D#"},
        {"E\xE2\x99\xADm", "Eb Gb Bb"},
        {"G\xE2\x88\x92", "G Bb D"},
    });
}

TEST(ChordSymbolFamily, MajorSevenths) {
    expectFamily({
        {"Cmaj7", "C E G B"},
        {"CM7", "C E G B"},
        {"CMaj7", "C E G B"},
        {"CMAJ7", "C E G B"},
        {"Cma7", "C E G B"},
        {"CMA7", "C E G B"},
        {"C\xCE\x94", "C E G B"},
        {"C\xCE\x94"
         "7",
         "C E G B"},
        {"C\xE2\x88\x86"
         "7",
         "C E G B"},
        {"Cj7", "C E G B"},
        {"C^7", "C E G B"},
        {"C7M", "C E G B"},
        {"Fmaj7", "F A C E"},
        {"Bbmaj7", "Bb D F A"},
        {"Ebmaj7", "Eb G Bb D"},
        {"Abmaj7", "Ab C Eb G"},
        {"Dbmaj7", "Db F Ab C"},
        {"Gmaj7", "G B D F#"},
        {"Dmaj7", "D F# A C#"},
        {"Amaj7", "A C# E G#"},
        {"Emaj7", "E G# B D#"},
        {"Bmaj7", "B D# F# A#"},
        {"F#maj7", "F# A# C# F"},
        {"cmaj7", "C E G B"},
        {"Cmaj9", "C E G B D"},
        {"CM9", "C E G B D"},
        {"C\xCE\x94"
         "9",
         "C E G B D"},
        {"Cmaj11", "C E G B D F"},
        {"Cmaj13", "C E G B D A"},
        {"Fmaj9", "F A C E G"},
        {"Cmaj7#11", "C E G B F#"},
        {"C\xCE\x94"
         "7(#11)",
         "C E G B F#"},
        {"Cmaj9#11", "C E G B D F#"},
        {"Cmaj7(9)", "C E G B D"},
        {"Cmaj7/9", "C E G B D"},
        {"Cmaj7(add13)", "C E G B A"},
        {"Cmaj7(13)", "C E G B A"},
        {"CM7(#11)", "C E G B F#"},
        {"A\xE2\x99\xAD\xCE\x94"
         "9",
         "Ab C Eb G Bb"},
        {"Cmaj6", "C E G A"},
        {"Cmaj7+", "C E G# B"},
    });
}

TEST(ChordSymbolFamily, DominantSevenths) {
    expectFamily({
        {"C7", "C E G Bb"},       {"G7", "G B D F"},          {"D7", "D F# A C"},
        {"A7", "A C# E G"},       {"E7", "E G# B D"},         {"B7", "B D# F# A"},
        {"F7", "F A C Eb"},       {"Bb7", "Bb D F Ab"},       {"Eb7", "Eb G Bb Db"},
        {"Ab7", "Ab C Eb Gb"},    {"Db7", "Db F Ab Cb"},      {"F#7", "F# A# C# E"},
        {"C9", "C E G Bb D"},     {"G9", "G B D F A"},        {"C11", "C E G Bb D F"},
        {"C13", "C E G Bb D A"},  {"G13", "G B D F A E"},     {"C7(9)", "C E G Bb D"},
        {"C7/9", "C E G Bb D"},   {"C7(13)", "C E G Bb A"},   {"C7/6", "C E G Bb A"},
        {"C7(11)", "C E G Bb F"}, {"C9(13)", "C E G Bb D A"}, {"C13(11)", "C E G Bb D F A"},
        {"C7 9", "C E G Bb D"},   {"c7", "C E G Bb"},         {"C7/11", "C E G Bb F"},
        {"C6/7", "C E G A Bb"},   {"C7(b7)", "C E G Bb"},
    });
}

TEST(ChordSymbolFamily, MinorSeventhsAndMinorMajor) {
    expectFamily({
        {"Cm7", "C Eb G Bb"},
        {"Cmin7", "C Eb G Bb"},
        {"Cmi7", "C Eb G Bb"},
        {"C-7", "C Eb G Bb"},
        {"CMI7", "C Eb G Bb"},
        {"Am7", "A C E G"},
        {"Dm7", "D F A C"},
        {"Em7", "E G B D"},
        {"F#m7", "F# A C# E"},
        {"Bbm7", "Bb Db F Ab"},
        {"C#m7", "C# E G# B"},
        {"Gm7", "G Bb D F"},
        {"Cm9", "C Eb G Bb D"},
        {"Cm11", "C Eb G Bb D F"},
        {"Cm13", "C Eb G Bb D F A"},
        {"Dm9", "D F A C E"},
        {"Cm7(9)", "C Eb G Bb D"},
        {"Cm7(11)", "C Eb G Bb F"},
        {"Cm(maj7)", "C Eb G B"},
        {"CmM7", "C Eb G B"},
        {"CmMaj7", "C Eb G B"},
        {"Cminmaj7", "C Eb G B"},
        {"C-\xCE\x94"
         "7",
         "C Eb G B"},
        {"C-\xCE\x94", "C Eb G B"},
        {"Cm(maj9)", "C Eb G B D"},
        {"CmM9", "C Eb G B D"},
        {"Cm7+", "C Eb G B"},
        {"Cm7M", "C Eb G B"},
        {"cm7", "C Eb G Bb"},
        {"c#m7", "C# E G# B"},
        {"Cm/maj7", "C Eb G B"},
        {"Cm7/11", "C Eb G Bb F"},
    });
}

TEST(ChordSymbolFamily, Diminished) {
    expectFamily({
        {"Cdim", "C Eb Gb"},
        {"C\xC2\xB0", "C Eb Gb"},
        {"Co", "C Eb Gb"},
        {"Cdim7", "C Eb Gb A"},
        {"C\xC2\xB0"
         "7",
         "C Eb Gb A"},
        {"Co7", "C Eb Gb A"},
        {"C\xC2\xBA"
         "7",
         "C Eb Gb A"},
        {"Bdim", "B D F"},
        {"Bdim7", "B D F Ab"},
        {"F#dim7", "F# A C Eb"},
        {"G#\xC2\xB0"
         "7",
         "G# B D F"},
        {"Ebdim", "Eb Gb A"},
        {"Cdim(maj7)", "C Eb Gb B"},
        {"Cdim7(add9)", "C Eb Gb A D"},
        {"Cm(b5)", "C Eb Gb"},
        {"C7-", "C E G A"},
        {"CDIM", "C Eb Gb"},
    });
}

TEST(ChordSymbolFamily, HalfDiminished) {
    expectFamily({
        {"Cm7b5", "C Eb Gb Bb"},
        {"Cm7(b5)", "C Eb Gb Bb"},
        {"Cm7-5", "C Eb Gb Bb"},
        {"Cmi7b5", "C Eb Gb Bb"},
        {"C-7b5", "C Eb Gb Bb"},
        {"Cm7/b5", "C Eb Gb Bb"},
        {"Cm7/5-", "C Eb Gb Bb"},
        {"C\xC3\xB8", "C Eb Gb Bb"},
        {"C\xC3\xB8"
         "7",
         "C Eb Gb Bb"},
        {"C\xC3\x98", "C Eb Gb Bb"},
        {"C\xE2\x88\x85", "C Eb Gb Bb"},
        {"F#m7b5", "F# A C E"},
        {"Bm7b5", "B D F A"},
        {"Em7b5", "E G Bb D"},
        {"Am7b5", "A C Eb G"},
        {"Dm7b5", "D F Ab C"},
        {"G#m7b5", "G# B D F#"},
        {"Cm9b5", "C Eb Gb Bb D"},
        {"C\xC3\xB8"
         "9",
         "C Eb Gb Bb D"},
        {"Cm11b5", "C Eb Gb Bb D F"},
        {"F#\xC3\xB8"
         "7",
         "F# A C E"},
    });
}

TEST(ChordSymbolFamily, Augmented) {
    expectFamily({
        {"Caug", "C E G#"},         {"C+", "C E G#"},        {"C+5", "C E G#"},
        {"C(#5)", "C E G#"},        {"C5+", "C E G#"},       {"Caug7", "C E G# Bb"},
        {"C+7", "C E G# Bb"},       {"C7#5", "C E G# Bb"},   {"C7+5", "C E G# Bb"},
        {"C7(#5)", "C E G# Bb"},    {"C7/5+", "C E G# Bb"},  {"Caugmaj7", "C E G# B"},
        {"C+M7", "C E G# B"},       {"C+maj7", "C E G# B"},  {"Cmaj7#5", "C E G# B"},
        {"Cmaj7+5", "C E G# B"},    {"C9#5", "C E G# Bb D"}, {"Caug9", "C E G# Bb D"},
        {"Eaug", "E G# C"},         {"Ab+", "Ab C E"},       {"Cm(#5)", "C Eb G#"},
        {"C\xCE\x94+", "C E G# B"}, {"CAUG", "C E G#"},
    });
}

TEST(ChordSymbolFamily, Suspended) {
    expectFamily({
        {"Csus", "C F G"},
        {"Csus4", "C F G"},
        {"Csus2", "C D G"},
        {"C4", "C F G"},
        {"C7sus4", "C F G Bb"},
        {"C7sus", "C F G Bb"},
        {"C9sus4", "C F G Bb D"},
        {"C9sus", "C F G Bb D"},
        {"C13sus4", "C F G Bb D A"},
        {"Csus24", "C D F G"},
        {"Csus2sus4", "C D F G"},
        {"Csus4(add9)", "C D F G"},
        {"C7sus2", "C D G Bb"},
        {"Dsus4", "D G A"},
        {"Asus2", "A B E"},
        {"Esus4", "E A B"},
        {"Gsus4", "G C D"},
        {"Bbsus2", "Bb C F"},
        {"C7sus4(b9)", "C F G Bb Db"},
        {"Csus9", "C D G"},
        {"Cmaj7sus4", "C F G B"},
        {"C6sus4", "C F G A"},
        {"Csus2/4", "C D F G"},
        {"CSUS4", "C F G"},
    });
}

TEST(ChordSymbolFamily, PowerChords) {
    expectFamily({
        {"C5", "C G"},
        {"F#5", "F# C#"},
        {"Bb5", "Bb F"},
        {"E5", "E B"},
        {"A5", "A E"},
        {"C(no3)", "C G"},
        {"C5(add9)", "C G D"},
        {"D5/A", "D A", "A"},
    });
}

TEST(ChordSymbolFamily, Sixths) {
    expectFamily({
        {"C6", "C E G A"},
        {"C6/9", "C E G A D"},
        {"C69", "C E G A D"},
        {"C6add9", "C E G A D"},
        {"C6(add9)", "C E G A D"},
        {"Cm6", "C Eb G A"},
        {"Cm69", "C Eb G A D"},
        {"Cm6/9", "C Eb G A D"},
        {"C-6", "C Eb G A"},
        {"F6", "F A C D"},
        {"G6", "G B D E"},
        {"Am6", "A C E F#"},
        {"Eb6/9", "Eb G Bb C F"},
        {"Cm(b6)", "C Eb G Ab"},
        {"C(b6)", "C E G Ab"},
        {"C6-", "C E G Ab"},
        {"Cadd6", "C E G A"},
    });
}

TEST(ChordSymbolFamily, Alterations) {
    expectFamily({
        {"C7b9", "C E G Bb Db"},
        {"C7#9", "C E G Bb D#"},
        {"C7#11", "C E G Bb F#"},
        {"C7b13", "C E G Bb Ab"},
        {"C7b5", "C E Gb Bb"},
        {"C7(b9)", "C E G Bb Db"},
        {"C7(b9,#11)", "C E G Bb Db F#"},
        {"C7(b9 #11)", "C E G Bb Db F#"},
        {"C7(b9, #11)", "C E G Bb Db F#"},
        {"C7b9#11", "C E G Bb Db F#"},
        {"C7#9b13", "C E G Bb D# Ab"},
        {"C7(#9,b13)", "C E G Bb D# Ab"},
        {"C7-9", "C E G Bb Db"},
        {"C7+9", "C E G Bb D#"},
        {"C9#11", "C E G Bb D F#"},
        {"C9b5", "C E Gb Bb D"},
        {"C13b9", "C E G Bb Db A"},
        {"C13#11", "C E G Bb D F# A"},
        {"C7b5b9", "C E Gb Bb Db"},
        {"C7#5#9", "C E G# Bb D#"},
        {"C7#5b9", "C E G# Bb Db"},
        {"C7(b5,#5)", "C E Gb G# Bb"},
        {"C7alt", "C E Bb Db D# F# Ab"},
        {"Calt", "C E Bb Db D# F# Ab"},
        {"G7b9", "G B D F Ab"},
        {"G7#9", "G B D F A#"},
        {"E7#9", "E G# B D G"},
        {"A7b9", "A C# E G Bb"},
        {"D7#11", "D F# A C G#"},
        {"Bb7#11", "Bb D F Ab E"},
        {"F7#9", "F A C Eb G#"},
        {"C(b5)", "C E Gb"},
        {"C5-", "C E Gb"},
        {"C7/5-", "C E Gb Bb"},
        {"C7/9-", "C E G Bb Db"},
        {"C7/9+", "C E G Bb D#"},
        {"C9-", "C E G Db"},
        {"C11+", "C E G F#"},
        {"C13-", "C E G Ab"},
        {"C7(b9)(#11)", "C E G Bb Db F#"},
        {"C7[b9]", "C E G Bb Db"},
        {"C7.b9", "C E G Bb Db"},
        {"C7\xE2\x99\xAD"
         "9",
         "C E G Bb Db"},
        {"C7\xE2\x99\xAF"
         "9",
         "C E G Bb D#"},
        {"Cm7b9", "C Eb G Bb Db"},
        {"Cm11b13", "C Eb G Bb D F Ab"},
    });
}

TEST(ChordSymbolFamily, AddedTones) {
    expectFamily({
        {"Cadd9", "C E G D"},        {"Cadd2", "C D E G"},           {"Cadd4", "C E F G"},
        {"Cadd11", "C E F G"},       {"C(add9)", "C E G D"},         {"Cm(add9)", "C Eb G D"},
        {"Cmadd9", "C Eb G D"},      {"Cmadd11", "C Eb F G"},        {"Cadd#11", "C E G F#"},
        {"C(addb9)", "C E G Db"},    {"Cadd13", "C E G A"},          {"C2", "C D E G"},
        {"Cadd 9", "C E G D"},       {"C(add 9)", "C E G D"},        {"Gadd9", "G B D A"},
        {"Dadd9", "D F# A E"},       {"Eadd9", "E G# B F#"},         {"Fadd9", "F A C G"},
        {"Cmaj7add13", "C E G B A"}, {"C7add11", "C E G Bb F"},      {"C7(add13)", "C E G Bb A"},
        {"Cadd9add11", "C D E F G"}, {"C(add9,add11)", "C D E F G"}, {"C(9)", "C E G D"},
        {"Cm(9)", "C Eb G D"},       {"CADD9", "C E G D"},           {"Cadd#9", "C E G D#"},
        {"C(addb13)", "C E G Ab"},   {"Cmadd2", "C D Eb G"},         {"C7(addmaj7)", "C E G Bb B"},
        {"CMadd9", "C E G D"},
    });
}

TEST(ChordSymbolFamily, OmittedTones) {
    expectFamily({
        {"C(no3)", "C G"},
        {"C(omit3)", "C G"},
        {"C7(no3)", "C G Bb"},
        {"C(no5)", "C E"},
        {"C7(no5)", "C E Bb"},
        {"Cmaj7(omit5)", "C E B"},
        {"Cm7(no5)", "C Eb Bb"},
        {"C9(no3)", "C G Bb D"},
        {"C11(no3)", "C G Bb D F"},
        {"C13(no11)", "C E G Bb D A"},
        {"Cm13(no11)", "C Eb G Bb D A"},
        {"C7no5", "C E Bb"},
        {"C7(no 5)", "C E Bb"},
        {"C(no3rd)", "C G"},
        {"C7(omit5th)", "C E Bb"},
        {"Cmaj9(no3)", "C G B D"},
        {"C(no3,no5)", "C"},
        {"C7(no3)(no5)", "C Bb"},
        {"C13(no9)", "C E G Bb A"},
        {"C7#9(no5)", "C E Bb D#"},
    });
}

TEST(ChordSymbolFamily, SlashBasses) {
    expectFamily({
        {"C/E", "C E G", "E"},
        {"C/G", "C E G", "G"},
        {"Am7/G", "A C E G", "G"},
        {"D/F#", "D F# A", "F#"},
        {"C/Bb", "C E G Bb", "Bb"},
        {"Cmaj7/E", "C E G B", "E"},
        {"G7/B", "G B D F", "B"},
        {"Bb/Ab", "Bb D F Ab", "Ab"},
        {"F/C", "F A C", "C"},
        {"C7sus4/G", "C F G Bb", "G"},
        {"Cm/Eb", "C Eb G", "Eb"},
        {"E/G#", "E G# B", "G#"},
        {"Dm7/C", "D F A C", "C"},
        {"C/F#", "C E G F#", "F#"},
        {"Am/C", "A C E", "C"},
        {"C/e", "C E G", "E"},
        {"C/D", "C D E G", "D"},
        {"Cmaj7/D", "C D E G B", "D"},
        {"Bbmaj7/Ab", "Bb D F A Ab", "Ab"},
        {"C7(b9)/E", "C E G Bb Db", "E"},
        {"C / E", "C E G", "E"},
        {"C/E\xE2\x99\xAD", "C Eb E G", "Eb"},
        {"Dsus4/A", "D G A", "A"},
        {"A/C#", "A C# E", "C#"},
        {"C/C", "C E G", "C"},
        {"G/F", "G B D F", "F"},
        {"Fmaj7/C", "F A C E", "C"},
        {"Cmaj7/B", "C E G B", "B"},
        {"C6/9/E", "C D E G A", "E"},
        {"C7/9/E", "C D E G Bb", "E"},
        {"Ebm7/Db", "Eb Gb Bb Db", "Db"},
        {"F#m7b5/E", "F# A C E", "E"},
        {"Cdim7/Eb", "C Eb Gb A", "Eb"},
        {"C/B#", "C E G", "C"},
    });
}

// The tension list's own ways of writing, read with their meaning where a standard word stands
// beside them.
TEST(ChordSymbolFamily, TensionListNotation) {
    expectFamily({
        {"C7+", "C E G B"},
        {"C5+", "C E G#"},
        {"C9-", "C E G Db"},
        {"C9+", "C E G D#"},
        {"C7/9+", "C E G Bb D#"},
        {"Cm7/5-", "C Eb Gb Bb"},
        {"C4+", "C E G F#"},
        {"C6+", "C E G Bb"},
        {"C7/4", "C E F G Bb"},
        {"C7+/9", "C E G B D"},
        {"C7+#9", "C E G B D#"},
        {"C7/11+", "C E G Bb F#"},
        {"C13-", "C E G Ab"},
        {"C6-", "C E G Ab"},
    });
}

TEST(ChordSymbolRoot, RootBassAndTheirNamesAsWritten) {
    const SymbolReading reading = readChordSymbol("dbmaj7/Ab");
    ASSERT_TRUE(reading.chord.has_value());
    EXPECT_EQ(reading.chord->root, 1);
    EXPECT_EQ(reading.chord->rootName, "Db");
    EXPECT_EQ(reading.chord->bass, 8);
    EXPECT_EQ(reading.chord->bassName, "Ab");
    EXPECT_EQ(reading.chord->lowest(), 8);
    EXPECT_EQ(reading.chord->offsets(), (std::vector<int>{0, 4, 7, 11}));

    const SymbolReading sharp = readChordSymbol("E#m");
    ASSERT_TRUE(sharp.chord.has_value());
    EXPECT_EQ(sharp.chord->root, 5);
    EXPECT_EQ(sharp.chord->rootName, "E#");
    EXPECT_EQ(sharp.chord->lowest(), 5);
}

TEST(ChordSymbolRoot, DegreesOfTheTones) {
    const SymbolReading reading = readChordSymbol("C13#11");
    ASSERT_TRUE(reading.chord.has_value());
    const std::vector<ChordTone> expected{{1, 0, false},  {3, 4, false}, {5, 7, false},
                                          {7, 10, false}, {9, 2, false}, {11, 6, false},
                                          {13, 9, false}};
    EXPECT_EQ(reading.chord->tones, expected);
    const SymbolReading added = readChordSymbol("Cm(add9)");
    ASSERT_TRUE(added.chord.has_value());
    EXPECT_EQ(added.chord->tones.back(), (ChordTone{9, 2, true}));
}

TEST(ChordSymbolRejects, TextsThatAreNoChordSymbol) {
    for (const char* text :
         {"",        "   ", "H",    "H7",     "X7",    "7",    "m7",         "C7 foo", "Cmaj8",
          "C/E/G",   "C15", "C1",   "Cm5",    "Cmaj5", "Cadd", "Cno",        "C#3",    "C/E7",
          "Câ¬", "Cÿ",  "C(b)", "Csus4x", "Cdim8", "Cb#",  "Cmaj7(no8)", "C#+3"}) {
        SCOPED_TRACE(text);
        const SymbolReading reading = readChordSymbol(text);
        EXPECT_FALSE(reading.chord.has_value());
        EXPECT_FALSE(reading.error.empty());
    }
}

// Every chord that can be spelt reads back to the same tones.
TEST(ChordSpelling, EverySpellingReadsBackToItsTones) {
    for (int mask = 1; mask < (1 << 12); mask += 2) {
        std::vector<int> offsets;
        for (int o = 0; o < 12; ++o)
            if (mask & (1 << o)) offsets.push_back(o);
        if (offsets.size() < 2) continue;
        const SpelledChord spelt = spellChord(offsets);
        const std::string symbol = "C" + spelt.suffix;
        SCOPED_TRACE(symbol);
        const SymbolReading reading = readChordSymbol(symbol);
        ASSERT_TRUE(reading.chord.has_value()) << reading.error;
        EXPECT_EQ(reading.chord->offsets(), offsets);
    }
}

TEST(ChordSpelling, EverydayChordsAreWrittenAsGuitaristsWriteThem) {
    const std::vector<std::pair<std::vector<int>, const char*>> cases{
        {{0, 4, 7}, ""},
        {{0, 3, 7}, "m"},
        {{0, 4, 7, 10}, "7"},
        {{0, 3, 7, 10}, "m7"},
        {{0, 4, 7, 11}, "maj7"},
        {{0, 3, 6, 10}, "m7b5"},
        {{0, 3, 6, 9}, "dim7"},
        {{0, 3, 6}, "dim"},
        {{0, 4, 8}, "aug"},
        {{0, 5, 7}, "sus4"},
        {{0, 2, 7}, "sus2"},
        {{0, 7}, "5"},
        {{0, 4, 7, 9}, "6"},
        {{0, 2, 4, 7, 9}, "6/9"},
        {{0, 2, 4, 7}, "(add9)"},
        {{0, 2, 4, 7, 10}, "9"},
        {{0, 2, 3, 7, 10}, "m9"},
        {{0, 2, 4, 7, 11}, "maj9"},
        {{0, 2, 4, 5, 7, 10}, "11"},
        {{0, 2, 4, 7, 9, 10}, "13"},
        {{0, 3, 4, 7, 10}, "7#9"},
        {{0, 3, 4, 10}, "7#9(no5)"},
        {{0, 1, 4, 7, 10}, "7b9"},
        {{0, 4, 8, 10}, "7#5"},
        {{0, 5, 7, 10}, "7sus4"},
        {{0, 2, 5, 7, 10}, "9sus4"},
        {{0, 3, 7, 11}, "m(maj7)"},
        {{0, 4, 6, 7, 11}, "maj7#11"},
        {{0, 4, 7, 10, 5}, "7(add11)"},
        {{0, 4, 6}, "(b5)"},
        {{0, 4, 10}, "7(no5)"},
        {{0, 7, 10}, "7(no3)"},
        {{0, 2, 3, 7, 9, 10}, "m9(add13)"},
        {{0, 2, 3, 5, 7, 9, 10}, "m13"},
        {{0, 2, 4, 5, 7, 9, 10}, "13(add11)"},
    };
    for (const auto& [offsets, suffix] : cases) {
        std::vector<int> sorted = offsets;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(spellChord(sorted).suffix, suffix);
    }
}

TEST(ChordSpelling, NotesAreSpeltByDegree) {
    EXPECT_EQ(spellNote("C", 3, 3), "Eb");
    EXPECT_EQ(spellNote("C", 5, 6), "Gb");
    EXPECT_EQ(spellNote("C", 7, 10), "Bb");
    EXPECT_EQ(spellNote("C", 9, 3), "D#"); // the raised ninth, not the minor third
    EXPECT_EQ(spellNote("F#", 7, 10), "E");
    EXPECT_EQ(spellNote("F#", 3, 4), "A#");
    EXPECT_EQ(spellNote("Db", 5, 7), "Ab");
    EXPECT_EQ(spellNote("C", 7, 9), "A");   // no B double flat
    EXPECT_EQ(spellNote("C#", 3, 4), "F");  // no E sharp
    EXPECT_EQ(spellNote("Gb", 7, 10), "E"); // no F flat
    EXPECT_EQ(spellNote("A", 13, 9), "F#");
    EXPECT_EQ(spellNote("Bb", 11, 6), "E");
}
