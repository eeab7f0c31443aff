#pragma once
// The chord symbols of lead sheets and songbooks: "Cmaj7", "F#m7b5", "Bb7(b9,#11)", "Dsus4/A",
// "Eø", "A♭Δ9". Read into a root, the chord's tones as degrees and semitones, and a bass.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tambrel {

struct ChordTone {
    // The degree as written: 1, 3, 5, 7, the tensions 9, 11, 13, and 2, 4 and 6 for seconds,
    // fourths and sixths that stand in a sus chord, a sixth chord or an "add".
    int degree = 1;
    int offset = 0;     // semitones above the root, 0..11
    bool added = false; // written with "add"

    friend bool operator==(const ChordTone&, const ChordTone&) = default;
};

struct StandardChord {
    int root = 0;         // pitch class
    std::string rootName; // as written, with "#" or "b": "C", "F#", "Bb", "E#"
    int bass = -1;        // pitch class of a slash bass, -1 when there is none
    std::string bassName;
    std::vector<ChordTone> tones; // the root first, then by degree
    std::vector<int> omitted;     // the degrees written as left out ("no3", "omit5")

    // The distinct semitone offsets above the root, ascending; 0 always among them.
    std::vector<int> offsets() const;
    // The distinct pitch classes that sound: the chord's and the bass, ascending.
    std::vector<int> pitchClasses() const;
    // The bass that sounds lowest: the slash bass, or the root.
    int lowest() const { return bass < 0 ? root : bass; }
};

struct SymbolReading {
    std::optional<StandardChord> chord;
    std::string error; // why the text is no chord symbol, when it is not
};

// Reads a chord symbol typed as UTF-8. The root is a letter A to G with at most one "#", "b",
// "♯" or "♭" (a lower-case letter reads as its capital). The words and signs of the quality,
// the numbers of the extensions, the alterations with or without parentheses and commas, "add",
// "omit"/"no", "sus", "alt" and a slash bass follow; see the comments in the reader.
SymbolReading readChordSymbol(std::string_view utf8);

} // namespace tambrel
