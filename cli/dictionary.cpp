#include "cli/dictionary.h"

#include "cli/text_diagram.h"
#include "music/chord_names.h"
#include "music/fingering_names.h"
#include "music/lookup_translation.h"
#include "music/note_names.h"
#include "music/plain_names.h"
#include "music/text_encoding.h"
#include "tuning/tunings.h"
#include "window/search_options.h"
#include "window/song_arrangement.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <sys/ioctl.h>
#include <unistd.h>

namespace tambrel {

namespace {

int terminalWidth() {
    winsize size{};
    if (isatty(STDOUT_FILENO) && ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    if (const char* columns = std::getenv("COLUMNS")) {
        const int width = std::atoi(columns);
        if (width > 0) return width;
    }
    return 80;
}

// Windows-1252 text in small letters, the accented capitals too ("AFINAÇÃO" as "afinação").
std::string smallLetters(std::string text) {
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
            c = static_cast<char>(byte + 0x20);
    }
    return text;
}

// The preset a terminal user means: its menu or button caption in any letter case, or
// "standard" for the standard tuning; -1 when none.
int presetNamed(const std::string& cp1252) {
    const std::string wanted = smallLetters(cp1252);
    if (wanted == "standard") return 0;
    for (const TuningPreset& preset : tuningPresets()) {
        if (wanted == smallLetters(preset.menuCaption) ||
            wanted == smallLetters(preset.buttonCaption))
            return preset.tag;
    }
    return -1;
}

// A tuning as a preset's caption ("Drop D", "open g", "standard") or six note names from the
// lowest string.
bool readTuning(const std::string& text, StringNotes& notes, int& preset) {
    preset = presetNamed(utf8ToCp1252(text));
    if (preset >= 0) {
        notes = tuningPresets()[preset].notes;
        return true;
    }
    std::istringstream in(text);
    std::string name;
    int count = 0;
    while (in >> name) {
        const int pitch = noteIndexOf(name);
        if (pitch == kNoNote || count == kStringCount) return false;
        notes[count++] = pitch;
    }
    return count == kStringCount;
}

// What is said of each voicing beside it: its playability with --explain; with --common
// alone, what it leaves out of the chord, if anything.
std::vector<std::string> notesOn(const std::vector<Playability>& playability,
                                 const DictionaryOptions& options) {
    std::vector<std::string> notes;
    notes.reserve(playability.size());
    for (const Playability& p : playability)
        notes.push_back(options.explain  ? explainPlayability(p)
                        : options.common ? leftOutText(p.leftOut, p.chord)
                                         : std::string());
    return notes;
}

// The count, then the chord names when there are any to show there, then the diagrams and what
// is said of them; or the entries alone.
void printVoicings(const std::vector<Voicing>& voicingList,
                   const std::vector<Playability>& playability, const DictionaryOptions& options,
                   const std::vector<std::string>& namesAfterCount = {}) {
    const std::vector<std::string> notes = notesOn(playability, options);
    if (options.entries) {
        // A note follows its entry behind "  # ", so the entry itself reads as always.
        for (std::size_t i = 0; i < voicingList.size(); ++i) {
            std::cout << entryText(voicingList[i]);
            if (!notes[i].empty()) std::cout << "  # " << notes[i];
            std::cout << '\n';
        }
        return;
    }
    std::cout << "Results: founded " << voicingList.size() << "\n\n";
    if (!namesAfterCount.empty()) {
        for (const std::string& name : namesAfterCount) std::cout << cp1252ToUtf8(name) << '\n';
        std::cout << '\n';
    }
    std::vector<Fretting> frets;
    frets.reserve(voicingList.size());
    for (const Voicing& voicing : voicingList) frets.push_back(voicing.frets);
    std::cout << textDiagramRows(frets, options.leftHand, terminalWidth());
    bool first = true;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        if (notes[i].empty()) continue;
        if (first) std::cout << '\n';
        first = false;
        std::cout << i + 1 << '.';
        std::cout << ' ' << writeFretList(voicingList[i].frets, {FretSeparator::Blanks, 'X'})
                  << ": " << notes[i] << '\n';
    }
}

// What is wrong with an interval list as the first form takes it: two digits "00" to "11" each,
// single blanks between them, "00" first. A piece that is no number at all gets the search's
// own message.
std::optional<std::string> formulaProblem(const std::string& intervals) {
    if (intervals.empty()) return "the formula is empty";
    if (intervals.front() == ' ') return "the formula starts with a blank";
    if (intervals.back() == ' ') return "the formula ends with a blank";
    if (intervals.find("  ") != std::string::npos)
        return "the formula has two blanks in a row: separate the intervals by single blanks";
    std::istringstream pieces(intervals);
    std::string piece;
    bool first = true;
    while (std::getline(pieces, piece, ' ')) {
        const bool digits =
            std::all_of(piece.begin(), piece.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!digits) {
            try {
                readInteger(piece);
            } catch (const InvalidIntegerError& error) {
                return error.what();
            }
        }
        if (!digits || piece.size() != 2)
            return "'" + piece + "' is not an interval: write each as two digits, 00 to 11";
        if (readInteger(piece) > 11)
            return "'" + piece + "' is more than 11 semitones: intervals go from 00 to 11";
        if (first && piece != "00")
            return "the formula starts with '" + piece + "': its first interval is the root, 00";
        first = false;
    }
    return std::nullopt;
}

} // namespace

int fail(const std::string& message) {
    std::cerr << "tambrel-cli: " << message << '\n';
    return kUsageError;
}

std::optional<std::string> readSearchOptions(const DictionaryOptions& options, ChordQuery& query) {
    SearchInputs& inputs = query.inputs;
    if (!options.tuning.empty()) {
        int preset = -1;
        if (!readTuning(options.tuning, inputs.stringNote, preset))
            return "'" + options.tuning + "' is neither a tuning preset nor six note names";
    }
    if (fretItemOf(options.upToFret) >= 0) inputs.maxFret = options.upToFret;
    // "Easy chords" chooses its own Distance; one given explicitly is chosen after it.
    inputs.easyChords = options.easy;
    inputs.distance = kDistanceItems[distanceItemForEasyChords(options.easy)];
    const auto distance = std::find(kDistanceItems.begin(), kDistanceItems.end(), options.distance);
    if (distance != kDistanceItems.end()) inputs.distance = *distance;
    inputs.noBarreChords = options.noBarre;
    inputs.omit3 = options.omit3;
    inputs.omit5 = options.omit5;
    inputs.capo = options.capo;
    query.choices.order =
        options.order == "easiest" ? VoicingOrder::EasiestFirst : VoicingOrder::Position;
    query.choices.commonVoicings = options.common;
    return std::nullopt;
}

namespace {

std::vector<Playability> playabilityOf(const RankedVoicings& ranked) {
    std::vector<Playability> playability;
    playability.reserve(ranked.result.voicingList.size());
    for (std::size_t i = 0; i < ranked.result.voicingList.size(); ++i)
        playability.push_back(assessEntry(ranked, i));
    return playability;
}

} // namespace

std::optional<std::string> queryOfArguments(const DictionaryOptions& options, ChordQuery& query) {
    const int root = noteIndexOf(options.root);
    if (root == kNoNote) return "'" + options.root + "' is not a note name";
    const int bass = options.bass.empty() ? root : noteIndexOf(options.bass);
    if (bass == kNoNote) return "'" + options.bass + "' is not a note name";
    if (auto problem = formulaProblem(options.intervals)) return problem;
    if (auto problem = readSearchOptions(options, query)) return problem;
    query.inputs.rootNote = root;
    query.inputs.bassNote = bass;
    // The formula is well formed by now, so reading it throws nothing.
    query = queryOfIntervals(options.intervals, query.inputs, query.choices);
    return std::nullopt;
}

int searchIntervals(const DictionaryOptions& options) {
    ChordQuery query;
    if (const auto problem = queryOfArguments(options, query)) return fail(*problem);
    const RankedVoicings ranked = searchWithChoices(query);
    // More tones than strings: searched with all of them, as the window does, which finds
    // nothing; the terminal says why.
    const std::size_t tones = query.tones.size();
    if (tones > static_cast<std::size_t>(kStringCount))
        std::cerr << "tambrel-cli: the formula has " << tones
                  << " tones, more than six strings can sound at once; all of them were "
                     "searched\n";
    // The names as the window lists them, with flats when the root is written with one, as
    // a typed symbol's root names the window's grid.
    NoteNames grid = noteNames();
    if (options.root.find('b') != std::string::npos) applyFlatNames(grid);
    if (options.capo > 0 && !options.entries)
        std::cout << capoCaption(options.capo, "", true) << "\n\n";
    printVoicings(ranked.result.voicingList, playabilityOf(ranked), options,
                  listChordNames(ranked.result.chordTones, query.inputs.bassNote, grid));
    return 0;
}

int searchSymbol(const DictionaryOptions& options) {
    ChordQuery query;
    if (const auto problem = readSearchOptions(options, query)) return fail(*problem);
    const SymbolSearch found = searchTypedSymbol(options.symbol, query);
    // Tones a standard symbol could not keep are said, never left out silently.
    if (!found.notice.empty()) std::cerr << "tambrel-cli: " << found.notice << '\n';
    // The window ignores what it cannot read; a terminal says so. A symbol read in part (a
    // tension with no root, "Hm") is searched, and may find nothing.
    if (!found.chord.readAnything()) {
        std::cerr << "tambrel-cli: '" << options.symbol
                  << "' is not a chord symbol: it starts with no note name (C, C#, Db, ... B) and "
                     "names no tension\n";
        return kUnreadableSymbol;
    }

    if (!options.entries) {
        // The chord's plain name first, then the symbol as the window's box shows it.
        if (!found.naming.plainName.empty()) std::cout << found.naming.plainName << '\n';
        std::cout << found.chord.shown.utf8() << "\n\n";
        for (const SingleByteText& name : found.naming.lines) std::cout << name.utf8() << '\n';
        std::cout << '\n';
        // Under a capo the frets below are counted from it.
        if (options.capo > 0)
            std::cout << capoCaption(options.capo, options.symbol, true) << "\n\n";
    }
    printVoicings(found.found.result.voicingList, playabilityOf(found.found), options);
    return 0;
}

int nameFrets(const DictionaryOptions& options) {
    const FretListReading read = readFretList(options.frets);
    if (!read.frets) return fail(read.error);
    ChordQuery query;
    if (const auto problem = readSearchOptions(options, query)) return fail(*problem);
    const FingeringNames named =
        nameFingering(*read.frets, midiNoteTableFor(query.inputs.stringNote), noteNames());
    if (named.bass < 0) {
        if (!options.readingsOnly) std::cout << "no notes\n";
        return 0;
    }
    if (options.readingsOnly) {
        for (const PlainReading& reading : named.readings) std::cout << reading.symbol << '\n';
        return 0;
    }
    // The notes string by string, low string first, then the readings, best first.
    std::string notes;
    for (int s = 0; s < kStringCount; ++s) {
        if (s > 0) notes += ' ';
        notes += named.noteName[s].empty() ? "x" : named.noteName[s];
    }
    std::cout << writeFretList(*read.frets) << ": " << notes << "\n\n";
    for (const PlainReading& reading : named.readings) std::cout << plainCaption(reading) << '\n';
    return 0;
}

} // namespace tambrel
