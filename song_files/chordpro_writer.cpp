#include "song_files/chordpro_writer.h"

#include "display/fingering.h"

#include <algorithm>
#include <set>
#include <string_view>

namespace tambrel {
namespace {

// The chords that sound, each once in the order they first come, with their first fingering.
std::vector<std::pair<std::string, Fretting>> fingeringsOf(const SongArrangement& arranged) {
    std::vector<std::pair<std::string, Fretting>> list;
    std::set<std::string> seen;
    for (const ArrangedChord& chord : arranged.chords)
        if (chord.fingering && seen.insert(chord.symbol).second)
            list.emplace_back(chord.symbol, *chord.fingering);
    return list;
}

// The lines Tambrel states: the defines, the capo, the transposition; each ended by `end`.
std::string statedLines(const Song& song, const ChordProStyle& style, std::string_view end) {
    std::string lines;
    const int capo = song.arrangement().capo;
    if (capo > 0) lines += "{capo: " + std::to_string(capo) + "}" + std::string(end);
    if (song.transposition() != 0)
        lines += "{transpose: " + std::to_string(song.transposition()) + "}" + std::string(end);
    for (const auto& [name, frets] : fingeringsOf(song.arrangement()))
        lines += chordProDefine(name, frets, style.fingers) + std::string(end);
    return lines;
}

// An opened ChordPro text with Tambrel's lines in place of its own.
std::string rewritten(const Song& song, const ChordProStyle& style) {
    std::set<std::string> defined;
    for (const auto& chord : song.arrangement().chords)
        if (chord.fingering) defined.insert(chord.symbol);
    const std::string& text = song.text();
    const std::size_t firstEnd = text.find('\n');
    const std::string_view end =
        firstEnd != std::string::npos && firstEnd > 0 && text[firstEnd - 1] == '\r' ? "\r\n" : "\n";
    std::string out;
    bool stated = false;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t next = text.find('\n', at);
        next = next == std::string::npos ? text.size() : next + 1;
        const std::string_view line(text.data() + at, next - at);
        at = next;
        const auto directive =
            readChordProDirective(line.ends_with('\n') ? line.substr(0, line.size() - 1) : line);
        // After the directives and comments the file opens with.
        if (!stated && !directive && !line.starts_with('#')) {
            out += statedLines(song, style, end);
            stated = true;
        }
        if (directive) {
            const auto define = readChordProDefine(*directive);
            if (directive->name == "capo" || directive->name == "transpose" ||
                (define && defined.count(define->name) > 0))
                continue;
        }
        out += line;
    }
    if (!stated) {
        if (!out.empty() && !out.ends_with('\n')) out += end;
        out += statedLines(song, style, end);
    }
    return out;
}

// A lead sheet as ChordPro: a line of bars a line of chords.
std::string fromLeadSheet(const Song& song, const ChordProStyle& style) {
    std::string out;
    if (!style.title.empty()) out += "{title: " + style.title + "}\n";
    out += statedLines(song, style, "\n");
    const std::vector<SongChord>& chords = song.reading().chords;
    for (std::size_t i = 0; i < chords.size(); ++i) {
        const bool newLine = i == 0 || chords[i].line != chords[i - 1].line;
        const bool newBar = newLine || chords[i].bar != chords[i - 1].bar;
        if (newLine && i > 0) out += " |\n";
        out += newBar ? (newLine ? "| " : " | ") : " ";
        out += "[" + chords[i].symbol + "]";
    }
    if (!chords.empty()) out += " |\n";
    return out;
}

} // namespace

std::string chordProDefine(const std::string& name, const Fretting& frets, bool fingers) {
    const Fingering held = fingeringOf(frets);
    std::array<int, kStringCount> finger{};
    for (int p = 0; p < held.placementCount; ++p) {
        const FingerPlacement& placement = held.placements[p];
        // A barre's strings fretted higher keep a finger of their own.
        for (int i = 0; i < placement.stringCount; ++i) {
            const int s = placement.strings[i];
            if (frets.fret(s) == placement.fret && finger[s] == 0)
                finger[s] = placement.finger <= 4 ? placement.finger : 0;
        }
    }
    std::string line =
        "{define: " + name + " base-fret " + std::to_string(held.baseFret) + " frets";
    for (int s = 0; s < kStringCount; ++s) {
        const int fret = frets.fret(s);
        line += ' ';
        line += frets.muted(s) ? "x" : std::to_string(fret == 0 ? 0 : fret - held.baseFret + 1);
    }
    if (fingers) {
        line += " fingers";
        for (int s = 0; s < kStringCount; ++s) line += ' ' + std::to_string(finger[s]);
    }
    return line + "}";
}

std::string writeChordPro(const Song& song, const ChordProStyle& style) {
    return song.chordPro() ? rewritten(song, style) : fromLeadSheet(song, style);
}

} // namespace tambrel
