#include "window/chord_sheet.h"

#include "music/note_names.h"
#include "music/plain_names.h"
#include "music/text_encoding.h"
#include "search/chord_query.h"

#include <algorithm>

namespace tambrel {

namespace {

std::string cleanName(const std::string& name) {
    std::string clean = name;
    for (char& c : clean)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
    const auto first = clean.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return clean.substr(first, clean.find_last_not_of(' ') - first + 1);
}

bool inside(int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

} // namespace

void ChordSheet::add(SheetDiagram entry) {
    entry.name = cleanName(entry.name);
    entries_.push_back(std::move(entry));
}

void ChordSheet::add(const std::vector<SheetDiagram>& entries) {
    entries_.reserve(entries_.size() + entries.size());
    for (const SheetDiagram& entry : entries) add(entry);
}

bool ChordSheet::rename(int index, const std::string& name) {
    if (!inside(index, entries_.size())) return false;
    std::string clean = cleanName(name);
    if (entries_[index].name == clean) return false;
    entries_[index].name = std::move(clean);
    return true;
}

bool ChordSheet::remove(int index) {
    if (!inside(index, entries_.size())) return false;
    entries_.erase(entries_.begin() + index);
    return true;
}

bool ChordSheet::move(int from, int to) {
    if (!inside(from, entries_.size()) || !inside(to, entries_.size()) || from == to) return false;
    const auto at = entries_.begin();
    if (from < to)
        std::rotate(at + from, at + from + 1, at + to + 1);
    else
        std::rotate(at + to, at + from, at + from + 1);
    return true;
}

std::string sheetNameOf(const MainWindowModel& window) {
    const SearchState& search = window.search();
    std::string name = sheetNameOfSymbol(
        search.chordTones, search.rootNote, search.bassNote, window.window().rootGrid.names,
        search.rootName.bytes() + search.chordSuffix.bytes() + search.bassSuffix.bytes());
    // A sheet may gather diagrams under several capos: each says its own.
    if (search.capo > 0) name += " (capo " + std::to_string(search.capo) + ")";
    return name;
}

std::string sheetNameOfSymbol(const std::vector<int>& chordTones, int rootNote, int bassNote,
                              const NoteNames& names, const SingleByteText& symbol) {
    // The chord's plain standard name, as over the results ("Cm7b5", "C/E"); without one, the
    // symbol as the program writes it for the chord searched (whatever has been typed into the
    // box since).
    const std::vector<PlainReading> readings = rootNote >= 0 && rootNote < 12
                                                   ? plainReadings(chordTones, bassNote, names)
                                                   : std::vector<PlainReading>{};
    if (!readings.empty()) return readings.front().symbol;
    return symbol.utf8();
}

std::string sheetNameOfTones(const std::vector<int>& chordTones, int rootNote, int bassNote,
                             const NoteNames& names, const std::string& intervals) {
    if (rootNote < 0 || rootNote >= 12) return intervals;
    const std::vector<PlainReading> readings = plainReadings(chordTones, bassNote, names);
    if (!readings.empty()) return readings.front().symbol;
    return cp1252ToUtf8(names[rootNote]) + " (" + intervals + ")";
}

DiagramNotes diagramNotesOf(const MainWindowModel& window) {
    const SearchState& search = window.search();
    // Under a capo the strings sound higher: a dot names the note it sounds.
    return diagramNotesFor(tuningUnderCapo(search.stringNote, search.capo), search.rootNote,
                           search.chordTones, window.window().rootGrid.names[1] != noteNames()[1]);
}

DiagramNotes diagramNotesFor(const StringNotes& tuning, int rootNote,
                             const std::vector<int>& chordTones, bool flatNames) {
    DiagramNotes notes;
    notes.tuning = tuning;
    notes.rootNote = rootNote;
    notes.chordMask = chordMaskOf(chordTones, rootNote);
    notes.flatNames = flatNames;
    return notes;
}

std::optional<SheetDiagram> resultSheetDiagram(const MainWindowModel& window, int index) {
    const std::vector<Voicing>& voicings = window.search().voicingList;
    if (!inside(index, voicings.size())) return std::nullopt;
    return SheetDiagram{voicings[index].frets, diagramNotesOf(window), sheetNameOf(window)};
}

std::optional<SheetDiagram> selectedSheetDiagram(const MainWindowModel& window) {
    const std::vector<int>& highlighted = window.window().highlighted;
    if (highlighted.empty()) return std::nullopt;
    return resultSheetDiagram(window, highlighted.front());
}

std::vector<SheetDiagram> resultSheetDiagrams(const MainWindowModel& window) {
    const DiagramNotes notes = diagramNotesOf(window);
    const std::string name = sheetNameOf(window);
    std::vector<SheetDiagram> diagrams;
    diagrams.reserve(window.search().voicingList.size());
    for (const Voicing& voicing : window.search().voicingList)
        diagrams.push_back({voicing.frets, notes, name});
    return diagrams;
}

std::vector<SheetDiagram> songSheetDiagrams(const MainWindowModel& window) {
    const SearchState& search = window.search();
    const int capo = search.capo;
    const StringNotes sounding = tuningUnderCapo(search.stringNote, capo);
    const auto& chords = window.song().arrangement().chords;
    std::vector<SheetDiagram> diagrams;
    for (int k = 0; k < static_cast<int>(chords.size()); ++k) {
        const ArrangedChord& chord = chords[k];
        if (!chord.fingering) continue;
        std::string name = window.songChordName(k);
        if (capo > 0) name += " (capo " + std::to_string(capo) + ")";
        // The dots name the notes that sound: the open strings are raised by the capo.
        DiagramNotes notes;
        if (chord.alternatives && !chord.alternatives->result.chordTones.empty()) {
            const std::vector<int>& tones = chord.alternatives->result.chordTones;
            const bool flat = chord.symbol.size() > 1 && chord.symbol[1] == 'b';
            notes = diagramNotesFor(sounding, tones.front(), tones, flat);
        }
        SheetDiagram diagram{*chord.fingering, notes, name};
        if (std::find(diagrams.begin(), diagrams.end(), diagram) == diagrams.end())
            diagrams.push_back(std::move(diagram));
    }
    return diagrams;
}

} // namespace tambrel
