// The option controls beside the results. Each change searches once; the search reads the
// options from the controls when it runs.
#include "main_window_model.h"

namespace tambrel {

void MainWindowModel::ComboBox1Change(int item) {
    if (item < 0 || item >= static_cast<int>(kFretItems.size())) return;
    window_.fretItem = item;
    search_.maxFret = kFretItems[item];
    searchCurrentChord();
}

void MainWindowModel::ComboBox2Change(int item) {
    if (item < 0 || item >= static_cast<int>(kDistanceItems.size())) return;
    window_.distanceItem = item;
    searchCurrentChord();
}

void MainWindowModel::CheckBoxOmit3Click(bool checked) {
    window_.omit3 = checked;
    searchCurrentChord();
}

void MainWindowModel::CheckBoxOmit5Click(bool checked) {
    window_.omit5 = checked;
    searchCurrentChord();
}

void MainWindowModel::CheckBoxNSIClick(bool checked) {
    window_.easyChords = checked;
    // Easy chords want a short stretch: Distance "3", and back to "5" (not to what it was).
    // Selecting it here is no user choice, so it does not search a second time.
    window_.distanceItem = checked ? 1 : 3;
    searchCurrentChord();
}

void MainWindowModel::CheckBoxCanhotoClick(bool checked) {
    // Only the drawing is mirrored; the search redraws every diagram.
    window_.leftHanded = checked;
    searchCurrentChord();
}

void MainWindowModel::CheckBoxPestanasClick(bool checked) {
    window_.noBarreChords = checked;
    searchCurrentChord();
}

} // namespace tambrel
