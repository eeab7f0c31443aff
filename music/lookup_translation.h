#pragma once
// A chord symbol read in the standard way, put into the tension list's own words, so that the
// search button's lookup composes exactly the symbol's tones: "Cmaj7" becomes "C7+", "Cm7b5"
// "Cm7/5-", "C7#9" "C7/9+". Where the symbol asks for more tones than a chord holds, or leaves
// out a fifth that the tension list cannot leave out, the translation says what it changed.
#include "music/chord_symbol.h"

#include <optional>
#include <string>
#include <vector>

namespace tambrel {

struct LookupTranslation {
    std::string text;               // the symbol in the tension list's words (ASCII)
    std::vector<int> pitchClasses;  // what the lookup composes from it, the bass included
    std::vector<ChordTone> dropped; // the symbol's tones left out to stay within the note limit
    std::vector<ChordTone> kept;    // tones the symbol leaves out that had to stay (the fifth)
};

// The lookup holds six notes without a separate bass and five and the bass with one. What
// does not fit is left out in this order, each only where the rest can still be written: a
// tone the bass already sounds, the perfect fifth, the eleventh, the ninth, then the
// thirteenths, elevenths and ninths of any kind and the added tones, from the top down; never
// the root, the third or its sus replacement, nor the seventh. Empty when nothing fits.
std::optional<LookupTranslation> translateForLookup(const StandardChord& chord);

// What the user is told of the changes, e.g. "Cm13 holds 7 notes, 6 fit: left out F (11)";
// empty when nothing was dropped or kept. `typed` is the symbol as the user wrote it (UTF-8).
std::string translationNotice(const std::string& typed, const StandardChord& chord,
                              const LookupTranslation& translation);

// What the search button hands to the lookup for a typed symbol (UTF-8, as typed). A text
// the lookup reads wholly goes to it unchanged, in the program's single-byte code page; so
// does one that the standard reading cannot read either. Any other is read in the standard
// way and goes as its translation, with the notice of what that changed.
struct SymbolForLookup {
    std::string text;        // Windows-1252, for the lookup
    bool translated = false; // the standard reading was used
    std::string notice;      // UTF-8; empty when nothing was left out or kept
};
SymbolForLookup symbolForLookup(const std::string& typed);

} // namespace tambrel
