#pragma once
// Chord symbols moved to another key and spelt for it: the root and a slash bass are renamed,
// the rest of the symbol stays as written ("Bbmaj7/D" up 2 is "Cmaj7/E").
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tambrel {

// How the new names of black keys are written.
struct KeySpelling {
    bool flats = false; // "Bb" rather than "A#"
    bool signs = false; // "♭" and "♯" rather than "b" and "#"

    friend bool operator==(const KeySpelling&, const KeySpelling&) = default;
};

// Flats in the flat keys: F, Bb, Eb, Ab, Db and Gb major, D, G, C, F, Bb and Eb minor; sharps
// in the sharp keys: G, D, A, E and B major, A, E, B, F#, C# and G# minor. C major takes flats,
// as its chords from outside the key are mostly the borrowed Bb, Ab and Eb; A minor takes
// sharps, for the F# and G# of its raised sixth and seventh. The tonic is any integer, taken
// modulo 12.
KeySpelling spellingOfKey(int tonicPitchClass, bool minor);

// The symbol moved by any number of semitones (negative ones down). The root and the bass take
// the names of their new pitch classes, one name a pitch class as the spelling says ("E#" comes
// out "F"); a lower-case letter stays lower case, and the accidental is written "♯"/"♭" when the
// spelling asks for signs or when the symbol already writes one of them anywhere. Everything
// else is kept byte for byte. A text that is no chord symbol comes back unchanged.
std::string transposeSymbol(std::string_view symbol, int semitones, KeySpelling spelling);

struct SongKey {
    int tonic = 0; // pitch class
    bool minor = false;

    friend bool operator==(const SongKey&, const SongKey&) = default;
};

// The key a song's symbols are taken to be in: the root of its first readable chord, minor
// when that chord has a minor third. Songs and the lines of a songbook mostly start on their
// tonic, and where they start on another degree (a ii-V, a blues on the dominant seventh) the
// key found lies close to the real one on the circle of fifths, which mostly spells alike.
// Nothing when no symbol is readable.
std::optional<SongKey> keyOfSong(const std::vector<std::string>& symbols);

// Every symbol moved by the semitones and spelt for the song's new key (keyOfSong moved with
// them); with signs when any symbol of the song writes "♯" or "♭". Unreadable ones are kept.
std::vector<std::string> transposeSong(const std::vector<std::string>& symbols, int semitones);

} // namespace tambrel
