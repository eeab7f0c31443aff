#include "search/playability.h"

#include "music/note_names.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
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
// Only the index lies flat along a fret with ease: it is the straightest finger. A bar above
// the lowest fretted fret cannot be the index's, which holds that lower fret, and the finger
// that lays it must bend its joints back to lie flat: as much again as a bar.
constexpr int kBarreBeyondIndex = kPartialBarre;
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
// A muted string inside the strum with an unfretted string on either side has no fretting
// finger beside it at all: a finger must be spared only to touch it (as much as one more
// finger), and set down between the strings on both sides without sounding or stopping them
// (twice the care of a finger arched clear of one open string). The top string is not such
// a string: it lies at the edge the fingers come from, where any spare finger meets it.
constexpr int kMutedOutOfReach = 200;
// Four frets or more open the whole hand, and a spread hand stands its fingers up on their
// tips: none of them can lie against the string above the one it frets to damp it. Only the
// top string, at the edge the hand comes from, is still met by a spare finger or the hand.
constexpr int kFullStretchSpan = 4;
// A bar's finger lies along its fret with its tip on the bar's lowest string. A finger that
// reaches past that tip to a lower string, three frets or more further up, must twist the
// whole hand round the flat finger while it stretches: each fret of span beyond three costs
// as much again as the stretch itself.
constexpr int kStretchPastBarre = kWideSpanFret;
// A fingering that leaves a tone out says less of the chord. The perfect fifth least: the
// root's own overtones imply it. Any other tone is part of what names the chord.
constexpr int kLeftOutFifth = 50;
constexpr int kLeftOutTone = 100;
// The lowest note is the one a listener takes for the chord's bass; when it is not the
// chord's own bass the fingering says another chord.
constexpr int kWrongBass = 200;

// Every score is a sum of whole multiples of the weights, so a multiple of their greatest
// common divisor: the steps "Easiest first" counts scores in. (A weight left out here only
// makes the order fall back to a plain sort.)
constexpr int kScoreStep = [] {
    int step = 0;
    for (int weight :
         {kFinger,         kFingerBeyondFour, kSpanFret,         kWideSpanFret,    kStretchFret,
          kFullBarre,      kPartialBarre,     kBarreBeyondIndex, kMutedUnderBarre, kPositionFret,
          kOpenStringAway, kArchedFinger,     kMutedString,      kMutedInside,     kMutedAbove,
          kMutedUndamped,  kMutedOutOfReach,  kStretchPastBarre, kLeftOutFifth,    kLeftOutTone,
          kWrongBass})
        step = std::gcd(step, weight);
    return step;
}();

// How many strings a set of strings holds (bit s for string s): by a table of all 64 sets,
// one lookup instead of a loop over the bits.
constexpr std::array<unsigned char, 64> kMembersOfSix = [] {
    std::array<unsigned char, 64> table{};
    for (unsigned set = 0; set < 64; ++set)
        for (unsigned rest = set; rest != 0; rest &= rest - 1) ++table[set];
    return table;
}();

constexpr int stringsIn(unsigned strings) {
    return kMembersOfSix[strings & 63];
}

// How many members a wider set has, frets or intervals: a byte at a time.
constexpr std::array<unsigned char, 256> kMembersOfEight = [] {
    std::array<unsigned char, 256> table{};
    for (unsigned set = 0; set < 256; ++set)
        for (unsigned rest = set; rest != 0; rest &= rest - 1) ++table[set];
    return table;
}();

constexpr int membersOf(unsigned set) {
    return kMembersOfEight[set & 255] + kMembersOfEight[(set >> 8) & 255] +
           kMembersOfEight[(set >> 16) & 255] + kMembersOfEight[set >> 24];
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

// What the strum meets, which only the muted and the open strings decide: each count in three
// bits of one number, looked up by the two sets together (muted strings in bits 0 to 5, open
// ones in bits 6 to 11) instead of worked out string by string.
enum StrumField : unsigned {
    kInsideField,       // muted strings between two sounding ones
    kAboveField,        // muted strings above the highest sounding one
    kUndampedField,     // of those, the ones whose nearest sounding string below is open
    kLeanedInsideField, // muted strings inside that a finger leans on
    kOutOfReachField,   // muted strings inside with no fretted string beside them
    kArchedField,       // fretted strings right below an open string
    kFirstField,        // the lowest sounding string (kStringCount: none sounds)
};

constexpr int strumCount(std::uint32_t facts, StrumField field) {
    return static_cast<int>((facts >> (3 * field)) & 7U);
}

constexpr std::uint32_t strumFactsOf(unsigned muted, unsigned open) {
    const unsigned all = below(kStringCount);
    const unsigned sounding = all & ~muted;
    const unsigned fretted = sounding & ~open;
    std::array<int, 7> count{};
    count[kArchedField] = stringsIn(open & (fretted << 1));
    count[kFirstField] = kStringCount;
    if (sounding != 0) {
        const int first = std::countr_zero(sounding);
        const int last = 31 - std::countl_zero(sounding);
        const unsigned inside = below(last) & ~below(first + 1);
        const unsigned above = all & ~below(last + 1);
        count[kFirstField] = first;
        count[kInsideField] = stringsIn(muted & inside);
        count[kAboveField] = stringsIn(muted & above);
        // A muted string no finger can lean on: the nearest sounding string below it is open.
        for (unsigned rest = muted & (inside | above); rest != 0; rest &= rest - 1) {
            const int s = std::countr_zero(rest);
            const int nearest = 31 - std::countl_zero(sounding & below(s));
            const bool undamped = (open & (1U << nearest)) != 0;
            count[kUndampedField] += undamped ? 1 : 0;
            count[kLeanedInsideField] += !undamped && (inside & (1U << s)) != 0 ? 1 : 0;
        }
        count[kOutOfReachField] = stringsIn(muted & inside & ~(fretted << 1) & ~(fretted >> 1));
    }
    std::uint32_t facts = 0;
    for (unsigned field = 0; field < count.size(); ++field)
        facts |= static_cast<std::uint32_t>(count[field]) << (3 * field);
    return facts;
}

constexpr std::array<std::uint32_t, 4096> kStrumFacts = [] {
    std::array<std::uint32_t, 4096> table{};
    for (unsigned muted = 0; muted < 64; ++muted)
        for (unsigned open = 0; open < 64; ++open)
            if ((muted & open) == 0) table[muted | (open << 6)] = strumFactsOf(muted, open);
    return table;
}();

// Strings after `first` that a bar at `fret` from `first` holds: it passes muted strings and
// strings fretted higher, and ends at an open string, a lower fret or a string already held
// by another bar. A muted string's value lies above every fret, as it should.
static_assert(kMuted > 31, "a muted string must read as higher than any fret");
[[gnu::always_inline]] inline Bar barFrom(const FretList& frets, int first, int fret,
                                          unsigned taken) {
    unsigned same = 0;
    unsigned lower = 0;
    for (int t = first + 1; t < kStringCount; ++t) { // only the strings above can be held
        const int at = frets[t];
        same |= (at == fret ? 1U : 0U) << t;
        lower |= (at < fret ? 1U : 0U) << t;
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
    int barresBeyondIndex = 0;        // bars above the lowest fretted fret
    int indexBarFirst = kStringCount; // the first string of a bar at the lowest fret
    int stretchPastBarre = 0;
    int cost = 0;
};

// Where the hand must reach, as its bars are priced against it: its lowest fret, the frets
// of span beyond three, and with such a span the strings pressed at its far end.
struct Reach {
    int lowestFret = 0;
    int wideSpan = 0;
    unsigned farStrings = 0;
};

// Adds a bar over two strings or more to the fingering: one finger for all its strings. The
// index holds the lowest fret; a bar there is the index's.
[[gnu::always_inline]] inline void layBar(Fingering& f, const Bar& bar, unsigned muted,
                                          const Reach& reach) {
    f.barresBeyondIndex += bar.fret > reach.lowestFret ? 1 : 0;
    if (bar.fret == reach.lowestFret) f.indexBarFirst = std::min(f.indexBarFirst, bar.first);
    f.fingers -= stringsIn(bar.held) - 1;
    (bar.last - bar.first + 1 >= 5 ? f.fullBarres : f.partialBarres) += 1;
    f.barreFret = f.barreFret == 0 ? bar.fret : std::min(f.barreFret, bar.fret);
    f.barredMuted += stringsIn(muted & below(bar.last) & ~below(bar.first + 1));
}

// The stretch, from the frets between the lowest and the highest fretted note that no finger
// presses: the fingers to spare, one per fret, take up as many of them; each one left over
// is a fret of stretch between two neighbouring fingers. Then the cost of it all.
[[gnu::always_inline]] inline void price(Fingering& f, int emptyFrets, const Reach& reach) {
    f.stretch = std::max(0, emptyFrets - std::max(0, 4 - f.fingers));
    f.stretchPastBarre = 0;
    if (reach.farStrings != 0 && f.indexBarFirst < kStringCount) [[unlikely]] {
        const bool pastTheTip = (reach.farStrings & below(f.indexBarFirst)) != 0;
        f.stretchPastBarre = pastTheTip ? reach.wideSpan : 0;
    }
    f.cost = kFinger * f.fingers + kFingerBeyondFour * std::max(0, f.fingers - 4) +
             kStretchFret * f.stretch + kFullBarre * f.fullBarres +
             kPartialBarre * f.partialBarres + kMutedUnderBarre * f.barredMuted +
             kBarreBeyondIndex * f.barresBeyondIndex + kStretchPastBarre * f.stretchPastBarre;
}

// The easiest way to hold the frets: the bars the fingering lays (`barres`, their first strings),
// and of the other groups of strings at one fret that a finger could lay across, those that make it
// easier. On a tie fingertips are kept.
[[gnu::always_inline]] inline Fingering
easiestFingering(const FretList& frets, unsigned muted, int fretted, const Reach& reach,
                 int emptyFrets, unsigned barres, unsigned repeatedFrets, unsigned tripledFrets) {
    // Strings are taken from the lowest up: a bar only reaches strings above its own, and it
    // ends where a lower fret or an open string lies, so no order of the frets is needed.
    Fingering marked;
    marked.fingers = fretted;
    unsigned taken = 0;
    for (unsigned rest = barres; rest != 0; rest &= rest - 1) {
        const int s = std::countr_zero(rest);
        if ((taken & (1U << s)) != 0) continue;
        const Bar bar = barFrom(frets, s, frets[s], taken);
        taken |= bar.held;
        if (stringsIn(bar.held) >= 2) layBar(marked, bar, muted, reach); // else a plain fingertip
    }
    price(marked, emptyFrets, reach);

    // Another bar needs a fret pressed on two strings. A bar over two strings saves one finger
    // and costs at least as much: it only helps where the finger it frees takes up a stretch,
    // or the hand has run out of fingers. Without either, only a bar over three strings or
    // more can help, and that needs a fret that three strings are pressed at. Such fret lists
    // are held as their barres ask, with a fingertip on every other string.
    const bool fingertipsSuffice = marked.stretch == 0 && marked.fingers <= 4;
    if (repeatedFrets == 0 || (fingertipsSuffice && tripledFrets == 0)) return marked;
    Fingering best = marked;

    // A bar needs a second string at its fret, above its first: only those strings are looked
    // at, lowest first, past those the fingering's own bars hold.
    unsigned repeatedStrings = 0;
    for (int s = 0; s + 1 < kStringCount; ++s) {
        const int v = frets[s];
        const bool repeated = v > 0 && v != kMuted && ((taken >> s) & 1U) == 0 &&
                              ((repeatedFrets >> (v & 31)) & 1U) != 0;
        repeatedStrings |= (repeated ? 1U : 0U) << s;
    }
    std::array<Bar, 3> optional{};
    int optionalCount = 0;
    for (unsigned rest = repeatedStrings; rest != 0; rest &= rest - 1) {
        const int s = std::countr_zero(rest);
        if ((taken & (1U << s)) != 0) continue;
        const Bar bar = barFrom(frets, s, frets[s], taken);
        if (stringsIn(bar.held) < 2) continue;
        optional[optionalCount++] = bar;
        taken |= bar.held;
    }

    if (fingertipsSuffice) {
        int kept = 0;
        for (int i = 0; i < optionalCount; ++i)
            if (stringsIn(optional[i].held) > 2) optional[kept++] = optional[i];
        optionalCount = kept;
    }
    for (unsigned chosen = 1; chosen < (1U << optionalCount); ++chosen) {
        Fingering f = marked;
        for (int i = 0; i < optionalCount; ++i)
            if ((chosen & (1U << i)) != 0) layBar(f, optional[i], muted, reach);
        price(f, emptyFrets, reach);
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

// What one string's fret tells, as sets: bit s of the first two groups of six says that
// string s is muted or open; then the chord's interval that it sounds (bit 18 + the interval);
// above bit 32 the fret it presses (bit 32 + the fret), open and muted strings pressing none.
using StringFact = HandModel::StringFact;
constexpr int kOpenShift = 6;
constexpr int kIntervalShift = 18;
constexpr int kFretShift = 32;

// String s at `fret` (not muted), sounding the chord's `interval`.
constexpr StringFact soundingFact(int s, int fret, int interval) {
    StringFact fact = StringFact{1} << (kIntervalShift + interval);
    if (fret == 0) fact |= StringFact{1} << (kOpenShift + s);
    if (fret != 0) fact |= StringFact{1} << (kFretShift + (fret & 31));
    return fact;
}

StringFact factOf(const HandContext& context, int s, int fret) {
    if (fret == kMuted) return StringFact{1} << s;
    return soundingFact(s, fret,
                        kOctave[(context.stringNote[s] + fret + 24 - context.rootNote % 12) & 127]);
}

// A fret beyond the table's, which no search gives: kept out of the hot loop.
[[gnu::noinline, gnu::cold]] StringFact factOutsideTable(const HandContext& context, int s,
                                                         int fret) {
    return factOf(context, s, fret);
}

// The model's whole reading of a fret list, the facts of its strings coming from `factAt`.
template <typename FactAt>
Playability assessWith(const Fretting& fingering, const HandContext& context, FactAt factAt) {
    const FretList& frets = fingering.frets();
    Playability p;
    // One walk over the strings gathers them as sets: muted and open strings, the
    // chord's intervals that sound, and the frets pressed once, twice and three times.
    StringFact facts = 0;
    unsigned fretsPressed = 0;
    unsigned repeatedFrets = 0;
    unsigned tripledFrets = 0;
    for (int s = 0; s < kStringCount; ++s) {
        const StringFact fact = factAt(s, frets[s]);
        facts |= fact;
        const auto bit = static_cast<unsigned>(fact >> kFretShift);
        tripledFrets |= repeatedFrets & bit;
        repeatedFrets |= fretsPressed & bit;
        fretsPressed |= bit;
    }
    const auto muted = static_cast<unsigned>(facts & 63);
    const auto open = static_cast<unsigned>((facts >> kOpenShift) & 63);
    const auto sounding = static_cast<unsigned>((facts >> kIntervalShift) & 0xFFF);
    const int lowest = fretsPressed == 0 ? 0 : std::countr_zero(fretsPressed);
    const int highest = fretsPressed == 0 ? 0 : 31 - std::countl_zero(fretsPressed);
    const int fretted = kStringCount - stringsIn(muted) - stringsIn(open);

    p.span = fretted == 0 ? 0 : highest - lowest + 1;
    const int emptyFrets = std::max(0, p.span - membersOf(fretsPressed));
    // The far end of a full stretch matters only to a bar, which needs a fret pressed twice.
    Reach reach{lowest, std::max(0, p.span - 3), 0};
    if (p.span >= kFullStretchSpan && repeatedFrets != 0) {
        for (int s = 0; s < kStringCount; ++s)
            reach.farStrings |= (frets[s] == highest ? 1U : 0U) << s;
    }
    const Fingering hold = easiestFingering(frets, muted, fretted, reach, emptyFrets,
                                            fingering.barres(), repeatedFrets, tripledFrets);
    p.fingers = hold.fingers;
    p.stretch = hold.stretch;
    p.fullBarres = hold.fullBarres;
    p.partialBarres = hold.partialBarres;
    p.barredMuted = hold.barredMuted;
    p.barreFret = hold.barreFret;
    p.barresBeyondIndex = hold.barresBeyondIndex;
    p.stretchPastBarre = hold.stretchPastBarre;

    p.position = lowest;
    p.lowPosition = highest <= kLowPositionTop;
    p.openStrings = stringsIn(open);
    p.mutedStrings = stringsIn(muted);
    const std::uint32_t strum = kStrumFacts[facts & 0xFFF];
    p.archedFingers = strumCount(strum, kArchedField);
    p.mutedInside = strumCount(strum, kInsideField);
    p.mutedAbove = strumCount(strum, kAboveField);
    p.mutedOutOfReach = strumCount(strum, kOutOfReachField);
    // In a full stretch every finger stands on its tip and leans on no string inside.
    p.mutedUndamped = strumCount(strum, kUndampedField) +
                      (p.span >= kFullStretchSpan ? strumCount(strum, kLeanedInsideField) : 0);
    if (const int first = strumCount(strum, kFirstField); first < kStringCount) {
        p.bassPitch = kOctave[(context.stringNote[first] + frets[first]) & 127];
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
             kMutedAbove * p.mutedAbove + kMutedUndamped * p.mutedUndamped +
             kMutedOutOfReach * p.mutedOutOfReach;
    if (!p.bassAsAsked) score += kWrongBass;
    const int leftOut = membersOf(p.leftOut);
    const int fifthLeftOut = (p.leftOut >> 7) & 1U;
    score += kLeftOutFifth * fifthLeftOut + kLeftOutTone * (leftOut - fifthLeftOut);
    p.score = score;
    return p;
}

} // namespace

Playability assessPlayability(const Fretting& fingering, const HandContext& context) {
    return assessWith(fingering, context,
                      [&context](int s, int fret) { return factOf(context, s, fret); });
}

HandModel::HandModel(const HandContext& context) : context_(context) {
    // Fret by fret up each string, the interval it sounds climbing a semitone at a time.
    for (int s = 0; s < kStringCount; ++s) {
        int interval = kOctave[(context.stringNote[s] + 24 - context.rootNote % 12) & 127];
        for (int fret = 0; fret <= kTabledFret; ++fret) {
            facts_[s][fret] = soundingFact(s, fret, interval);
            interval = interval == 11 ? 0 : interval + 1;
        }
        facts_[s][kMutedFact] = factOf(context, s, kMuted);
    }
}

StringFact HandModel::factAt(int s, int fret) const {
    if (fret == kMuted) return facts_[s][kMutedFact];
    const auto i = static_cast<unsigned>(fret);
    if (i < kMutedFact) [[likely]]
        return facts_[s][i];
    return factOutsideTable(context_, s, fret);
}

Playability HandModel::assess(const Fretting& fingering) const {
    return assessWith(fingering, context_, [this](int s, int fret) { return factAt(s, fret); });
}

int HandModel::score(const Fretting& fingering) const {
    // The same reading, inlined here so that the parts only the explanation needs are not kept.
    return assessWith(fingering, context_, [this](int s, int fret) { return factAt(s, fret); })
        .score;
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
        if (p.barresBeyondIndex > 0)
            text += " (" + std::to_string(p.barresBeyondIndex) + " beyond the index)";
    }
    if (p.stretch > 0) text += ", stretch " + counted(p.stretch, "fret", "frets");
    if (p.stretchPastBarre > 0)
        text += ", reach past the barre " + counted(p.stretchPastBarre, "fret", "frets");
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
        add(p.mutedOutOfReach, "out of reach");
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
    if (scores.empty()) return order;
    const auto [low, high] = std::minmax_element(scores.begin(), scores.end());
    const long long range = static_cast<long long>(*high) - *low;
    // The model's scores of one search lie a few hundred steps apart: counted, then each entry
    // placed after all the easier ones and the equal ones before it.
    constexpr unsigned kMostSteps = 4096;
    auto step = [low = *low](int score) { return static_cast<unsigned>(score - low) / kScoreStep; };
    if (range < static_cast<long long>(kMostSteps) * kScoreStep &&
        std::all_of(scores.begin(), scores.end(), [low = *low](int score) {
            return static_cast<unsigned>(score - low) % kScoreStep == 0;
        })) {
        const unsigned steps = step(*high) + 1;
        std::array<std::uint32_t, kMostSteps + 1> start; // on the stack: asked for often
        std::fill_n(start.begin(), steps + 1, 0U);
        for (int score : scores) ++start[step(score) + 1];
        for (unsigned d = 1; d <= steps; ++d) start[d] += start[d - 1];
        for (std::size_t i = 0; i < scores.size(); ++i) order[start[step(scores[i])]++] = i;
        return order;
    }
    // Each entry as one number, its score above its index, so that a plain sort of numbers
    // keeps the given order among equal scores.
    std::vector<std::uint64_t> keys(scores.size());
    for (std::size_t i = 0; i < scores.size(); ++i) {
        const auto score = static_cast<std::uint32_t>(scores[i]) ^ 0x80000000U; // signed order
        keys[i] = (std::uint64_t{score} << 32) | i;
    }
    std::sort(keys.begin(), keys.end());
    for (std::size_t k = 0; k < keys.size(); ++k) order[k] = keys[k] & 0xFFFFFFFFU;
    return order;
}

} // namespace tambrel
