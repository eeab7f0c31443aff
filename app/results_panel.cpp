#include "app/results_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/application.h"
#include "app/widget_helpers.h"
#include "display/results_canvas.h"
#include "display/results_layout.h"

namespace tambrel {

ResultsPanel::ResultsPanel(QObject* viewportWatcher) : panel_(new QWidget) {
    panel_->setObjectName(QStringLiteral("PanelScrollBox"));
    auto* scrollLayout = new QVBoxLayout(panel_);
    scrollLayout->setContentsMargins(6, 6, 6, 6);
    ScrollBoxViolao = new QScrollArea;
    ScrollBoxViolao->setObjectName(QStringLiteral("ScrollBoxViolao"));
    ScrollBoxViolao->setFrameStyle(QFrame::Box | QFrame::Plain);
    ScrollBoxViolao->setLineWidth(1);
    QPalette white = ScrollBoxViolao->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::WindowText, QColor(160, 160, 160)); // the flat border
    ScrollBoxViolao->setPalette(white);
    ScrollBoxViolao->setBackgroundRole(QPalette::Base);
    ScrollBoxViolao->setAutoFillBackground(true);
    ScrollBoxViolao->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Always shown, so that a growing list of diagrams cannot narrow the area it is laid
    // out for.
    ScrollBoxViolao->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ScrollBoxViolao->verticalScrollBar()->setSingleStep(20);
    ScrollBoxViolao->setWidgetResizable(false);
    ScrollBoxViolao->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBoxViolao->viewport()->installEventFilter(viewportWatcher);
    // The chord's plain name, where a user looks first.
    LabelPlainName = label("LabelPlainName", QString());
    LabelPlainName->setFont(interfaceFont(10, true));
    // Every diagram under a capo is counted from it: the caption says so beside the name, in
    // the same font, so that the row keeps its height.
    LabelCapoCaption = label("LabelCapoCaption", QString());
    LabelCapoCaption->setFont(interfaceFont(10, true));
    QPalette capoColour = LabelCapoCaption->palette();
    capoColour.setColor(QPalette::WindowText, QColor(160, 0, 0));
    LabelCapoCaption->setPalette(capoColour);
    auto* captions = new QHBoxLayout;
    captions->setContentsMargins(0, 0, 0, 0);
    captions->addWidget(LabelPlainName, 1);
    captions->addWidget(LabelCapoCaption);
    scrollLayout->addLayout(captions);
    Image1 = new ResultsCanvas;
    Image1->setObjectName(QStringLiteral("Image1"));
    ScrollBoxViolao->setWidget(Image1);
    scrollLayout->addWidget(ScrollBoxViolao);
}

QWidget* ResultsPanel::viewport() const {
    return ScrollBoxViolao->viewport();
}

void ResultsPanel::connect(MainWindowModel& model, const ModelForward& forward) {
    model_ = &model;
    forward_ = forward;
    // Hovering a diagram tells how easy it is to play, and why.
    Image1->setToolTipSource(
        [&model](int index) { return shown(model.diagramExplanation(index)); });
    QObject::connect(Image1, &ResultsCanvas::released, panel_, [forward, &model](int x, int y) {
        forward([&] { model.Image1MouseUp(x, y); });
    });
}

void ResultsPanel::show(const MainWindowModel& model) {
    const WindowState& w = model.window();
    Image1->showResults(model.diagramFretLists(), w.columns, w.canvasWidth, w.canvasHeight,
                        w.highlighted, w.leftHanded);
    Image1->markEasiest(model.easiestDiagram());
    setText(LabelPlainName, QString::fromStdString(w.plainName));
    const std::string capo = model.capoCaption();
    setText(LabelCapoCaption, QString::fromStdString(capo));
}

void ResultsPanel::followSearch(const MainWindowModel& model) {
    if (model.searchedFor() != shownSearch_) {
        shownSearch_ = model.searchedFor();
        ScrollBoxViolao->verticalScrollBar()->setValue(0);
    }
}

void ResultsPanel::followViewportWidth() {
    const int width = ScrollBoxViolao->viewport()->width();
    if (width == model_->window().canvasWidth) return;
    // The diagram that opened the view still does in the new columns.
    QScrollBar* bar = ScrollBoxViolao->verticalScrollBar();
    const int top = bar->value();
    const int columns = model_->window().columns;
    forward_([&] { model_->FormResize(width); });
    bar->setValue(scrollTopKeepingFirstDiagram(top, columns, model_->window().columns));
}

} // namespace tambrel
