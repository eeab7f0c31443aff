#pragma once
// The parts a tone plays in a chord, read from its interval list: which tones are the fifth,
// the third, the extensions, which of them guitarists commonly leave out, and what a fingering
// leaves out.
#include "music/fretboard.h"
#include "music/fretting.h"
#include "search/chord_query.h"

#include <string>
#include <vector>

namespace tambrel {

// A set of intervals above the root, 0..11 semitones: bit i stands for i semitones.
using IntervalSet = unsigned;

// The intervals of an interval list ("00 04 07 10"), each reduced to an octave. Throws
// InvalidIntegerError on a malformed list.
IntervalSet intervalSetOf(const std::string& intervals);

// The intervals of a query's chord above its root, each reduced to an octave.
IntervalSet intervalSetOf(const ChordQuery& query);

// The query without the chord tones of `leave`, its other tones in their order; the root
// always stays.
ChordQuery withoutTones(const ChordQuery& query, IntervalSet leave);

// The interval list without the tones of `leave`, its other fields as they were; the root's
// field always stays. Throws InvalidIntegerError on a malformed list.
std::string intervalsWithout(const std::string& intervals, IntervalSet leave);

// The tones that may be left out, as sets of intervals, one set for each search beside the
// full one, fewest tones first. In any chord of four or more notes the perfect fifth; in an
// eleventh chord also the ninth or a major third under a natural eleventh (not both); in a
// thirteenth chord also the ninth and the natural eleventh. A tone counts as an extension
// only beside a seventh and where it can be nothing else: 5 semitones is an eleventh beside a
// third (else a suspended fourth), 6 beside a perfect fifth (else a flat fifth), 9 a
// thirteenth (else a sixth). Altered tones characterise the chord and stay.
std::vector<IntervalSet> commonOmissions(IntervalSet chord);

// The name of the tone `interval` semitones above the root in the chord: "fifth", "ninth".
std::string toneRoleName(int interval, IntervalSet chord);

// What a voicing leaves out, in words: "no fifth", "no fifth, no ninth"; empty when nothing.
std::string leftOutText(IntervalSet leftOut, IntervalSet chord);

// The chord's tones that do not sound anywhere in a fret list under a tuning.
IntervalSet leftOutTones(const Fretting& frets, IntervalSet chord, int rootNote,
                         const StringNotes& stringNote);

} // namespace tambrel
