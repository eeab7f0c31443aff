#include "chord_diagram.h"

#include <array>
#include <cstdlib>
#include <string>

namespace tambrel {

namespace {

constexpr std::array<Artwork, 4> kFingerMarks{Artwork::dedo1, Artwork::dedo2, Artwork::dedo3,
                                              Artwork::dedo4};
constexpr int kFretsShown = 5;
constexpr int kMarkRowOffset = 91; // the open/muted marks stand below the grid
constexpr int kRowHeight = 16;     // distance between two fret lines of the grid

} // namespace

void drawChordDiagram(DiagramPainter& painter, const FretList& frets, int top, int left,
                      DiagramStyle style, bool leftHanded) {
    const auto column = [leftHanded](int s) { return leftHanded ? kStringCount - 1 - s : s; };
    const auto markX = [&](int s) { return left + 21 + 11 * column(s); };

    // One mark per string below the grid; the filled dot goes to the lowest sounding string.
    int base = 100;
    int highest = 0;
    bool soundingSeen = false;
    for (int s = 0; s < kStringCount; ++s) {
        if (frets[s] == kMuted) {
            painter.drawArtwork(Artwork::x, markX(s), top + kMarkRowOffset);
            continue;
        }
        const int a = std::abs(frets[s]);
        if (a != 0 && a < base) base = a;
        if (a > highest) highest = a;
        painter.drawArtwork(soundingSeen ? Artwork::omin2 : Artwork::omin1, markX(s),
                            top + kMarkRowOffset);
        soundingSeen = true;
    }
    // Shapes that fit below the fifth fret are shown from the nut.
    if (highest <= kFretsShown) base = 1;

    painter.drawArtwork(style == DiagramStyle::Highlighted ? Artwork::braco2 : Artwork::braco,
                        left + 24, top + 3);
    painter.drawText(std::to_string(base), left + 10, top + 3);

    // Fingers are numbered in order of fret, then of string; a barre takes one number.
    int finger = 0;
    std::array<bool, kStringCount> covered{};
    for (int j = base; j < base + kFretsShown; ++j) {
        const int y = top + 11 + kRowHeight * (j - base);
        for (int s = 0; s < kStringCount; ++s) {
            if (covered[s]) continue;
            if (frets[s] == j) {
                ++finger;
                if (finger <= 4) painter.drawArtwork(kFingerMarks[finger - 1], markX(s), y);
            } else if (frets[s] == -j) {
                ++finger;
                // The bar runs towards the higher strings until an open or lower-fretted
                // string (or one already held down) ends it; muted and higher-fretted
                // strings lie under it.
                for (int t = s; t < kStringCount; ++t) {
                    const int a = std::abs(frets[t]);
                    if (covered[t] || (a < j && frets[t] != kMuted)) break;
                    painter.drawArtwork(Artwork::dedo6, left + 18 + 11 * column(t), y);
                    if (a == j) covered[t] = true;
                }
            }
        }
    }
}

} // namespace tambrel
