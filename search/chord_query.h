#pragma once
// The chord a search is asked for, as values: its tones, its root and bass, the tuning and a
// capo, the limits and options, and how the fingerings are to be ordered. Made once where a
// chord comes in (the window's controls, the terminal's arguments, a list of tones); the
// search, the scoring and the common voicings all read this one value.
#include "music/fretboard.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace tambrel {

// A malformed number in an interval list or a search request. The message is the one the
// user sees: "'x' is not a valid integer value".
class InvalidIntegerError : public std::runtime_error {
  public:
    explicit InvalidIntegerError(const std::string& text);
};

// Reads a decimal integer the way the search reads its fields; throws InvalidIntegerError.
int readInteger(const std::string& text);

// The intervals of an interval list ("00 04 07 10"), read where the window's fixed-width rule
// reads them: a two-character field every three characters, the last one possibly empty.
// Throws InvalidIntegerError for a field that is no number, such as the empty field after a
// trailing blank.
std::vector<int> readIntervalList(const std::string& intervals);

// Everything the search reads besides the chord's tones: the chord's root and bass, the
// tuning, the limits and the options as they stand when it runs.
struct SearchInputs {
    int rootNote = 0;
    int bassNote = 0;
    StringNotes stringNote = kStandardTuning;
    int maxFret = 12; // "Up to fret": 6, 12, 18 or 24
    int distance = 5; // "Distance": 2..5
    bool omit3 = false;
    bool omit5 = false;
    bool easyChords = false;
    bool noBarreChords = false;
    int thirdInterval = 4;
    int fifthInterval = 7;
    // Frets 0..11 behind a capo. Frets are then counted from the capo, so a fingering reads
    // as the hand sees it, and the fret limit and the stretch apply to those frets as they do
    // without one; the strings sound as if tuned up by as many semitones.
    int capo = 0;
    friend bool operator==(const SearchInputs&, const SearchInputs&) = default;
};

enum class VoicingOrder {
    Position,     // "Position": the search's own order
    EasiestFirst, // "Easiest first": by playability, ties in the search's order
};

struct VoicingChoices {
    VoicingOrder order = VoicingOrder::Position;
    bool commonVoicings = false; // "Common voicings"
    friend bool operator==(const VoicingChoices&, const VoicingChoices&) = default;
};

struct ChordQuery {
    // The chord's pitch classes in the order of its formula, the root first. (A bass that is
    // the root stands for it: a chord without a readable root keeps that mark here.)
    std::vector<int> tones;
    SearchInputs inputs;
    VoicingChoices choices;
    friend bool operator==(const ChordQuery&, const ChordQuery&) = default;
};

// The query of a chord given as intervals above inputs.rootNote: each the pitch class
// (interval + root) mod 12.
ChordQuery queryOfIntervals(const std::vector<int>& intervals, const SearchInputs& inputs,
                            const VoicingChoices& choices = {});
// The same from an interval list as text (readIntervalList); throws InvalidIntegerError.
ChordQuery queryOfIntervals(const std::string& intervals, const SearchInputs& inputs,
                            const VoicingChoices& choices = {});

// The search request as text, as the search's own input reads it: the bass, then the chord
// tones, separated by single blanks; the root is given once when it is the bass ("0 4 7",
// "4 0 4 7").
std::string requestText(const ChordQuery& query);

// The tuning a capo makes of the strings: each raised by `capo` semitones.
StringNotes tuningUnderCapo(const StringNotes& stringNote, int capo);

} // namespace tambrel
