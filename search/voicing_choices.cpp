#include "search/voicing_choices.h"

#include <algorithm>
#include <utility>

namespace tambrel {

HandContext handContextOf(const ChordQuery& query) {
    const SearchInputs& in = query.inputs;
    return HandContext{tuningUnderCapo(in.stringNote, in.capo), in.rootNote, in.bassNote,
                       intervalSetOf(query)};
}

RankedVoicings rankVoicings(SearchResult result, const ChordQuery& query) {
    RankedVoicings ranked;
    ranked.result = std::move(result);
    ranked.hand = handContextOf(query);
    const HandModel model(ranked.hand);
    const std::vector<Voicing>& list = ranked.result.voicingList;
    ranked.scores.resize(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) ranked.scores[i] = model.score(list[i].frets);
    return ranked;
}

RankedVoicings searchWithChoices(const ChordQuery& query) {
    const VoicingChoices& choices = query.choices;
    RankedVoicings ranked = rankVoicings(
        choices.commonVoicings ? findCommonVoicings(query) : findVoicings(query), query);
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

RankedVoicings searchWithChoices(const std::string& intervals, const SearchInputs& inputs,
                                 const VoicingChoices& choices) {
    return searchWithChoices(queryOfIntervals(intervals, inputs, choices));
}

Playability assessEntry(const RankedVoicings& ranked, std::size_t i) {
    return assessPlayability(ranked.result.voicingList.at(i).frets, ranked.hand);
}

std::string explainEntry(const RankedVoicings& ranked, std::size_t i) {
    return explainPlayability(assessEntry(ranked, i));
}

} // namespace tambrel
