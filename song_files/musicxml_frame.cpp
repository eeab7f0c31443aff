#include "song_files/musicxml_frame.h"

#include "display/fingering.h"

#include <algorithm>
#include <array>

namespace tambrel {

ChordFrame frameOf(const Fretting& fretting) {
    const Fingering held = fingeringOf(fretting);
    ChordFrame frame;
    frame.strings = kStringCount;
    frame.firstFret = held.baseFret;
    frame.frets = std::max(kDiagramFrets, held.highestFret - held.baseFret + 1);

    // Each fretted string's finger: the placement at its own fret, a barre's or its own.
    std::array<int, kStringCount> finger{};
    std::array<FrameNote::Barre, kStringCount> barre{};
    for (int p = 0; p < held.placementCount; ++p) {
        const FingerPlacement& placement = held.placements[p];
        int lowest = -1;
        int highest = -1;
        for (int i = 0; i < placement.stringCount; ++i) {
            const int s = placement.strings[i];
            if (fretting.muted(s) || fretting.fret(s) != placement.fret) continue;
            finger[s] = placement.finger;
            lowest = lowest < 0 ? s : std::min(lowest, s);
            highest = std::max(highest, s);
        }
        if (placement.barre && lowest >= 0 && highest != lowest) {
            barre[lowest] = FrameNote::Barre::Start;
            barre[highest] = FrameNote::Barre::Stop;
        }
    }
    for (int s = 0; s < kStringCount; ++s) {
        if (fretting.muted(s)) continue;
        const int fret = fretting.fret(s);
        const bool marked = fret > 0 && finger[s] >= 1 && finger[s] <= 4;
        frame.notes.push_back({kStringCount - s, fret, marked ? finger[s] : 0, barre[s]});
    }
    return frame;
}

} // namespace tambrel
