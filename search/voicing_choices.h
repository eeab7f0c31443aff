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

enum class VoicingOrder {
    Position,     // "Position": the search's own order
    EasiestFirst, // "Easiest first": by playability, ties in the search's order
};

struct VoicingChoices {
    VoicingOrder order = VoicingOrder::Position;
    bool commonVoicings = false; // "Common voicings"
    friend bool operator==(const VoicingChoices&, const VoicingChoices&) = default;
};

struct RankedVoicings {
    SearchResult result;     // the entries in display order
    std::vector<int> scores; // the playability score of each entry
    HandContext hand;        // what the entries were scored against
};

// Searches the chord (an interval list on inputs.rootNote over inputs.bassNote) under the
// choices. Throws InvalidIntegerError as the search does.
RankedVoicings searchWithChoices(const std::string& intervals, const SearchInputs& inputs,
                                 const VoicingChoices& choices);

// Scores a search's result for the chord `intervals` under the inputs it was searched with,
// keeping its order. Throws InvalidIntegerError on a malformed list.
RankedVoicings rankVoicings(SearchResult result, const std::string& intervals,
                            const SearchInputs& inputs);

// Entry i's playability with all its parts, and the explanation of it; assessed when asked,
// as only the score is kept.
Playability assessEntry(const RankedVoicings& ranked, std::size_t i);
std::string explainEntry(const RankedVoicings& ranked, std::size_t i);

} // namespace tambrel
