#include "display/fingering.h"

namespace tambrel {

Fingering fingeringOf(const Fretting& fretting) {
    const FretList& frets = fretting.frets();
    Fingering f;
    bool soundingSeen = false;
    for (int s = 0; s < kStringCount; ++s) {
        if (frets[s] == kMuted) {
            f.marks[s] = StringMark::Muted;
            continue;
        }
        f.marks[s] = soundingSeen ? StringMark::Sounding : StringMark::Lowest;
        soundingSeen = true;
        const int a = frets[s];
        if (a != 0 && a < f.lowestFret) f.lowestFret = a;
        if (a > f.highestFret) f.highestFret = a;
    }
    f.baseFret = f.highestFret <= kDiagramFrets ? 1 : f.lowestFret;

    // Fingers are numbered in order of fret, then of string; a barre takes one number.
    int finger = 0;
    std::array<bool, kStringCount> covered{};
    for (int j = f.lowestFret; j <= f.highestFret; ++j) {
        for (int s = 0; s < kStringCount; ++s) {
            if (covered[s] || frets[s] != j) continue;
            FingerPlacement& p = f.placements[f.placementCount++];
            p.fret = j;
            p.finger = ++finger;
            p.barre = fretting.beginsBarre(s);
            if (!p.barre) {
                p.strings[p.stringCount++] = s;
                continue;
            }
            // The bar runs towards the higher strings until an open or lower-fretted string,
            // or one already held down, ends it.
            for (int t = s; t < kStringCount; ++t) {
                const int a = frets[t];
                if (covered[t] || (a < j && frets[t] != kMuted)) break;
                p.strings[p.stringCount++] = t;
                if (a == j) covered[t] = true;
            }
        }
    }
    return f;
}

} // namespace tambrel
