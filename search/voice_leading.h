#pragma once
// One fingering for each chord of a song, chosen for the whole song at once: each fingering's
// playability (the hand model's score) plus the cost of moving to it from the fingering before.
// The choice is exact: a dynamic programme over the chords finds the cheapest of all
// combinations of the alternatives given.
#include "music/fretting.h"

#include <vector>

namespace tambrel {

// What moving the fretting hand from one fingering to the next costs, by part, in the hand
// model's hundredths of a point (a point is what one more fretting finger costs).
struct MoveCost {
    int shift = 0;  // the hand's shift along the neck
    int placed = 0; // fingers set down on strings they did not press
    int lifted = 0; // fingers taken off
    int moved = 0;  // fingers that change their place in the hand
    int kept = 0;   // the reward for tones kept on the same string and fret (never positive)
    int total() const { return shift + placed + lifted + moved + kept; }
    friend bool operator==(const MoveCost&, const MoveCost&) = default;
};

MoveCost moveCost(const Fretting& from, const Fretting& to);

// What playing behind a capo at fret `capo` costs a song, on the same scale (0 without one).
int capoCost(int capo);

// Where the hand sits for a fingering: its lowest fretted fret, 0 when nothing is fretted (the
// hand is then free to be anywhere).
int handPosition(const Fretting& fingering);

// One chord's alternatives, the easiest first, each with its hand score.
struct ChordAlternatives {
    std::vector<Fretting> fingerings;
    std::vector<int> handScores;
    int pinned = -1; // the alternative the user holds this chord to, or -1
};

struct SongChoice {
    // For each chord, the index of its chosen alternative; -1 for a chord without any.
    std::vector<int> chosen;
    // The hand score of every chosen fingering plus every move between two of them.
    int cost = 0;
};

// The cheapest choice: a chord without alternatives is passed over (the move is then from the
// chord before it), a pinned chord keeps its pin. Among equally cheap choices, the one that
// takes the earlier (easier) alternatives wins, chord by chord from the last.
SongChoice chooseFingerings(const std::vector<ChordAlternatives>& chords);

// The cost of a given choice, by the same parts: to check a choice against the optimum.
int costOfChoice(const std::vector<ChordAlternatives>& chords, const std::vector<int>& chosen);

} // namespace tambrel
