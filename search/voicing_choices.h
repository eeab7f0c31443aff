#pragma once
// The search with the two choices beside its options: the order of the diagrams and whether
// the common voicings that leave a tone out join the list. With the defaults (position order,
// no common voicings) the list is the search's own, entry for entry.
#include "search/common_voicings.h"
#include "search/playability.h"
#include "search/voicing_search.h"

#include <string>
#include <vector>

namespace tambrel {

struct RankedVoicings {
    SearchResult result;     // the entries in display order
    std::vector<int> scores; // the playability score of each entry
    HandContext hand;        // what the entries were scored against
};

// Searches the query's chord under its choices.
RankedVoicings searchWithChoices(const ChordQuery& query);

// The same for a chord given as an interval list on inputs.rootNote over inputs.bassNote
// (queryOfIntervals). Throws InvalidIntegerError on a malformed list.
RankedVoicings searchWithChoices(const std::string& intervals, const SearchInputs& inputs,
                                 const VoicingChoices& choices);

// Scores a search's result for the query's chord under the inputs it was searched with,
// keeping its order.
RankedVoicings rankVoicings(SearchResult result, const ChordQuery& query);

// The hand a query's fingerings are scored against: under a capo the strings sound higher,
// and the frets are counted from it.
HandContext handContextOf(const ChordQuery& query);

// Entry i's playability with all its parts, and the explanation of it; assessed when asked,
// as only the score is kept.
Playability assessEntry(const RankedVoicings& ranked, std::size_t i);
std::string explainEntry(const RankedVoicings& ranked, std::size_t i);

} // namespace tambrel
