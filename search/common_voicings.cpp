#include "search/common_voicings.h"

#include "search/display_order.h"

#include <algorithm>
#include <unordered_set>

namespace tambrel {

SearchResult findCommonVoicings(const std::string& intervals, const SearchInputs& inputs) {
    const std::string fullRequest = buildSearchRequest(intervals, inputs.rootNote, inputs.bassNote);
    SearchResult common = findVoicings(fullRequest, inputs);
    std::vector<Voicing>& list = common.voicingList;
    const IntervalSet chord = intervalSetOf(intervals);
    if (commonOmissions(chord).empty()) return common;

    // A fingering is the same whatever search found it: one key per fret list.
    auto keyOf = [](const FretList& frets) {
        unsigned long long key = 0;
        for (int v : frets) key = key * 256 + static_cast<unsigned long long>(v + 30);
        return key;
    };
    std::unordered_set<unsigned long long> seen;
    seen.reserve(list.size() * 2);
    for (const Voicing& v : list) seen.insert(keyOf(v.frets));
    bool promoted =
        std::any_of(list.begin(), list.end(), [](const Voicing& v) { return v.promoted; });

    std::vector<std::string> requests{fullRequest};
    for (IntervalSet leave : commonOmissions(chord)) {
        std::string request = buildSearchRequest(intervalsWithout(intervals, leave),
                                                 inputs.rootNote, inputs.bassNote);
        if (std::find(requests.begin(), requests.end(), request) != requests.end()) continue;
        SearchResult part = findVoicings(request, inputs);
        for (Voicing& v : part.voicingList) {
            if (!seen.insert(keyOf(v.frets)).second) continue;
            // Only one well-known shape stands first: a later one takes its place by position.
            if (v.promoted && promoted) v.promoted = false;
            promoted = promoted || v.promoted;
            list.push_back(v);
        }
        requests.push_back(std::move(request));
    }
    sortByEntryText(list);
    return common;
}

} // namespace tambrel
