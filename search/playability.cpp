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
// An open string sounds without a finger: while the fretted notes stay within frets 1 to 3,
// the open position where the hand rests against the nut, it costs nothing beyond that. Once
// a note reaches the fourth fret or higher the hand has left the nut, the fingers lie flatter
// and must be held clear of every string that rings open: as much care as one more finger.
constexpr int kLowPositionTop = 3;
constexpr int kOpenStringAway = 100;
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

// How many members a small set has (strings, frets or intervals, one bit each): counted by
// a table of all sets of six, the strings, so that no loop branches on the members.
constexpr std::array<unsigned char, 64> kMembersOfSix = [] {
    std::array<unsigned char, 64> table{};
    for (unsigned set = 0; set < 64; ++set)
        for (unsigned rest = set; rest != 0; rest &= rest - 1) ++table[set];
    return table;
}();

constexpr int membersOf(unsigned set) {
    return kMembersOfSix[set & 63] + kMembersOfSix[(set >> 6) & 63] +
           kMembersOfSix[(set >> 12) & 63] + kMembersOfSix[(set >> 18) & 63] +
           kMembersOfSix[(set >> 24) & 63] + kMembersOfSix[set >> 30];
}

// One bar: a finger laid across strings first..last at one fret.
struct Bar {
    int fret = 0;
    int first = 0;
    int last = 0;
    unsigned held = 0; // the strings it frets, bit s for string s
};

// The strings below a string, as a set.
constexpr unsigned below(int s) {
    return (1U << s) - 1;
}

// The fret list as bars meet it: each string's fret, the muted ones far above every fret.
struct Strings {
    std::array<int, kStringCount> fret{};
    unsigned muted = 0;
};

constexpr int kFarAbove = 1000;

// Strings after `first` that a bar at `fret` from `first` holds: it passes muted strings and
// strings fretted higher, and ends at an open string, a lower fret or a string already held
// by another bar.
Bar barFrom(const Strings& strings, int first, int fret, unsigned taken) {
    unsigned same = 0;
    unsigned lower = 0;
    for (int t = 0; t < kStringCount; ++t) {
        same |= (strings.fret[t] == fret ? 1U : 0U) << t;
        lower |= (strings.fret[t] < fret ? 1U : 0U) << t;
    }
    const unsigned after = below(kStringCount) & ~below(first + 1);
    const unsigned stops = (lower | taken) & after;
    const unsigned reach = stops == 0 ? after : after & below(std::countr_zero(stops));
    Bar bar{fret, first, first, (1U << first) | (same & reach)};
    bar.last = 31 - std::countl_zero(bar.held);
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
void layBar(Fingering& f, const Bar& bar, const Strings& strings) {
    f.fingers -= membersOf(bar.held) - 1;
    (bar.last - bar.first + 1 >= 5 ? f.fullBarres : f.partialBarres) += 1;
    f.barreFret = f.barreFret == 0 ? bar.fret : std::min(f.barreFret, bar.fret);
    f.barredMuted += membersOf(strings.muted & below(bar.last) & ~below(bar.first + 1));
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
Fingering easiestFingering(const FretList& frets, const Strings& strings, int fretted,
                           int emptyFrets, unsigned marks, unsigned repeatedFrets) {
    // Strings are taken from the lowest up: a bar only reaches strings above its own, and it
    // ends where a lower fret or an open string lies, so no order of the frets is needed.
    Fingering marked;
    marked.fingers = fretted;
    if (marks == 0 && repeatedFrets == 0) { // a fingertip on every fretted string
        price(marked, emptyFrets);
        return marked;
    }
    unsigned taken = 0;
    for (int s = 0; marks != 0 && s < kStringCount; ++s) {
        if ((marks & (1U << s)) == 0 || (taken & (1U << s)) != 0) continue;
        const Bar bar = barFrom(strings, s, -frets[s], taken);
        taken |= bar.held;
        if (membersOf(bar.held) >= 2) layBar(marked, bar, strings); // else a plain fingertip
    }

    // A bar needs a second string at its fret: only frets that more than one string is
    // fretted at are looked at.
    std::array<Bar, 3> optional{};
    int optionalCount = 0;
    for (int s = 0; repeatedFrets != 0 && s + 1 < kStringCount; ++s) {
        const int fret = frets[s];
        if (fret <= 0 || fret == kMuted || (taken & (1U << s)) != 0) continue;
        if ((repeatedFrets & (1U << fret)) == 0) continue;
        const Bar bar = barFrom(strings, s, fret, taken);
        if (membersOf(bar.held) < 2) continue;
        optional[optionalCount++] = bar;
        taken |= bar.held;
    }

    Fingering best = marked;
    price(best, emptyFrets);
    // A bar over two strings saves one finger and costs at least as much: it only helps where
    // the finger it frees takes up a stretch, or the hand has run out of fingers.
    if (best.stretch == 0 && best.fingers <= 4) {
        int kept = 0;
        for (int i = 0; i < optionalCount; ++i)
            if (membersOf(optional[i].held) > 2) optional[kept++] = optional[i];
        optionalCount = kept;
    }
    for (unsigned chosen = 1; chosen < (1U << optionalCount); ++chosen) {
        Fingering f = marked;
        for (int i = 0; i < optionalCount; ++i)
            if ((chosen & (1U << i)) != 0) layBar(f, optional[i], strings);
        price(f, emptyFrets);
        if (f.cost < best.cost) best = f;
    }
    return best;
}

// Semitones reduced to an octave, by table: every string's interval to the root is one.
constexpr std::array<unsigned char, 128> kOctave = [] {
    std::array<unsigned char, 128> table{};
    for (int i = 0; i < 128; ++i) table[i] = static_cast<unsigned char>(i % 12);
    return table;
}();

} // namespace

Playability assessPlayability(const FretList& frets, const HandContext& context) {
    Playability p;
    // One walk over the strings gathers them as sets: muted, open, fretted and marked strings,
    // the frets pressed (once, and more than once) and the chord's intervals that sound.
    unsigned muted = 0;
    unsigned open = 0;
    unsigned marks = 0;
    unsigned fretsPressed = 0;
    unsigned repeatedFrets = 0;
    unsigned sounding = 0;
    int lowest = 1000;
    int highest = 0;
    Strings strings;
    const int fromRoot = 24 - context.rootNote % 12; // keeps every interval below positive
    // Without branches: which kind each string is varies from one fret list to the next.
    for (int s = 0; s < kStringCount; ++s) {
        const int v = frets[s];
        const unsigned isMuted = v == kMuted ? 1U : 0U;
        const unsigned isOpen = v == 0 ? 1U : 0U;
        const unsigned isFretted = 1U - isMuted - isOpen;
        const int fret = v < 0 ? -v : v;
        strings.fret[s] = isMuted != 0 ? kFarAbove : fret;
        muted |= isMuted << s;
        open |= isOpen << s;
        marks |= (v < 0 ? 1U : 0U) << s;
        sounding |= (1U - isMuted) << kOctave[(context.stringNote[s] + fret + fromRoot) & 127];
        const unsigned bit = isFretted << (fret & 31);
        repeatedFrets |= fretsPressed & bit;
        fretsPressed |= bit;
        lowest = std::min(lowest, isFretted != 0 ? fret : 1000);
        highest = std::max(highest, isFretted != 0 ? fret : 0);
    }
    const unsigned all = (1U << kStringCount) - 1;
    const unsigned soundingStrings = all & ~muted;
    const int fretted = kStringCount - membersOf(muted) - membersOf(open);
    if (fretted == 0) lowest = 0;

    p.span = fretted == 0 ? 0 : highest - lowest + 1;
    const int emptyFrets = std::max(0, p.span - membersOf(fretsPressed));
    strings.muted = muted;
    const Fingering hold =
        easiestFingering(frets, strings, fretted, emptyFrets, marks, repeatedFrets);
    p.fingers = hold.fingers;
    p.stretch = hold.stretch;
    p.fullBarres = hold.fullBarres;
    p.partialBarres = hold.partialBarres;
    p.barredMuted = hold.barredMuted;
    p.barreFret = hold.barreFret;

    p.position = lowest;
    p.lowPosition = highest <= kLowPositionTop;
    p.openStrings = membersOf(open);
    p.mutedStrings = membersOf(muted);
    const unsigned frettedStrings = all & ~muted & ~open;
    p.archedFingers = membersOf(open & (frettedStrings << 1));
    if (soundingStrings != 0) {
        const int first = std::countr_zero(soundingStrings);
        const int last = 31 - std::countl_zero(soundingStrings);
        const unsigned inside = below(last) & ~below(first + 1);
        const unsigned above = all & ~below(last + 1);
        p.mutedInside = membersOf(muted & inside);
        p.mutedAbove = membersOf(muted & above);
        // A muted string no finger can lean on: the nearest sounding string below it is open.
        for (unsigned rest = muted & (inside | above); rest != 0; rest &= rest - 1) {
            const int s = std::countr_zero(rest);
            const int nearest = 31 - std::countl_zero(soundingStrings & below(s));
            if ((open & (1U << nearest)) != 0) ++p.mutedUndamped;
        }
        p.bassPitch = (context.stringNote[first] + std::abs(frets[first])) % 12;
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
    std::vector<std::size_t> order(scores.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (scores.empty()) return order;
    const auto [low, high] = std::minmax_element(scores.begin(), scores.end());
    const long long range = static_cast<long long>(*high) - *low;
    if (range > 0xFFFF) {
        std::stable_sort(order.begin(), order.end(),
                         [&scores](std::size_t a, std::size_t b) { return scores[a] < scores[b]; });
        return order;
    }
    // Scores lie close together: sorted by their two bytes above the lowest score, low byte
    // first, each pass keeping the order it is given, so ties keep theirs.
    std::vector<std::size_t> next(order.size());
    for (int shift : {0, 8}) {
        std::array<std::size_t, 257> start{};
        auto digit = [&scores, low = *low, shift](std::size_t i) {
            return static_cast<std::size_t>(((scores[i] - low) >> shift) & 0xFF);
        };
        for (std::size_t i : order) ++start[digit(i) + 1];
        for (std::size_t d = 1; d < start.size(); ++d) start[d] += start[d - 1];
        for (std::size_t i : order) next[start[digit(i)]++] = i;
        order.swap(next);
    }
    return order;
}

} // namespace tambrel
