#include "window/song_arrangement.h"

#include "music/transposition.h"
#include "window/symbol_search.h"

#include <algorithm>

namespace tambrel {

namespace {

// The settings two searches share when they list the same fingerings: all but the chord and
// the order, which a song's search sets itself.
ChordQuery searchSettings(ChordQuery settings) {
    settings.tones.clear();
    settings.inputs.rootNote = 0;
    settings.inputs.bassNote = 0;
    settings.inputs.thirdInterval = SearchInputs{}.thirdInterval;
    settings.inputs.fifthInterval = SearchInputs{}.fifthInterval;
    settings.choices.order = VoicingOrder::EasiestFirst;
    return settings;
}

// The alternatives the choice weighs for one chord: its easiest, and the pinned fingering
// wherever it stands, or added when it is none of the chord's.
ChordAlternatives alternativesOf(const RankedVoicings& ranked, const std::optional<Fretting>& pin) {
    ChordAlternatives chord;
    const auto& list = ranked.result.voicingList;
    const int considered = std::min<int>(kAlternativesConsidered, static_cast<int>(list.size()));
    for (int i = 0; i < considered; ++i) {
        chord.fingerings.push_back(list[i].frets);
        chord.handScores.push_back(ranked.scores[i]);
    }
    if (!pin) return chord;
    const auto at = std::find_if(list.begin(), list.end(), [&](const Voicing& voicing) {
        return fingeringKey(voicing.frets) == fingeringKey(*pin);
    });
    if (at != list.end() && at - list.begin() < considered) {
        chord.pinned = static_cast<int>(at - list.begin());
        return chord;
    }
    chord.pinned = static_cast<int>(chord.fingerings.size());
    chord.fingerings.push_back(*pin);
    chord.handScores.push_back(at != list.end() ? ranked.scores[at - list.begin()]
                                                : HandModel(ranked.hand).score(*pin));
    return chord;
}

} // namespace

std::shared_ptr<const RankedVoicings> SongSearches::find(const std::string& symbol,
                                                         const ChordQuery& settings) {
    const ChordQuery wanted = searchSettings(settings);
    // The capo is part of each entry's key: the best capo looks at the song under every one.
    ChordQuery shared = wanted;
    shared.inputs.capo = 0;
    if (!(shared == settings_)) {
        found_.clear();
        settings_ = shared;
    }
    const auto key = std::make_pair(symbol, wanted.inputs.capo);
    auto& entry = found_[key];
    if (!entry)
        entry = std::make_shared<const RankedVoicings>(searchTypedSymbol(symbol, wanted).found);
    return entry;
}

SongArrangement arrangeSong(const std::vector<std::string>& symbols, const ChordQuery& settings,
                            const std::vector<SongPin>& pins, SongSearches& searches) {
    SongArrangement song;
    song.capo = settings.inputs.capo;
    const std::vector<std::string> shapes = shapesUnderCapo(symbols, song.capo);
    std::vector<std::optional<Fretting>> pinned(symbols.size());
    for (const SongPin& pin : pins)
        if (pin.chord >= 0 && pin.chord < static_cast<int>(symbols.size()))
            pinned[pin.chord] = pin.fingering;

    std::vector<ChordAlternatives> chords;
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        ArrangedChord chord;
        chord.symbol = symbols[i];
        chord.shape = shapes[i];
        chord.alternatives = searches.find(symbols[i], settings);
        chord.pinned = pinned[i].has_value();
        chords.push_back(alternativesOf(*chord.alternatives, pinned[i]));
        song.chords.push_back(std::move(chord));
    }

    const SongChoice choice = chooseFingerings(chords);
    song.cost = choice.cost + capoCost(song.capo);
    const Fretting* before = nullptr;
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        const int c = choice.chosen[i];
        if (c < 0) continue;
        ArrangedChord& chord = song.chords[i];
        chord.fingering = chords[i].fingerings[c];
        chord.handScore = chords[i].handScores[c];
        const auto& list = chord.alternatives->result.voicingList;
        const auto at = std::find_if(list.begin(), list.end(), [&](const Voicing& voicing) {
            return fingeringKey(voicing.frets) == fingeringKey(*chord.fingering);
        });
        chord.alternative = at == list.end() ? -1 : static_cast<int>(at - list.begin());
        if (before != nullptr) chord.move = moveCost(*before, *chord.fingering);
        before = &*chord.fingering;
    }
    return song;
}

std::string explainCost(const ArrangedChord& chord) {
    if (!chord.fingering) return "no fingering";
    const Playability hand = assessPlayability(*chord.fingering, chord.alternatives->hand);
    const MoveCost& m = chord.move;
    return "hand " + explainPlayability(hand) + "; move " + scoreText(m.total()) + ": shift " +
           scoreText(m.shift) + ", placed " + scoreText(m.placed) + ", lifted " +
           scoreText(m.lifted) + ", moved " + scoreText(m.moved) + ", kept " + scoreText(m.kept);
}

std::vector<std::string> shapesUnderCapo(const std::vector<std::string>& symbols, int capo) {
    if (capo == 0) return symbols;
    return transposeSong(symbols, -capo);
}

std::string capoCaption(int capo, const std::string& sounding, bool shapes) {
    if (capo == 0) return "";
    std::string caption = "Capo " + std::to_string(capo);
    if (sounding.empty()) return caption;
    if (!shapes) return caption + " \u00B7 sounds " + sounding;
    return caption + " \u00B7 shape " + shapesUnderCapo({sounding}, capo).front();
}

std::string CapoOffer::text() const {
    std::string text = "Capo " + std::to_string(capo) + ":";
    for (const std::string& shape : shapes) text += " " + shape;
    return text;
}

CapoOffer bestCapo(const std::vector<std::string>& symbols, const ChordQuery& settings,
                   SongSearches& searches) {
    CapoOffer best;
    bool any = false;
    for (int capo = 0; capo <= kHighestSuggestedCapo; ++capo) {
        ChordQuery under = settings;
        under.inputs.capo = capo;
        const SongArrangement song = arrangeSong(symbols, under, {}, searches);
        // A capo under which a chord has no fingering at all is no answer.
        const bool complete = std::all_of(song.chords.begin(), song.chords.end(),
                                          [](const ArrangedChord& c) { return c.found(); });
        if (!complete) continue;
        if (!any || song.cost < best.cost) {
            best.capo = capo;
            best.cost = song.cost;
            any = true;
        }
    }
    best.shapes = shapesUnderCapo(symbols, best.capo);
    return best;
}

} // namespace tambrel
