#include "playability.h"

#include "note_names.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <numeric>

namespace tambrel {

namespace {

// The model of the fretting hand. Each weight is what one unit of that burden costs, in
// hundredths of a point, one point being the cost of one more fretting finger. Lower totals
// are easier. The weights come from how a hand meets a fingering, not from any list of
// favourite shapes, so that the order holds for chords nobody has ranked.

// Every fretting finger is one more thing to place and hold down at the same moment.
constexpr int kFinger = 100;
// A hand has four fretting fingers; a fingering that needs more cannot be held as written.
constexpr int kFingerBeyondFour = 500;
// Each fret that the fretted notes cover beyond the first spreads the hand a little.
constexpr int kSpanFret = 25;
// Beyond three frets the whole hand must open: four frets is a full stretch, five the limit.
constexpr int kWideSpanFret = 100;
// Neighbouring fingers lie naturally on neighbouring frets; each fret further apart than the
// fingers between them can absorb is a stretch between two fingers.
constexpr int kStretchFret = 100;
// A bar over five or six strings needs the whole side of a finger pressed evenly: the hurdle
// every learner knows, on top of the finger it takes.
constexpr int kFullBarre = 125;
// A bar over two to four strings is easier, but still harder than a fingertip.
constexpr int kPartialBarre = 100;
// A muted string under a bar would sound the bar's fret; it has to be damped as well.
constexpr int kMutedUnderBarre = 100;
// The hand sits where its lowest fretted note is. Each fret above the first takes it further
// from the nut and the open strings, the landmarks every player starts from, and needs a
// longer move to reach; such shapes are learned later. It rises steadily, so moving a shape
// up the neck never makes it easier.
constexpr int kPositionFret = 80;
// An open string sounds without a finger: while the fretted notes stay within the first
// position (frets 1 to 4) it costs nothing beyond that. With the hand further up, the
// fingers must arch clear of strings that ring far from where the hand is.
constexpr int kLowPositionTop = 4;
constexpr int kOpenStringAway = 50;
// A finger that frets the string right below an open string must stand up on its tip to let
// the open string ring.
constexpr int kArchedFinger = 50;
// A string that does not sound thins the chord, and the strum has to leave it out.
constexpr int kMutedString = 100;
// A muted string between two sounding ones breaks the run of strings a strum sweeps, and one
// above the highest sounding string makes the strum stop short: either must be kept silent.
constexpr int kMutedInside = 100;
constexpr int kMutedAbove = 50;
// A finger lies across the strings above the one it frets, so a fretted string's finger can
// lean on the muted strings right above it and silence them. Above an open string there is
// no such finger: another must be spared or the strum must avoid the string.
constexpr int kMutedUndamped = 100;
// A fingering that leaves a tone out says less of the chord. The perfect fifth least: the
// root's own overtones imply it. Any other tone is part of what names the chord.
constexpr int kLeftOutFifth = 50;
constexpr int kLeftOutTone = 100;
// The lowest note is the one a listener takes for the chord's bass; when it is not the
// chord's own bass the fingering says another chord.
constexpr int kWrongBass = 200;

// How many members a small set has (strings, frets or intervals, one bit each).
constexpr int membersOf(unsigned set) {
    int n = 0;
    for (; set != 0; set &= set - 1) ++n;
    return n;
}

// One bar: a finger laid across strings first..last at one fret.
struct Bar {
    int fret = 0;
    int first = 0;
    int last = 0;
    unsigned held = 0; // the strings it frets, bit s for string s
};

// Strings t after `first` that a bar at `fret` from `first` holds: it passes muted strings
// and strings fretted higher, and ends at an open string, a lower fret or a string already
// held by another bar.
Bar barFrom(const FretList& frets, int first, int fret, unsigned taken) {
    Bar bar{fret, first, first, 1U << first};
    for (int t = first + 1; t < kStringCount; ++t) {
        if ((taken & (1U << t)) != 0) break;
        if (frets[t] == kMuted) continue;
        const int f = std::abs(frets[t]);
        if (f < fret) break;
        if (f == fret) {
            bar.held |= 1U << t;
            bar.last = t;
        }
    }
    return bar;
}

// How the fretted notes are held: a fingertip each, except the strings under bars.
struct Fingering {
    int fingers = 0;
    int stretch = 0;
    int fullBarres = 0;
    int partialBarres = 0;
    int barredMuted = 0;
    int barreFret = 0;
    int cost = 0;
};

// Adds a bar over two strings or more to the fingering: one finger for all its strings.
void layBar(Fingering& f, const Bar& bar, const FretList& frets) {
    f.fingers -= membersOf(bar.held) - 1;
    (bar.last - bar.first + 1 >= 5 ? f.fullBarres : f.partialBarres) += 1;
    f.barreFret = f.barreFret == 0 ? bar.fret : std::min(f.barreFret, bar.fret);
    for (int t = bar.first + 1; t < bar.last; ++t)
        if (frets[t] == kMuted) ++f.barredMuted;
}

// The stretch, from the frets between the lowest and the highest fretted note that no finger
// presses: the fingers to spare, one per fret, take up as many of them; each one left over
// is a fret of stretch between two neighbouring fingers. Then the cost of it all.
void price(Fingering& f, int emptyFrets) {
    f.stretch = std::max(0, emptyFrets - std::max(0, 4 - f.fingers));
    f.cost = kFinger * f.fingers + kFingerBeyondFour * std::max(0, f.fingers - 4) +
             kStretchFret * f.stretch + kFullBarre * f.fullBarres +
             kPartialBarre * f.partialBarres + kMutedUnderBarre * f.barredMuted;
}

// The easiest way to hold the fret list: the bars its marks ask for, and of the other groups
// of strings at one fret that a finger could lay across, those that make it easier. On a tie
// fingertips are kept.
Fingering easiestFingering(const FretList& frets, int fretted, int emptyFrets) {
    // Strings are taken from the lowest up: a bar only reaches strings above its own, and it
    // ends where a lower fret or an open string lies, so no order of the frets is needed.
    Fingering marked;
    marked.fingers = fretted;
    unsigned taken = 0;
    for (int s = 0; s < kStringCount; ++s) {
        if (frets[s] >= 0 || (taken & (1U << s)) != 0) continue;
        const Bar bar = barFrom(frets, s, -frets[s], taken);
        taken |= bar.held;
        if (membersOf(bar.held) >= 2) layBar(marked, bar, frets); // else a plain fingertip
    }

    std::array<Bar, 3> optional{};
    int optionalCount = 0;
    for (int s = 0; s + 1 < kStringCount; ++s) {
        const int fret = frets[s];
        if (fret <= 0 || fret == kMuted || (taken & (1U << s)) != 0) continue;
        bool repeated = false; // a bar needs a second string at its fret
        for (int t = s + 1; t < kStringCount && !repeated; ++t) repeated = frets[t] == fret;
        if (!repeated) continue;
        const Bar bar = barFrom(frets, s, fret, taken);
        if (membersOf(bar.held) < 2) continue;
        optional[optionalCount++] = bar;
        taken |= bar.held;
    }

    Fingering best = marked;
    price(best, emptyFrets);
    for (unsigned chosen = 1; chosen < (1U << optionalCount); ++chosen) {
        Fingering f = marked;
        for (int i = 0; i < optionalCount; ++i)
            if ((chosen & (1U << i)) != 0) layBar(f, optional[i], frets);
        price(f, emptyFrets);
        if (f.cost < best.cost) best = f;
    }
    return best;
}

} // namespace

Playability assessPlayability(const FretList& frets, const HandContext& context) {
    Playability p;
    int lowest = 0;
    int highest = 0;
    int fretted = 0;
    unsigned fretsPressed = 0; // bit f for every fret f that some string is fretted at
    unsigned sounding = 0;     // bit i for every interval above the root that sounds
    int firstSounding = -1;
    int lastSounding = -1;
    for (int s = 0; s < kStringCount; ++s) {
        const int v = frets[s];
        if (v == kMuted) continue;
        if (firstSounding < 0) firstSounding = s;
        lastSounding = s;
        const int fret = std::abs(v);
        sounding |= 1U << ((context.stringNote[s] + fret + 24 - context.rootNote) % 12);
        if (v == 0) {
            ++p.openStrings;
            continue;
        }
        ++fretted;
        fretsPressed |= 1U << (fret & 31);
        lowest = lowest == 0 ? fret : std::min(lowest, fret);
        highest = std::max(highest, fret);
    }
    p.span = lowest == 0 ? 0 : highest - lowest + 1;
    const int emptyFrets = p.span - membersOf(fretsPressed);
    const Fingering hold = easiestFingering(frets, fretted, std::max(0, emptyFrets));
    p.fingers = hold.fingers;
    p.stretch = hold.stretch;
    p.fullBarres = hold.fullBarres;
    p.partialBarres = hold.partialBarres;
    p.barredMuted = hold.barredMuted;
    p.barreFret = hold.barreFret;

    p.position = lowest;
    p.lowPosition = highest <= kLowPositionTop;
    int soundingBelow = kMuted; // the nearest sounding string below the one looked at
    for (int s = 0; s < kStringCount; ++s) {
        const int v = frets[s];
        if (v == 0 && s > 0 && frets[s - 1] != 0 && frets[s - 1] != kMuted) ++p.archedFingers;
        if (v != kMuted) {
            soundingBelow = v;
            continue;
        }
        ++p.mutedStrings;
        if (firstSounding < 0 || s < firstSounding) continue;
        (s < lastSounding ? p.mutedInside : p.mutedAbove) += 1;
        if (soundingBelow == 0) ++p.mutedUndamped;
    }
    if (firstSounding >= 0) {
        p.bassPitch = (context.stringNote[firstSounding] + std::abs(frets[firstSounding])) % 12;
        p.bassAsAsked = p.bassPitch == context.bassNote;
        p.bassIsRoot = p.bassPitch == context.rootNote;
    }
    p.chord = context.chord;
    p.leftOut = context.chord & ~sounding;

    int score = hold.cost;
    if (p.span > 1) score += kSpanFret * (p.span - 1) + kWideSpanFret * std::max(0, p.span - 3);
    score += kPositionFret * std::max(0, p.position - 1);
    if (!p.lowPosition) score += kOpenStringAway * p.openStrings;
    score += kArchedFinger * p.archedFingers;
    score += kMutedString * p.mutedStrings + kMutedInside * p.mutedInside +
             kMutedAbove * p.mutedAbove + kMutedUndamped * p.mutedUndamped;
    if (!p.bassAsAsked) score += kWrongBass;
    const int leftOut = membersOf(p.leftOut);
    const int fifthLeftOut = (p.leftOut >> 7) & 1U;
    score += kLeftOutFifth * fifthLeftOut + kLeftOutTone * (leftOut - fifthLeftOut);
    p.score = score;
    return p;
}

std::string scoreText(int score) {
    // Hundredths to tenths, rounded half away from zero.
    const int tenths = (std::abs(score) + 5) / 10;
    std::string text = score < 0 && tenths > 0 ? "-" : "";
    text += std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
    return text;
}

namespace {

std::string counted(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

std::string explainPlayability(const Playability& p) {
    std::string text = "score " + scoreText(p.score) + ": ";
    text += p.span == 0 ? "no fretted notes" : "span " + counted(p.span, "fret", "frets");
    text += ", " + counted(p.fingers, "finger", "fingers");

    const int barres = p.fullBarres + p.partialBarres;
    if (barres == 0) {
        text += ", no barre";
    } else {
        text += barres > 1          ? ", " + std::to_string(barres) + " barres"
                : p.fullBarres == 1 ? std::string(", full barre")
                                    : std::string(", partial barre");
        text += " at fret " + std::to_string(p.barreFret);
        if (p.barredMuted > 0)
            text += " over " + counted(p.barredMuted, "muted string", "muted strings");
    }
    if (p.stretch > 0) text += ", stretch " + counted(p.stretch, "fret", "frets");
    if (p.position > 1) text += ", position " + std::to_string(p.position);
    if (p.openStrings > 0) text += ", open strings " + std::to_string(p.openStrings);
    if (p.archedFingers > 0)
        text += ", " + counted(p.archedFingers, "finger", "fingers") + " arched";
    if (p.mutedStrings > 0) {
        text += ", " + std::to_string(p.mutedStrings) + " muted";
        std::string where;
        auto add = [&where](int n, const char* what) {
            if (n == 0) return;
            where += where.empty() ? " (" : ", ";
            where += std::to_string(n) + " " + what;
        };
        add(p.mutedInside, "inside");
        add(p.mutedAbove, "above");
        add(p.mutedUndamped, "undamped");
        if (!where.empty()) text += where + ")";
    }
    if (p.bassPitch >= 0) {
        if (p.bassIsRoot)
            text += ", root in bass";
        else
            text += ", " + noteNames()[p.bassPitch] + " in bass" +
                    (p.bassAsAsked ? "" : ", not the chord's bass");
    }
    if (p.leftOut != 0) text += "; " + leftOutText(p.leftOut, p.chord);
    return text;
}

std::vector<std::size_t> easiestFirstOrder(const std::vector<int>& scores) {
    // Each score with its place: no two are equal, so the sort keeps the order of ties.
    std::vector<std::pair<int, std::size_t>> keyed(scores.size());
    for (std::size_t i = 0; i < scores.size(); ++i) keyed[i] = {scores[i], i};
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::size_t> order(scores.size());
    for (std::size_t i = 0; i < keyed.size(); ++i) order[i] = keyed[i].second;
    return order;
}

} // namespace tambrel
