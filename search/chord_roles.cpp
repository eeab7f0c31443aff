#include "search/chord_roles.h"

#include "search/voicing_search.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace tambrel {

namespace {

constexpr IntervalSet bit(int interval) {
    return 1U << interval;
}

constexpr bool has(IntervalSet set, int interval) {
    return (set & bit(interval)) != 0;
}

constexpr int reduced(int interval) {
    return (interval % 12 + 12) % 12;
}

// The two-character fields of an interval list, read where the search reads them.
std::vector<std::string> intervalFields(const std::string& intervals) {
    std::vector<std::string> fields;
    for (std::size_t position = 0; intervals.size() >= position; position += 3)
        fields.push_back(intervals.substr(position, 2));
    return fields;
}

bool hasSeventh(IntervalSet chord) {
    return has(chord, 10) || has(chord, 11);
}

bool hasThird(IntervalSet chord) {
    return has(chord, 3) || has(chord, 4);
}

// A natural eleventh beside a third, or a sharp eleventh beside the perfect fifth (without
// it, six semitones are the chord's flat fifth).
bool hasEleventh(IntervalSet chord) {
    return hasSeventh(chord) && hasThird(chord) &&
           (has(chord, 5) || (has(chord, 6) && has(chord, 7)));
}

bool hasThirteenth(IntervalSet chord) {
    return hasSeventh(chord) && has(chord, 9);
}

} // namespace

std::string intervalsWithout(const std::string& intervals, IntervalSet leave) {
    std::string kept;
    const std::vector<std::string> fields = intervalFields(intervals);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0 && has(leave, reduced(readInteger(fields[i])))) continue;
        if (!kept.empty()) kept += ' ';
        kept += fields[i];
    }
    return kept;
}

IntervalSet intervalSetOf(const std::string& intervals) {
    IntervalSet set = 0;
    for (int interval : readIntervalList(intervals)) set |= bit(reduced(interval));
    return set;
}

IntervalSet intervalSetOf(const ChordQuery& query) {
    IntervalSet set = 0;
    for (int tone : query.tones) set |= bit(reduced(tone - query.inputs.rootNote));
    return set;
}

ChordQuery withoutTones(const ChordQuery& query, IntervalSet leave) {
    ChordQuery kept = query;
    kept.tones.clear();
    for (std::size_t i = 0; i < query.tones.size(); ++i) {
        if (i > 0 && has(leave, reduced(query.tones[i] - query.inputs.rootNote))) continue;
        kept.tones.push_back(query.tones[i]);
    }
    return kept;
}

std::vector<IntervalSet> commonOmissions(IntervalSet chord) {
    std::vector<IntervalSet> sets;
    if (std::popcount(chord) < 4) return sets;
    // The perfect fifth adds least to a chord's colour; an altered fifth is what the chord is
    // made of and stays.
    IntervalSet optional = chord & bit(7);
    IntervalSet oneOf = 0; // at most one of these goes
    if (hasThirteenth(chord)) {
        // The ninth and the natural eleventh lie between the chord and its thirteenth; the
        // eleventh also rubs against a major third.
        optional |= chord & (bit(2) | bit(5));
    } else if (hasEleventh(chord)) {
        // Six notes rarely fit: the ninth goes, or the major third, which a natural eleventh
        // rubs against (a minor third or a sharp eleventh sits well and stays).
        oneOf = chord & bit(2);
        if (has(chord, 4) && has(chord, 5)) oneOf |= bit(4);
        optional |= oneOf;
    }
    for (IntervalSet set = optional; set != 0; set = (set - 1) & optional)
        if (std::popcount(set & oneOf) < 2) sets.push_back(set);
    // Fewest tones left out first, the fifth before the others.
    std::sort(sets.begin(), sets.end(), [](IntervalSet a, IntervalSet b) {
        const int na = std::popcount(a);
        const int nb = std::popcount(b);
        if (na != nb) return na < nb;
        if (has(a, 7) != has(b, 7)) return has(a, 7);
        return a < b;
    });
    return sets;
}

std::string toneRoleName(int interval, IntervalSet chord) {
    switch (reduced(interval)) {
    case 0:
        return "root";
    case 1:
        return "flat ninth";
    case 2:
        return "ninth";
    case 3:
        return has(chord, 4) ? "sharp ninth" : "third";
    case 4:
        return "third";
    case 5:
        return hasEleventh(chord) ? "eleventh" : "fourth";
    case 6:
        return has(chord, 7) ? "sharp eleventh" : "fifth";
    case 7:
        return "fifth";
    case 8:
        return has(chord, 7) ? "flat thirteenth" : "fifth";
    case 9:
        if (hasThirteenth(chord)) return "thirteenth";
        return has(chord, 3) && has(chord, 6) ? "seventh" : "sixth";
    default:
        return "seventh";
    }
}

std::string leftOutText(IntervalSet leftOut, IntervalSet chord) {
    std::string text;
    for (int interval = 0; interval < 12; ++interval) {
        if (!has(leftOut, interval)) continue;
        if (!text.empty()) text += ", ";
        text += "no " + toneRoleName(interval, chord);
    }
    return text;
}

IntervalSet leftOutTones(const Fretting& frets, IntervalSet chord, int rootNote,
                         const StringNotes& stringNote) {
    IntervalSet sounding = 0;
    for (int s = 0; s < kStringCount; ++s) {
        if (frets.muted(s)) continue;
        sounding |= bit(reduced(stringNote[s] + frets.fret(s) - rootNote));
    }
    return chord & ~sounding;
}

} // namespace tambrel
