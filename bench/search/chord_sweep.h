#pragma once
// The sweep the voicing search is timed by: every chord type on every root at the widest
// limits. Shared by the search's benchmarks and the plain sweep that runs natively and as
// WebAssembly, so that both time the same work.
#include "music/chord_vocabulary.h"
#include "search/voicing_search.h"

#include <cstddef>

namespace tambrel {

// The widest limits the window offers: up to fret 24, a distance of 5.
inline SearchInputs widestSearchInputs(int root) {
    SearchInputs in;
    in.rootNote = root;
    in.bassNote = root;
    in.maxFret = 24;
    in.distance = 5;
    return in;
}

// All 420 chords (35 chord types on 12 roots) searched once; the voicings found in all.
inline std::size_t sweepEveryChordType() {
    std::size_t voicings = 0;
    for (int root = 0; root < 12; ++root) {
        for (const ChordType& type : chordTypeTable()) {
            const auto result = findVoicings(buildSearchRequest(type.intervals, root, root),
                                             widestSearchInputs(root));
            voicings += result.voicingList.size();
        }
    }
    return voicings;
}

} // namespace tambrel
