#pragma once
// "Common voicings": the voicings of a chord together with those that leave out the tones
// guitarists commonly leave out of a chord of four or more notes. The root always stays.
#include "search/chord_roles.h"
#include "search/voicing_search.h"

#include <string>

namespace tambrel {

// The union of the full search for the chord and the searches with the tones of
// commonOmissions left out, under the same inputs (so "(omit3)" and "(omit5)" still apply),
// ordered as one search orders its list. A fingering found by more than one search is listed
// once; of the well-known shapes the searches put first, only the first found (the full
// search's, if it has one) stays first. chordTones are the full search's.
SearchResult findCommonVoicings(const ChordQuery& query);

// The same for a chord given as an interval list (queryOfIntervals); throws
// InvalidIntegerError on a malformed list.
SearchResult findCommonVoicings(const std::string& intervals, const SearchInputs& inputs);

} // namespace tambrel
