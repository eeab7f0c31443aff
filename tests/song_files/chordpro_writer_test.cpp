// ChordPro written: a define a chord as the diagram shows it, the file's other lines byte for
// byte, and the file read back to the same chords, fingerings and capo.
#include "music/fret_list_text.h"
#include "song_files/chordpro_writer.h"

#include <gtest/gtest.h>

namespace tambrel {
namespace {

ChordQuery underCapo(int capo) {
    ChordQuery settings;
    settings.inputs.capo = capo;
    return settings;
}

// The song arranged with chord i pinned to frets[i].
void arrangePinned(Song& song, const std::vector<const char*>& frets, int capo = 0) {
    song.arrange(underCapo(capo));
    for (std::size_t i = 0; i < frets.size(); ++i)
        song.pin(static_cast<int>(i), *readFretList(frets[i]).frets);
    song.arrange(underCapo(capo));
}

struct Played {
    std::vector<std::string> symbols;
    std::vector<std::string> frets;
    int capo = 0;
    friend bool operator==(const Played&, const Played&) = default;
};

Played playedOf(const Song& song) {
    Played played;
    played.capo = song.arrangement().capo;
    for (const ArrangedChord& chord : song.arrangement().chords) {
        played.symbols.push_back(chord.symbol);
        played.frets.push_back(chord.fingering ? writeFretList(*chord.fingering) : "none");
    }
    return played;
}

// The written text read back as the panel reads it: its capo, transposition and fingerings.
Played readBack(const std::string& written) {
    Song song;
    song.setText(written);
    EXPECT_TRUE(song.chordPro()) << written;
    const int capo = song.chordPro() ? song.chordPro()->capo.value_or(0) : 0;
    if (song.chordPro() && song.chordPro()->transpose)
        song.setTransposition(*song.chordPro()->transpose);
    song.pinStatedFingerings(underCapo(capo));
    song.arrange(underCapo(capo));
    return playedOf(song);
}

TEST(ChordProWriter, DefinesAsTheDiagramShowsThem) {
    EXPECT_EQ(chordProDefine("C", {99, 3, 2, 0, 1, 0}, true),
              "{define: C base-fret 1 frets x 3 2 0 1 0 fingers 0 3 2 0 1 0}");
    // A barre: one finger over its strings, the fretted-higher strings their own.
    EXPECT_EQ(chordProDefine("F", {-1, 3, 3, 2, 1, 1}, true),
              "{define: F base-fret 1 frets 1 3 3 2 1 1 fingers 1 3 4 2 1 1}");
    // High on the neck the frets count from the base fret the diagram starts at.
    EXPECT_EQ(chordProDefine("Bbmaj7", {99, -13, 15, 14, 15, 13}, true),
              "{define: Bbmaj7 base-fret 13 frets x 1 3 2 3 1 fingers 0 1 3 2 4 1}");
    EXPECT_EQ(chordProDefine("G", {3, 2, 0, 0, 0, 3}, false),
              "{define: G base-fret 1 frets 3 2 0 0 0 3}");
}

TEST(ChordProWriter, KeepsTheFileAndReplacesItsDefinesAndCapo) {
    Song song;
    song.setText("{title: T}\n{capo: 5}\n{define: C base-fret 1 frets x 3 3 0 1 0}\n"
                 "{define: Zz base-fret 1 frets 0 0 0 0 0 0}\n# a comment\n\n"
                 "[C]la  la [*Rit.] [G]la\n{comment: end}\n{capo: 7}\nlast");
    arrangePinned(song, {"x32010", "320003"});
    EXPECT_EQ(writeChordPro(song),
              "{title: T}\n{define: Zz base-fret 1 frets 0 0 0 0 0 0}\n# a comment\n"
              "{define: C base-fret 1 frets x 3 2 0 1 0 fingers 0 3 2 0 1 0}\n"
              "{define: G base-fret 1 frets 3 2 0 0 0 3 fingers 2 1 0 0 0 3}\n\n"
              "[C]la  la [*Rit.] [G]la\n{comment: end}\nlast");
}

TEST(ChordProWriter, KeepsWindowsLineEndsAndAFileOfDirectivesOnly) {
    Song song;
    song.setText("{title: T}\r\n[Am]la\r\n");
    arrangePinned(song, {"x02210"}, 3);
    EXPECT_EQ(writeChordPro(song),
              "{title: T}\r\n{capo: 3}\r\n"
              "{define: Am base-fret 1 frets x 0 2 2 1 0 fingers 0 0 2 3 1 0}\r\n"
              "[Am]la\r\n");
    song.setText("{title: T}");
    song.arrange(underCapo(2));
    EXPECT_EQ(writeChordPro(song), "{title: T}\n{capo: 2}\n");
}

TEST(ChordProWriter, ALeadSheetBecomesBarsOfBracketedChords) {
    Song song;
    song.setText("Verse: | C Am | F | % |\nlyrics here\nG7");
    arrangePinned(song, {"x32010", "x02210", "133211", "133211", "320001"});
    ChordProStyle style;
    style.title = "Song";
    style.fingers = false;
    EXPECT_EQ(
        writeChordPro(song, style),
        "{title: Song}\n{define: C base-fret 1 frets x 3 2 0 1 0}\n"
        "{define: Am base-fret 1 frets x 0 2 2 1 0}\n{define: F base-fret 1 frets 1 3 3 2 1 1}\n"
        "{define: G7 base-fret 1 frets 3 2 0 0 0 1}\n"
        "| [C] [Am] | [F] | [F] |\n| [G7] |\n");
}

TEST(ChordProWriter, ReadBackGivesTheSameChordsFingeringsAndCapo) {
    Song opened;
    opened.setText("{title: Hard chords}\n[G#6]one [Bbmaj7]two [C7#9]three\n[Dm7b5]four [F/A]five");
    opened.arrange(underCapo(2));
    opened.pin(1, *readFretList("x 11 13 12 13 11").frets);
    opened.arrange(underCapo(2));
    const Played played = playedOf(opened);
    for (const std::string& frets : played.frets) EXPECT_NE(frets, "none");
    EXPECT_EQ(readBack(writeChordPro(opened)), played);
    EXPECT_EQ(readBack(writeChordPro(opened, {false, ""})), played);

    Song typed;
    typed.setText("| Eb Cm | Ab Bb7 |");
    typed.setTransposition(2);
    typed.arrange(underCapo(1));
    EXPECT_EQ(readBack(writeChordPro(typed)), playedOf(typed));
}

} // namespace
} // namespace tambrel
