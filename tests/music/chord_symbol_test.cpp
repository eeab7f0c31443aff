// Reading the chord symbols of lead sheets and songbooks: the pitch classes every symbol of a
// family must give, its root and its bass.
#include "music/chord_spelling.h"
#include "music/chord_symbol.h"
#include "tests/music/symbol_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

using namespace tambrel;
using namespace tambrel::testing;

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

const std::vector<SymbolCase>& family(const std::string& name) {
    for (const SymbolFamily& f : symbolFamilies())
        if (f.name == name) return f.cases;
    static const std::vector<SymbolCase> none;
    return none;
}

void expectFamily(const std::vector<SymbolCase>& cases) {
    ASSERT_FALSE(cases.empty());
    for (const SymbolCase& c : cases) {
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
    expectFamily(family("RootsAndMajorTriads"));
}

TEST(ChordSymbolFamily, MinorTriads) {
    expectFamily(family("MinorTriads"));
}

TEST(ChordSymbolFamily, MajorSevenths) {
    expectFamily(family("MajorSevenths"));
}

TEST(ChordSymbolFamily, DominantSevenths) {
    expectFamily(family("DominantSevenths"));
}

TEST(ChordSymbolFamily, MinorSeventhsAndMinorMajor) {
    expectFamily(family("MinorSeventhsAndMinorMajor"));
}

TEST(ChordSymbolFamily, Diminished) {
    expectFamily(family("Diminished"));
}

TEST(ChordSymbolFamily, HalfDiminished) {
    expectFamily(family("HalfDiminished"));
}

TEST(ChordSymbolFamily, Augmented) {
    expectFamily(family("Augmented"));
}

TEST(ChordSymbolFamily, Suspended) {
    expectFamily(family("Suspended"));
}

TEST(ChordSymbolFamily, PowerChords) {
    expectFamily(family("PowerChords"));
}

TEST(ChordSymbolFamily, Sixths) {
    expectFamily(family("Sixths"));
}

TEST(ChordSymbolFamily, Alterations) {
    expectFamily(family("Alterations"));
}

TEST(ChordSymbolFamily, AddedTones) {
    expectFamily(family("AddedTones"));
}

TEST(ChordSymbolFamily, OmittedTones) {
    expectFamily(family("OmittedTones"));
}

TEST(ChordSymbolFamily, SlashBasses) {
    expectFamily(family("SlashBasses"));
}

TEST(ChordSymbolFamily, TensionListNotation) {
    expectFamily(family("TensionListNotation"));
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

// A family's chords on C, moved to every root under each of its spellings.
TEST(ChordSymbolRoot, EveryRootSpellingTransposesTheChord) {
    const std::vector<std::pair<const char*, int>> roots{
        {"C", 0},  {"C#", 1}, {"Db", 1},  {"D", 2},   {"D#", 3}, {"Eb", 3},  {"E", 4},
        {"Fb", 4}, {"E#", 5}, {"F", 5},   {"F#", 6},  {"Gb", 6}, {"G", 7},   {"G#", 8},
        {"Ab", 8}, {"A", 9},  {"A#", 10}, {"Bb", 10}, {"B", 11}, {"Cb", 11}, {"B#", 0},
        {"c", 0},  {"eb", 3}, {"bb", 10}, {"f#", 6}};
    for (const SymbolFamily& f : symbolFamilies()) {
        for (const SymbolCase& c : f.cases) {
            const std::string symbol = c.symbol;
            // Chords written on a plain C; a slash bass would move with the root too.
            if (symbol.size() < 2 || symbol[0] != 'C' || symbol[1] == '#' || symbol[1] == 'b' ||
                static_cast<unsigned char>(symbol[1]) >= 0x80 || c.bass)
                continue;
            const SymbolReading onC = readChordSymbol(symbol);
            ASSERT_TRUE(onC.chord.has_value()) << symbol;
            for (const auto& [name, pitch] : roots) {
                const std::string moved = name + symbol.substr(1);
                SCOPED_TRACE(moved);
                const SymbolReading reading = readChordSymbol(moved);
                ASSERT_TRUE(reading.chord.has_value()) << reading.error;
                EXPECT_EQ(reading.chord->root, pitch);
                EXPECT_EQ(reading.chord->offsets(), onC.chord->offsets());
            }
        }
    }
}
