#pragma once
// The exhaustive voicing search: from a chord query (its tones over its bass, under its tuning
// and capo, fret limit, finger distance and options) to the sorted list of voicings.
#include "music/fretboard.h"
#include "search/chord_query.h"
#include "search/voicing.h"

#include <string>
#include <vector>

namespace tambrel {

struct SearchResult {
    std::vector<int> chordTones;      // after the omissions, root first
    std::vector<Voicing> voicingList; // in display order
};

// Runs the search for the chord of a query, under its inputs (its tuning raised by its capo,
// frets counted from the capo). Its choices are not read: the list is in the search's own
// order.
SearchResult findVoicings(const ChordQuery& query);

// The same search for a request written as text (requestText), under `inputs`. Throws
// InvalidIntegerError for a token that is not an integer; then nothing is returned, never a
// partial list.
SearchResult findVoicings(const std::string& request, const SearchInputs& inputs);

// The request text of an interval list on a root over a bass (requestText of its query);
// throws InvalidIntegerError on a malformed list.
std::string buildSearchRequest(const std::string& intervals, int rootNote, int bassNote);

// The chord-tone part of that request: each tone followed by a blank, the root's left out
// when the bass is the root.
std::string searchRequestFor(const std::string& intervals, int root, int rootNote, int bassNote);

// The fret list written in a voicing entry text (its text after the seven-character key), as
// `--entries` and the session exchange it, a barre's first string as its negative fret; for a
// voicing at hand, its fingering written that way.
FretList fretListOfEntry(const std::string& entry);
inline FretList fretListOfEntry(const Voicing& voicing) {
    return voicing.frets.marked();
}

} // namespace tambrel
