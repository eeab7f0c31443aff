#include "window/symbol_search.h"

#include "music/lookup_translation.h"

namespace tambrel {

SymbolSearch searchTypedSymbol(const std::string& typed, const ChordQuery& options) {
    SymbolSearch found;
    // What the lookup reads wholly goes to it as it is; a standard symbol it would misread
    // goes in the tension list's own words.
    const SymbolForLookup symbol = symbolForLookup(typed);
    found.notice = symbol.notice;
    found.chord = lookUpSymbolText(symbol.text);
    const SymbolLookup& chord = found.chord;
    found.rootNames = noteNames();
    if (chord.rootFlats)
        applyFlatNames(found.rootNames);
    else
        applySharpNames(found.rootNames);
    // Without a readable root there is nothing to search and nothing to name.
    if (chord.rootNote < 0 || chord.rootNote >= 12) return found;

    SearchInputs inputs = options.inputs;
    inputs.rootNote = chord.rootNote;
    inputs.bassNote = chord.bassNote;
    inputs.thirdInterval = chord.sizes.third;
    inputs.fifthInterval = chord.sizes.fifth;
    try {
        found.found = searchWithChoices(queryOfIntervals(chord.intervals, inputs, options.choices));
    } catch (const InvalidIntegerError&) {
        // A formula the lookup could not complete: no list and no names, as in the window.
        return found;
    }
    found.naming = nameChord(found.found.result.chordTones, chord.bassNote, found.rootNames);
    return found;
}

} // namespace tambrel
