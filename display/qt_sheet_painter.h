#pragma once
// SheetPainter on a QPainter: the diagrams as the canvas paints them, and their names.
#include <QFont>

#include "display/qt_diagram_painter.h"
#include "display/sheet_layout.h"

namespace tambrel {

class QtSheetPainter : public SheetPainter {
  public:
    QtSheetPainter(QPainter& painter, ArtworkDrawing drawing);

    void drawArtwork(Artwork artwork, int x, int y) override;
    void drawText(const std::string& text, int x, int y) override;
    void drawTextLeftOf(const std::string& text, int x, int y, int right) override;
    void drawLabelledMark(const std::string& label, int x, int y) override;
    void drawStringCaption(const std::string& label, int x, int y) override;
    void drawCaption(const std::string& text, int left, int top, int width) override;

    // The font of the diagrams' names, in sheet units.
    static QFont captionFont();
    // `text` shortened with an ellipsis to `width` sheet units in that font.
    static QString fittedCaption(const std::string& text, int width);

  private:
    QPainter& painter_;
    QtDiagramPainter diagrams_;
    QFont captionFont_;
};

} // namespace tambrel
