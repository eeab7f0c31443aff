#include "display/neck_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

#include "assets/artwork.h"
#include "display/neck_view.h"
#include "display/qt_diagram_painter.h"

namespace tambrel {

NeckView::NeckView(QWidget* parent) : QWidget(parent) {
    setFixedSize(625, 89);
}

void NeckView::showNeck(bool electric, std::optional<Fretting> voicing) {
    if (electric == electric_ && voicing == voicing_) return;
    electric_ = electric;
    voicing_ = voicing;
    update();
}

void NeckView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QtDiagramPainter marks(painter);
    if (voicing_)
        showOnNeck(marks, *voicing_, electric_);
    else
        marks.drawArtwork(electric_ ? Artwork::Image5 : Artwork::ImageBracoEletrico, 0, 0);
}

void NeckView::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit released(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
    event->accept();
}

} // namespace tambrel
