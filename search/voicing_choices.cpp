#include "search/voicing_choices.h"

#include <algorithm>
#include <utility>

namespace tambrel {

RankedVoicings rankVoicings(SearchResult result, const std::string& intervals,
                            const SearchInputs& inputs) {
    RankedVoicings ranked;
    ranked.result = std::move(result);
    ranked.hand =
        HandContext{inputs.stringNote, inputs.rootNote, inputs.bassNote, intervalSetOf(intervals)};
    const HandModel model(ranked.hand);
    const std::vector<Voicing>& list = ranked.result.voicingList;
    ranked.scores.resize(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) ranked.scores[i] = model.score(list[i].frets);
    return ranked;
}

RankedVoicings searchWithChoices(const std::string& intervals, const SearchInputs& inputs,
                                 const VoicingChoices& choices) {
    RankedVoicings ranked = rankVoicings(
        choices.commonVoicings
            ? findCommonVoicings(intervals, inputs)
            : findVoicings(buildSearchRequest(intervals, inputs.rootNote, inputs.bassNote), inputs),
        intervals, inputs);
    if (choices.order == VoicingOrder::Position) return ranked;

    std::vector<Voicing>& list = ranked.result.voicingList;
    const std::vector<std::size_t> order = easiestFirstOrder(ranked.scores);
    std::vector<Voicing> sorted;
    std::vector<int> sortedScores;
    sorted.reserve(list.size());
    sortedScores.reserve(list.size());
    for (std::size_t i : order) {
        sorted.push_back(list[i]);
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
