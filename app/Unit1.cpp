#include "app/Unit1.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/Unitabout.h"
#include "app/application.h"
#include "app/banner_picture.h"
#include "app/entry_widgets.h"
#include "app/scroll_panel.h"
#include "app/sheet_tools.h"
#include "assets/artwork.h"
#include "display/neck_widget.h"
#include "display/results_canvas.h"
#include "display/results_layout.h"
#include "music/chord_vocabulary.h"
#include "music/text_encoding.h"
#include "sound/instruments.h"
#include "tuning/tunings.h"

using namespace tambrel;

namespace {

// The chord column as designed. A window with room to spare gives it what the chord names need.
constexpr int kChordColumnWidth = 153;

// Rows of the note pickers and of the chord-type list, and items of the tension list: the
// whole octave shows in the pickers' designed height.
constexpr int kPickRowHeight = 16;
constexpr int kTensionRowHeight = 16;

QString shown(const std::string& cp1252) {
    return QString::fromStdString(cp1252ToUtf8(cp1252));
}

QToolButton* speedButton(const char* name, const QString& caption, int width, int height) {
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFixedSize(width, height);
    return button;
}

QFrame* raisedPanel(const char* name, int width, int height) {
    auto* panel = new QFrame;
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setFixedSize(width, height);
    return panel;
}

QFrame* bevel(const char* name, QFrame::Shape shape) {
    auto* line = new QFrame;
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel* label(const char* name, const QString& caption) {
    auto* text = new QLabel(caption);
    text->setObjectName(QString::fromLatin1(name));
    return text;
}

QCheckBox* checkBox(const char* name, const QString& caption, const QString& hint = {}) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(hint);
    return box;
}

QComboBox* pickList(const char* name, const QStringList& items, const QString& hint) {
    auto* combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(name));
    combo->addItems(items);
    combo->setToolTip(hint);
    return combo;
}

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

void setText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) edit->setText(text);
}

void setText(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

void setChecked(QAbstractButton* button, bool checked) {
    const QSignalBlocker blocker(button);
    if (button->isChecked() != checked) button->setChecked(checked);
}

void setCurrentIndex(QComboBox* combo, int index) {
    const QSignalBlocker blocker(combo);
    if (combo->currentIndex() != index) combo->setCurrentIndex(index);
}

void setValue(QSlider* slider, int value) {
    const QSignalBlocker blocker(slider);
    if (slider->value() != value) slider->setValue(value);
}

} // namespace

TForm1::TForm1(MidiSink& midi, QWidget* parent) : QMainWindow(parent), midiGate_(midi) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Tambrel"));
    setFont(interfaceFont(9));
    resize(817, 593);

    auto* central = new QWidget;
    central->setObjectName(QStringLiteral("TForm1Client"));
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildBanner());
    column->addWidget(bevel("Bevel3", QFrame::HLine));
    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(buildChordColumn());
    body->addWidget(buildResults(), 1);
    column->addLayout(body, 1);
    setCentralWidget(central);
    buildMenus();
    buildStatusBar();

    // The start-up sequence: the output opened before, then the search state, the note
    // names, the chord tables and the first search, all inside the model.
    model_ = std::make_unique<MainWindowModel>(midiGate_, kDesignResultsWidth);
    // The instrument list starts with its text and no item selected.
    ComboBoxPatch->setCurrentIndex(-1);
    ComboBoxPatch->setEditText(shown(model_->window().patchText));
    sheetTools_ = new SheetTools(*this, *model_, *Image1);
    connectControls();
    showModelState();
    shownSearch_ = model_->searchedFor();
    fitChordColumn();

    // The About box exists from the start and is shown when asked for.
    form2_ = new TForm2(this);
}

TForm1::TForm1(MidiOutput& output, QWidget* parent)
    : TForm1(static_cast<MidiSink&>(output), parent) {
    midiOutput_ = &output;
    buildMidiOutputMenu();
}

TForm1::~TForm1() = default;

QWidget* TForm1::buildBanner() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("PanelBanner"));
    panel->setFixedHeight(48);
    panel->setAutoFillBackground(true);
    QPalette black = panel->palette();
    black.setColor(QPalette::Window, Qt::black);
    panel->setPalette(black);
    // The banner is 80 rows tall; its middle 48 show.
    auto* picture = new BannerPicture(Banner::Image3, panel);
    picture->setObjectName(QStringLiteral("Image3"));
    picture->move(0, -16);
    return panel;
}

QWidget* TForm1::buildChordColumn() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedWidth(kChordColumnWidth);
    chordColumn_ = panel;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(6, 6, 6, 6);

    Splitter3 = new QSplitter(Qt::Vertical);
    Splitter3->setObjectName(QStringLiteral("Splitter3"));
    Splitter3->setHandleWidth(8);
    Splitter3->setChildrenCollapsible(false);
    Splitter3->addWidget(buildChordEntry());

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
    return panel;
}

QWidget* TForm1::buildChordEntry() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("PanelMenuTopo"));
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(1);

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

    StringGridAcorde = noteGrid("StringGridAcorde");
    StringGridBaixo = noteGrid("StringGridBaixo");

    CheckListBox1 = new TensionList;
    CheckListBox1->setObjectName(QStringLiteral("CheckListBox1"));
    CheckListBox1->setFont(interfaceFont(9));
    for (const Tension& tension : tensionList()) {
        auto* item = new QListWidgetItem(shown(tension.text), CheckListBox1);
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
        StringGrid1->setItem(row, 0, new QTableWidgetItem(shown(type.suffix)));
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

    SpeedButton5 = speedButton("SpeedButton5", QStringLiteral("#"), 17, 17);
    SpeedButton6 = speedButton("SpeedButton6", QStringLiteral("b"), 16, 17);
    SpeedButton7 = speedButton("SpeedButton7", QStringLiteral("mod1"), 36, 17);
    SpeedButton8 = speedButton("SpeedButton8", QStringLiteral("mod2"), 35, 17);
    SpeedButton10 = speedButton("SpeedButton10", QStringLiteral("#"), 17, 17);
    SpeedButton9 = speedButton("SpeedButton9", QStringLiteral("b"), 16, 17);
    for (auto pair : {std::pair{SpeedButton5, SpeedButton6}, std::pair{SpeedButton7, SpeedButton8},
                      std::pair{SpeedButton10, SpeedButton9}}) {
        auto* group = new QButtonGroup(panel);
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
    return panel;
}

QWidget* TForm1::buildResults() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("PanelPrincipal"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* scrollPanel = new QWidget;
    scrollPanel->setObjectName(QStringLiteral("PanelScrollBox"));
    auto* scrollLayout = new QVBoxLayout(scrollPanel);
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
    ScrollBoxViolao->viewport()->installEventFilter(this);
    // The chord's plain name, where a user looks first.
    LabelPlainName = label("LabelPlainName", QString());
    LabelPlainName->setFont(interfaceFont(10, true));
    scrollLayout->addWidget(LabelPlainName);
    Image1 = new ResultsCanvas;
    Image1->setObjectName(QStringLiteral("Image1"));
    ScrollBoxViolao->setWidget(Image1);
    scrollLayout->addWidget(ScrollBoxViolao);

    Splitter2 = new QSplitter(Qt::Vertical);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));
    Splitter2->setHandleWidth(8);
    Splitter2->setChildrenCollapsible(false);
    Splitter2->addWidget(scrollPanel);
    // On a screen too narrow for its panels they scroll sideways.
    bottomPanels_ = new SideScrollPanel(buildBottomPanel());
    bottomPanels_->setObjectName(QStringLiteral("PanelBracoScroll"));
    Splitter2->addWidget(bottomPanels_);
    Splitter2->setStretchFactor(0, 1);
    Splitter2->setStretchFactor(1, 0);
    layout->addWidget(Splitter2);
    return panel;
}

QWidget* TForm1::buildBottomPanel() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("PanelBraco"));
    panel->setMinimumHeight(220);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(6, 0, 6, 0);
    grid->setHorizontalSpacing(7);
    grid->setVerticalSpacing(7);
    grid->addWidget(buildInfoPanel(), 0, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(buildOptionsPanel(), 0, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(buildTuningPanel(), 0, 2, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(buildCheckPanel(), 0, 3, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(buildOrderPanel(), 0, 4, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(buildSoundPanel(), 1, 0, 1, 4, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(buildNamingPanel(), 1, 4, Qt::AlignLeft | Qt::AlignTop);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(2, 1);
    return panel;
}

QWidget* TForm1::buildInfoPanel() {
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

QWidget* TForm1::buildOptionsPanel() {
    QFrame* panel = raisedPanel("Panel4", 153, 90);
    auto* grid = new QGridLayout(panel);
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
    return panel;
}

QWidget* TForm1::buildTuningPanel() {
    QFrame* panel = raisedPanel("Panel2", 139, 90);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(3, 2, 3, 2);
    layout->setSpacing(0);

    auto* toolBar = new QToolBar;
    toolBar->setObjectName(QStringLiteral("ToolBar2"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(16, 16));
    ToolButton5 = new QToolButton;
    ToolButton5->setObjectName(QStringLiteral("ToolButton5"));
    ToolButton5->setToolTip(QStringLiteral("Change the guitar's tuning"));
    ToolButton5->setToolButtonStyle(Qt::ToolButtonTextOnly);
    ToolButton5->setPopupMode(QToolButton::MenuButtonPopup);
    ToolButton5->setMinimumWidth(126);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto* presets = new QActionGroup(PopupMenu1);
    presets->setExclusive(true);
    for (const TuningPreset& preset : tuningPresets()) {
        QAction* item = PopupMenu1->addAction(shown(preset.menuCaption));
        item->setObjectName(QString::fromLatin1(preset.menuItem));
        item->setCheckable(true);
        item->setData(preset.tag);
        presets->addAction(item);
        tuningItems_.push_back(item);
    }
    ToolButton5->setMenu(PopupMenu1);
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
    return panel;
}

QWidget* TForm1::buildCheckPanel() {
    QFrame* panel = raisedPanel("Panel6", 145, 89);
    auto* layout = new QVBoxLayout(panel);
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
    return panel;
}

QWidget* TForm1::buildOrderPanel() {
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

QWidget* TForm1::buildSoundPanel() {
    QFrame* panel = raisedPanel("Panel5", 643, 121);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(8, 4, 8, 0);
    layout->setSpacing(2);

    auto* controls = new QHBoxLayout;
    controls->setSpacing(6);
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
    controls->addWidget(ComboBoxPatch);
    controls->addSpacing(12);
    controls->addWidget(label("Label6", QStringLiteral("Tempo:")));
    TrackBarTempoAcorde = new QSlider(Qt::Horizontal);
    TrackBarTempoAcorde->setObjectName(QStringLiteral("TrackBarTempoAcorde"));
    TrackBarTempoAcorde->setRange(0, 5);
    TrackBarTempoAcorde->setPageStep(1);
    TrackBarTempoAcorde->setTickPosition(QSlider::TicksBelow);
    TrackBarTempoAcorde->setTickInterval(1);
    TrackBarTempoAcorde->setFixedWidth(120);
    TrackBarTempoAcorde->setToolTip(QStringLiteral("Ajust the tempo of the chord's sound"));
    controls->addWidget(TrackBarTempoAcorde);
    controls->addStretch();
    SpeedButton11 = speedButton("SpeedButton11", QStringLiteral("Eletric"), 60, 22);
    SpeedButton12 = speedButton("SpeedButton12", QStringLiteral("Classic"), 60, 22);
    auto* necks = new QButtonGroup(panel);
    necks->setExclusive(true);
    necks->addButton(SpeedButton11);
    necks->addButton(SpeedButton12);
    controls->addWidget(SpeedButton11);
    controls->addWidget(SpeedButton12);
    // Not of the neck pair: the neck becomes an input while this is down.
    SpeedButtonNeckInput = speedButton("SpeedButtonNeckInput", QStringLiteral("Name it"), 60, 22);
    SpeedButtonNeckInput->setToolTip(QStringLiteral("Click the neck to name what you play"));
    controls->addWidget(SpeedButtonNeckInput);
    layout->addLayout(controls);

    Image2 = new NeckView;
    Image2->setObjectName(QStringLiteral("Image2"));
    layout->addWidget(Image2, 0, Qt::AlignLeft | Qt::AlignBottom);
    return panel;
}

QWidget* TForm1::buildNamingPanel() {
    // Naming a fingering: a fret list typed here or clicked on the neck, and its readings.
    QFrame* panel = raisedPanel("PanelNaming", 230, 121);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    EditFrets = new QLineEdit;
    EditFrets->setObjectName(QStringLiteral("EditFrets"));
    EditFrets->setPlaceholderText(QStringLiteral("x32010"));
    EditFrets->setToolTip(
        QStringLiteral("Frets from the low string, x for muted; Enter names them"));
    layout->addWidget(EditFrets);
    ListBoxReadings = new QListWidget;
    ListBoxReadings->setObjectName(QStringLiteral("ListBoxReadings"));
    ListBoxReadings->setFont(interfaceFont(9));
    ListBoxReadings->setToolTip(
        QStringLiteral("What the entered fingering reads as; choose one to search it"));
    layout->addWidget(ListBoxReadings, 1);
    return panel;
}

void TForm1::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    Arquivo1 = bar->addMenu(QStringLiteral("File"));
    Arquivo1->setObjectName(QStringLiteral("Arquivo1"));
    Sair1 = Arquivo1->addAction(QStringLiteral("&Close"));
    Sair1->setObjectName(QStringLiteral("Sair1"));
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Ajuda1"));
    Sobre1 = help->addAction(QStringLiteral("&About"));
    Sobre1->setObjectName(QStringLiteral("Sobre1"));
}

void TForm1::buildMidiOutputMenu() {
    if (midiOutput_->deviceNames().empty()) return;
    midiOutputMenu_ = new QMenu(QStringLiteral("MIDI output"), Arquivo1);
    midiOutputMenu_->setObjectName(QStringLiteral("MidiOutputMenu"));
    midiOutputGroup_ = new QActionGroup(midiOutputMenu_);
    Arquivo1->insertMenu(Sair1, midiOutputMenu_);
    Arquivo1->insertSeparator(Sair1);
    // Ports come and go while the program runs: the list is made afresh each time it opens.
    connect(midiOutputMenu_, &QMenu::aboutToShow, this, &TForm1::listMidiOutputs);
    listMidiOutputs();
}

void TForm1::listMidiOutputs() {
    midiOutputMenu_->clear();
    const std::vector<std::string> names = midiOutput_->deviceNames();
    const int selected = midiOutput_->selectedDevice();
    for (int index = 0; index < static_cast<int>(names.size()); ++index) {
        QAction* item = midiOutputMenu_->addAction(QString::fromStdString(names[index]));
        item->setCheckable(true);
        item->setChecked(index == selected);
        midiOutputGroup_->addAction(item);
        connect(item, &QAction::triggered, this,
                [this, index] { midiOutput_->selectDevice(index); });
    }
}

void TForm1::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    // Three panels that nothing writes in.
    for (int width : {200, 50, 50}) {
        auto* panel = new QLabel;
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setFixedWidth(width);
        bar->addWidget(panel);
    }
}

void TForm1::connectControls() {
    MainWindowModel& model = *model_;

    // Typing only changes the text of the box; the search button reads it, as typed.
    connect(EditAcorde, &QLineEdit::textEdited, this,
            [&model](const QString& text) { model.typeSymbol(text.toStdString()); });
    connect(SpeedButton2, &QToolButton::clicked, this,
            [this, &model] { forward([&] { model.SpeedButton2Click(); }); });
    connect(StringGridAcorde, &PickGrid::rowChosen, this,
            [this, &model](int row) { forward([&] { model.StringGridAcordeSelectCell(row); }); });
    connect(StringGridBaixo, &PickGrid::rowChosen, this,
            [this, &model](int row) { forward([&] { model.chooseBass(row); }); });
    connect(StringGrid1, &PickGrid::rowChosen, this,
            [this, &model](int row) { forward([&] { model.chooseChordType(row); }); });
    connect(CheckListBox1, &TensionList::toggleRequested, this,
            [this, &model](int item) { forward([&] { model.clickTension(item); }); });

    const std::pair<QToolButton*, void (MainWindowModel::*)()> buttons[] = {
        {SpeedButton5, &MainWindowModel::SpeedButton5Click},
        {SpeedButton6, &MainWindowModel::SpeedButton6Click},
        {SpeedButton7, &MainWindowModel::SpeedButton7Click},
        {SpeedButton8, &MainWindowModel::SpeedButton8Click},
        {SpeedButton9, &MainWindowModel::SpeedButton9Click},
        {SpeedButton10, &MainWindowModel::SpeedButton10Click},
        {SpeedButton11, &MainWindowModel::SpeedButton11Click},
        {SpeedButton12, &MainWindowModel::SpeedButton12Click},
        {ToolButton5, &MainWindowModel::ToolButton5Click},
    };
    // The handlers are copied out of the pairs for the lambdas: clang 14, which builds the
    // sanitized tree, cannot capture a structured binding.
    for (const auto& entry : buttons) {
        const auto handler = entry.second;
        connect(entry.first, &QToolButton::clicked, this,
                [this, &model, handler] { forward([&] { (model.*handler)(); }); });
    }

    connect(ComboBox1, &QComboBox::activated, this,
            [this, &model](int item) { forward([&] { model.ComboBox1Change(item); }); });
    connect(ComboBox2, &QComboBox::activated, this,
            [this, &model](int item) { forward([&] { model.ComboBox2Change(item); }); });
    connect(ComboBoxOrder, &QComboBox::activated, this,
            [this, &model](int item) { forward([&] { model.ComboBoxOrderChange(item); }); });

    const std::pair<QCheckBox*, void (MainWindowModel::*)(bool)> boxes[] = {
        {CheckBoxOmit3, &MainWindowModel::CheckBoxOmit3Click},
        {CheckBoxOmit5, &MainWindowModel::CheckBoxOmit5Click},
        {CheckBoxNSI, &MainWindowModel::CheckBoxNSIClick},
        {CheckBoxCanhoto, &MainWindowModel::CheckBoxCanhotoClick},
        {CheckBoxPestanas, &MainWindowModel::CheckBoxPestanasClick},
        {CheckBoxCommon, &MainWindowModel::CheckBoxCommonClick},
    };
    for (const auto& entry : boxes) {
        const auto handler = entry.second;
        connect(entry.first, &QCheckBox::clicked, this, [this, &model, handler](bool checked) {
            forward([&] { (model.*handler)(checked); });
        });
    }

    for (QAction* item : tuningItems_) {
        const int tag = item->data().toInt();
        connect(item, &QAction::triggered, this,
                [this, &model, tag] { forward([&] { model.StandardTunning1Click(tag); }); });
    }
    for (int n = 0; n < 6; ++n) {
        // Only the user moves a tuner while its signals are connected; the window's own
        // updates are made with signals blocked.
        connect(trackBars_[n], &QSlider::valueChanged, this, [this, &model, n](int position) {
            forward([&] { model.TrackBarChange(n + 1, position); });
        });
    }

    connect(ComboBoxPatch, &QComboBox::activated, this,
            [this, &model](int item) { forward([&] { model.ComboBoxPatchChange(item); }); });
    // A typed text that names no instrument selects no item, and such a change sends nothing.
    connect(ComboBoxPatch->lineEdit(), &QLineEdit::textEdited, this,
            [this, &model](const QString& text) {
                const int item =
                    ComboBoxPatch->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
                forward([&] { model.ComboBoxPatchChange(item); });
            });
    connect(TrackBarTempoAcorde, &QSlider::valueChanged, this,
            [this, &model](int position) { forward([&] { model.setTempo(position); }); });

    // Hovering a diagram tells how easy it is to play, and why.
    Image1->setToolTipSource(
        [this](int index) { return shown(model_->diagramExplanation(index)); });
    connect(Image1, &ResultsCanvas::released, this,
            [this, &model](int x, int y) { forward([&] { model.Image1MouseUp(x, y); }); });

    connect(SpeedButtonNeckInput, &QToolButton::clicked, this,
            [this, &model](bool down) { forward([&] { model.NeckInputButtonClick(down); }); });
    connect(Image2, &NeckView::released, this,
            [this, &model](int x, int y) { forward([&] { model.Image2MouseUp(x, y); }); });
    connect(EditFrets, &QLineEdit::returnPressed, this, [this, &model] {
        const std::string text = EditFrets->text().toStdString();
        forward([&] { model.enterFretList(text); });
    });
    connect(ListBoxReadings, &QListWidget::itemClicked, this,
            [this, &model](QListWidgetItem* item) {
                const int row = ListBoxReadings->row(item);
                forward([&] { model.chooseReading(row); });
            });

    connect(Sair1, &QAction::triggered, this, &TForm1::Sair1Click);
    connect(Sobre1, &QAction::triggered, this, &TForm1::Sobre1Click);
}

template <typename Handler> void TForm1::forward(Handler&& handler) {
    midiGate_.hold();
    handler();
    showModelState();
    // Results for another chord, tuning or limit open at their first diagrams; the same search
    // run again (a resize, the mirrored drawing) stays where the user scrolled.
    if (model_->searchedFor() != shownSearch_) {
        shownSearch_ = model_->searchedFor();
        ScrollBoxViolao->verticalScrollBar()->setValue(0);
    }
    if (midiGate_.hasHeld()) {
        // The selection is painted before the chord sounds.
        QCoreApplication::sendPostedEvents(window(), QEvent::UpdateRequest);
    }
    midiGate_.release();
    const std::string& error = model_->window().error;
    if (!error.empty()) QMessageBox::critical(this, QStringLiteral("Tambrel"), shown(error));
}

void TForm1::showNoteGrid(PickGrid* grid, const NoteGrid& state) {
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

void TForm1::showModelState() {
    const WindowState& w = model_->window();

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
    if (w.chordNames != shownChordNames_) {
        shownChordNames_ = w.chordNames;
        const QSignalBlocker blocker(ListBox1);
        ListBox1->clear();
        for (const std::string& name : w.chordNames) {
            auto* item = new QListWidgetItem(shown(name), ListBox1);
            item->setToolTip(item->text());
        }
    }

    setCurrentIndex(ComboBox1, fretItemOf(model_->search().maxFret));
    setCurrentIndex(ComboBox2, w.distanceItem);
    setChecked(CheckBoxOmit3, w.omit3);
    setChecked(CheckBoxOmit5, w.omit5);
    setChecked(CheckBoxNSI, w.easyChords);
    setChecked(CheckBoxCanhoto, w.leftHanded);
    setChecked(CheckBoxPestanas, w.noBarreChords);
    setCurrentIndex(ComboBoxOrder, w.orderItem);
    setChecked(CheckBoxCommon, w.commonVoicings);

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

    setText(LabelTotal, shown(w.labelTotal));
    setText(Edit1, shown(w.formation));
    Image1->showResults(model_->diagramFretLists(), w.columns, w.canvasWidth, w.canvasHeight,
                        w.highlighted, w.leftHanded);
    Image1->markEasiest(model_->easiestDiagram());
    // While the neck is an input it shows the fingering entered on it.
    Image2->showNeck(w.electricNeck,
                     w.neckInput ? std::optional<FretList>(w.enteredFrets) : w.neckVoicing);
    setChecked(SpeedButtonNeckInput, w.neckInput);
    if (w.fretListText != shownFretList_) {
        shownFretList_ = w.fretListText;
        setText(EditFrets, QString::fromStdString(w.fretListText));
    }
    if (w.readings != shownReadings_) {
        shownReadings_ = w.readings;
        const QSignalBlocker blocker(ListBoxReadings);
        ListBoxReadings->clear();
        for (const std::string& reading : w.readings) {
            auto* item = new QListWidgetItem(QString::fromStdString(reading), ListBoxReadings);
            item->setToolTip(item->text());
        }
    }
    {
        const QSignalBlocker blocker(ListBoxReadings);
        ListBoxReadings->setCurrentRow(w.chosenReading);
    }
    setText(LabelPlainName, QString::fromStdString(w.plainName));
    // What a standard symbol left out, and what naming a fingering has to say.
    std::string message = w.lookupNotice;
    if (!w.namingMessage.empty()) {
        if (!message.empty()) message += "   ";
        message += w.namingMessage;
    }
    if (message.empty())
        statusBar()->clearMessage();
    else if (statusBar()->currentMessage() != QString::fromStdString(message))
        statusBar()->showMessage(QString::fromStdString(message));
    setChecked(w.electricNeck ? SpeedButton11 : SpeedButton12, true);

    // A typed instrument name that matches no item stays as typed.
    if (w.patchItem >= 0) setCurrentIndex(ComboBoxPatch, w.patchItem);
    setValue(TrackBarTempoAcorde, w.tempoPosition);
    sheetTools_->showModelState();
}

void TForm1::fitChordColumn() {
    // Room for the longest name of the start chord (C major's "Gadd11/add13/C (no3) (no5)")
    // beside the list's scroll bar: the widest item as the list lays it out, and its frame.
    const int list = ListBox1->sizeHintForColumn(0) +
                     ListBox1->verticalScrollBar()->sizeHint().width() + 2 * ListBox1->frameWidth();
    const QMargins margins = chordColumn_->layout()->contentsMargins();
    namesColumnWidth_ = std::max(kChordColumnWidth, list + margins.left() + margins.right());
    followWindowWidth(width());
}

void TForm1::followWindowWidth(int windowWidth) {
    // The panels beside the column keep the room they need to show whole; what the window has
    // beyond that widens the column first, up to what the names need.
    const int panels = bottomPanels_->widget()->minimumSizeHint().width();
    chordColumn_->setFixedWidth(std::clamp(windowWidth - panels, kChordColumnWidth,
                                           std::max(kChordColumnWidth, namesColumnWidth_)));
}

void TForm1::resizeEvent(QResizeEvent* event) {
    followWindowWidth(event->size().width());
    QMainWindow::resizeEvent(event);
}

void TForm1::followResultsWidth() {
    if (!isVisible()) return;
    const int width = ScrollBoxViolao->viewport()->width();
    if (width == model_->window().canvasWidth) return;
    // The diagram that opened the view still does in the new columns.
    QScrollBar* bar = ScrollBoxViolao->verticalScrollBar();
    const int top = bar->value();
    const int columns = model_->window().columns;
    forward([&] { model_->FormResize(width); });
    bar->setValue(scrollTopKeepingFirstDiagram(top, columns, model_->window().columns));
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ScrollBoxViolao->viewport() && event->type() == QEvent::Resize)
        followResultsWidth();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The first layout of a shown window may settle after this event.
    QTimer::singleShot(0, this, &TForm1::followResultsWidth);
}

void TForm1::Sair1Click() {
    // Closing the main window ends the program; nothing is asked and nothing is saved.
    close();
}

void TForm1::Sobre1Click() {
    form2_->exec();
}
