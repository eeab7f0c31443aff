// Reading the chords of a song as lead sheets and songbooks write them: bars, "%", several
// lines among lyrics and headings, unreadable symbols and odd input.
#include "music/song_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace tambrel;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

SongChord at(const std::string& symbol, int line, int column, int bar) {
    return SongChord{symbol, line, column, bar};
}

std::vector<std::string> symbolsOf(const SongText& song) {
    std::vector<std::string> out;
    for (const SongChord& chord : song.chords) out.push_back(chord.symbol);
    return out;
}

// Problems as "line:column symbol", for comparing in one go.
std::vector<std::string> problemsOf(const SongText& song) {
    std::vector<std::string> out;
    for (const SongProblem& p : song.problems) {
        EXPECT_FALSE(p.message.empty()) << p.symbol;
        out.push_back(std::to_string(p.line) + ":" + std::to_string(p.column) + " " + p.symbol);
    }
    return out;
}

} // namespace

TEST(SongText, ALineWithoutBarLinesHasOneBarASymbol) {
    const SongText song = readSongText("C Am  F G7");
    EXPECT_THAT(song.chords, ElementsAre(at("C", 1, 1, 1), at("Am", 1, 3, 2), at("F", 1, 7, 3),
                                         at("G7", 1, 9, 4)));
    EXPECT_THAT(song.problems, IsEmpty());

    // "%" repeats the symbol before it, at its own place.
    EXPECT_THAT(readSongText("C % G").chords,
                ElementsAre(at("C", 1, 1, 1), at("C", 1, 3, 2), at("G", 1, 5, 3)));
}

TEST(SongText, BarLinesGroupChordsAndPercentRepeatsTheWholeBar) {
    EXPECT_THAT(readSongText("| Dm7 G7 | Cmaj7 | % |").chords,
                ElementsAre(at("Dm7", 1, 3, 1), at("G7", 1, 7, 1), at("Cmaj7", 1, 12, 2),
                            at("Cmaj7", 1, 20, 3)));
    EXPECT_THAT(readSongText("| C G | % | F |").chords,
                ElementsAre(at("C", 1, 3, 1), at("G", 1, 5, 1), at("C", 1, 9, 2), at("G", 1, 9, 2),
                            at("F", 1, 13, 3)));
    // The text before the first bar line and after the last is a bar too.
    EXPECT_THAT(readSongText("Am | D7").chords, ElementsAre(at("Am", 1, 1, 1), at("D7", 1, 6, 2)));
    // An empty bar holds nothing and is not counted.
    EXPECT_THAT(readSongText("| C | | G |").chords,
                ElementsAre(at("C", 1, 3, 1), at("G", 1, 9, 2)));
}

TEST(SongText, DoubleAndRepeatBarLinesNeedNoBlanks) {
    const SongText song = readSongText("|: C | Am :||: F |G7:| C ||");
    EXPECT_THAT(song.chords, ElementsAre(at("C", 1, 4, 1), at("Am", 1, 8, 2), at("F", 1, 16, 3),
                                         at("G7", 1, 19, 4), at("C", 1, 24, 5)));
    EXPECT_THAT(song.problems, IsEmpty());
    EXPECT_THAT(symbolsOf(readSongText("|C|G/B|Am7|%|")), ElementsAre("C", "G/B", "Am7", "Am7"));
    // A colon away from a bar line stays in its word.
    EXPECT_THAT(problemsOf(readSongText("| C:G | D |")), ElementsAre("1:3 C:G"));
}

TEST(SongText, BarsAreCountedOverLinesAndPercentRepeatsTheLastBarOfTheLineBefore) {
    const SongText song = readSongText("| C | G |\n| % | Am |\nF % C\n");
    EXPECT_THAT(song.chords,
                ElementsAre(at("C", 1, 3, 1), at("G", 1, 7, 2), at("G", 2, 3, 3), at("Am", 2, 7, 4),
                            at("F", 3, 1, 5), at("F", 3, 3, 6), at("C", 3, 5, 7)));
}

TEST(SongText, MisplacedRepeatSignsAreProblemsAndTheRestIsKept) {
    SongText song = readSongText("% C");
    EXPECT_THAT(problemsOf(song), ElementsAre("1:1 %"));
    EXPECT_THAT(song.chords, ElementsAre(at("C", 1, 3, 1)));

    // A sign with nothing to repeat is no bar, so the next one has nothing either.
    EXPECT_THAT(problemsOf(readSongText("| % | % |")), ElementsAre("1:3 %", "1:7 %"));

    song = readSongText("| C % | G |");
    EXPECT_THAT(problemsOf(song), ElementsAre("1:5 %"));
    EXPECT_THAT(song.chords, ElementsAre(at("C", 1, 3, 1), at("G", 1, 9, 2)));

    // The one-bar repeat sign of printed music reads as "%".
    EXPECT_THAT(symbolsOf(readSongText("| D | \xF0\x9D\x84\x8E |")), ElementsAre("D", "D"));
}

TEST(SongText, NoChordIsABarWithoutAChord) {
    const SongText song = readSongText("| C | N.C. | % | G |");
    EXPECT_THAT(song.chords, ElementsAre(at("C", 1, 3, 1), at("G", 1, 18, 4)));
    EXPECT_THAT(song.problems, IsEmpty());
    for (const char* noChord : {"NC", "n.c.", "N.C", "(N.C.)", "[NC]"}) {
        SCOPED_TRACE(noChord);
        const SongText other = readSongText(std::string("C ") + noChord + " G");
        EXPECT_THAT(symbolsOf(other), ElementsAre("C", "G"));
        EXPECT_EQ(other.chords[1].bar, 3);
        EXPECT_THAT(other.problems, IsEmpty());
    }
    // "N.C.D." is no "N.C.", and "Nc" alone on a line is no lyrics.
    EXPECT_THAT(problemsOf(readSongText("C N.C.D. G")), ElementsAre("1:3 N.C.D."));
    EXPECT_THAT(readSongText("Nc").problems, IsEmpty());
}

TEST(SongText, RepeatCountsAreReadAndLeftOut) {
    for (const char* count : {"x2", "X4", "2x", "(x2)", "[3x]", "\u00D73"}) {
        SCOPED_TRACE(count);
        const SongText song = readSongText(std::string("| C | G | ") + count);
        EXPECT_THAT(song.chords, ElementsAre(at("C", 1, 3, 1), at("G", 1, 7, 2)));
        EXPECT_THAT(song.problems, IsEmpty());
    }
    // Neither a count nor a chord.
    EXPECT_THAT(problemsOf(readSongText("C G x")), ElementsAre("1:5 x"));
    EXPECT_THAT(problemsOf(readSongText("C G x2x")), ElementsAre("1:5 x2x"));
}

TEST(SongText, ASongbookPageKeepsItsChordLinesOnly) {
    const SongText song = readSongText("My Little Song\n"
                                       "\n"
                                       "Verse 1:\n"
                                       "C        G          Am    F\n"
                                       "A day in the life of a dog\n"
                                       "Am I a fool\n"
                                       "Chorus: | F | C | G7 | C |\n"
                                       "Outro: Dm7 G7 C\n");
    EXPECT_THAT(song.chords, ElementsAre(at("C", 4, 1, 1), at("G", 4, 10, 2), at("Am", 4, 21, 3),
                                         at("F", 4, 27, 4), at("F", 7, 11, 5), at("C", 7, 15, 6),
                                         at("G7", 7, 19, 7), at("C", 7, 24, 8), at("Dm7", 8, 8, 9),
                                         at("G7", 8, 12, 10), at("C", 8, 15, 11)));
    EXPECT_THAT(song.problems, IsEmpty());
}

TEST(SongText, UnreadableSymbolsOfAChordLineAreProblemsWithTheirPlace) {
    // Columns count characters: "♯" and "♭" are one each.
    const SongText song = readSongText("C\xE2\x99\xAF"
                                       "m7 F\xE2\x99\xAF Hm7 B\n"
                                       "| E\xE2\x99\xAD | Cmaj7#12 | Gsus4 |");
    EXPECT_THAT(problemsOf(song), ElementsAre("1:9 Hm7", "2:8 Cmaj7#12"));
    EXPECT_THAT(symbolsOf(song), ElementsAre("C\xE2\x99\xAF"
                                             "m7",
                                             "F\xE2\x99\xAF", "B", "E\xE2\x99\xAD", "Gsus4"));
    // The bar of the unreadable symbol still counts.
    EXPECT_EQ(song.chords.back().bar, 7);
    // A line with bar lines is chords even when most of it is not.
    EXPECT_THAT(problemsOf(readSongText("| la la | C |")), ElementsAre("1:3 la", "1:6 la"));
}

TEST(SongText, LineEndingsBlanksAndTheByteOrderMark) {
    const SongText song = readSongText("\xEF\xBB\xBF"
                                       "C\tG\r\n\xC2\xA0"
                                       "Am\xC2\xA0"
                                       "F\r\n\r\n");
    EXPECT_THAT(song.chords, ElementsAre(at("C", 1, 1, 1), at("G", 1, 3, 2), at("Am", 2, 2, 3),
                                         at("F", 2, 5, 4)));
    EXPECT_THAT(song.problems, IsEmpty());
    EXPECT_THAT(readSongText("").chords, IsEmpty());
    EXPECT_THAT(readSongText("\n\n \t\n").chords, IsEmpty());
}

TEST(SongText, MalformedBytesAreProblemsOfOneColumnEach) {
    const SongText song = readSongText("\xFF\xC3 C G");
    EXPECT_THAT(problemsOf(song), ElementsAre("1:1 \xFF\xC3"));
    EXPECT_THAT(song.chords, ElementsAre(at("C", 1, 4, 2), at("G", 1, 6, 3)));
    EXPECT_THAT(problemsOf(readSongText(std::string("C \0 G", 5))),
                ElementsAre(std::string("1:3 \0", 5)));
}

TEST(SongText, LongWordsAndLongBarsStayCheap) {
    // A word too long for any symbol is refused unread, even one the reader would take.
    const std::string longSymbol = "C" + std::string(100, '(');
    EXPECT_THAT(problemsOf(readSongText("| " + longSymbol + " | G |")),
                ElementsAre("1:3 " + longSymbol));

    // "%" copies at most a bar of 16 chords.
    std::string bar = "|";
    for (int k = 0; k < 16; ++k) bar += " C";
    SongText song = readSongText(bar + " | % |");
    EXPECT_EQ(song.chords.size(), 32U);
    song = readSongText(bar + " G | % |");
    EXPECT_EQ(song.chords.size(), 17U);
    EXPECT_THAT(problemsOf(song), ElementsAre("1:39 %"));
}

TEST(SongText, AMegabyteOfAnythingIsReadWhole) {
    const std::size_t size = 1 << 20;
    std::mt19937 random(7);
    std::string noise(size, ' ');
    for (char& c : noise) c = static_cast<char>(random() & 0xFF);
    std::string songLike;
    const char* words[] = {"C", "%", "|", "Am7", "x2", "N.C.", "\n", "la", ":", "\xE2\x99\xAF"};
    while (songLike.size() < size) songLike += std::string(words[random() % 10]) + " ";

    for (const std::string& text :
         {noise, songLike, std::string(size, 'C'), std::string(size, '|'), std::string(size, '%'),
          std::string(size, '\n'), std::string(size, ':'),
          "| C |" + std::string(size, ' ') + "%"}) {
        const SongText song = readSongText(text);
        // Each chord comes from a word of the text, or from a "%" of at least two bytes with
        // its blank that copies at most 16.
        EXPECT_LE(song.chords.size(), 8 * text.size());
        for (const SongChord& chord : song.chords) {
            ASSERT_GE(chord.line, 1);
            ASSERT_GE(chord.column, 1);
            ASSERT_GE(chord.bar, 1);
        }
    }
    // The long line of one repeated bar keeps its chords' columns.
    const SongText song = readSongText("| C |" + std::string(size, ' ') + "%");
    EXPECT_THAT(song.chords, ElementsAre(at("C", 1, 3, 1), at("C", 1, int(size) + 6, 2)));
}
