#pragma once
// What the finger marks of a chord diagram carry: the finger numbers, or the note each finger
// frets, or that note's interval above the chord's root.
#include "music/fretboard.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tambrel {

enum class DotLabels {
    Fingers,   // the finger numbers 1 to 4: the diagrams as they always are
    Notes,     // the note names
    Intervals, // the intervals above the root: "R", "3", "b7", ...
};

// What a diagram needs to know to name its notes.
struct DiagramNotes {
    StringNotes tuning = kStandardTuning; // the open strings' pitch classes, string 0 first
    int rootNote = 0;                     // pitch class of the chord's root; kNoNote: none
    std::uint16_t chordMask = 0; // bit k set: the chord holds the tone k semitones above the root
    bool flatNames = false;      // "Db" rather than "C#"
    friend bool operator==(const DiagramNotes&, const DiagramNotes&) = default;
};

// The chord's tones (pitch classes) as the bits of DiagramNotes::chordMask.
std::uint16_t chordMaskOf(const std::vector<int>& chordTones, int rootNote);

// The label of the note that string s sounds at `fret` (a barre mark counts as its fret):
// its name, or its interval above the root. Finger numbers are no note's label: "" for them.
std::string dotLabel(DotLabels labels, const DiagramNotes& notes, int string, int fret);

// The interval of `semitones` (0..11) above the root as a guitarist names it in this chord: a
// ninth rather than a second when the chord has a seventh, "#11" beside a perfect fifth, and
// so on. "R" for the root.
std::string intervalName(int semitones, std::uint16_t chordMask);

// "fingers", "notes", "intervals": the words of the command line.
std::string_view dotLabelsWord(DotLabels labels);
std::optional<DotLabels> dotLabelsOfWord(std::string_view word);

} // namespace tambrel
