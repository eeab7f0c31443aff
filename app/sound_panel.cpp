#include "app/sound_panel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>

#include "app/widget_helpers.h"
#include "display/neck_widget.h"
#include "sound/instruments.h"
#include "window/main_window_model.h"

namespace tambrel {

SoundPanel::SoundPanel() : panel_(raisedPanel("Panel5", 643, 121)) {
    auto* layout = new QVBoxLayout(panel_);
    layout->setContentsMargins(8, 4, 8, 0);
    layout->setSpacing(2);
    buildControls();

    auto* controls = new QHBoxLayout;
    controls->setSpacing(6);
    controls->addWidget(ComboBoxPatch);
    controls->addSpacing(12);
    controls->addWidget(label("Label6", QStringLiteral("Tempo:")));
    controls->addWidget(TrackBarTempoAcorde);
    controls->addStretch();
    controls->addWidget(SpeedButton11);
    controls->addWidget(SpeedButton12);
    controls->addWidget(SpeedButtonNeckInput);
    layout->addLayout(controls);

    Image2 = new NeckView;
    Image2->setObjectName(QStringLiteral("Image2"));
    layout->addWidget(Image2, 0, Qt::AlignLeft | Qt::AlignBottom);
}

void SoundPanel::buildControls() {
    ComboBoxPatch = new QComboBox;
    ComboBoxPatch->setObjectName(QStringLiteral("ComboBoxPatch"));
    ComboBoxPatch->setEditable(true);
    ComboBoxPatch->setInsertPolicy(QComboBox::NoInsert);
    for (const Instrument& instrument : instrumentTable())
        ComboBoxPatch->addItem(QString::fromLatin1(instrument.name));
    ComboBoxPatch->setFixedWidth(145);
    ComboBoxPatch->setMaxVisibleItems(21);
    ComboBoxPatch->setToolTip(QStringLiteral("Change the sound of the chord"));
    QPalette patch = ComboBoxPatch->palette();
    patch.setColor(QPalette::Base, QColor(207, 208, 214));
    ComboBoxPatch->setPalette(patch);

    TrackBarTempoAcorde = new QSlider(Qt::Horizontal);
    TrackBarTempoAcorde->setObjectName(QStringLiteral("TrackBarTempoAcorde"));
    TrackBarTempoAcorde->setRange(0, 5);
    TrackBarTempoAcorde->setPageStep(1);
    TrackBarTempoAcorde->setTickPosition(QSlider::TicksBelow);
    TrackBarTempoAcorde->setTickInterval(1);
    TrackBarTempoAcorde->setFixedWidth(120);
    TrackBarTempoAcorde->setToolTip(QStringLiteral("Ajust the tempo of the chord's sound"));

    SpeedButton11 = speedButton("SpeedButton11", QStringLiteral("Eletric"), 60, 22);
    SpeedButton12 = speedButton("SpeedButton12", QStringLiteral("Classic"), 60, 22);
    auto* necks = new QButtonGroup(panel_);
    necks->setExclusive(true);
    necks->addButton(SpeedButton11);
    necks->addButton(SpeedButton12);
    SpeedButtonNeckInput = speedButton("SpeedButtonNeckInput", QStringLiteral("Name it"), 60, 22);
    SpeedButtonNeckInput->setToolTip(QStringLiteral("Click the neck to name what you play"));
}

QWidget* SoundPanel::widget() const {
    return panel_;
}

void SoundPanel::connect(MainWindowModel& model, const ModelForward& forward) {
    // The instrument list starts with its text and no item selected.
    ComboBoxPatch->setCurrentIndex(-1);
    ComboBoxPatch->setEditText(shown(model.window().patchText));

    QObject::connect(ComboBoxPatch, &QComboBox::activated, panel_, [forward, &model](int item) {
        forward([&] { model.ComboBoxPatchChange(item); });
    });
    // A typed text that names no instrument selects no item, and such a change sends nothing.
    QObject::connect(ComboBoxPatch->lineEdit(), &QLineEdit::textEdited, panel_,
                     [forward, &model, patches = ComboBoxPatch](const QString& text) {
                         const int item =
                             patches->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
                         forward([&] { model.ComboBoxPatchChange(item); });
                     });
    QObject::connect(
        TrackBarTempoAcorde, &QSlider::valueChanged, panel_,
        [forward, &model](int position) { forward([&] { model.setTempo(position); }); });
    QObject::connect(SpeedButton11, &QToolButton::clicked, panel_,
                     [forward, &model] { forward([&] { model.SpeedButton11Click(); }); });
    QObject::connect(SpeedButton12, &QToolButton::clicked, panel_,
                     [forward, &model] { forward([&] { model.SpeedButton12Click(); }); });
    QObject::connect(
        SpeedButtonNeckInput, &QToolButton::clicked, panel_,
        [forward, &model](bool down) { forward([&] { model.NeckInputButtonClick(down); }); });
    QObject::connect(Image2, &NeckView::released, panel_, [forward, &model](int x, int y) {
        forward([&] { model.Image2MouseUp(x, y); });
    });
}

void SoundPanel::show(const MainWindowModel& model) {
    const WindowState& w = model.window();
    // While the neck is an input it shows the fingering entered on it.
    Image2->showNeck(w.electricNeck,
                     w.neckInput ? std::optional<Fretting>(w.enteredFrets) : w.neckVoicing);
    setChecked(SpeedButtonNeckInput, w.neckInput);
    setChecked(w.electricNeck ? SpeedButton11 : SpeedButton12, true);
    // A typed instrument name that matches no item stays as typed.
    if (w.patchItem >= 0) setCurrentIndex(ComboBoxPatch, w.patchItem);
    setValue(TrackBarTempoAcorde, w.tempoPosition);
}

} // namespace tambrel
