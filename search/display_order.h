#pragma once
// The order in which found voicings are shown. Both of its rules are rules about the entry text,
// so this is the one place where the search reads that text.
#include "search/voicing.h"

#include <vector>

namespace tambrel {

// `found` in the order the search found them; afterwards in display order:
// - the first voicing whose fret text (its first 20 characters) occurs anywhere in the table of
//   well-known shapes is promoted (its key becomes 000000), at most one per search;
// - then all are sorted by the plain byte order of their entry texts: the promoted one first,
//   then by position, string set, top fret, and the fret text character by character.
void putInDisplayOrder(std::vector<Voicing>& found);

// Only the second rule: sorts by the plain byte order of the entry texts.
void sortByEntryText(std::vector<Voicing>& voicings);

} // namespace tambrel
