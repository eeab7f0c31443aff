#pragma once
// A song's chords with one fingering each, chosen to flow into each other: every symbol is
// searched as the symbol box searches it, under the same tuning, limits, options and capo, and
// the fingerings are chosen together (search/voice_leading.h) among each chord's easiest,
// around the ones the user pinned.
#include "music/fretting.h"
#include "search/voice_leading.h"
#include "search/voicing_choices.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tambrel {

// A song's fingering is chosen among its chord's easiest this many: further down the list lie
// fingerings a player would only take on purpose, and those the user can still pin.
constexpr int kAlternativesConsidered = 12;

// The capos the best capo is sought among: beyond the seventh fret the strings grow short and
// the neck too cramped for the shapes a capo is wanted for.
constexpr int kHighestSuggestedCapo = 7;

// The user's own fingering for one chord of the song (its place in the song), frets counted
// from the capo.
struct SongPin {
    int chord = 0;
    Fretting fingering;
};

struct ArrangedChord {
    std::string symbol; // as the song has it after any transposition: the chord that sounds
    std::string shape;  // the chord the fingers play, counted from the capo
    std::shared_ptr<const RankedVoicings> alternatives; // easiest first
    bool found() const { return fingering.has_value(); }
    std::optional<Fretting> fingering; // none when the chord has no fingering at all
    int alternative = -1;              // its place among the alternatives, -1 when not there
    bool pinned = false;
    int handScore = 0;
    MoveCost move; // from the chord before that has a fingering
};

struct SongArrangement {
    std::vector<ArrangedChord> chords;
    int capo = 0;
    int cost = 0; // every hand score, every move and the capo (capoCost)
};

// The chord's cost in words: its fingering's hand score with the hand model's reasons, then the
// move to it and that move's parts: "hand score 4.3: span 3 frets, ...; move -0.5: shift 0.0,
// placed 0.3, lifted 0.1, moved 0.0, kept -0.9".
std::string explainCost(const ArrangedChord& chord);

// Each distinct symbol of a song is searched once however often it comes, and once for all
// arrangements under the same settings.
class SongSearches {
  public:
    std::shared_ptr<const RankedVoicings> find(const std::string& symbol,
                                               const ChordQuery& settings);

  private:
    ChordQuery settings_;
    std::map<std::pair<std::string, int>, std::shared_ptr<const RankedVoicings>> found_;
};

// `settings` gives the tuning, limits, options, capo and "Common voicings"; its chord and order
// are not read. Pins outside the song are ignored.
SongArrangement arrangeSong(const std::vector<std::string>& symbols, const ChordQuery& settings,
                            const std::vector<SongPin>& pins, SongSearches& searches);

// The chords the fingers play under a capo: each symbol that many semitones lower, spelled for
// the key the shapes are in.
std::vector<std::string> shapesUnderCapo(const std::vector<std::string>& symbols, int capo);

// What a capo makes of a chord, for over its diagrams: "Capo 3 · sounds C", or with `shapes`
// "Capo 3 · shape A"; "Capo 3" alone for no chord, "" for no capo.
std::string capoCaption(int capo, const std::string& sounding, bool shapes);

struct CapoOffer {
    int capo = 0;
    int cost = 0;
    std::vector<std::string> shapes;
    std::string text() const; // "Capo 3: C Am F G"
};

// The capo 0..kHighestSuggestedCapo under which the song's chosen fingerings cost least, the
// lower capo on a tie. Pins are left aside: a pinned fingering means another chord under
// another capo.
CapoOffer bestCapo(const std::vector<std::string>& symbols, const ChordQuery& settings,
                   SongSearches& searches);

} // namespace tambrel
