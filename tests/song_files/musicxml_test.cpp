// The lead sheet: each symbol's harmony, each fingering's frame as the diagrams show it, and
// the document read back with pugixml, its elements in the order notation programs require.
#include "song_files/musicxml_frame.h"
#include "song_files/musicxml_harmony.h"
#include "song_files/musicxml_writer.h"

#include "search/chord_query.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <string>
#include <vector>

namespace tambrel {
namespace {

using Type = HarmonyDegree::Type;

Harmony harmonyOfSymbol(const std::string& symbol) {
    const SymbolReading reading = readChordSymbol(symbol);
    EXPECT_TRUE(reading.chord) << symbol;
    return harmonyOf(*reading.chord, symbol);
}

TEST(MusicXmlHarmony, KindsDegreesRootAndBassAsWritten) {
    struct Case {
        const char* symbol;
        const char* kind;
        const char* text;
        std::vector<HarmonyDegree> degrees;
    };
    const Case cases[] = {
        {"C", "major", "", {}},
        {"F#m7", "minor-seventh", "m7", {}},
        {"Bbmaj7", "major-seventh", "maj7", {}},
        {"Bm7b5", "half-diminished", "m7b5", {}},
        {"Bdim7", "diminished-seventh", "dim7", {}},
        {"Csus4", "suspended-fourth", "sus4", {}},
        {"G7sus4", "suspended-fourth", "7sus4", {{7, -1, Type::Add}}},
        {"Cadd9", "major", "add9", {{9, 0, Type::Add}}},
        {"E7(#9)", "dominant", "7(#9)", {{9, 1, Type::Add}}},
        {"C7b5", "dominant", "7b5", {{5, -1, Type::Alter}}},
        {"C6/9", "major-sixth", "6/9", {{9, 0, Type::Add}}},
        {"A\u266D\u03949", "major-ninth", "\u03949", {}},
        {"C13", "dominant-13th", "13", {}},
        {"C5", "power", "5", {}},
    };
    for (const Case& c : cases) {
        const Harmony harmony = harmonyOfSymbol(c.symbol);
        EXPECT_EQ(harmony.kind, c.kind) << c.symbol;
        EXPECT_EQ(harmony.kindText, c.text) << c.symbol;
        EXPECT_EQ(harmony.degrees, c.degrees) << c.symbol;
        EXPECT_FALSE(harmony.hasBass) << c.symbol;
    }

    const Harmony slash = harmonyOfSymbol("F#m7b5/C");
    EXPECT_EQ(slash.root.step, 'F');
    EXPECT_EQ(slash.root.alter, 1);
    EXPECT_EQ(slash.kindText, "m7b5");
    ASSERT_TRUE(slash.hasBass);
    EXPECT_EQ(slash.bass.step, 'C');
    EXPECT_EQ(slash.bass.alter, 0);
    EXPECT_EQ(harmonyOfSymbol("Eb/Bb").bass.alter, -1);
    // A left-out third is subtracted from the kind that holds it.
    const Harmony omitted = harmonyOfSymbol("C7no3");
    EXPECT_EQ(omitted.kind, "dominant");
    EXPECT_EQ(omitted.degrees, (std::vector<HarmonyDegree>{{3, 0, Type::Subtract}}));
}

TEST(MusicXmlFrame, OpenChordHasNoFirstFretAndNoMutedString) {
    const ChordFrame c = frameOf(Fretting{kMuted, 3, 2, 0, 1, 0});
    EXPECT_EQ(c.strings, 6);
    EXPECT_EQ(c.frets, 5);
    EXPECT_EQ(c.firstFret, 1);
    EXPECT_EQ(c.notes, (std::vector<FrameNote>{{5, 3, 3, FrameNote::Barre::None},
                                               {4, 2, 2, FrameNote::Barre::None},
                                               {3, 0, 0, FrameNote::Barre::None},
                                               {2, 1, 1, FrameNote::Barre::None},
                                               {1, 0, 0, FrameNote::Barre::None}}));
}

TEST(MusicXmlFrame, BarreHighUpTheNeckCountsFretsFromTheNut) {
    // The B-flat minor barre at the sixth fret (a negative fret begins a barre): frets as they
    // are, not from the frame's top; fingers numbered as the diagrams number them.
    const ChordFrame bbm = frameOf(Fretting{-6, 8, 8, 6, 6, 6});
    EXPECT_EQ(bbm.firstFret, 6);
    ASSERT_EQ(bbm.notes.size(), 6U);
    EXPECT_EQ(bbm.notes[0], (FrameNote{6, 6, 1, FrameNote::Barre::Start}));
    EXPECT_EQ(bbm.notes[1], (FrameNote{5, 8, 2, FrameNote::Barre::None}));
    EXPECT_EQ(bbm.notes[2], (FrameNote{4, 8, 3, FrameNote::Barre::None}));
    EXPECT_EQ(bbm.notes[5], (FrameNote{1, 6, 1, FrameNote::Barre::Stop}));

    // A barre over the top strings only, its lowest string muted below it.
    const ChordFrame f = frameOf(Fretting{kMuted, kMuted, 3, 2, -1, 1});
    EXPECT_EQ(f.notes.front().string, 4);
    EXPECT_EQ(f.notes[2], (FrameNote{2, 1, 1, FrameNote::Barre::Start}));
    EXPECT_EQ(f.notes[3], (FrameNote{1, 1, 1, FrameNote::Barre::Stop}));
}

// A song arranged as the terminal arranges it, under `capo`.
Song arranged(const std::string& text, int capo = 0) {
    Song song;
    song.setText(text);
    ChordQuery settings;
    settings.inputs.capo = capo;
    song.arrange(settings);
    return song;
}

std::vector<std::string> childNames(const pugi::xml_node& node) {
    std::vector<std::string> names;
    for (const pugi::xml_node& child : node.children())
        if (child.type() == pugi::node_element) names.emplace_back(child.name());
    return names;
}

// Each element's children in the order the score's grammar has them: the names of `children`
// as they come, each at most once in a row except those that repeat.
bool inOrder(const std::vector<std::string>& children, const std::vector<std::string>& order) {
    std::size_t at = 0;
    for (const std::string& name : children) {
        while (at < order.size() && order[at] != name) ++at;
        if (at == order.size()) return false;
    }
    return true;
}

TEST(MusicXmlDocument, EveryFrameReadsBackAsItsFingeringInTheGrammarsOrder) {
    const Song song = arranged("| F Bbm | C7 | % | Dm7b5/Ab |", 1);
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(musicXmlOf(song).c_str()));
    const pugi::xml_node score = document.child("score-partwise");
    EXPECT_STREQ(score.attribute("version").value(), "4.0");
    const pugi::xml_node part = score.child("part");
    EXPECT_STREQ(part.attribute("id").value(),
                 score.child("part-list").child("score-part").attribute("id").value());

    // A measure a bar; the bar repeated by "%" has its chord again.
    std::vector<int> perMeasure;
    for (const pugi::xml_node& measure : part.children("measure")) {
        int harmonies = 0;
        int length = 0;
        for (const pugi::xml_node& harmony : measure.children("harmony")) {
            (void)harmony;
            ++harmonies;
        }
        for (const pugi::xml_node& note : measure.children("note"))
            length += note.child("duration").text().as_int();
        EXPECT_EQ(length, 4 * 16) << "a full measure of 4/4";
        perMeasure.push_back(harmonies);
    }
    EXPECT_EQ(perMeasure, (std::vector<int>{2, 1, 1, 1}));

    const pugi::xml_node attributes = part.child("measure").child("attributes");
    EXPECT_TRUE(
        inOrder(childNames(attributes), {"divisions", "key", "time", "clef", "staff-details"}));
    EXPECT_EQ(attributes.child("staff-details").child("capo").text().as_int(), 1);

    std::size_t chord = 0;
    const auto& chords = song.arrangement().chords;
    for (const pugi::xml_node& measure : part.children("measure")) {
        EXPECT_EQ(childNames(measure).back() == "barline", measure == part.last_child());
        for (const pugi::xml_node& harmony : measure.children("harmony")) {
            ASSERT_LT(chord, chords.size());
            ASSERT_TRUE(chords[chord].fingering);
            const Fretting& fingering = *chords[chord].fingering;
            EXPECT_TRUE(inOrder(childNames(harmony), {"root", "kind", "bass", "degree", "frame"}))
                << chords[chord].symbol;
            const pugi::xml_node frame = harmony.child("frame");
            EXPECT_TRUE(inOrder(childNames(frame),
                                {"frame-strings", "frame-frets", "first-fret", "frame-note"}));
            const ChordFrame expected = frameOf(fingering);
            EXPECT_EQ(frame.child("first-fret").text().as_int(1), expected.firstFret);
            EXPECT_GE(frame.child("frame-frets").text().as_int(), 4);

            // Read back: every string's fret, muted where no note is; fingers; barres.
            FretList frets{kMuted, kMuted, kMuted, kMuted, kMuted, kMuted};
            std::vector<FrameNote> notes;
            for (const pugi::xml_node& note : frame.children("frame-note")) {
                EXPECT_TRUE(inOrder(childNames(note), {"string", "fret", "fingering", "barre"}));
                const int string = note.child("string").text().as_int();
                frets[static_cast<std::size_t>(6 - string)] = note.child("fret").text().as_int();
                const std::string barre = note.child("barre").attribute("type").value();
                notes.push_back({string, note.child("fret").text().as_int(),
                                 note.child("fingering").text().as_int(),
                                 barre == "start"  ? FrameNote::Barre::Start
                                 : barre == "stop" ? FrameNote::Barre::Stop
                                                   : FrameNote::Barre::None});
            }
            EXPECT_EQ(frets, fingering.frets()) << chords[chord].symbol;
            EXPECT_EQ(notes, expected.notes) << chords[chord].symbol;
            ++chord;
        }
    }
    EXPECT_EQ(chord, chords.size());
    // The slash chord's bass, and the root as it sounds.
    const pugi::xml_node last = part.last_child().child("harmony");
    EXPECT_STREQ(last.child("bass").child_value("bass-step"), "A");
    EXPECT_EQ(last.child("bass").child("bass-alter").text().as_int(), -1);
    EXPECT_STREQ(last.child("kind").attribute("text").value(), "m7b5");
}

TEST(MusicXmlDocument, BarsWithoutBarLinesAndCrowdedBarsStillFillTheirMeasures) {
    // Without bar lines each chord is its own measure, and no capo means no staff details.
    const Song plain = arranged("C Am F");
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(musicXmlOf(plain).c_str()));
    const pugi::xml_node part = document.child("score-partwise").child("part");
    EXPECT_EQ(std::distance(part.children("measure").begin(), part.children("measure").end()), 3);
    EXPECT_FALSE(part.child("measure").child("attributes").child("staff-details"));
    EXPECT_STREQ(part.child("measure").child("note").child("rest").attribute("measure").value(),
                 "yes");

    // Three chords in a bar: a half and two quarters; seventeen: a bar of sixteenths and one
    // more measure.
    const Song crowded = arranged("| C F G | C C C C C C C C C C C C C C C C C |");
    ASSERT_TRUE(document.load_string(musicXmlOf(crowded).c_str()));
    std::vector<std::string> types;
    std::vector<int> lengths;
    for (const pugi::xml_node& measure :
         document.child("score-partwise").child("part").children("measure")) {
        int length = 0;
        for (const pugi::xml_node& note : measure.children("note")) {
            length += note.child("duration").text().as_int();
            types.emplace_back(note.child_value("type"));
        }
        lengths.push_back(length);
    }
    EXPECT_EQ(lengths, (std::vector<int>{64, 64, 64}));
    EXPECT_EQ(std::vector<std::string>(types.begin(), types.begin() + 4),
              (std::vector<std::string>{"half", "quarter", "quarter", "16th"}));
    EXPECT_EQ(types.back(), "whole");

    // A song without chords is still a score: one measure's rest.
    ASSERT_TRUE(document.load_string(musicXmlOf(Song{}).c_str()));
    EXPECT_TRUE(document.child("score-partwise").child("part").child("measure").child("note"));
}

TEST(MusicXmlDocument, TextIsEscapedByTheWriter) {
    // The kind's text holds the symbol as written, signs and all.
    const Song song = arranged("C\u25B37");
    const std::string xml = musicXmlOf(song);
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(xml.c_str()));
    EXPECT_STREQ(document.child("score-partwise")
                     .child("part")
                     .child("measure")
                     .child("harmony")
                     .child("kind")
                     .attribute("text")
                     .value(),
                 "\u25B37");
}

} // namespace
} // namespace tambrel
