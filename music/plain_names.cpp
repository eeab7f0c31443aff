#include "music/plain_names.h"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace tambrel {
namespace {

std::vector<int> distinctOffsets(const std::vector<int>& intervals, int without) {
    std::vector<int> offsets;
    for (int i : intervals)
        if (i != without) offsets.push_back(i);
    std::sort(offsets.begin(), offsets.end());
    offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());
    return offsets;
}

// What the bass adds to the departures: nothing on the root, a step for an inversion's bass,
// and one more for a bass foreign to the chord above it ("Am7/G" before "Am/G", "C(addb9)"
// before "C#dim/C").
constexpr int kRootBass = 0;
constexpr int kInversionBass = 1;
constexpr int kForeignBass = 2;

int departures(const SpelledChord& spelling, int bassDeparture) {
    return spelling.altered + spelling.added + spelling.omitted + bassDeparture;
}

// A slash reading may leave the bass's tone to the bass alone ("C/F#" rather than
// "C(add#11)/F#"); the better of the two spellings stands.
PlainReading readingOf(const RootReading& root, int bass, const NoteNames& names) {
    PlainReading reading;
    reading.root = root.root;
    reading.bass = bass;
    const bool slash = bass != root.root;
    const std::string& rootName = names[root.root];
    SpelledChord spelling = spellChord(distinctOffsets(root.intervals, -1));
    bool bassApart = false;
    if (slash) {
        const int bassOffset = (bass - root.root + 12) % 12;
        const SpelledChord upper = spellChord(distinctOffsets(root.intervals, bassOffset));
        const auto standing = [](const SpelledChord& s, int bassDeparture) {
            return std::make_tuple(departures(s, bassDeparture), qualityRank(s.quality),
                                   s.suffix.size());
        };
        if (standing(upper, kForeignBass) < standing(spelling, kInversionBass)) {
            spelling = upper;
            bassApart = true;
        }
    }
    reading.symbol = rootName + spelling.suffix + (slash ? "/" + names[bass] : "");
    if (bassApart) reading.notes = names[bass];
    for (const ChordTone& tone : spelling.tones) {
        if (!reading.notes.empty()) reading.notes += ' ';
        reading.notes += spellNote(rootName, tone.degree, tone.offset);
    }
    reading.cost =
        departures(spelling, bassApart ? kForeignBass : (slash ? kInversionBass : kRootBass));
    reading.spelling = std::move(spelling);
    reading.engineNames = root.names;
    return reading;
}

} // namespace

std::vector<PlainReading> plainReadings(const std::vector<int>& chordTones, int bassNote,
                                        const NoteNames& names) {
    return plainReadings(chordReadings(chordTones, bassNote, names), bassNote, names);
}

std::vector<PlainReading> plainReadings(const std::vector<RootReading>& roots, int bassNote,
                                        const NoteNames& names) {
    std::vector<PlainReading> readings;
    if (roots.empty()) return readings;

    // One pitch class only: the note names itself.
    if (std::all_of(roots.front().intervals.begin(), roots.front().intervals.end(),
                    [](int i) { return i == 0; })) {
        PlainReading note;
        note.root = note.bass = bassNote;
        note.symbol = note.notes = names[bassNote];
        note.spelling.tones = {{1, 0, false}};
        note.engineNames = roots.front().names;
        readings.push_back(std::move(note));
        return readings;
    }

    std::vector<int> seen;
    for (const RootReading& root : roots) {
        // A doubled tone is one root.
        if (std::find(seen.begin(), seen.end(), root.root) != seen.end()) continue;
        seen.push_back(root.root);
        readings.push_back(readingOf(root, bassNote, names));
    }
    std::stable_sort(
        readings.begin(), readings.end(), [](const PlainReading& a, const PlainReading& b) {
            return std::make_tuple(a.cost, qualityRank(a.spelling.quality), a.symbol.size()) <
                   std::make_tuple(b.cost, qualityRank(b.spelling.quality), b.symbol.size());
        });
    return readings;
}

std::string plainCaption(const PlainReading& reading) {
    return reading.symbol + " \u2014 " + reading.notes;
}

ChordNaming nameChord(const std::vector<int>& chordTones, int bassNote, const NoteNames& names) {
    const std::vector<RootReading> roots = chordReadings(chordTones, bassNote, names);
    const std::vector<std::string> lines = chordNameLines(roots);
    ChordNaming naming{{lines.begin(), lines.end()}, {}};
    const std::vector<PlainReading> readings = plainReadings(roots, bassNote, names);
    if (!readings.empty()) naming.plainName = plainCaption(readings.front());
    return naming;
}

} // namespace tambrel
