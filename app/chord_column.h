#pragma once
// The window's left column: the chord entry over the list of the chord's names, in a splitter.
// The column is as narrow as designed, and wider where the window has room for what the names
// need.
#include <memory>
#include <string>
#include <vector>

#include "app/chord_entry_panel.h"
#include "app/model_forward.h"
#include "music/single_byte_text.h"

class QListWidget;
class QSplitter;
class QWidget;

namespace tambrel {

class MainWindowModel;

class ChordColumn {
  public:
    ChordColumn();
    ~ChordColumn();

    // The column ("Panel1"), for the window to place.
    QWidget* widget() const { return panel_; }
    void connect(MainWindowModel& model, const ModelForward& forward);
    void show(const MainWindowModel& model);

    // Measures the width the chord names need, once they are shown.
    void measureNames();
    // Widens the column as far as a window `windowWidth` wide allows beside `panelsWidth`, up to
    // what the names need; never narrower than designed.
    void fitWindow(int windowWidth, int panelsWidth);

  private:
    QWidget* panel_ = nullptr;
    QSplitter* Splitter3 = nullptr;
    std::unique_ptr<ChordEntryPanel> entry_;
    QListWidget* ListBox1 = nullptr;
    int namesColumnWidth_ = 0;
    std::vector<SingleByteText> shownChordNames_;
};

} // namespace tambrel
