// ChordPro read: the directives Tambrel uses, the chords where they stand, the file's own
// fingerings in both forms, and what is not a chord.
#include "music/fret_list_text.h"
#include "song_files/chordpro_reader.h"

#include <gtest/gtest.h>

namespace tambrel {
namespace {

std::vector<std::string> symbolsOf(const ChordProSong& song) {
    std::vector<std::string> list;
    for (const SongChord& chord : song.reading.chords) list.push_back(chord.symbol);
    return list;
}

Fretting frets(const char* text) {
    return *readFretList(text).frets;
}

TEST(ChordProReader, DirectivesLongShortAndUnusedOnes) {
    const ChordProSong song = readChordPro("{t:Twinkle}\n{key: F#m}\n{capo: 2}\n{transpose: -3}\n"
                                           "{artist: Somebody}\n{start_of_chorus}\n");
    EXPECT_EQ(song.title, "Twinkle");
    EXPECT_EQ(song.key, "F#m");
    EXPECT_EQ(song.capo, 2);
    EXPECT_EQ(song.transpose, -3);
    EXPECT_EQ(readChordPro("{title: A Long Title }").title, "A Long Title");
    // Out of range or no number: not stated.
    EXPECT_FALSE(readChordPro("{capo: 12}").capo);
    EXPECT_FALSE(readChordPro("{capo: two}").capo);
    EXPECT_FALSE(readChordPro("{transpose: 12}").transpose);
    EXPECT_EQ(readChordPro("{transpose: +5}").transpose, 5);

    const auto directive = readChordProDirective("  {Comment_Italic:  slowly }\r");
    ASSERT_TRUE(directive);
    EXPECT_EQ(directive->name, "comment_italic");
    EXPECT_EQ(directive->value, "slowly");
    EXPECT_FALSE(readChordProDirective("[C]Twinkle {not a directive}"));
    EXPECT_FALSE(readChordProDirective("{}"));
}

TEST(ChordProReader, ChordsInOrderWithLinesAndColumns) {
    const ChordProSong song = readChordPro(
        "\xEF\xBB\xBF{title: T}\n[C]Twinkle, twin[Am7/G]kle, [*Rit.]little [N.C.]star\r\n"
        "# [F] a comment line\n\xC3\xA9t\xC3\xA9 [ G7 ]   [] [");
    EXPECT_EQ(symbolsOf(song), (std::vector<std::string>{"C", "Am7/G", "G7"}));
    const auto& chords = song.reading.chords;
    EXPECT_EQ(chords[0].line, 2);
    EXPECT_EQ(chords[0].column, 2);
    EXPECT_EQ(chords[1].column, 18);
    // Columns count characters: "été " is four.
    EXPECT_EQ(chords[2].line, 4);
    EXPECT_EQ(chords[2].column, 7);
    EXPECT_EQ(chords[2].bar, 3);
    EXPECT_TRUE(song.reading.problems.empty());
}

TEST(ChordProReader, UnreadableChordsAreNamedWithTheirLineAndTheRestKept) {
    const ChordProSong song =
        readChordPro("[C]one\n[Xyz]two [G]three\n[" + std::string(80, 'A') + "]");
    EXPECT_EQ(symbolsOf(song), (std::vector<std::string>{"C", "G"}));
    ASSERT_EQ(song.reading.problems.size(), 2U);
    EXPECT_EQ(song.reading.problems[0].symbol, "Xyz");
    EXPECT_EQ(song.reading.problems[0].line, 2);
    EXPECT_EQ(song.reading.problems[0].column, 2);
    EXPECT_FALSE(song.reading.problems[0].message.empty());
    EXPECT_EQ(song.reading.problems[1].line, 3);
}

TEST(ChordProReader, DefinesInBothFormsCountedFromTheBaseFret) {
    const ChordProSong song =
        readChordPro("{define: C7 base-fret 1 frets x 3 2 3 1 0}\n"
                     "{define D7: base-fret 3 frets X 3 2 3 1 -1 fingers 0 3 2 4 1 0}\n"
                     "{define: Bb frets 1 1 3 3 3 1 base-fret 1}\n");
    ASSERT_EQ(song.defines.size(), 3U);
    EXPECT_EQ(song.defines[0].name, "C7");
    EXPECT_EQ(song.defines[0].frets, frets("x32310"));
    EXPECT_EQ(song.defines[0].fingers, (std::array<int, 6>{}));
    EXPECT_EQ(song.defines[0].line, 1);
    EXPECT_EQ(song.defines[1].name, "D7");
    EXPECT_EQ(song.defines[1].baseFret, 3);
    EXPECT_EQ(song.defines[1].frets, frets("x 5 4 5 3 x"));
    EXPECT_EQ(song.defines[1].fingers, (std::array<int, 6>{0, 3, 2, 4, 1, 0}));
    EXPECT_EQ(song.defines[2].frets, frets("113331"));
}

TEST(ChordProReader, DefinesThatAreNoFingeringAreLeftAside) {
    for (const char* text :
         {"{define: Am copy Am7}", "{define: C base-fret 1 frets x 3 2 0 1}",
          "{define: C base-fret 0 frets x 3 2 0 1 0}", "{define: C base-fret 20 frets x 9 2 0 1 0}",
          "{define: C base-fret 1 frets x 3 2 0 1 q}", "{define:}"})
        EXPECT_TRUE(readChordPro(text).defines.empty()) << text;
}

TEST(ChordProReader, TellsChordProFromALeadSheet) {
    EXPECT_FALSE(looksLikeChordPro("C Am F G7"));
    EXPECT_FALSE(looksLikeChordPro("| Dm7 G7 | Cmaj7 | % |\nlyrics [in brackets] here"));
    EXPECT_FALSE(looksLikeChordPro("C Am [N.C.] | F G7 |"));
    EXPECT_TRUE(looksLikeChordPro("[C] [Am]"));
    EXPECT_TRUE(looksLikeChordPro("[C]Twinkle"));
    EXPECT_TRUE(looksLikeChordPro("star[G]"));
    EXPECT_TRUE(looksLikeChordPro("C Am\n[*Rit.] F"));
    EXPECT_TRUE(looksLikeChordPro("C Am\n {title: Song}\r\n"));
}

} // namespace
} // namespace tambrel
