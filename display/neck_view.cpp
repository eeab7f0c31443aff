#include "display/neck_view.h"

#include "display/fingering.h"

#include <algorithm>

namespace tambrel {

namespace {

constexpr std::array<Artwork, 4> kFingerBalls{Artwork::d1, Artwork::d2, Artwork::d3, Artwork::d4};
constexpr int kStringPitch = 14; // rows of the marks, highest string at the top

int rowOf(int s) {
    return (kStringCount - 1 - s) * kStringPitch;
}

} // namespace

const std::array<int, 26>& neckFretX() {
    static constexpr std::array<int, 26> kX{10,  50,  93,  134, 171, 206, 239, 270, 298,
                                            325, 350, 373, 396, 419, 439, 460, 481, 501,
                                            521, 541, 559, 576, 591, 604, 618, 628};
    return kX;
}

void showOnNeck(DiagramPainter& painter, const Fretting& frets, bool electric) {
    painter.drawArtwork(electric ? Artwork::Image5 : Artwork::ImageBracoEletrico, 0, 0);

    for (int s = kStringCount - 1; s >= 0; --s)
        if (frets.fret(s) == 0) painter.drawArtwork(Artwork::d0, 0, rowOf(s));

    // The neck shows every fret at its place: no base fret, and a barre's number on every
    // string it crosses.
    const auto& fretX = neckFretX();
    const Fingering fingering = fingeringOf(frets);
    for (int i = 0; i < fingering.placementCount; ++i) {
        const FingerPlacement& p = fingering.placements[i];
        // Frets beyond the picture have no place to be drawn; a fifth finger has no ball.
        if (p.finger > 4 || p.fret >= static_cast<int>(fretX.size())) continue;
        for (int k = 0; k < p.stringCount; ++k)
            painter.drawArtwork(kFingerBalls[p.finger - 1], fretX[p.fret] - 10,
                                rowOf(p.strings[k]));
    }
}

std::optional<NeckSpot> neckSpotAt(int x, int y) {
    constexpr int kWidth = 625;
    constexpr int kHeight = 85;
    if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) return std::nullopt;
    NeckSpot spot;
    spot.string = kStringCount - 1 - std::min(kStringCount - 1, y / kStringPitch);
    if (x < neckFretX()[0]) return spot; // the nut
    // A mark of fret f spans neckFretX()[f] - 10 to neckFretX()[f] + 3.
    for (int f = 1; f <= 24; ++f) {
        if (x < neckFretX()[f] + 4) {
            spot.fret = f;
            return spot;
        }
    }
    spot.fret = 24;
    return spot;
}

} // namespace tambrel
