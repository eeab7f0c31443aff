#pragma once
// A song as a lead sheet in MusicXML 4.0 (score-partwise), for notation programs: one part on a
// treble staff in 4/4, a measure for each bar of the song (each chord its own bar when the song
// has no bar lines), each chord a harmony with its fingering's frame, the capo in the staff's
// details. The staff itself holds rests: the song is its chords, and a measure's chords share
// it evenly, so that each harmony stands where its chord begins.
#include "window/song.h"

#include <string>

namespace tambrel {

// The most chords a measure holds, each on a sixteenth at least; a bar with more goes on over
// as many measures as it needs.
constexpr int kChordsPerMeasure = 16;

// The document of the song as it is arranged: its chords as they sound (transposed), their
// chosen fingerings counted from the arrangement's capo. An empty song is one measure's rest.
std::string musicXmlOf(const Song& song);

} // namespace tambrel
