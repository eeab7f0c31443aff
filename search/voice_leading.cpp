#include "search/voice_leading.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace tambrel {

namespace {

// The weights of a move, in the hand model's hundredths of a point, so that a move and a
// fingering's own difficulty are weighed on one scale: one point is one more fretting finger.

// Letting go of the neck and landing elsewhere must happen within a beat: the jump itself is
// as hard as holding one more finger, and each fret of it a quarter more, as a longer jump
// lands less surely.
constexpr int kShiftStart = 100;
constexpr int kShiftFret = 25;
// A finger set down where no finger pressed has to find its string and fret in time: half
// the effort of holding it. A bar is one finger laid, however many strings it takes.
constexpr int kPlaced = 50;
// Lifting a finger takes no aim; it only has to happen on the beat.
constexpr int kLifted = 10;
// A finger that goes on pressing the same string at another fret (other than where the whole
// hand's shift takes it) is lifted and set down anew.
constexpr int kMoved = 50;
// A string that sounds at the same fret in both chords is a tone the chords share, kept on its
// string. Fretted, it is a finger that stays down, the anchor the others are placed around: the
// change is easier to play and smoother to hear. Open, it only rings on: heard, not played, so
// half of that.
constexpr int kKept = -50;
constexpr int kKeptOpen = kKept / 2;
// A capo raises the whole guitar: each fret of it takes the chords a semitone further from the
// instrument's own register and shortens the strings' ring. Of two capos under which a song is
// as easy, a player takes the lower; each fret costs as much as a fret of the hand's shift.
constexpr int kCapoFret = kShiftFret;

} // namespace

int capoCost(int capo) {
    return kCapoFret * capo;
}

int handPosition(const Fretting& fingering) {
    int lowest = 0;
    for (int s = 0; s < kStringCount; ++s) {
        const int f = fingering.fret(s);
        if (f != 0 && f != kMuted && (lowest == 0 || f < lowest)) lowest = f;
    }
    return lowest;
}

namespace {

// Where the hand sits: at the nut while every fretted note lies within the first four frets,
// the open position every fretted note there is reached from without moving; higher up, with
// its index finger at the lowest fretted fret. Nothing fretted: anywhere (0).
int handPlace(const Fretting& fingering) {
    constexpr int kOpenPositionTop = 4;
    int highest = 0;
    for (int s = 0; s < kStringCount; ++s)
        if (!fingering.muted(s)) highest = std::max(highest, fingering.fret(s));
    if (highest == 0) return 0;
    return highest <= kOpenPositionTop ? 1 : handPosition(fingering);
}

} // namespace

namespace {

// The strings that `fingering` holds under one bar with string s, when a bar begins at or below
// s at its fret: bit s' for each; 0 when s is pressed by a fingertip.
unsigned barOver(const Fretting& fingering, int s) {
    for (int first = 0; first <= s; ++first) {
        if (!fingering.beginsBarre(first) || fingering.fret(first) != fingering.fret(s)) continue;
        unsigned held = 0;
        for (int t = first; t < kStringCount; ++t)
            if (fingering.fret(t) == fingering.fret(first)) held |= 1U << t;
        return held;
    }
    return 0;
}

} // namespace

MoveCost moveCost(const Fretting& from, const Fretting& to) {
    MoveCost cost;
    const int a = handPlace(from);
    const int b = handPlace(to);
    const int shift = a == 0 || b == 0 ? 0 : b - a;
    if (shift != 0) cost.shift = kShiftStart + kShiftFret * std::abs(shift);
    unsigned barsPlaced = 0; // the strings of the bars already counted as placed
    for (int s = 0; s < kStringCount; ++s) {
        const int f = from.fret(s);
        const int t = to.fret(s);
        const bool pressedBefore = f != 0 && f != kMuted;
        const bool pressedAfter = t != 0 && t != kMuted;
        if (f == t && f != kMuted) {
            cost.kept += f == 0 ? kKeptOpen : kKept;
        } else if (pressedBefore && pressedAfter) {
            // A finger that the hand's shift carries along keeps its place in the hand.
            if (shift == 0 || t - f != shift) cost.moved += kMoved;
        } else if (pressedBefore) {
            cost.lifted += kLifted;
        } else if (pressedAfter && (barsPlaced & (1U << s)) == 0) {
            cost.placed += kPlaced;
            barsPlaced |= barOver(to, s);
        }
    }
    return cost;
}

SongChoice chooseFingerings(const std::vector<ChordAlternatives>& chords) {
    SongChoice choice;
    choice.chosen.assign(chords.size(), -1);

    // best[i][c]: the least cost of the song up to chord i, ending with its alternative c;
    // from[i][c]: the alternative of the chord before (the last one with any) on that way.
    std::vector<std::vector<int>> best(chords.size());
    std::vector<std::vector<int>> from(chords.size());
    int previous = -1; // the last chord so far with alternatives
    for (std::size_t i = 0; i < chords.size(); ++i) {
        const ChordAlternatives& chord = chords[i];
        const int count = static_cast<int>(chord.fingerings.size());
        if (count == 0) continue;
        best[i].assign(count, INT_MAX);
        from[i].assign(count, -1);
        // A pin outside the alternatives holds nothing.
        const bool pinned = chord.pinned >= 0 && chord.pinned < count;
        for (int c = 0; c < count; ++c) {
            if (pinned && c != chord.pinned) continue;
            const int own = chord.handScores[c];
            if (previous < 0) {
                best[i][c] = own;
                continue;
            }
            const ChordAlternatives& before = chords[previous];
            for (int p = 0; p < static_cast<int>(before.fingerings.size()); ++p) {
                if (best[previous][p] == INT_MAX) continue;
                const int total = best[previous][p] +
                                  moveCost(before.fingerings[p], chord.fingerings[c]).total() + own;
                if (total < best[i][c]) {
                    best[i][c] = total;
                    from[i][c] = p;
                }
            }
        }
        previous = static_cast<int>(i);
    }
    if (previous < 0) return choice;

    // Back from the cheapest end.
    const auto last = std::min_element(best[previous].begin(), best[previous].end());
    choice.cost = *last;
    int c = static_cast<int>(last - best[previous].begin());
    for (int i = previous; i >= 0 && c >= 0; --i) {
        if (chords[i].fingerings.empty()) continue;
        choice.chosen[i] = c;
        c = from[i][c];
    }
    return choice;
}

int costOfChoice(const std::vector<ChordAlternatives>& chords, const std::vector<int>& chosen) {
    int cost = 0;
    const Fretting* before = nullptr;
    for (std::size_t i = 0; i < chords.size() && i < chosen.size(); ++i) {
        if (chosen[i] < 0) continue;
        const Fretting& now = chords[i].fingerings[chosen[i]];
        cost += chords[i].handScores[chosen[i]];
        if (before != nullptr) cost += moveCost(*before, now).total();
        before = &now;
    }
    return cost;
}

} // namespace tambrel
