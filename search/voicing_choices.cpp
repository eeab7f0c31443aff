#include "voicing_choices.h"

#include <algorithm>
#include <utility>

namespace tambrel {

RankedVoicings searchWithChoices(const std::string& intervals, const SearchInputs& inputs,
                                 const VoicingChoices& choices) {
    RankedVoicings ranked;
    ranked.result =
        choices.commonVoicings
            ? findCommonVoicings(intervals, inputs)
            : findVoicings(buildSearchRequest(intervals, inputs.rootNote, inputs.bassNote), inputs);
    ranked.hand =
        HandContext{inputs.stringNote, inputs.rootNote, inputs.bassNote, intervalSetOf(intervals)};

    std::vector<Voicing>& list = ranked.result.voicingList;
    ranked.scores.reserve(list.size());
    for (const Voicing& voicing : list)
        ranked.scores.push_back(assessPlayability(voicing.frets, ranked.hand).score);
    if (choices.order == VoicingOrder::Position) return ranked;

    const std::vector<std::size_t> order = easiestFirstOrder(ranked.scores);
    std::vector<Voicing> sorted;
    std::vector<int> sortedScores;
    sorted.reserve(list.size());
    sortedScores.reserve(list.size());
    for (std::size_t i : order) {
        sorted.push_back(std::move(list[i]));
        sortedScores.push_back(ranked.scores[i]);
    }
    list = std::move(sorted);
    ranked.scores = std::move(sortedScores);
    return ranked;
}

Playability assessEntry(const RankedVoicings& ranked, std::size_t i) {
    return assessPlayability(ranked.result.voicingList.at(i).frets, ranked.hand);
}

std::string explainEntry(const RankedVoicings& ranked, std::size_t i) {
    return explainPlayability(assessEntry(ranked, i));
}

} // namespace tambrel
