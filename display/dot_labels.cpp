#include "display/dot_labels.h"

#include "music/note_names.h"

#include <array>
#include <cstdlib>

namespace tambrel {

namespace {

bool has(std::uint16_t mask, int semitones) {
    return (mask >> semitones) & 1u;
}

const NoteNames& flatNoteNames() {
    static const NoteNames names = [] {
        NoteNames flats = noteNames();
        applyFlatNames(flats);
        return flats;
    }();
    return names;
}

} // namespace

std::uint16_t chordMaskOf(const std::vector<int>& chordTones, int rootNote) {
    std::uint16_t mask = 0;
    if (rootNote < 0 || rootNote >= 12) return mask;
    for (int tone : chordTones)
        if (tone >= 0 && tone < 12)
            mask |= static_cast<std::uint16_t>(1u << ((tone - rootNote + 12) % 12));
    return mask;
}

std::string intervalName(int semitones, std::uint16_t chordMask) {
    const bool seventh = has(chordMask, 10) || has(chordMask, 11);
    const bool third = has(chordMask, 3) || has(chordMask, 4);
    const bool fifth = has(chordMask, 7);
    switch (((semitones % 12) + 12) % 12) {
    case 0:
        return "R";
    case 1:
        return seventh ? "b9" : "b2";
    case 2:
        return seventh ? "9" : "2";
    case 3: // beside a major third, a minor third is the sharp ninth
        return has(chordMask, 4) ? "#9" : "b3";
    case 4:
        return "3";
    case 5:
        return seventh && third ? "11" : "4";
    case 6:
        return fifth ? "#11" : "b5";
    case 7:
        return "5";
    case 8:
        if (!fifth) return "#5";
        return seventh ? "b13" : "b6";
    case 9: // the diminished seventh chord's "6" is its double-flat seventh
        if (seventh) return "13";
        return has(chordMask, 3) && has(chordMask, 6) && !fifth ? "bb7" : "6";
    case 10:
        return "b7";
    default:
        return "7";
    }
}

std::string dotLabel(DotLabels labels, const DiagramNotes& notes, int string, int fret) {
    if (labels == DotLabels::Fingers || string < 0 || string >= kStringCount || fret == kMuted)
        return {};
    const int pitch = (notes.tuning[string] + std::abs(fret)) % 12;
    const bool rooted = notes.rootNote >= 0 && notes.rootNote < 12;
    // Without a root there is no interval to name; the note still has its name.
    if (labels == DotLabels::Intervals && rooted)
        return intervalName(pitch - notes.rootNote, notes.chordMask);
    return (notes.flatNames ? flatNoteNames() : noteNames())[pitch];
}

std::string_view dotLabelsWord(DotLabels labels) {
    switch (labels) {
    case DotLabels::Notes:
        return "notes";
    case DotLabels::Intervals:
        return "intervals";
    case DotLabels::Fingers:
        break;
    }
    return "fingers";
}

std::optional<DotLabels> dotLabelsOfWord(std::string_view word) {
    for (DotLabels labels : {DotLabels::Fingers, DotLabels::Notes, DotLabels::Intervals})
        if (word == dotLabelsWord(labels)) return labels;
    return std::nullopt;
}

} // namespace tambrel
