#include "app/chord_column.h"

#include <QLayout>
#include <QListWidget>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

#include "app/application.h"
#include "app/widget_helpers.h"
#include "window/main_window_model.h"

namespace tambrel {

namespace {

// The chord column as designed. A window with room to spare gives it what the chord names need.
constexpr int kChordColumnWidth = 153;

} // namespace

ChordColumn::ChordColumn() : panel_(new QWidget) {
    panel_->setObjectName(QStringLiteral("Panel1"));
    panel_->setFixedWidth(kChordColumnWidth);
    auto* layout = new QVBoxLayout(panel_);
    layout->setContentsMargins(6, 6, 6, 6);

    Splitter3 = new QSplitter(Qt::Vertical);
    Splitter3->setObjectName(QStringLiteral("Splitter3"));
    Splitter3->setHandleWidth(8);
    Splitter3->setChildrenCollapsible(false);
    entry_ = std::make_unique<ChordEntryPanel>();
    Splitter3->addWidget(entry_->widget());

    auto* panel3 = new QWidget;
    panel3->setObjectName(QStringLiteral("Panel3"));
    auto* names = new QVBoxLayout(panel3);
    names->setContentsMargins(0, 0, 0, 0);
    ListBox1 = new QListWidget;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(interfaceFont(9));
    // Long names scroll sideways rather than lose their ends.
    ListBox1->setTextElideMode(Qt::ElideNone);
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    names->addWidget(ListBox1);
    Splitter3->addWidget(panel3);
    Splitter3->setStretchFactor(0, 0);
    Splitter3->setStretchFactor(1, 1);
    Splitter3->setSizes({251, 300});
    layout->addWidget(Splitter3);
}

ChordColumn::~ChordColumn() = default;

void ChordColumn::connect(MainWindowModel& model, const ModelForward& forward) {
    entry_->connect(model, forward);
}

void ChordColumn::show(const MainWindowModel& model) {
    entry_->show(model);
    const std::vector<SingleByteText>& chordNames = model.window().chordNames;
    if (chordNames != shownChordNames_) {
        shownChordNames_ = chordNames;
        QStringList items;
        for (const SingleByteText& name : chordNames) items << shown(name);
        setItems(ListBox1, items);
    }
}

void ChordColumn::measureNames() {
    // Room for the longest name of the start chord (C major's "Gadd11/add13/C (no3) (no5)")
    // beside the list's scroll bar: the widest item as the list lays it out, and its frame.
    const int list = ListBox1->sizeHintForColumn(0) +
                     ListBox1->verticalScrollBar()->sizeHint().width() + 2 * ListBox1->frameWidth();
    const QMargins margins = panel_->layout()->contentsMargins();
    namesColumnWidth_ = std::max(kChordColumnWidth, list + margins.left() + margins.right());
}

void ChordColumn::fitWindow(int windowWidth, int panelsWidth) {
    // The panels beside the column keep the room they need to show whole; what the window has
    // beyond that widens the column first, up to what the names need.
    panel_->setFixedWidth(std::clamp(windowWidth - panelsWidth, kChordColumnWidth,
                                     std::max(kChordColumnWidth, namesColumnWidth_)));
}

} // namespace tambrel
