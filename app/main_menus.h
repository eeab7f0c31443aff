#pragma once
// The window's menus: "File" with "Close" (and "MIDI output" when the program has outputs to
// choose from), and "Help" with "About".
class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;

namespace tambrel {

class MidiOutput;

class MainMenus {
  public:
    explicit MainMenus(QMainWindow& window);

    QAction* closeItem() const { return Sair1; }
    QAction* aboutItem() const { return Sobre1; }
    // Adds "MIDI output" to "File", if `output` has devices; `output` must outlive the menus.
    void addMidiOutputs(MidiOutput& output);

  private:
    // Lists the devices as they are now, the one in use checked.
    void listMidiOutputs();

    QMenu* Arquivo1 = nullptr;
    QAction* Sair1 = nullptr;
    QAction* Sobre1 = nullptr;
    MidiOutput* midiOutput_ = nullptr;
    QMenu* midiOutputMenu_ = nullptr;
    QActionGroup* midiOutputGroup_ = nullptr;
};

} // namespace tambrel
