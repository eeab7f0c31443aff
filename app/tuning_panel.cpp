#include "app/tuning_panel.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/widget_helpers.h"
#include "tuning/tunings.h"
#include "window/main_window_model.h"

namespace tambrel {

TuningPanel::TuningPanel(QWidget* window) : panel_(raisedPanel("Panel2", 139, 90)) {
    auto* layout = new QVBoxLayout(panel_);
    layout->setContentsMargins(3, 2, 3, 2);
    layout->setSpacing(0);

    auto* toolBar = new QToolBar;
    toolBar->setObjectName(QStringLiteral("ToolBar2"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(16, 16));
    buildPresetButton(window);
    toolBar->addWidget(ToolButton5);
    layout->addWidget(toolBar);

    auto* tuners = new QHBoxLayout;
    tuners->setSpacing(0);
    for (int n = 0; n < 6; ++n) {
        auto* tuner = new QVBoxLayout;
        tuner->setSpacing(0);
        auto* bar = new QSlider(Qt::Vertical);
        bar->setObjectName(QStringLiteral("TrackBar%1").arg(n + 1));
        bar->setRange(0, 11);
        bar->setPageStep(1);
        bar->setFocusPolicy(Qt::StrongFocus);
        trackBars_[n] = bar;
        auto* name =
            label(QStringLiteral("lbAfinacaoCorda%1").arg(n + 1).toLatin1().constData(), QString());
        name->setAlignment(Qt::AlignHCenter);
        tunerLabels_[n] = name;
        tuner->addWidget(bar, 1, Qt::AlignHCenter);
        tuner->addWidget(name);
        tuners->addLayout(tuner);
    }
    layout->addLayout(tuners, 1);
    buildCapoPanel();
}

void TuningPanel::buildCapoPanel() {
    capoPanel_ = raisedPanel("PanelCapo", 78, 89);
    auto* layout = new QVBoxLayout(capoPanel_);
    layout->setContentsMargins(5, 4, 5, 4);
    layout->setSpacing(2);
    capo_ = capoSpin("SpinCapo");
    shapes_ = shapesCheckBox("CheckBoxShapes");
    layout->addWidget(label("LabelCapo", QStringLiteral("Capo")));
    layout->addWidget(capo_);
    layout->addWidget(shapes_);
    layout->addStretch();
}

void TuningPanel::buildPresetButton(QWidget* window) {
    ToolButton5 = new QToolButton;
    ToolButton5->setObjectName(QStringLiteral("ToolButton5"));
    ToolButton5->setToolTip(QStringLiteral("Change the guitar's tuning"));
    ToolButton5->setToolButtonStyle(Qt::ToolButtonTextOnly);
    ToolButton5->setPopupMode(QToolButton::MenuButtonPopup);
    ToolButton5->setMinimumWidth(126);

    PopupMenu1 = new QMenu(window);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto* presets = new QActionGroup(PopupMenu1);
    presets->setExclusive(true);
    for (const TuningPreset& preset : tuningPresets()) {
        QAction* item = PopupMenu1->addAction(shown(SingleByteText(preset.menuCaption)));
        item->setObjectName(QString::fromLatin1(preset.menuItem));
        item->setCheckable(true);
        item->setData(preset.tag);
        presets->addAction(item);
        tuningItems_.push_back(item);
    }
    ToolButton5->setMenu(PopupMenu1);
}

QWidget* TuningPanel::widget() const {
    return panel_;
}

QWidget* TuningPanel::capoWidget() const {
    return capoPanel_;
}

void TuningPanel::connect(MainWindowModel& model, const ModelForward& forward) {
    QObject::connect(ToolButton5, &QToolButton::clicked, panel_,
                     [forward, &model] { forward([&] { model.ToolButton5Click(); }); });
    for (QAction* item : tuningItems_) {
        const int tag = item->data().toInt();
        QObject::connect(item, &QAction::triggered, panel_, [forward, &model, tag] {
            forward([&] { model.StandardTunning1Click(tag); });
        });
    }
    for (int n = 0; n < 6; ++n) {
        // Only the user moves a tuner while its signals are connected; the window's own
        // updates are made with signals blocked.
        QObject::connect(trackBars_[n], &QSlider::valueChanged, panel_,
                         [forward, &model, n](int position) {
                             forward([&] { model.TrackBarChange(n + 1, position); });
                         });
    }
    QObject::connect(capo_, &QSpinBox::valueChanged, panel_,
                     [forward, &model](int fret) { forward([&] { model.setCapo(fret); }); });
    QObject::connect(shapes_, &QCheckBox::clicked, panel_, [forward, &model](bool checked) {
        forward([&] { model.setShapeNames(checked); });
    });
}

void TuningPanel::show(const MainWindowModel& model) {
    const WindowState& w = model.window();
    for (int n = 0; n < 6; ++n) {
        setValue(trackBars_[n], w.tunerPositions[n]);
        setText(tunerLabels_[n], shown(w.tunerLabels[n]));
    }
    if (ToolButton5->text() != shown(w.tuningButtonCaption))
        ToolButton5->setText(shown(w.tuningButtonCaption));
    for (QAction* item : tuningItems_) {
        const QSignalBlocker blocker(item);
        const bool marked = item->data().toInt() == w.tuningMark;
        if (item->isChecked() != marked) item->setChecked(marked);
    }
    setValue(capo_, model.search().capo);
    setChecked(shapes_, w.shapeNames);
    // Without a capo the shapes are the chords that sound.
    shapes_->setEnabled(model.search().capo > 0);
}

} // namespace tambrel
