#include "display/chord_diagram.h"

#include "display/fingering.h"

#include <array>
#include <string>

namespace tambrel {

namespace {

constexpr std::array<Artwork, 4> kFingerMarks{Artwork::dedo1, Artwork::dedo2, Artwork::dedo3,
                                              Artwork::dedo4};
constexpr int kMarkRowOffset = 91; // the open/muted marks stand below the grid
constexpr int kRowHeight = 16;     // distance between two fret lines of the grid
constexpr int kBarLeft = 18;       // where a barre bar starts in the cell, left of every mark

Artwork markArtwork(StringMark mark) {
    switch (mark) {
    case StringMark::Muted:
        return Artwork::x;
    case StringMark::Lowest:
        return Artwork::omin1;
    case StringMark::Sounding:
        break;
    }
    return Artwork::omin2;
}

} // namespace

void drawChordDiagram(DiagramPainter& painter, const Fretting& frets, int top, int left,
                      DiagramStyle style, bool leftHanded) {
    drawChordDiagram(painter, frets, top, left, style, leftHanded, DotLabels::Fingers, {});
}

void drawChordDiagram(DiagramPainter& painter, const Fretting& frets, int top, int left,
                      DiagramStyle style, bool leftHanded, DotLabels labels,
                      const DiagramNotes& notes) {
    const Fingering fingering = fingeringOf(frets);
    const auto column = [leftHanded](int s) { return diagramColumn(s, leftHanded); };
    const auto markX = [&](int s) { return left + 21 + 11 * column(s); };
    const bool numbered = labels == DotLabels::Fingers;

    // One mark per string below the grid; the filled dot goes to the lowest sounding string.
    for (int s = 0; s < kStringCount; ++s)
        painter.drawArtwork(markArtwork(fingering.marks[s]), markX(s), top + kMarkRowOffset);

    painter.drawArtwork(style == DiagramStyle::Highlighted ? Artwork::braco2 : Artwork::braco,
                        left + 24, top + 3);
    const int base = fingering.baseFret;
    // Clear of the first string's bars and finger marks: a two-digit number moves left rather
    // than run under them.
    painter.drawTextLeftOf(std::to_string(base), left + 10, top + 3, left + kBarLeft);

    for (int i = 0; i < fingering.placementCount; ++i) {
        const FingerPlacement& p = fingering.placements[i];
        if (p.fret >= base + kDiagramFrets) break; // the search never lists such a voicing
        const int y = top + 11 + kRowHeight * (p.fret - base);
        if (!p.barre) {
            if (!numbered)
                painter.drawLabelledMark(dotLabel(labels, notes, p.strings[0], p.fret),
                                         markX(p.strings[0]), y);
            else if (p.finger <= 4)
                painter.drawArtwork(kFingerMarks[p.finger - 1], markX(p.strings[0]), y);
            continue;
        }
        // A barre is a bar without a number, across every string it lies on.
        for (int k = 0; k < p.stringCount; ++k)
            painter.drawArtwork(Artwork::dedo6, left + kBarLeft + 11 * column(p.strings[k]), y);
        if (numbered) continue;
        // Each string the bar holds down sounds its own note; the ones under the bar that are
        // muted or fretted higher do not sound here.
        for (int k = 0; k < p.stringCount; ++k) {
            const int t = p.strings[k];
            if (frets.fret(t) == p.fret)
                painter.drawLabelledMark(dotLabel(labels, notes, t, p.fret), markX(t), y);
        }
    }

    if (numbered) return;
    for (int s = 0; s < kStringCount; ++s)
        if (frets.fret(s) == 0)
            painter.drawStringCaption(dotLabel(labels, notes, s, 0), markX(s),
                                      top + kMarkRowOffset);
}

} // namespace tambrel
