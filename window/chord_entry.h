#pragma once
// The chord panel's rules that both ways of stating a chord share, the ticks of the tension
// list and a typed symbol: the note limit and building the formula under it (chord_formula.h),
// and the sizes of the third and fifth.
#include "music/chord_formula.h"
#include "music/chord_vocabulary.h"
#include "music/fretboard.h"
#include "music/single_byte_text.h"

#include <array>
#include <optional>
#include <string>

namespace tambrel {

// The sizes of the chord's third and of its fifth, read from the ticks; the omit options use
// them.
struct ThirdAndFifth {
    int third = 4;
    int fifth = 7;
};
ThirdAndFifth thirdAndFifthOf(const std::array<bool, kTensionCount>& ticked);

// What the search button reads in the symbol box's single-byte text: the chord as the panel
// then states it. It starts from the major triad with nothing else ticked.
struct SymbolLookup {
    int rootNote = kNoNote;
    int bassNote = kNoNote; // the root when no bass is typed
    // The symbol box's parts and its whole text afterwards, in its single-byte code page.
    SingleByteText rootName;   // the root exactly as typed
    SingleByteText bassSuffix; // "/" and the bass grid's name of the bass; "" when it is the root
    SingleByteText chordSuffix;
    SingleByteText shown;
    std::string intervals;
    std::array<bool, kTensionCount> ticked{};
    ThirdAndFifth sizes;
    bool rootFlats = false; // the root grid takes flats (the root was typed with one)
    // The bass grid's names, when the symbol says anything after its root: flats when its
    // last word has a "b".
    std::optional<bool> bassFlats;

    // Whether anything at all was read: a root, a tension or a bass.
    bool readAnything() const {
        return rootNote != kNoNote || bassNote != kNoNote || !chordSuffix.empty();
    }
};
SymbolLookup lookUpSymbolText(const std::string& cp1252);

} // namespace tambrel
