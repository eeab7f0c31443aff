#pragma once
// A chord symbol typed as a guitarist writes it, searched as the window's search button
// searches the symbol box: what the tension list reads wholly goes to it as typed, any other
// standard symbol in the tension list's own words. The terminal's dictionary and a song's
// chords are searched this one way, so each lists what the window would list.
#include "music/note_names.h"
#include "music/plain_names.h"
#include "search/chord_query.h"
#include "search/voicing_choices.h"
#include "window/chord_entry.h"

#include <string>

namespace tambrel {

// A typed chord symbol searched as the window's search button searches it.
struct SymbolSearch {
    std::string notice; // what the standard reading left out or kept, or ""
    SymbolLookup chord;
    NoteNames rootNames;  // the root grid's names after the lookup
    RankedVoicings found; // nothing without a readable root
    ChordNaming naming;
};
// `typed` is UTF-8; `options` gives the inputs and order besides the chord.
SymbolSearch searchTypedSymbol(const std::string& typed, const ChordQuery& options);

} // namespace tambrel
