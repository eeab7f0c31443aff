#include "app/main_menus.h"

#include <QAction>
#include <QActionGroup>
#include <QDockWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <string>
#include <vector>

#include "app/midi_output.h"

namespace tambrel {

MainMenus::MainMenus(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    Arquivo1 = bar->addMenu(QStringLiteral("File"));
    Arquivo1->setObjectName(QStringLiteral("Arquivo1"));
    Sair1 = Arquivo1->addAction(QStringLiteral("&Close"));
    Sair1->setObjectName(QStringLiteral("Sair1"));
    // Closing the window ends the program: the key that ends programs, on every desktop.
    Sair1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // What the list of shortcuts says of it.
    Sair1->setToolTip(QStringLiteral("Close Tambrel"));
    programItems_ = Sair1;
    view_ = bar->addMenu(QStringLiteral("&View"));
    view_->setObjectName(QStringLiteral("ViewMenu"));
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Ajuda1"));
    shortcuts_ = help->addAction(QStringLiteral("&Keyboard shortcuts"));
    shortcuts_->setObjectName(QStringLiteral("KeyboardShortcuts"));
    shortcuts_->setShortcut(QKeySequence(Qt::Key_F1));
    Sobre1 = help->addAction(QStringLiteral("&About"));
    Sobre1->setObjectName(QStringLiteral("Sobre1"));
}

void MainMenus::addFileItems(const QList<QAction*>& items) {
    Arquivo1->insertActions(programItems_, items);
    Arquivo1->insertSeparator(programItems_);
}

void MainMenus::addPanel(QDockWidget& panel) {
    view_->addAction(panel.toggleViewAction());
}

void MainMenus::addMidiOutputs(MidiOutput& output) {
    midiOutput_ = &output;
    if (output.deviceNames().empty()) return;
    midiOutputMenu_ = new QMenu(QStringLiteral("MIDI output"), Arquivo1);
    midiOutputMenu_->setObjectName(QStringLiteral("MidiOutputMenu"));
    midiOutputGroup_ = new QActionGroup(midiOutputMenu_);
    Arquivo1->insertMenu(Sair1, midiOutputMenu_);
    Arquivo1->insertSeparator(Sair1);
    programItems_ = midiOutputMenu_->menuAction();
    // Ports come and go while the program runs: the list is made afresh each time it opens.
    QObject::connect(midiOutputMenu_, &QMenu::aboutToShow, midiOutputMenu_,
                     [this] { listMidiOutputs(); });
    listMidiOutputs();
}

void MainMenus::listMidiOutputs() {
    midiOutputMenu_->clear();
    const std::vector<std::string> names = midiOutput_->deviceNames();
    const int selected = midiOutput_->selectedDevice();
    for (int index = 0; index < static_cast<int>(names.size()); ++index) {
        QAction* item = midiOutputMenu_->addAction(QString::fromStdString(names[index]));
        item->setCheckable(true);
        item->setChecked(index == selected);
        midiOutputGroup_->addAction(item);
        QObject::connect(item, &QAction::triggered, midiOutputMenu_,
                         [output = midiOutput_, index] { output->selectDevice(index); });
    }
}

} // namespace tambrel
