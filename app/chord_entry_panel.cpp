#include "app/chord_entry_panel.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QStackedWidget>
#include <QToolButton>
#include <utility>

#include "app/application.h"
#include "app/entry_widgets.h"
#include "app/widget_helpers.h"
#include "assets/artwork.h"
#include "music/chord_vocabulary.h"
#include "window/main_window_model.h"

namespace tambrel {

namespace {

// Rows of the note pickers and of the chord-type list, and items of the tension list: the
// whole octave shows in the pickers' designed height.
constexpr int kPickRowHeight = 16;
constexpr int kTensionRowHeight = 16;

void setPickRows(PickGrid* grid) {
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setDefaultSectionSize(kPickRowHeight);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->setFont(interfaceFont(9));
}

PickGrid* noteGrid(const char* name) {
    auto* grid = new PickGrid(12, 1);
    grid->setObjectName(QString::fromLatin1(name));
    setPickRows(grid);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setFixedWidth(33);
    // Room for all twelve names: a scroll bar in so narrow a column would cover the sharps.
    // In a low window the name list below gives way instead.
    grid->setMinimumHeight(12 * kPickRowHeight + 2 * grid->frameWidth());
    return grid;
}

void showNoteGrid(PickGrid* grid, const NoteGrid& state) {
    for (int row = 0; row < 12; ++row) {
        const QString name = shown(state.names[row]);
        QTableWidgetItem* cell = grid->item(row, 0);
        if (cell == nullptr) {
            cell = new QTableWidgetItem(name);
            grid->setItem(row, 0, cell);
        } else if (cell->text() != name) {
            cell->setText(name);
        }
    }
    grid->showSelectedRow(state.row);
    grid->setEnabled(state.enabled);
    // While the chord is full the bass picker is greyed out in the menu-bar colour.
    QPalette colours = grid->palette();
    const QColor base = state.menuBarColour ? QApplication::palette().color(QPalette::Window)
                                            : QApplication::palette().color(QPalette::Base);
    if (colours.color(QPalette::Active, QPalette::Base) != base) {
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            colours.setColor(group, QPalette::Base, base);
        grid->setPalette(colours);
    }
}

} // namespace

ChordEntryPanel::ChordEntryPanel() : panel_(new QWidget) {
    panel_->setObjectName(QStringLiteral("PanelMenuTopo"));
    auto* grid = new QGridLayout(panel_);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(1);
    buildSymbolRow(grid);
    buildPickers(grid);
    buildButtonRow(grid);
}

void ChordEntryPanel::buildSymbolRow(QGridLayout* grid) {
    auto* symbolRow = new QHBoxLayout;
    symbolRow->setSpacing(1);
    EditAcorde = new QLineEdit;
    EditAcorde->setObjectName(QStringLiteral("EditAcorde"));
    EditAcorde->setFont(interfaceFont(9, true));
    EditAcorde->setFixedHeight(23);
    QPalette face = EditAcorde->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    EditAcorde->setPalette(face);
    symbolRow->addWidget(EditAcorde, 1);
    SpeedButton2 = new QToolButton;
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setToolTip(QStringLiteral("search for chord"));
    SpeedButton2->setIcon(searchIcon());
    SpeedButton2->setAutoRaise(true);
    SpeedButton2->setFixedSize(23, 23);
    SpeedButton2->setIconSize(QSize(16, 16));
    symbolRow->addWidget(SpeedButton2);
    grid->addLayout(symbolRow, 0, 0, 1, 3);
}

void ChordEntryPanel::buildPickers(QGridLayout* grid) {
    StringGridAcorde = noteGrid("StringGridAcorde");
    StringGridBaixo = noteGrid("StringGridBaixo");

    CheckListBox1 = new TensionList;
    CheckListBox1->setObjectName(QStringLiteral("CheckListBox1"));
    CheckListBox1->setFont(interfaceFont(9));
    for (const Tension& tension : tensionList()) {
        auto* item = new QListWidgetItem(shown(SingleByteText(tension.text)), CheckListBox1);
        item->setSizeHint(QSize(60, kTensionRowHeight));
        item->setCheckState(Qt::Unchecked);
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }

    StringGrid1 = new PickGrid(kChordTypeCount, 2);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    setPickRows(StringGrid1);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The second, two-pixel column carries each row's interval list with its name.
    StringGrid1->horizontalHeader()->setMinimumSectionSize(1);
    StringGrid1->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    StringGrid1->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    StringGrid1->setColumnWidth(1, 2);
    for (int row = 0; row < kChordTypeCount; ++row) {
        const ChordType& type = chordTypeTable()[row];
        StringGrid1->setItem(row, 0, new QTableWidgetItem(shown(SingleByteText(type.suffix))));
        StringGrid1->setItem(row, 1, new QTableWidgetItem(QString::fromLatin1(type.intervals)));
    }

    chordLists_ = new QStackedWidget;
    chordLists_->setObjectName(QStringLiteral("PanelListas"));
    chordLists_->addWidget(CheckListBox1);
    chordLists_->addWidget(StringGrid1);

    grid->addWidget(StringGridAcorde, 1, 0);
    grid->addWidget(chordLists_, 1, 1);
    grid->addWidget(StringGridBaixo, 1, 2);
    grid->setRowStretch(1, 1);
}

void ChordEntryPanel::buildButtonRow(QGridLayout* grid) {
    SpeedButton5 = speedButton("SpeedButton5", QStringLiteral("#"), 17, 17);
    SpeedButton6 = speedButton("SpeedButton6", QStringLiteral("b"), 16, 17);
    SpeedButton7 = speedButton("SpeedButton7", QStringLiteral("mod1"), 36, 17);
    SpeedButton8 = speedButton("SpeedButton8", QStringLiteral("mod2"), 35, 17);
    SpeedButton10 = speedButton("SpeedButton10", QStringLiteral("#"), 17, 17);
    SpeedButton9 = speedButton("SpeedButton9", QStringLiteral("b"), 16, 17);
    for (auto pair : {std::pair{SpeedButton5, SpeedButton6}, std::pair{SpeedButton7, SpeedButton8},
                      std::pair{SpeedButton10, SpeedButton9}}) {
        auto* group = new QButtonGroup(panel_);
        group->setExclusive(true);
        group->addButton(pair.first);
        group->addButton(pair.second);
    }

    auto* rootPair = new QHBoxLayout;
    rootPair->setSpacing(0);
    rootPair->addWidget(SpeedButton5);
    rootPair->addWidget(SpeedButton6);
    rootPair->addStretch();
    auto* viewPair = new QHBoxLayout;
    viewPair->setSpacing(0);
    viewPair->addWidget(bevel("Bevel1", QFrame::VLine));
    viewPair->addStretch();
    viewPair->addWidget(SpeedButton7);
    viewPair->addSpacing(2);
    viewPair->addWidget(SpeedButton8);
    viewPair->addStretch();
    viewPair->addWidget(bevel("Bevel2", QFrame::VLine));
    auto* bassPair = new QHBoxLayout;
    bassPair->setSpacing(0);
    bassPair->addWidget(SpeedButton10);
    bassPair->addWidget(SpeedButton9);
    bassPair->addStretch();
    grid->addLayout(rootPair, 2, 0);
    grid->addLayout(viewPair, 2, 1);
    grid->addLayout(bassPair, 2, 2);
}

void ChordEntryPanel::connect(MainWindowModel& model, const ModelForward& forward) {
    // Typing only changes the text of the box; the search button reads it, as typed.
    QObject::connect(EditAcorde, &QLineEdit::textEdited, panel_,
                     [&model](const QString& text) { model.typeSymbol(text.toStdString()); });
    QObject::connect(SpeedButton2, &QToolButton::clicked, panel_,
                     [forward, &model] { forward([&] { model.SpeedButton2Click(); }); });
    QObject::connect(StringGridAcorde, &PickGrid::rowChosen, panel_, [forward, &model](int row) {
        forward([&] { model.StringGridAcordeSelectCell(row); });
    });
    QObject::connect(StringGridBaixo, &PickGrid::rowChosen, panel_,
                     [forward, &model](int row) { forward([&] { model.chooseBass(row); }); });
    QObject::connect(StringGrid1, &PickGrid::rowChosen, panel_,
                     [forward, &model](int row) { forward([&] { model.chooseChordType(row); }); });
    QObject::connect(CheckListBox1, &TensionList::toggleRequested, panel_,
                     [forward, &model](int item) { forward([&] { model.clickTension(item); }); });

    const std::pair<QToolButton*, void (MainWindowModel::*)()> buttons[] = {
        {SpeedButton5, &MainWindowModel::SpeedButton5Click},
        {SpeedButton6, &MainWindowModel::SpeedButton6Click},
        {SpeedButton7, &MainWindowModel::SpeedButton7Click},
        {SpeedButton8, &MainWindowModel::SpeedButton8Click},
        {SpeedButton9, &MainWindowModel::SpeedButton9Click},
        {SpeedButton10, &MainWindowModel::SpeedButton10Click},
    };
    // The handlers are copied out of the pairs for the lambdas: clang 14, which builds the
    // sanitized tree, cannot capture a structured binding.
    for (const auto& entry : buttons) {
        const auto handler = entry.second;
        QObject::connect(entry.first, &QToolButton::clicked, panel_,
                         [forward, &model, handler] { forward([&] { (model.*handler)(); }); });
    }
}

void ChordEntryPanel::show(const MainWindowModel& model) {
    const WindowState& w = model.window();
    setText(EditAcorde, shown(w.editAcorde));
    showNoteGrid(StringGridAcorde, w.rootGrid);
    showNoteGrid(StringGridBaixo, w.bassGrid);
    setChecked(w.rootSharpDown ? SpeedButton5 : SpeedButton6, true);
    setChecked(w.bassSharpDown ? SpeedButton10 : SpeedButton9, true);
    const bool tensions = w.view == ChordPanelView::Tensions;
    setChecked(tensions ? SpeedButton7 : SpeedButton8, true);
    chordLists_->setCurrentWidget(tensions ? static_cast<QWidget*>(CheckListBox1) : StringGrid1);
    for (int item = 0; item < kTensionCount; ++item)
        CheckListBox1->showItem(item, w.ticked[item], w.itemEnabled[item]);
    StringGrid1->showSelectedRow(w.chordTypeRow);
}

} // namespace tambrel
