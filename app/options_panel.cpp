#include "app/options_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <utility>

#include "app/widget_helpers.h"
#include "window/main_window_model.h"
#include "window/search_options.h"

namespace tambrel {

OptionsPanel::OptionsPanel() {
    limits_ = raisedPanel("Panel4", 153, 90);
    auto* grid = new QGridLayout(limits_);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(1);
    CheckBoxOmit5 = checkBox("CheckBoxOmit5", QStringLiteral("(omit5)"));
    CheckBoxOmit3 = checkBox("CheckBoxOmit3", QStringLiteral("(omit3)"));
    ComboBox2 = pickList("ComboBox2", {"2", "3", "4", "5"},
                         QStringLiteral("Distance between your fingers"));
    ComboBox1 = pickList("ComboBox1", {"6", "12", "18", "24"},
                         QStringLiteral("Display positions up to selected fret"));
    grid->addWidget(CheckBoxOmit5, 0, 0);
    grid->addWidget(CheckBoxOmit3, 0, 1);
    grid->addWidget(label("Label3", QStringLiteral("Distance")), 1, 0);
    grid->addWidget(label("Label2", QStringLiteral("Up to fret")), 1, 1);
    grid->addWidget(ComboBox2, 2, 0);
    grid->addWidget(ComboBox1, 2, 1);

    kinds_ = raisedPanel("Panel6", 145, 89);
    auto* layout = new QVBoxLayout(kinds_);
    layout->setContentsMargins(8, 6, 6, 6);
    CheckBoxNSI = checkBox("CheckBoxNSI", QStringLiteral("Easy chords"),
                           QStringLiteral("Display the common chord charts"));
    CheckBoxCanhoto = checkBox("CheckBoxCanhoto", QStringLiteral("Left-hand chords"),
                               QStringLiteral("Positions for left-handed players"));
    CheckBoxPestanas = checkBox("CheckBoxPestanas", QStringLiteral("No barre chords"),
                                QStringLiteral("Hide all chords with barre chords"));
    layout->addWidget(CheckBoxNSI);
    layout->addWidget(CheckBoxCanhoto);
    layout->addWidget(CheckBoxPestanas);
}

QWidget* OptionsPanel::limits() const {
    return limits_;
}

QWidget* OptionsPanel::kinds() const {
    return kinds_;
}

void OptionsPanel::connect(MainWindowModel& model, const ModelForward& forward) {
    QObject::connect(ComboBox1, &QComboBox::activated, limits_, [forward, &model](int item) {
        forward([&] { model.ComboBox1Change(item); });
    });
    QObject::connect(ComboBox2, &QComboBox::activated, limits_, [forward, &model](int item) {
        forward([&] { model.ComboBox2Change(item); });
    });

    const std::pair<QCheckBox*, void (MainWindowModel::*)(bool)> boxes[] = {
        {CheckBoxOmit3, &MainWindowModel::CheckBoxOmit3Click},
        {CheckBoxOmit5, &MainWindowModel::CheckBoxOmit5Click},
        {CheckBoxNSI, &MainWindowModel::CheckBoxNSIClick},
        {CheckBoxCanhoto, &MainWindowModel::CheckBoxCanhotoClick},
        {CheckBoxPestanas, &MainWindowModel::CheckBoxPestanasClick},
    };
    // The handlers are copied out of the pairs for the lambdas: clang 14, which builds the
    // sanitized tree, cannot capture a structured binding.
    for (const auto& entry : boxes) {
        const auto handler = entry.second;
        QObject::connect(entry.first, &QCheckBox::clicked, limits_,
                         [forward, &model, handler](bool checked) {
                             forward([&] { (model.*handler)(checked); });
                         });
    }
}

void OptionsPanel::show(const MainWindowModel& model) {
    const WindowState& w = model.window();
    setCurrentIndex(ComboBox1, fretItemOf(model.search().maxFret));
    setCurrentIndex(ComboBox2, w.distanceItem);
    setChecked(CheckBoxOmit3, w.omit3);
    setChecked(CheckBoxOmit5, w.omit5);
    setChecked(CheckBoxNSI, w.easyChords);
    setChecked(CheckBoxCanhoto, w.leftHanded);
    setChecked(CheckBoxPestanas, w.noBarreChords);
}

} // namespace tambrel
