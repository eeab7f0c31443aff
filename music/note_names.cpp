#include "music/note_names.h"

namespace tambrel {

const NoteNames& noteNames() {
    static const NoteNames names{"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    return names;
}

void applySharpNames(NoteNames& grid) {
    for (int row : kAccidentalRows) grid[row] = noteNames()[row];
}

void applyFlatNames(NoteNames& grid) {
    static const std::array<const char*, 5> flats{"Db", "Eb", "Gb", "Ab", "Bb"};
    for (std::size_t i = 0; i < kAccidentalRows.size(); ++i) grid[kAccidentalRows[i]] = flats[i];
}

int noteIndexOf(const std::string& text) {
    static const std::array<std::array<const char*, 2>, 12> accepted{{
        {"C", "C"},
        {"C#", "Db"},
        {"D", "D"},
        {"D#", "Eb"},
        {"E", "Fb"},
        {"F", "F"},
        {"F#", "Gb"},
        {"G", "G"},
        {"G#", "Ab"},
        {"A", "A"},
        {"A#", "Bb"},
        {"B", "Cb"},
    }};
    for (int row = 0; row < 12; ++row) {
        if (text == accepted[row][0] || text == accepted[row][1]) return row;
    }
    return 12;
}

} // namespace tambrel
