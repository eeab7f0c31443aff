#include "neck_view.h"

#include <cstdlib>

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

void showOnNeck(DiagramPainter& painter, const FretList& frets, bool electric) {
    painter.drawArtwork(electric ? Artwork::Image5 : Artwork::ImageBracoEletrico, 0, 0);

    // The neck shows every fret, so the range is simply the lowest and highest fretted note.
    int low = 100;
    int high = 0;
    for (int s = 0; s < kStringCount; ++s) {
        if (frets[s] == kMuted) continue;
        const int a = std::abs(frets[s]);
        if (a != 0 && a < low) low = a;
        if (a > high) high = a;
    }

    for (int s = kStringCount - 1; s >= 0; --s)
        if (frets[s] == 0) painter.drawArtwork(Artwork::d0, 0, rowOf(s));

    const auto& fretX = neckFretX();
    const auto drawFinger = [&](int finger, int fret, int s) {
        // Frets beyond the picture have no place to be drawn.
        if (finger > 4 || fret >= static_cast<int>(fretX.size())) return;
        painter.drawArtwork(kFingerBalls[finger - 1], fretX[fret] - 10, rowOf(s));
    };

    int finger = 0;
    std::array<bool, kStringCount> covered{};
    for (int j = low; j <= high; ++j) {
        for (int s = 0; s < kStringCount; ++s) {
            if (covered[s]) continue;
            if (frets[s] == j) {
                drawFinger(++finger, j, s);
            } else if (frets[s] == -j) {
                ++finger;
                for (int t = s; t < kStringCount; ++t) {
                    const int a = std::abs(frets[t]);
                    if (covered[t] || (a < j && frets[t] != kMuted)) break;
                    drawFinger(finger, j, t);
                    if (a == j) covered[t] = true;
                }
            }
        }
    }
}

} // namespace tambrel
