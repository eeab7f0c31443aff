#pragma once
// The window's menus: "File" with the groups of items that the window's parts add (the sheet's
// exports and printing), "MIDI output" when the program has outputs to choose from, and
// "Close"; "View" with an item for each panel that can be shown or hidden; "Help" with the
// keyboard shortcuts and "About".
#include <QList>

class QAction;
class QActionGroup;
class QDockWidget;
class QMainWindow;
class QMenu;

namespace tambrel {

class MidiOutput;

class MainMenus {
  public:
    explicit MainMenus(QMainWindow& window);

    QAction* closeItem() const { return Sair1; }
    QAction* shortcutsItem() const { return shortcuts_; }
    QAction* aboutItem() const { return Sobre1; }
    // Adds "MIDI output" to "File", if `output` has devices; `output` must outlive the menus.
    void addMidiOutputs(MidiOutput& output);
    // Adds `items` to "File" as one group, after the groups added before and ahead of the
    // program's own items ("MIDI output", "Close").
    void addFileItems(const QList<QAction*>& items);
    // Adds to "View" the item that shows or hides `panel`: its own toggle, named by its title,
    // with whatever shortcut the panel's maker gave it.
    void addPanel(QDockWidget& panel);

  private:
    // Lists the devices as they are now, the one in use checked.
    void listMidiOutputs();

    QMenu* Arquivo1 = nullptr;
    QMenu* view_ = nullptr;
    QAction* Sair1 = nullptr;
    QAction* shortcuts_ = nullptr;
    QAction* Sobre1 = nullptr;
    // The first of the program's own items in "File": the groups go before it.
    QAction* programItems_ = nullptr;
    MidiOutput* midiOutput_ = nullptr;
    QMenu* midiOutputMenu_ = nullptr;
    QActionGroup* midiOutputGroup_ = nullptr;
};

} // namespace tambrel
