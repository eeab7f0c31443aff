#include "display/diagram_svg.h"

#include "display/chord_diagram.h"
#include "display/neck_view.h"
#include "display/results_layout.h"
#include "display/sheet_layout.h"
#include "display/svg_painter.h"

namespace tambrel {

std::string chordDiagramSvg(const Fretting& frets, DotLabels labels, const DiagramNotes& notes,
                            bool leftHanded, DiagramStyle style) {
    SvgPainter painter;
    painter.fillRect(0, 0, kCellWidth, kCellHeight, {255, 255, 255, 255});
    drawChordDiagram(painter, frets, 0, 0, style, leftHanded, labels, notes);
    return painter.document(kCellWidth, kCellHeight, sheetFretText(frets),
                            "A chord diagram drawn by Tambrel");
}

std::string neckSvg(const Fretting& frets, bool electric) {
    SvgPainter painter;
    showOnNeck(painter, frets, electric);
    const ArtPicture& neck =
        artworkPicture(electric ? Artwork::Image5 : Artwork::ImageBracoEletrico);
    return painter.document(neck.width, neck.height, sheetFretText(frets),
                            "A fingering on the neck, drawn by Tambrel");
}

std::string bareNeckSvg(bool electric) {
    SvgPainter painter;
    const Artwork picture = electric ? Artwork::Image5 : Artwork::ImageBracoEletrico;
    painter.drawArtwork(picture, 0, 0);
    const ArtPicture& neck = artworkPicture(picture);
    return painter.document(neck.width, neck.height, "", "The neck, drawn by Tambrel");
}

} // namespace tambrel
