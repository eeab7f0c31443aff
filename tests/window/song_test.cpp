// A song in the window: fingerings that flow, pins, the capo, transposition and the song played.
#include "music/fret_list_text.h"
#include "window/chord_sheet.h"
#include "window_test_support.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <cstdio>

namespace tambrel::testing {
namespace {

using ::testing::AnyOf;

class SongTest : public WindowTest {
  protected:
    static Fretting frets(const std::string& text) { return *readFretList(text).frets; }
    std::vector<std::string> frets() const {
        std::vector<std::string> list;
        for (const ArrangedChord& chord : window.song().arrangement().chords)
            list.push_back(chord.fingering ? writeFretList(*chord.fingering, {}) : "none");
        return list;
    }
    std::vector<std::string> shapes() const {
        std::vector<std::string> list;
        for (const ArrangedChord& chord : window.song().arrangement().chords)
            list.push_back(chord.shape);
        return list;
    }
};

TEST_F(SongTest, CToAmKeepsCAndEOnTheirStrings) {
    window.setSongText("C Am");
    EXPECT_EQ(frets(), (std::vector<std::string>{"x32010", "x02210"}));
    // With the common voicings there are more alternatives; the choice stays.
    window.CheckBoxCommonClick(true);
    EXPECT_EQ(frets(), (std::vector<std::string>{"x32010", "x02210"}));
}

TEST_F(SongTest, ATwoFiveOneStaysWithinFourFrets) {
    for (const char* song : {"Dm7 G7 Cmaj7", "| Em7 A7 | Dmaj7 | % |", "Am7 D7 Gmaj7",
                             "Gm7 C7 Fmaj7", "Cm7 F7 Bbmaj7"}) {
        window.setSongText(song);
        int lowest = 99;
        int highest = 0;
        for (const ArrangedChord& chord : window.song().arrangement().chords) {
            ASSERT_TRUE(chord.found()) << song;
            for (int s = 0; s < kStringCount; ++s) {
                const int f = chord.fingering->fret(s);
                if (f == 0 || f == kMuted) continue;
                lowest = std::min(lowest, f);
                highest = std::max(highest, f);
            }
        }
        EXPECT_LE(highest - lowest, 3) << song << ": frets " << lowest << " to " << highest;
    }
}

TEST_F(SongTest, TransposedUpAndPlayedUnderTheSameCapoGivesTheSameShapes) {
    for (const char* song : {"C Am F G7", "Dm7 G7 Cmaj7", "E A B7 C#m", "G D/F# Em C"}) {
        window.setSongText(song);
        const std::vector<std::string> open = frets();
        for (int k = 1; k <= 7; ++k) {
            window.setSongText(song);
            window.transposeSong(k);
            window.setCapo(k);
            EXPECT_EQ(frets(), open) << song << " up " << k;
            window.setCapo(0);
        }
    }
}

TEST_F(SongTest, PinsHoldTheirChordAndTheRestIsChosenAroundThem) {
    window.setSongText("C Am F G7");
    const std::vector<std::string> free = frets();
    ASSERT_TRUE(window.pinSongFrets(2, "133211"));
    EXPECT_EQ(frets()[2], "133211");
    EXPECT_TRUE(window.song().arrangement().chords[2].pinned);
    // An alternative of the list, by its place.
    // Its own hold on the list: pinning arranges the song anew.
    const std::shared_ptr<const RankedVoicings> alternatives =
        window.song().arrangement().chords[1].alternatives;
    ASSERT_GT(alternatives->result.voicingList.size(), 20U);
    ASSERT_TRUE(window.pinSongChord(1, 20));
    EXPECT_EQ(frets()[1], writeFretList(alternatives->result.voicingList[20].frets, {}));
    EXPECT_EQ(window.song().arrangement().chords[1].alternative, 20);

    EXPECT_FALSE(window.pinSongFrets(4, "x32010")); // no fifth chord
    EXPECT_FALSE(window.pinSongFrets(0, "x3201"));  // no fret list
    EXPECT_FALSE(window.pinSongChord(0, 100000));
    EXPECT_TRUE(window.unpinSongChord(1));
    EXPECT_TRUE(window.unpinSongChord(2));
    EXPECT_FALSE(window.unpinSongChord(2));
    EXPECT_EQ(frets(), free);
    // A new text lets every pin go.
    ASSERT_TRUE(window.pinSongFrets(0, "x35553"));
    window.setSongText("C Am F G7");
    EXPECT_EQ(frets(), free);
    // So does a capo or a tuning: the same frets would sound another chord.
    ASSERT_TRUE(window.pinSongFrets(2, "133211"));
    window.setCapo(1);
    EXPECT_TRUE(window.song().pins().empty());
    EXPECT_NE(window.song().arrangement().chords[2].fingering, frets("133211"));
    window.setCapo(0);
    ASSERT_TRUE(window.pinSongFrets(2, "133211"));
    window.StandardTunning1Click(7); // Drop D
    EXPECT_TRUE(window.song().pins().empty());
    // The window's other settings keep them.
    window.StandardTunning1Click(0);
    ASSERT_TRUE(window.pinSongFrets(2, "133211"));
    window.CheckBoxCommonClick(true);
    EXPECT_EQ(frets()[2], "133211");
}

TEST_F(SongTest, TheSongsCostIsTheSumOfItsParts) {
    window.setSongText("| Dm7 G7 | Cmaj7 A7 | Dm7 G7 | C |");
    for (int capo : {0, 2, 5}) {
        window.setCapo(capo);
        const SongArrangement& song = window.song().arrangement();
        int sum = capoCost(capo);
        for (const ArrangedChord& chord : song.chords) sum += chord.handScore + chord.move.total();
        EXPECT_EQ(song.cost, sum) << "capo " << capo;
        // No chord far down its list of the easiest.
        for (const ArrangedChord& chord : song.chords) {
            EXPECT_GE(chord.alternative, 0);
            EXPECT_LT(chord.alternative, kAlternativesConsidered);
        }
    }
}

TEST_F(SongTest, UnreadableSymbolsAreReportedAndTheRestKept) {
    window.setSongText("C Hm7 G");
    ASSERT_EQ(window.song().reading().problems.size(), 1U);
    EXPECT_EQ(window.song().reading().problems[0].symbol, "Hm7");
    EXPECT_EQ(window.song().reading().problems[0].column, 3);
    ASSERT_EQ(window.song().arrangement().chords.size(), 2U);
    EXPECT_EQ(window.song().symbols(), (std::vector<std::string>{"C", "G"}));
}

TEST_F(SongTest, BestCapoTurnsAFlatKeyIntoOpenShapes) {
    window.setSongText("Eb Cm Ab Bb");
    const CapoOffer offer = window.bestCapoOffer();
    EXPECT_THAT(offer.capo, AnyOf(1, 3)) << offer.text();
    EXPECT_EQ(offer.text(), offer.capo == 3 ? "Capo 3: C Am F G" : "Capo 1: D Bm G A");
    window.useBestCapo();
    EXPECT_EQ(state().capo, offer.capo);
    EXPECT_EQ(shapes(), offer.shapes);
    // The sounding chords stay the song's.
    EXPECT_EQ(window.song().arrangement().chords[0].symbol, "Eb");
}

TEST_F(SongTest, UnderACapoTheSameShapeSoundsAsManySemitonesHigher) {
    // The note-on messages of a strum: status 0x90, the note in the second byte.
    auto notesOf = [](const std::vector<std::string>& log) {
        std::vector<int> notes;
        for (const std::string& message : log) {
            unsigned value = 0;
            if (std::sscanf(message.c_str(), "0x%08X", &value) == 1 && (value & 0xF0U) == 0x90U &&
                (value >> 16 & 0xFFU) != 0)
                notes.push_back(static_cast<int>(value >> 8 & 0x7FU));
        }
        return notes;
    };
    window.setSongText("Am");
    midi.takeLog();
    window.strumSongChord(0);
    const std::vector<int> open = notesOf(midi.takeLog());
    ASSERT_FALSE(open.empty());
    for (int k = 1; k <= 7; ++k) {
        window.setCapo(k);
        window.pinSongFrets(0, "x02210");
        midi.takeLog();
        window.strumSongChord(0);
        std::vector<int> raised = open;
        for (int& note : raised) note += k;
        EXPECT_EQ(notesOf(midi.takeLog()), raised) << "capo " << k;
    }
    window.setCapo(0);
}

TEST_F(SongTest, ACapoCaptionNamesTheChordBothWays) {
    EXPECT_EQ(window.capoCaption(), "");
    window.typeSymbol("C");
    window.SpeedButton2Click();
    window.setCapo(3);
    EXPECT_EQ(window.capoCaption(), "Capo 3 \u00B7 sounds C");
    window.setShapeNames(true);
    EXPECT_EQ(window.capoCaption(), "Capo 3 \u00B7 shape A");
}

TEST_F(SongTest, PlayingStrumsEachChordWhenDueAndStops) {
    window.setSongText("C Am F G7");
    midi.takeLog();
    window.playSong(120, 2, 1000); // a chord a second
    EXPECT_EQ(window.songPlayer().current(), 0);
    EXPECT_FALSE(midi.takeLog().empty());
    window.songTick(1500);
    EXPECT_TRUE(midi.takeLog().empty()); // still the first chord
    window.songTick(2000);
    EXPECT_EQ(window.songPlayer().current(), 1);
    // C's five notes let go (velocity 0), then Am's strum, five notes and their pauses.
    const std::vector<std::string> second = midi.takeLog();
    ASSERT_EQ(second.size(), 15U);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(second[i].substr(2, 4), "0000") << second[i];
    EXPECT_EQ(second[5].substr(2, 4), "0064");
    window.stopSong();
    EXPECT_FALSE(window.songPlayer().playing());
    EXPECT_EQ(midi.takeLog().size(), 5U); // Am let go
    window.songTick(3000);
    EXPECT_TRUE(midi.takeLog().empty());
    // Played through, it stops by itself after the last chord's beats.
    window.playSong(120, 2, 0);
    window.songTick(3999);
    EXPECT_EQ(window.songPlayer().current(), 3);
    window.songTick(4000);
    EXPECT_FALSE(window.songPlayer().playing());
}

TEST_F(SongTest, ChordNamesFollowTheShapesToggleOnlyUnderACapo) {
    window.setSongText("C Am");
    window.setShapeNames(true);
    EXPECT_EQ(window.songChordName(0), "C"); // no capo: the shape is the chord
    window.setCapo(3);
    EXPECT_EQ(window.songChordName(0), "A");
    EXPECT_EQ(window.songChordName(1), "F#m");
    window.setShapeNames(false);
    EXPECT_EQ(window.songChordName(1), "Am");
    EXPECT_EQ(window.songChordName(2), "");
    EXPECT_EQ(window.songChordName(-1), "");
}

TEST_F(SongTest, TheSongGoesToTheSheetOnceAChordWithItsCapo) {
    EXPECT_TRUE(songSheetDiagrams(window).empty());
    window.setSongText("| C Am | F G7 | C Am |");
    std::vector<SheetDiagram> diagrams = songSheetDiagrams(window);
    std::vector<std::string> names;
    for (const SheetDiagram& d : diagrams) names.push_back(d.name);
    EXPECT_EQ(names, (std::vector<std::string>{"C", "Am", "F", "G7"})); // C Am again: once
    const auto& chords = window.song().arrangement().chords;
    EXPECT_EQ(diagrams[1].frets, *chords[1].fingering);
    EXPECT_EQ(diagrams[0].notes.rootNote, 0);

    window.setCapo(3);
    window.setShapeNames(true);
    diagrams = songSheetDiagrams(window);
    ASSERT_FALSE(diagrams.empty());
    EXPECT_EQ(diagrams[0].name, "A (capo 3)");
    // The labels name what sounds: C on the open A string raised by the capo.
    EXPECT_EQ(diagrams[0].notes.rootNote, 0);
    EXPECT_EQ(diagrams[0].notes.tuning[1], (kStandardTuning[1] + 3) % 12);
    window.setShapeNames(false);
    EXPECT_EQ(songSheetDiagrams(window)[0].name, "C (capo 3)");
}

} // namespace
} // namespace tambrel::testing
