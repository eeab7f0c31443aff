#include "app/bottom_panels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/application.h"
#include "app/naming_panel.h"
#include "app/options_panel.h"
#include "app/sound_panel.h"
#include "app/tuning_panel.h"
#include "app/widget_helpers.h"
#include "window/main_window_model.h"
#include "window/search_options.h"

namespace tambrel {

BottomPanels::BottomPanels(QWidget* window) : panel_(new QWidget) {
    panel_->setObjectName(QStringLiteral("PanelBraco"));
    panel_->setMinimumHeight(220);
    auto* grid = new QGridLayout(panel_);
    grid->setContentsMargins(6, 0, 6, 0);
    grid->setHorizontalSpacing(7);
    grid->setVerticalSpacing(7);
    grid->addWidget(buildInfoPanel(), 0, 0, Qt::AlignLeft | Qt::AlignTop);
    options_ = std::make_unique<OptionsPanel>();
    grid->addWidget(options_->limits(), 0, 1, Qt::AlignLeft | Qt::AlignTop);
    tuning_ = std::make_unique<TuningPanel>(window);
    grid->addWidget(tuning_->widget(), 0, 2, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(options_->kinds(), 0, 3, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(buildOrderPanel(), 0, 4, Qt::AlignLeft | Qt::AlignTop);
    // The capo takes the room that the naming panel below leaves beside the order.
    grid->addWidget(tuning_->capoWidget(), 0, 4, Qt::AlignRight | Qt::AlignTop);
    sound_ = std::make_unique<SoundPanel>();
    grid->addWidget(sound_->widget(), 1, 0, 1, 4, Qt::AlignLeft | Qt::AlignTop);
    naming_ = std::make_unique<NamingPanel>();
    grid->addWidget(naming_->widget(), 1, 4, Qt::AlignLeft | Qt::AlignTop);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(2, 1);
}

BottomPanels::~BottomPanels() = default;

QWidget* BottomPanels::buildInfoPanel() {
    QFrame* panel = raisedPanel("PanelInfo", 185, 89);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(6);
    grid->addWidget(label("Label1", QStringLiteral("Formation:")), 0, 0);
    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    Edit1->setFixedWidth(105);
    QPalette light = Edit1->palette();
    light.setColor(QPalette::Base, QColor(227, 227, 227));
    Edit1->setPalette(light);
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(label("Label5", QStringLiteral("Results: founded")), 1, 0, 1, 2);
    LabelTotal = label("LabelTotal", QStringLiteral("0"));
    LabelTotal->setFont(interfaceFont(9, true));
    auto* total = new QHBoxLayout;
    total->addStretch();
    total->addWidget(LabelTotal);
    grid->addLayout(total, 1, 1);
    return panel;
}

QWidget* BottomPanels::buildOrderPanel() {
    QFrame* panel = raisedPanel("Panel7", 145, 89);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(8, 4, 6, 6);
    layout->setSpacing(2);
    QStringList items;
    for (const char* item : kOrderItems) items << QString::fromLatin1(item);
    ComboBoxOrder = pickList("ComboBoxOrder", items,
                             QStringLiteral("Order of the chord charts: by position, or the "
                                            "easiest to play first"));
    CheckBoxCommon = checkBox("CheckBoxCommon", QStringLiteral("Common voicings"),
                              QStringLiteral("Also the charts that leave out the tones "
                                             "guitarists commonly leave out"));
    layout->addWidget(label("LabelOrder", QStringLiteral("Order")));
    layout->addWidget(ComboBoxOrder);
    layout->addWidget(CheckBoxCommon);
    layout->addStretch();
    return panel;
}

void BottomPanels::connect(MainWindowModel& model, const ModelForward& forward) {
    options_->connect(model, forward);
    tuning_->connect(model, forward);
    QObject::connect(ComboBoxOrder, &QComboBox::activated, panel_, [forward, &model](int item) {
        forward([&] { model.ComboBoxOrderChange(item); });
    });
    QObject::connect(CheckBoxCommon, &QCheckBox::clicked, panel_, [forward, &model](bool checked) {
        forward([&] { model.CheckBoxCommonClick(checked); });
    });
    sound_->connect(model, forward);
    naming_->connect(model, forward);
}

void BottomPanels::show(const MainWindowModel& model) {
    const WindowState& w = model.window();
    options_->show(model);
    setCurrentIndex(ComboBoxOrder, w.orderItem);
    setChecked(CheckBoxCommon, w.commonVoicings);
    tuning_->show(model);
    setText(LabelTotal, shown(w.labelTotal));
    setText(Edit1, shown(w.formation));
    sound_->show(model);
    naming_->show(model);
}

} // namespace tambrel
