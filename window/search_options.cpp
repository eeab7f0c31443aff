// The option controls beside the results. Each change searches once; the search reads the
// options from the controls when it runs.
#include "window/search_options.h"

#include "window/main_window_model.h"

#include <algorithm>

namespace tambrel {

int fretItemOf(int maxFret) {
    const auto item = std::find(kFretItems.begin(), kFretItems.end(), maxFret);
    return item == kFretItems.end() ? -1 : static_cast<int>(item - kFretItems.begin());
}

SearchInputs MainWindowModel::searchInputs() const {
    SearchInputs inputs;
    inputs.rootNote = search_.rootNote;
    inputs.bassNote = search_.bassNote;
    inputs.stringNote = search_.stringNote;
    inputs.maxFret = search_.maxFret;
    inputs.distance = kDistanceItems[window_.distanceItem];
    inputs.omit3 = window_.omit3;
    inputs.omit5 = window_.omit5;
    inputs.easyChords = window_.easyChords;
    inputs.noBarreChords = window_.noBarreChords;
    inputs.thirdInterval = search_.thirdInterval;
    inputs.fifthInterval = search_.fifthInterval;
    inputs.capo = search_.capo;
    return inputs;
}

void MainWindowModel::ComboBox1Change(int item) {
    if (item < 0 || item >= static_cast<int>(kFretItems.size())) return;
    search_.maxFret = kFretItems[item];
    searchCurrentChord();
}

void MainWindowModel::ComboBox2Change(int item) {
    if (item < 0 || item >= static_cast<int>(kDistanceItems.size())) return;
    window_.distanceItem = item;
    searchCurrentChord();
}

void MainWindowModel::setOption(bool& box, bool checked) {
    box = checked;
    searchCurrentChord();
}

void MainWindowModel::CheckBoxOmit3Click(bool checked) {
    setOption(window_.omit3, checked);
}

void MainWindowModel::CheckBoxOmit5Click(bool checked) {
    setOption(window_.omit5, checked);
}

void MainWindowModel::CheckBoxNSIClick(bool checked) {
    window_.easyChords = checked;
    // Easy chords want a short stretch. Selecting it here is no user choice, so it does not
    // search a second time.
    window_.distanceItem = distanceItemForEasyChords(checked);
    searchCurrentChord();
}

void MainWindowModel::CheckBoxCanhotoClick(bool checked) {
    // Only the drawing is mirrored; the search redraws every diagram.
    setOption(window_.leftHanded, checked);
}

void MainWindowModel::CheckBoxPestanasClick(bool checked) {
    setOption(window_.noBarreChords, checked);
}

VoicingChoices MainWindowModel::voicingChoices() const {
    return VoicingChoices{window_.orderItem == 1 ? VoicingOrder::EasiestFirst
                                                 : VoicingOrder::Position,
                          window_.commonVoicings};
}

void MainWindowModel::ComboBoxOrderChange(int item) {
    if (item < 0 || item >= static_cast<int>(kOrderItems.size())) return;
    window_.orderItem = item;
    searchCurrentChord();
}

void MainWindowModel::CheckBoxCommonClick(bool checked) {
    setOption(window_.commonVoicings, checked);
}

} // namespace tambrel
