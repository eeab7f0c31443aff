// Chord symbols moved to another key: the root and bass renamed for the new key, the rest kept
// as written, and the key a song is taken to be in.
#include "music/note_names.h"
#include "music/transposition.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

using namespace tambrel;
using ::testing::ElementsAre;

namespace {

const KeySpelling kSharps{false};
const KeySpelling kFlats{true};

using Song = std::vector<std::string>;

} // namespace

TEST(KeySpelling, FlatKeysAndSharpKeys) {
    // C, Db, D ... B major, then minor.
    const std::vector<bool> flatMajor{true, true,  false, true,  false, true,
                                      true, false, true,  false, true,  false};
    const std::vector<bool> flatMinor{true,  false, true,  true,  false, true,
                                      false, true,  false, false, true,  false};
    for (int tonic = 0; tonic < 12; ++tonic) {
        SCOPED_TRACE(tonic);
        EXPECT_EQ(spellingOfKey(tonic, false).flats, flatMajor[tonic]);
        EXPECT_EQ(spellingOfKey(tonic, true).flats, flatMinor[tonic]);
        EXPECT_FALSE(spellingOfKey(tonic, false).signs);
        // The tonic is taken modulo 12, negative ones too.
        EXPECT_EQ(spellingOfKey(tonic - 24, false), spellingOfKey(tonic, false));
        EXPECT_EQ(spellingOfKey(tonic + 36, true), spellingOfKey(tonic, true));
    }
}

TEST(Transposition, RootAndBassAreRenamedAndTheRestKeptAsWritten) {
    EXPECT_EQ(transposeSymbol("Bbmaj7/D", 2, kFlats), "Cmaj7/E");
    EXPECT_EQ(transposeSymbol("F#m7b5", 1, kSharps), "Gm7b5");
    EXPECT_EQ(transposeSymbol("F#m7b5", 4, kSharps), "A#m7b5");
    EXPECT_EQ(transposeSymbol("F#m7b5", 4, kFlats), "Bbm7b5");
    EXPECT_EQ(transposeSymbol("Bb7(b9,#11)", -3, kSharps), "G7(b9,#11)");
    EXPECT_EQ(transposeSymbol("Dsus4/A", 3, kFlats), "Fsus4/C");
    EXPECT_EQ(transposeSymbol("Am7/G", 3, kFlats), "Cm7/Bb");
    EXPECT_EQ(transposeSymbol("D/F#", -2, kFlats), "C/E");
    EXPECT_EQ(transposeSymbol("C/E", 1, kFlats), "Db/F");
    EXPECT_EQ(transposeSymbol("C/E", 1, kSharps), "C#/F");
    EXPECT_EQ(transposeSymbol("C/Bb", 2, kSharps), "D/C");
    // Words and signs that hold note-like letters or a slash are no root nor bass.
    EXPECT_EQ(transposeSymbol("Cmaj7/9", 2, kSharps), "Dmaj7/9");
    EXPECT_EQ(transposeSymbol("Bbadd9", 2, kSharps), "Cadd9");
    EXPECT_EQ(transposeSymbol("Ebdim7", 2, kSharps), "Fdim7");
    EXPECT_EQ(transposeSymbol("C6/9", 7, kSharps), "G6/9");
}

TEST(Transposition, BlanksAndBracketsAroundTheNamesStay) {
    EXPECT_EQ(transposeSymbol(" Am ", 2, kSharps), " Bm ");
    EXPECT_EQ(transposeSymbol("C / E", 2, kSharps), "D / F#");
    EXPECT_EQ(transposeSymbol("C(add9/E)", 2, kSharps), "D(add9/F#)");
    EXPECT_EQ(transposeSymbol("\xC2\xA0"
                              "G/B\xC2\xA0",
                              1, kFlats),
              "\xC2\xA0"
              "Ab/C\xC2\xA0");
}

TEST(Transposition, SignsAndLowerCaseLettersAreKept) {
    const std::string sharp = "\xE2\x99\xAF";
    const std::string flat = "\xE2\x99\xAD";
    EXPECT_EQ(transposeSymbol("B" + flat + "maj7", 2, kSharps), "Cmaj7");
    EXPECT_EQ(transposeSymbol("B" + flat + "maj7", 1, kFlats), "Bmaj7");
    EXPECT_EQ(transposeSymbol("E" + flat + "/G", 1, kSharps), "E/G" + sharp);
    EXPECT_EQ(transposeSymbol("F" + sharp + "m7/C" + sharp, -2, kFlats), "Em7/B");
    EXPECT_EQ(transposeSymbol("F" + sharp + "m7/C" + sharp, 2, kFlats), "A" + flat + "m7/E" + flat);
    // A sign anywhere in the symbol asks for signs in the new names.
    EXPECT_EQ(transposeSymbol("C7" + flat + "9", 1, kSharps), "C" + sharp + "7" + flat + "9");
    EXPECT_EQ(transposeSymbol("C7b9", 1, KeySpelling{true, true}), "D" + flat + "7b9");
    EXPECT_EQ(transposeSymbol("am", 2, kSharps), "bm");
    EXPECT_EQ(transposeSymbol("bb7", 2, kSharps), "c7");
    EXPECT_EQ(transposeSymbol("c/e", 1, kFlats), "db/f");
}

TEST(Transposition, EveryPitchClassHasOneName) {
    EXPECT_EQ(transposeSymbol("E#m", 0, kSharps), "Fm");
    EXPECT_EQ(transposeSymbol("Cb", 0, kFlats), "B");
    EXPECT_EQ(transposeSymbol("A#7", 0, kFlats), "Bb7");
    EXPECT_EQ(transposeSymbol("C", 12, kSharps), "C");
    EXPECT_EQ(transposeSymbol("C", -1, kSharps), "B");
    EXPECT_EQ(transposeSymbol("C", -13, kSharps), "B");
    EXPECT_EQ(transposeSymbol("C", INT_MAX, kSharps), "G");
    EXPECT_EQ(transposeSymbol("C", INT_MIN, kSharps), "E");
}

TEST(Transposition, WhatIsNoChordSymbolComesBackUnchanged) {
    for (const std::string& text : std::vector<std::string>{
             "", "%", "N.C.", "Hm7", "Cmaj7#12", "\xFF", "| C |", std::string("C\0", 2)}) {
        EXPECT_EQ(transposeSymbol(text, 5, kFlats), text);
    }
}

TEST(SongKey, TheFirstReadableChordIsTheKey) {
    EXPECT_EQ(keyOfSong({"N.C.", "Cm7", "F7", "Bbmaj7"}), (SongKey{0, true}));
    EXPECT_EQ(keyOfSong({"G", "Em", "C", "D7"}), (SongKey{7, false}));
    EXPECT_EQ(keyOfSong({"Bdim", "C"}), (SongKey{11, true}));
    EXPECT_EQ(keyOfSong({"F#m7b5/C", "B7"}), (SongKey{6, true}));
    EXPECT_EQ(keyOfSong({"Asus4", "A"}), (SongKey{9, false}));
    EXPECT_FALSE(keyOfSong({"Hm", "%"}).has_value());
    EXPECT_FALSE(keyOfSong({}).has_value());
}

TEST(Transposition, ASongIsSpeltForItsNewKey) {
    EXPECT_THAT(transposeSong({"Eb", "Cm", "Ab", "Bb"}, -3), ElementsAre("C", "Am", "F", "G"));
    // Up to F, a flat key.
    EXPECT_THAT(transposeSong({"C", "F", "G7", "Bb"}, 5), ElementsAre("F", "Bb", "C7", "Eb"));
    // Up to D, a sharp key.
    EXPECT_THAT(transposeSong({"C", "E7", "F", "G/B"}, 2), ElementsAre("D", "F#7", "G", "A/C#"));
    // A minor up to Bb minor (flats) and to C# minor (sharps).
    EXPECT_THAT(transposeSong({"Am", "F", "E7"}, 1), ElementsAre("Bbm", "Gb", "F7"));
    EXPECT_THAT(transposeSong({"Am", "F", "E7"}, 4), ElementsAre("C#m", "A", "G#7"));
    // The key is the first readable chord's, whatever comes before it.
    EXPECT_THAT(transposeSong({"%", "D", "A#dim"}, -2), ElementsAre("%", "C", "Abdim"));
    // One symbol with a sign gives the song's new names signs.
    EXPECT_THAT(transposeSong({"E\xE2\x99\xAD", "C", "Ab"}, 1),
                ElementsAre("E", "C\xE2\x99\xAF", "A"));
    EXPECT_THAT(transposeSong({"Hm", "x"}, 3), ElementsAre("Hm", "x"));
}

// A song spelt as its key spells: up and down by the same steps gives it back.
TEST(Transposition, UpAndDownAgainGivesTheSongBack) {
    struct Degree {
        int root; // semitones above the tonic
        std::string suffix;
        int bass = -1;
    };
    // With a borrowed chord, a secondary dominant's leading tone and a slash bass.
    const std::vector<Degree> major{{0, "maj7"}, {9, "m7"}, {5, ""},      {7, "7"},
                                    {4, "m"},    {10, ""},  {11, "dim7"}, {0, "", 4}};
    const std::vector<Degree> minor{{0, "m"},    {5, "m7"},    {7, "7(b9)"},
                                    {8, "maj7"}, {11, "dim7"}, {3, "", 7}};
    for (const bool isMinor : {false, true}) {
        for (int tonic = 0; tonic < 12; ++tonic) {
            NoteNames names = noteNames();
            if (spellingOfKey(tonic, isMinor).flats) applyFlatNames(names);
            Song song;
            for (const Degree& degree : isMinor ? minor : major) {
                std::string symbol = names[(tonic + degree.root) % 12] + degree.suffix;
                if (degree.bass >= 0) symbol += "/" + names[(tonic + degree.bass) % 12];
                song.push_back(symbol);
            }
            for (int steps = -13; steps <= 13; ++steps) {
                SCOPED_TRACE(song.front() + " by " + std::to_string(steps));
                EXPECT_EQ(transposeSong(transposeSong(song, steps), -steps), song);
            }
        }
    }
}
