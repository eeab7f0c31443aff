#pragma once
// How hard a fingering is for the fretting hand: a score from a small model of the hand, the
// parts it is made of, and the "Easiest first" order that the score gives a list of voicings.
#include "music/fretboard.h"
#include "music/fretting.h"
#include "search/chord_roles.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tambrel {

// What the model needs to know besides the fret list: the tuning, to hear the notes, the
// chord's root and asked-for bass (the root itself unless the chord is a slash chord), and
// the chord's intervals, to tell what a fingering leaves out (none known: 0).
struct HandContext {
    StringNotes stringNote = kStandardTuning;
    int rootNote = 0;
    int bassNote = 0;
    IntervalSet chord = 0;
};

// One voicing as the hand meets it. The score is in hundredths of a point; a point is what
// one more fretting finger costs. Lower is easier.
struct Playability {
    int score = 0;
    int span = 0;              // frets the fretted notes cover, lowest to highest (0: none fretted)
    int fingers = 0;           // fretting fingers; a barre is one finger
    int fullBarres = 0;        // barres over five or six strings
    int partialBarres = 0;     // barres over two to four strings
    int barredMuted = 0;       // muted strings lying under a barre
    int barreFret = 0;         // the fret of the lowest barre, 0 without one
    int barresBeyondIndex = 0; // barres above the lowest fretted fret, laid by another finger
    int stretch = 0;           // frets beyond the natural spacing of neighbouring fingers
    int stretchPastBarre = 0;  // frets of span beyond three reached past a bar's tip
    int position = 0;          // the lowest fretted fret: where the hand sits (0: none fretted)
    int openStrings = 0;
    int archedFingers = 0;    // fretting fingers right below an open string
    bool lowPosition = false; // the hand stays within the first four frets
    int mutedStrings = 0;     // strings that do not sound, wherever they are
    int mutedInside = 0;      // of those, the ones between two sounding strings
    int mutedAbove = 0;       // of those, the ones above the highest sounding string
    int mutedUndamped = 0;    // of those inside or above, the ones no fretting finger leans on
    int mutedOutOfReach = 0;  // of those inside, the ones with no fretted string beside them
    int bassPitch = -1;       // pitch class of the lowest sounding string, -1 if none sounds
    bool bassAsAsked = false; // the lowest sounding note is the chord's bass
    bool bassIsRoot = false;  // ... and it is the root
    IntervalSet chord = 0;    // the chord's intervals, to name what is left out
    IntervalSet leftOut = 0;  // the chord's tones that sound nowhere
};

// Scores a fingering with the barres the search found for it; a fingering without barres is
// held with one finger per fretted string, unless laying a bar makes it easier.
Playability assessPlayability(const Fretting& fingering, const HandContext& context);

// The same assessment for the many fret lists of one search: what each string's fret value
// says under the context is worked out once, when the model is made.
class HandModel {
  public:
    explicit HandModel(const HandContext& context);
    Playability assess(const Fretting& fingering) const;
    int score(const Fretting& fingering) const; // assess(fingering).score
    const HandContext& context() const { return context_; }

    using StringFact = std::uint64_t;

  private:
    StringFact factAt(int s, int fret) const;

    static constexpr int kTabledFret = 24;             // frets 0..24, as searched
    static constexpr int kMutedFact = kTabledFret + 1; // then the muted string
    HandContext context_;
    std::array<std::array<StringFact, kMutedFact + 1>, kStringCount> facts_{};
};

// The score as the explanation shows it: points with one decimal ("4.3").
std::string scoreText(int score);

// The score and its parts in words, e.g. "score 4.3: span 3 frets, 3 fingers, no barre, open
// strings 2, 1 muted, root in bass", then what it leaves out ("; no fifth"). A bass that is
// not the root is named.
std::string explainPlayability(const Playability& playability);

// "Easiest first": the indices of the voicings by ascending score; equal scores keep the order
// they are given in. The set and the count never change.
std::vector<std::size_t> easiestFirstOrder(const std::vector<int>& scores);

} // namespace tambrel
