#pragma once
// The twelve note names, the sharp or flat naming of the note pickers, and the note names a
// typed chord symbol accepts.
#include <array>
#include <string>

namespace tambrel {

using NoteNames = std::array<std::string, 12>;

// Always with sharps, indexed by pitch class: the names under the string tuners.
const NoteNames& noteNames();

// The rows whose name changes between sharp and flat naming.
constexpr std::array<int, 5> kAccidentalRows{1, 3, 6, 8, 10};

void applySharpNames(NoteNames& grid);
void applyFlatNames(NoteNames& grid);

// Pitch class of an accepted note name ("C#" and "Db" both give 1; "Fb" is E, "Cb" is B),
// compared exactly and case-sensitively; 12 when the text names no note.
int noteIndexOf(const std::string& text);

} // namespace tambrel
