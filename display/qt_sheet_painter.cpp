#include "display/qt_sheet_painter.h"

#include <QFontMetrics>
#include <QPainter>

namespace tambrel {

QtSheetPainter::QtSheetPainter(QPainter& painter, ArtworkDrawing drawing)
    : painter_(painter), diagrams_(painter, drawing), captionFont_(captionFont()) {}

QFont QtSheetPainter::captionFont() {
    QFont font = QtDiagramPainter::textFont();
    font.setPixelSize(12);
    font.setBold(true);
    return font;
}

QString QtSheetPainter::fittedCaption(const std::string& text, int width) {
    static const QFontMetrics metrics(captionFont());
    return metrics.elidedText(QString::fromStdString(text), Qt::ElideRight, width);
}

void QtSheetPainter::drawArtwork(Artwork artwork, int x, int y) {
    diagrams_.drawArtwork(artwork, x, y);
}

void QtSheetPainter::drawText(const std::string& text, int x, int y) {
    diagrams_.drawText(text, x, y);
}

void QtSheetPainter::drawTextLeftOf(const std::string& text, int x, int y, int right) {
    diagrams_.drawTextLeftOf(text, x, y, right);
}

void QtSheetPainter::drawLabelledMark(const std::string& label, int x, int y) {
    diagrams_.drawLabelledMark(label, x, y);
}

void QtSheetPainter::drawStringCaption(const std::string& label, int x, int y) {
    diagrams_.drawStringCaption(label, x, y);
}

void QtSheetPainter::drawCaption(const std::string& text, int left, int top, int width) {
    if (text.empty()) return;
    painter_.setFont(captionFont_);
    painter_.setPen(Qt::black);
    painter_.drawText(QRect(left, top, width, kSheetNameBand), Qt::AlignCenter,
                      fittedCaption(text, width));
}

} // namespace tambrel
