#include "song_files/musicxml_writer.h"

#include "song_files/musicxml_frame.h"
#include "song_files/musicxml_harmony.h"

#include <pugixml.hpp>

#include <sstream>
#include <vector>

namespace tambrel {
namespace {

// Divisions of a quarter: a whole measure of 4/4 is 64, a sixteenth 4.
constexpr int kDivisions = 16;
constexpr int kMeasureLength = 4 * kDivisions;

void addNumber(pugi::xml_node parent, const char* name, int value) {
    parent.append_child(name).text().set(value);
}

void addText(pugi::xml_node parent, const char* name, const char* value) {
    parent.append_child(name).text().set(value);
}

void addNote(pugi::xml_node parent, const char* prefix, const HarmonyNote& note) {
    const std::string step = std::string(prefix) + "-step";
    const std::string alter = std::string(prefix) + "-alter";
    parent.append_child(step.c_str()).text().set(std::string(1, note.step).c_str());
    if (note.alter != 0) addNumber(parent, alter.c_str(), note.alter);
}

void addFrame(pugi::xml_node harmony, const Fretting& fretting) {
    const ChordFrame frame = frameOf(fretting);
    pugi::xml_node node = harmony.append_child("frame");
    addNumber(node, "frame-strings", frame.strings);
    addNumber(node, "frame-frets", frame.frets);
    if (frame.firstFret > 1) addNumber(node, "first-fret", frame.firstFret);
    for (const FrameNote& note : frame.notes) {
        pugi::xml_node written = node.append_child("frame-note");
        addNumber(written, "string", note.string);
        addNumber(written, "fret", note.fret);
        if (note.finger > 0) addNumber(written, "fingering", note.finger);
        if (note.barre != FrameNote::Barre::None)
            written.append_child("barre").append_attribute("type").set_value(
                note.barre == FrameNote::Barre::Start ? "start" : "stop");
    }
}

// A chord whose symbol cannot be read is written as its text alone: a harmony of kind "none"
// needs a root, which it has not.
void addHarmony(pugi::xml_node measure, const ArrangedChord& chord) {
    const SymbolReading reading = readChordSymbol(chord.symbol);
    if (!reading.chord) return;
    const Harmony harmony = harmonyOf(*reading.chord, chord.symbol);
    pugi::xml_node node = measure.append_child("harmony");
    addNote(node.append_child("root"), "root", harmony.root);
    pugi::xml_node kind = node.append_child("kind");
    kind.append_attribute("text").set_value(harmony.kindText.c_str());
    kind.text().set(harmony.kind.c_str());
    if (harmony.hasBass) addNote(node.append_child("bass"), "bass", harmony.bass);
    for (const HarmonyDegree& degree : harmony.degrees) {
        pugi::xml_node written = node.append_child("degree");
        addNumber(written, "degree-value", degree.value);
        addNumber(written, "degree-alter", degree.alter);
        addText(written, "degree-type", degreeTypeName(degree.type));
    }
    if (chord.fingering) addFrame(node, *chord.fingering);
}

const char* noteType(int duration) {
    switch (duration) {
    case kMeasureLength:
        return "whole";
    case kMeasureLength / 2:
        return "half";
    case kMeasureLength / 4:
        return "quarter";
    case kMeasureLength / 8:
        return "eighth";
    default:
        return "16th";
    }
}

void addRest(pugi::xml_node measure, int duration) {
    pugi::xml_node note = measure.append_child("note");
    pugi::xml_node rest = note.append_child("rest");
    if (duration == kMeasureLength) rest.append_attribute("measure").set_value("yes");
    addNumber(note, "duration", duration);
    addNumber(note, "voice", 1);
    addText(note, "type", noteType(duration));
}

void addAttributes(pugi::xml_node measure, int capo) {
    pugi::xml_node attributes = measure.append_child("attributes");
    addNumber(attributes, "divisions", kDivisions);
    addNumber(attributes.append_child("key"), "fifths", 0);
    pugi::xml_node time = attributes.append_child("time");
    addNumber(time, "beats", 4);
    addNumber(time, "beat-type", 4);
    pugi::xml_node clef = attributes.append_child("clef");
    addText(clef, "sign", "G");
    addNumber(clef, "line", 2);
    if (capo > 0) addNumber(attributes.append_child("staff-details"), "capo", capo);
}

// The chords of each measure, by their places in the arrangement: a bar's chords together, a
// bar of more than kChordsPerMeasure over several measures.
std::vector<std::vector<int>> measuresOf(const Song& song) {
    std::vector<std::vector<int>> measures;
    const auto& chords = song.arrangement().chords;
    const auto& read = song.reading().chords;
    int bar = -1;
    for (int i = 0; i < static_cast<int>(chords.size()); ++i) {
        const int chordBar = i < static_cast<int>(read.size()) ? read[i].bar : i + 1;
        if (measures.empty() || chordBar != bar ||
            static_cast<int>(measures.back().size()) == kChordsPerMeasure)
            measures.emplace_back();
        measures.back().push_back(i);
        bar = chordBar;
    }
    return measures;
}

// The lengths a measure's chords share it in: a whole, halves, quarters, eighths or
// sixteenths, the first chords taking the longer where they do not come out even.
std::vector<int> lengthsOf(int chords) {
    int units = 4;
    while (units < chords) units *= 2;
    std::vector<int> lengths;
    lengths.reserve(static_cast<std::size_t>(chords));
    for (int i = 0; i < chords; ++i)
        lengths.push_back((units / chords + (i < units % chords ? 1 : 0)) * kMeasureLength / units);
    return lengths;
}

} // namespace

std::string musicXmlOf(const Song& song) {
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version").set_value("1.0");
    declaration.append_attribute("encoding").set_value("UTF-8");
    document.append_child(pugi::node_doctype)
        .set_value("score-partwise PUBLIC \"-//Recordare//DTD MusicXML 4.0 Partwise//EN\" "
                   "\"http://www.musicxml.org/dtds/partwise.dtd\"");
    pugi::xml_node score = document.append_child("score-partwise");
    score.append_attribute("version").set_value("4.0");
    addText(score.append_child("identification").append_child("encoding"), "software", "Tambrel");
    pugi::xml_node scorePart = score.append_child("part-list").append_child("score-part");
    scorePart.append_attribute("id").set_value("P1");
    addText(scorePart, "part-name", "Guitar");
    // Notation programs take the part's sound from its instrument.
    pugi::xml_node instrument = scorePart.append_child("score-instrument");
    instrument.append_attribute("id").set_value("P1-I1");
    addText(instrument, "instrument-name", "Guitar");
    pugi::xml_node part = score.append_child("part");
    part.append_attribute("id").set_value("P1");

    const SongArrangement& arrangement = song.arrangement();
    std::vector<std::vector<int>> measures = measuresOf(song);
    if (measures.empty()) measures.emplace_back();
    for (std::size_t m = 0; m < measures.size(); ++m) {
        pugi::xml_node measure = part.append_child("measure");
        measure.append_attribute("number").set_value(static_cast<int>(m + 1));
        if (m == 0) addAttributes(measure, arrangement.capo);
        if (measures[m].empty()) addRest(measure, kMeasureLength);
        const std::vector<int> lengths = lengthsOf(static_cast<int>(measures[m].size()));
        for (std::size_t i = 0; i < measures[m].size(); ++i) {
            addHarmony(measure, arrangement.chords[measures[m][i]]);
            addRest(measure, lengths[i]);
        }
    }
    pugi::xml_node barline = part.last_child().append_child("barline");
    barline.append_attribute("location").set_value("right");
    addText(barline, "bar-style", "light-heavy");

    std::ostringstream out;
    document.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}

} // namespace tambrel
