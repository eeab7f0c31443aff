#include "common_voicings.h"

#include "voicing.h"

#include <algorithm>
#include <unordered_set>

namespace tambrel {

SearchResult findCommonVoicings(const std::string& intervals, const SearchInputs& inputs) {
    const std::string fullRequest = buildSearchRequest(intervals, inputs.rootNote, inputs.bassNote);
    SearchResult common = findVoicings(fullRequest, inputs);
    std::vector<std::string>& list = common.voicingList;
    const IntervalSet chord = intervalSetOf(intervals);

    // A fingering is the same whatever search found it: one key per fret list.
    auto keyOf = [](const FretList& frets) {
        unsigned long long key = 0;
        for (int v : frets) key = key * 256 + static_cast<unsigned long long>(v + 30);
        return key;
    };
    auto isPromoted = [](const std::string& entry) { return entry.compare(0, 6, "000000") == 0; };
    std::unordered_set<unsigned long long> seen;
    seen.reserve(list.size() * 2);
    for (const std::string& entry : list) seen.insert(keyOf(fretListOfEntry(entry)));
    bool promoted = std::any_of(list.begin(), list.end(), isPromoted);

    std::vector<std::string> requests{fullRequest};
    for (IntervalSet leave : commonOmissions(chord)) {
        std::string request = buildSearchRequest(intervalsWithout(intervals, leave),
                                                 inputs.rootNote, inputs.bassNote);
        if (std::find(requests.begin(), requests.end(), request) != requests.end()) continue;
        SearchResult part = findVoicings(request, inputs);
        for (std::string& entry : part.voicingList) {
            const FretList frets = fretListOfEntry(entry);
            if (!seen.insert(keyOf(frets)).second) continue;
            // Only one well-known shape stands first: a later one takes its place by position.
            if (isPromoted(entry) && promoted) entry = entryText(voicingOf(frets));
            promoted = promoted || isPromoted(entry);
            list.push_back(std::move(entry));
        }
        requests.push_back(std::move(request));
    }
    std::sort(list.begin(), list.end());

    return common;
}

} // namespace tambrel
