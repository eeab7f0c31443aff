#include "app/Unit1.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QResizeEvent>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "app/Unitabout.h"
#include "app/application.h"
#include "app/banner_picture.h"
#include "app/bottom_panels.h"
#include "app/chord_column.h"
#include "app/main_menus.h"
#include "app/results_panel.h"
#include "app/scroll_panel.h"
#include "app/sheet_panel.h"
#include "app/sheet_tools.h"
#include "app/shortcuts_dialog.h"
#include "app/song_exports.h"
#include "app/song_file_items.h"
#include "app/song_panel.h"
#include "app/widget_helpers.h"
#include "assets/artwork.h"

using namespace tambrel;

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
    chordColumn_ = std::make_unique<ChordColumn>();
    body->addWidget(chordColumn_->widget());
    body->addWidget(buildMainArea(), 1);
    column->addLayout(body, 1);
    setCentralWidget(central);
    menus_ = std::make_unique<MainMenus>(*this);
    buildStatusBar();

    // The start-up sequence: the output opened before, then the search state, the note
    // names, the chord tables and the first search, all inside the model.
    model_ = std::make_unique<MainWindowModel>(midiGate_, kDesignResultsWidth);
    sheetTools_ = new SheetTools(*this, *model_, results_->canvas());
    menus_->addFileItems(sheetTools_->outputItems());
    menus_->addPanel(*sheetTools_->panel());
    songPanel_ = new SongPanel(*this, *sheetTools_);
    menus_->addPanel(*songPanel_);
    menus_->addFileItems((new SongFileItems(*this, *model_, *songPanel_))->items());
    songExports_ = new SongExports(*this, *model_, *songPanel_);
    menus_->addFileItems(songExports_->items());
    connectControls();
    showModelState();
    results_->followSearch(*model_);
    // Room for the longest name of the start chord, as far as the window allows.
    chordColumn_->measureNames();
    followWindowWidth(width());

    // The About box exists from the start and is shown when asked for.
    form2_ = new TForm2(this);
}

TForm1::TForm1(MidiOutput& output, QWidget* parent)
    : TForm1(static_cast<MidiSink&>(output), parent) {
    menus_->addMidiOutputs(output);
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

QWidget* TForm1::buildMainArea() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("PanelPrincipal"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    results_ = std::make_unique<ResultsPanel>(this);
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->setObjectName(QStringLiteral("Splitter2"));
    splitter->setHandleWidth(8);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(results_->widget());
    // On a screen too narrow for its panels they scroll sideways.
    bottom_ = std::make_unique<BottomPanels>(this);
    bottomPanels_ = new SideScrollPanel(bottom_->widget());
    bottomPanels_->setObjectName(QStringLiteral("PanelBracoScroll"));
    splitter->addWidget(bottomPanels_);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    layout->addWidget(splitter);
    return panel;
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
    const ModelForward toModel = [this](const std::function<void()>& operation) {
        forward(operation);
    };
    chordColumn_->connect(model, toModel);
    results_->connect(model, toModel);
    bottom_->connect(model, toModel);
    songPanel_->connect(model, toModel);
    connect(menus_->closeItem(), &QAction::triggered, this, &TForm1::Sair1Click);
    connect(menus_->shortcutsItem(), &QAction::triggered, this, &TForm1::showShortcuts);
    connect(menus_->aboutItem(), &QAction::triggered, this, &TForm1::Sobre1Click);
}

void TForm1::forward(const std::function<void()>& operation) {
    midiGate_.hold();
    operation();
    showModelState();
    results_->followSearch(*model_);
    if (midiGate_.hasHeld()) {
        // The selection is painted before the chord sounds.
        QCoreApplication::sendPostedEvents(window(), QEvent::UpdateRequest);
    }
    midiGate_.release();
    const std::string& error = model_->window().error;
    if (!error.empty()) QMessageBox::critical(this, QStringLiteral("Tambrel"), shown(error));
}

void TForm1::showModelState() {
    chordColumn_->show(*model_);
    bottom_->show(*model_);
    results_->show(*model_);
    showStatus(model_->window());
    sheetTools_->showModelState();
    songPanel_->showSong(*model_);
}

void TForm1::showStatus(const WindowState& w) {
    std::string message = w.lookupNotice;
    if (!w.namingMessage.empty()) {
        if (!message.empty()) message += "   ";
        message += w.namingMessage;
    }
    if (message.empty())
        statusBar()->clearMessage();
    else if (statusBar()->currentMessage() != QString::fromStdString(message))
        statusBar()->showMessage(QString::fromStdString(message));
}

void TForm1::followWindowWidth(int windowWidth) {
    chordColumn_->fitWindow(windowWidth, bottomPanels_->widget()->minimumSizeHint().width());
}

void TForm1::resizeEvent(QResizeEvent* event) {
    followWindowWidth(event->size().width());
    QMainWindow::resizeEvent(event);
}

void TForm1::followResultsWidth() {
    if (isVisible()) results_->followViewportWidth();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    // The results panel is watched from within its making, before the window holds it.
    if (results_ != nullptr && watched == results_->viewport() && event->type() == QEvent::Resize)
        followResultsWidth();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The first layout of a shown window may settle after this event.
    QTimer::singleShot(0, this, &TForm1::followResultsWidth);
}

QAction* TForm1::songPanelItem() const {
    return songPanel_->toggleViewAction();
}

void TForm1::Sair1Click() {
    // Closing the main window ends the program; nothing is asked and nothing is saved.
    close();
}

void TForm1::Sobre1Click() {
    form2_->exec();
}

void TForm1::showShortcuts() {
    // Made afresh each time, from the actions as they are then.
    ShortcutsDialog dialog(*this);
    dialog.exec();
}
