// The chord's readings in plain standard notation, and naming a fingering from its frets.
#include "music/chord_names.h"
#include "music/fingering_names.h"
#include "music/note_names.h"
#include "music/plain_names.h"
#include "tuning/tunings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

using namespace tambrel;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

NoteNames flats() {
    NoteNames grid = noteNames();
    applyFlatNames(grid);
    return grid;
}

std::string best(const std::vector<int>& tones, int bass, const NoteNames& names = noteNames()) {
    const auto readings = plainReadings(tones, bass, names);
    return readings.empty() ? std::string() : plainCaption(readings.front());
}

MidiNoteTable standardTuning() {
    return midiNoteTableFor(kStandardTuning);
}

FingeringNames named(const char* frets, const NoteNames& names = noteNames()) {
    const FretListReading read = readFretList(frets);
    EXPECT_TRUE(read.frets.has_value()) << frets << ": " << read.error;
    return read.frets ? nameFingering(*read.frets, standardTuning(), names) : FingeringNames{};
}

std::string bestSymbol(const char* frets) {
    const FingeringNames n = named(frets);
    return n.readings.empty() ? std::string() : n.readings.front().symbol;
}

} // namespace

TEST(PlainNames, BestReadingWithItsNotes) {
    EXPECT_EQ(best({0, 3, 6, 10}, 0), "Cm7b5 \u2014 C Eb Gb Bb");
    EXPECT_EQ(best({0, 4, 7}, 4), "C/E \u2014 C E G");
    EXPECT_EQ(best({0, 4, 7, 2}, 0), "C(add9) \u2014 C E G D");
    EXPECT_EQ(best({0, 4, 7, 10}, 0), "C7 \u2014 C E G Bb");
    EXPECT_EQ(best({0, 3, 6, 9}, 0), "Cdim7 \u2014 C Eb Gb A");
    EXPECT_EQ(best({9, 0, 4, 7}, 9), "Am7 \u2014 A C E G");
    EXPECT_EQ(best({0, 4, 7, 9}, 0), "C6 \u2014 C E G A");
    EXPECT_EQ(best({0, 5, 7}, 0), "Csus4 \u2014 C F G");
    EXPECT_EQ(best({0, 7}, 0), "C5 \u2014 C G");
    EXPECT_EQ(best({6, 9, 1, 4}, 6), "F#m7 \u2014 F# A C# E");
    EXPECT_EQ(best({1, 4, 8}, 1, flats()), "Dbm \u2014 Db E Ab");
}

TEST(PlainNames, AnAddedAlteredToneCountsAsBothAddedAndAltered) {
    // F A C E over A: a major seventh over its third, not A minor with an added flat 13th.
    EXPECT_EQ(best({5, 9, 0, 4}, 9), "Fmaj7/A \u2014 F A C E");
    EXPECT_EQ(best({9, 0, 4, 5}, 9), "Fmaj7/A \u2014 F A C E");
    // C Db E G: the added flat ninth on C (two steps) before a diminished triad over a bass
    // foreign to it, C#dim/C (three).
    EXPECT_EQ(best({0, 4, 7, 1}, 0), "C(addb9) \u2014 C E G Db");
}

TEST(PlainNames, AnInversionGoesBeforeAForeignBass) {
    EXPECT_EQ(best({9, 0, 4, 7}, 7), "Am7/G \u2014 A C E G");
    EXPECT_EQ(best({0, 4, 7}, 2), "C/D \u2014 D C E G");
}

TEST(PlainNames, AForeignBassStandsBelowThePlainChord) {
    EXPECT_EQ(best({0, 4, 7}, 6), "C/F# \u2014 F# C E G");
    EXPECT_EQ(best({10, 2, 5}, 0), "A#/C \u2014 C A# D F");
}

TEST(PlainNames, RankedByOneRule) {
    // Each departure from a plain root-position chord counts one; ties go to the common name,
    // then to the shorter symbol.
    const auto readings = plainReadings({0, 4, 7}, 4, noteNames());
    ASSERT_GE(readings.size(), 2u);
    EXPECT_EQ(readings[0].symbol, "C/E");
    EXPECT_EQ(readings[0].cost, 1);
    EXPECT_EQ(readings[1].symbol, "Em(#5)");
    EXPECT_EQ(readings[1].cost, 1);
    for (std::size_t i = 1; i < readings.size(); ++i)
        EXPECT_LE(readings[i - 1].cost, readings[i].cost);
}

TEST(PlainNames, EachReadingCarriesTheEngineNamesOfItsRoot) {
    const auto readings = plainReadings({0, 4, 7}, 0, noteNames());
    ASSERT_FALSE(readings.empty());
    EXPECT_THAT(readings.front().engineNames, ElementsAre("C"));
    const auto e = std::find_if(readings.begin(), readings.end(),
                                [](const PlainReading& r) { return r.root == 4; });
    ASSERT_NE(e, readings.end());
    // As built, before the list deletes every later line's first slash.
    EXPECT_THAT(e->engineNames, ElementsAre("Em/5+/C"));
}

TEST(PlainNames, ReadingsOfTheRootsAsTheListTakesThem) {
    const auto roots = chordReadings({0, 4, 7}, 6, noteNames());
    ASSERT_EQ(roots.size(), 4u); // the foreign bass is a root too
    EXPECT_EQ(roots[3].root, 6);
    EXPECT_TRUE(roots[3].bassIsRoot);
    EXPECT_EQ(roots[0].third, 4);
    EXPECT_EQ(roots[0].fifth, 7);
    EXPECT_THAT(roots[0].others, ElementsAre(0, 6));
    EXPECT_EQ(roots[0].quality, "/4+");
    EXPECT_THAT(chordReadings({0, 12}, 0, noteNames()), IsEmpty());
}

TEST(PlainNames, SingleNoteAndNothing) {
    EXPECT_EQ(best({4}, 4), "E \u2014 E");
    EXPECT_EQ(best({4, 4}, 4), "E \u2014 E");
    EXPECT_THAT(plainReadings({0, 13}, 0, noteNames()), IsEmpty());
}

TEST(FretList, WrittenAsGuitaristsWriteIt) {
    const FretList open{kMuted, 3, 2, 0, 1, 0};
    for (const char* text : {"x32010", "x 3 2 0 1 0", "X-3-2-0-1-0", "x,3,2,0,1,0", " x32010 ",
                             "X32010", "x/3/2/0/1/0", "x.3.2.0.1.0", "x  3  2 0 1 0"}) {
        SCOPED_TRACE(text);
        const FretListReading read = readFretList(text);
        ASSERT_TRUE(read.frets.has_value()) << read.error;
        EXPECT_EQ(*read.frets, open);
    }
    EXPECT_EQ(readFretList("8 10 10 9 8 8").frets, (FretList{8, 10, 10, 9, 8, 8}));
    EXPECT_EQ(readFretList("x,10,12,12,11,10").frets, (FretList{kMuted, 10, 12, 12, 11, 10}));
    EXPECT_EQ(readFretList("24 24 x x x 0").frets, (FretList{24, 24, kMuted, kMuted, kMuted, 0}));
    EXPECT_EQ(readFretList("xxxxxx").frets,
              (FretList{kMuted, kMuted, kMuted, kMuted, kMuted, kMuted}));
}

TEST(FretList, BadInputSaysWhy) {
    const std::vector<std::pair<const char*, const char*>> cases{
        {"", "no fret list"},
        {"x3201", "has 5 strings"},
        {"x320100", "has 7 strings"},
        {"x 3 2 0 1", "has 5 strings"},
        {"x 3 2 0 1 25", "'25' is neither a fret from 0 to 24 nor x"},
        {"x 3 2 0 1 q", "'q' is neither a fret"},
        {"x32o1o", "'o' is neither a fret"},
        {"8101098 8", "has 2 strings"},
        {"81010988", "frets above 9 need blanks or commas"},
        {"x 3 2 0 1 -1", "'-1' is neither a fret"},
        {"x 3 2 0 1 100", "'100' is neither a fret"},
    };
    for (const auto& [text, message] : cases) {
        SCOPED_TRACE(text);
        const FretListReading read = readFretList(text);
        EXPECT_FALSE(read.frets.has_value());
        EXPECT_THAT(read.error, ::testing::HasSubstr(message));
    }
}

// Each worked out on the fretboard, string by string, low E first.
TEST(NameFingering, OpenAndBarreChordsOfEveryGuitarist) {
    EXPECT_EQ(bestSymbol("x32010"), "C");         // C E G C E
    EXPECT_EQ(bestSymbol("022000"), "Em");        // E B E G B E
    EXPECT_EQ(bestSymbol("x02220"), "A");         // A E A C# E
    EXPECT_EQ(bestSymbol("320003"), "G");         // G B D G B G
    EXPECT_EQ(bestSymbol("xx0232"), "D");         // D A D F#
    EXPECT_EQ(bestSymbol("133211"), "F");         // F C F A C F
    EXPECT_EQ(bestSymbol("x02010"), "Am7");       // A E G C E
    EXPECT_EQ(bestSymbol("032010"), "C/E");       // E C E G C E: not a reading of E
    EXPECT_EQ(bestSymbol("200232"), "D/F#");      // F# A D A D F#
    EXPECT_EQ(bestSymbol("x3234x"), "C7#9(no5)"); // C E Bb D#
    EXPECT_EQ(bestSymbol("x02210"), "Am");
    EXPECT_EQ(bestSymbol("xx0212"), "D7");
    EXPECT_EQ(bestSymbol("x02212"), "Am6");     // A E A C F#
    EXPECT_EQ(bestSymbol("xx0231"), "Dm");      // D A D F
    EXPECT_EQ(bestSymbol("xx0211"), "Dm7");     // D A C F
    EXPECT_EQ(bestSymbol("020100"), "E7");      // E B D G# B E
    EXPECT_EQ(bestSymbol("x32310"), "C7(no5)"); // C E Bb C E: no G
    EXPECT_EQ(bestSymbol("x3231x"), "C7(no5)");
    EXPECT_EQ(bestSymbol("x24232"), "Bm7");   // B F# A D F#
    EXPECT_EQ(bestSymbol("x2323x"), "Bm7b5"); // B F A D
    EXPECT_EQ(bestSymbol("xx0233"), "Dsus4");
    EXPECT_EQ(bestSymbol("x35555"), "C6"); // C G C E A
    EXPECT_EQ(bestSymbol("x355xx"), "C5"); // C G C
    EXPECT_EQ(bestSymbol("8 10 10 9 8 8"), "C");
    EXPECT_EQ(bestSymbol("x,10,12,12,11,10"), "Gm");
    EXPECT_EQ(bestSymbol("x3333x"), "A#/C");
    EXPECT_EQ(bestSymbol("x32000"), "Cmaj7");   // C E G B E
    EXPECT_EQ(bestSymbol("x32033"), "C(add9)"); // C E G D G
    EXPECT_EQ(bestSymbol("x33011"), "Csus4");   // C F G C F
    EXPECT_EQ(bestSymbol("3x2210"), "Am7/G");   // G A C E: the seventh chord over its seventh
}

TEST(NameFingering, NotesPerStringTheBassAndTheEngineNames) {
    const FingeringNames n = named("x32010");
    EXPECT_EQ(n.pitchClass, (std::array<int, 6>{-1, 0, 4, 7, 0, 4}));
    EXPECT_EQ(n.noteName, (std::array<std::string, 6>{"", "C", "E", "G", "C", "E"}));
    EXPECT_THAT(n.tones, ElementsAre(0, 4, 7));
    EXPECT_EQ(n.bass, 0);
    EXPECT_EQ(n.engineNames, listChordNames({0, 4, 7}, 0, noteNames()));
    ASSERT_FALSE(n.readings.empty());
    EXPECT_EQ(plainCaption(n.readings.front()), "C \u2014 C E G");

    // The lowest sounding note is the bass, whichever string sounds it.
    const FingeringNames high = named("x x 10 9 8 8");
    EXPECT_EQ(high.bass, 0); // C on the D string
    EXPECT_EQ(named("200232").bass, 6);
}

TEST(NameFingering, FlatNamesAndOtherTunings) {
    const FingeringNames n = named("x13331", flats());
    ASSERT_FALSE(n.readings.empty());
    EXPECT_EQ(n.readings.front().symbol, "Bb");
    EXPECT_EQ(n.noteName[1], "Bb");

    // Drop D: the low string sounds D.
    MidiNoteTable dropD = standardTuning();
    for (int f = 0; f < kFretColumns; ++f) dropD[0][f] -= 2;
    const FingeringNames d = nameFingering({0, 0, 0, 2, 3, 2}, dropD, noteNames());
    ASSERT_FALSE(d.readings.empty());
    EXPECT_EQ(d.readings.front().symbol, "D");
}

TEST(NameFingering, NothingAndASingleNote) {
    const FingeringNames none = named("xxxxxx");
    EXPECT_EQ(none.bass, -1);
    EXPECT_THAT(none.tones, IsEmpty());
    EXPECT_THAT(none.readings, IsEmpty());
    EXPECT_THAT(none.engineNames, IsEmpty());

    const FingeringNames one = named("0xxxx0");
    ASSERT_EQ(one.readings.size(), 1u);
    EXPECT_EQ(one.readings.front().symbol, "E");
    const FingeringNames octave = named("x x 2 x x 0"); // E and E
    ASSERT_EQ(octave.readings.size(), 1u);
    EXPECT_EQ(octave.readings.front().symbol, "E");
}

TEST(FingeringMismatch, WhatTheFingeringItselfShowsFirst) {
    const MidiNoteTable midi = standardTuning();
    FingeringLimits c7;
    c7.rootNote = c7.bassNote = 0;
    c7.chordTones = {0, 4, 7, 10};
    // x32310 has no G.
    EXPECT_EQ(fingeringMismatch({kMuted, 3, 2, 3, 1, 0}, midi, c7, noteNames()),
              "it leaves out the fifth, G: tick \"(omit5)\"");
    FingeringLimits c = c7;
    c.chordTones = {0, 4, 7};
    EXPECT_EQ(fingeringMismatch({kMuted, 3, 5, 5, kMuted, kMuted}, midi, c, noteNames()),
              "it leaves out the third, E: tick \"(omit3)\"");
    EXPECT_EQ(fingeringMismatch({kMuted, 3, 2, 3, 1, 3}, midi, c, noteNames()),
              "it sounds A#, no tone of the chord");
    EXPECT_EQ(fingeringMismatch({0, 3, 2, 0, 1, 0}, midi, c, noteNames()),
              "its lowest string sounds E, not the bass C");
    EXPECT_EQ(fingeringMismatch({kMuted, 3, 2, 0, 1, 0}, midi, c, noteNames()), "");
    c.maxFret = 6;
    EXPECT_EQ(fingeringMismatch({8, 10, 10, 9, 8, 8}, midi, c, noteNames()),
              "its bass at fret 8 lies beyond \"Up to fret\" 6");
    c.maxFret = 24;
    c.distance = 2;
    EXPECT_EQ(fingeringMismatch({8, 10, 10, 9, 8, 8}, midi, c, noteNames()),
              "it spans frets 8 to 10, beyond \"Distance\" 2");
    EXPECT_EQ(fingeringMismatch({kMuted, kMuted, kMuted, 5, 5, 3}, midi, c, noteNames()),
              "its bass lies above the third string");
    EXPECT_TRUE(sameFrets({kMuted, -3, 3, 2, 3, kMuted}, {kMuted, 3, 3, 2, 3, kMuted}));
    EXPECT_FALSE(sameFrets({kMuted, 3, 3, 2, 3, kMuted}, {kMuted, 3, 3, 2, 3, 0}));
}
