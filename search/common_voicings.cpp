#include "search/common_voicings.h"

#include "music/fretting.h"
#include "search/display_order.h"

#include <algorithm>
#include <unordered_set>

namespace tambrel {

SearchResult findCommonVoicings(const ChordQuery& query) {
    SearchResult common = findVoicings(query);
    std::vector<Voicing>& list = common.voicingList;
    const std::vector<IntervalSet> omissions = commonOmissions(intervalSetOf(query));
    if (omissions.empty()) return common;

    // A fingering is the same whatever search found it.
    std::unordered_set<FingeringKey> seen;
    seen.reserve(list.size() * 2);
    for (const Voicing& v : list) seen.insert(fingeringKey(v.frets));
    bool promoted =
        std::any_of(list.begin(), list.end(), [](const Voicing& v) { return v.promoted; });

    std::vector<std::vector<int>> searched{query.tones};
    for (IntervalSet leave : omissions) {
        const ChordQuery part = withoutTones(query, leave);
        if (std::find(searched.begin(), searched.end(), part.tones) != searched.end()) continue;
        for (Voicing& v : findVoicings(part).voicingList) {
            if (!seen.insert(fingeringKey(v.frets)).second) continue;
            // Only one well-known shape stands first: a later one takes its place by position.
            if (v.promoted && promoted) v.promoted = false;
            promoted = promoted || v.promoted;
            list.push_back(v);
        }
        searched.push_back(part.tones);
    }
    sortByEntryText(list);
    return common;
}

SearchResult findCommonVoicings(const std::string& intervals, const SearchInputs& inputs) {
    return findCommonVoicings(queryOfIntervals(intervals, inputs));
}

} // namespace tambrel
