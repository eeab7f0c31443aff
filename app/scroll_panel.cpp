#include "app/scroll_panel.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>

namespace tambrel {

namespace {

// Room for the scroll bar's arrows and some of its track.
constexpr int kNarrowest = 120;

} // namespace

SideScrollPanel::SideScrollPanel(QWidget* content, QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidget(content);
    // The window's face shows through, as around the content before.
    viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
}

QSize SideScrollPanel::contentMinimum() const {
    return widget()->minimumSizeHint().expandedTo(widget()->minimumSize());
}

QSize SideScrollPanel::sizeHint() const {
    return widget()->sizeHint().expandedTo(contentMinimum());
}

QSize SideScrollPanel::minimumSizeHint() const {
    const QSize content = contentMinimum();
    const int bar = scrolls_ ? horizontalScrollBar()->sizeHint().height() : 0;
    return {std::min(content.width(), kNarrowest), content.height() + bar};
}

void SideScrollPanel::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    const bool scrolls = event->size().width() < contentMinimum().width();
    if (scrolls != scrolls_) {
        scrolls_ = scrolls;
        updateGeometry(); // the splitter above gives or takes back the bar's height
    }
}

} // namespace tambrel
