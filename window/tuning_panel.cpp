// The tuning button with its presets, and the six string tuners.
#include "window/tuning_panel.h"

#include "tuning/tunings.h"
#include "window/main_window_model.h"

namespace tambrel {

void MainWindowModel::applyTuning(const StringNotes& notes, const char* caption,
                                  const std::array<const char*, kStringCount>& labels) {
    const StringNotes tuners = search_.stringNote; // where the tuners stand before
    search_.stringNote = notes;
    window_.tuningButtonCaption = caption;
    // Only a tuner that actually moves runs its own handler.
    for (int s = 0; s < kStringCount; ++s)
        if (tuners[s] != notes[s]) TrackBarChange(s + 1, notes[s]);
    // The preset's own labels: "G minor tuning" names its strings "Bb", not "A#".
    for (int s = 0; s < kStringCount; ++s) window_.tunerLabels[s] = labels[s];
    search_.midiNoteTable = midiNoteTableFor(search_.stringNote, search_.capo);
    searchCurrentChord();
}

void MainWindowModel::setCapo(int capo) {
    if (capo < 0 || capo > 11 || capo == search_.capo) return;
    search_.capo = capo;
    search_.midiNoteTable = midiNoteTableFor(search_.stringNote, capo);
    searchCurrentChord();
}

void MainWindowModel::StandardTunning1Click(int tag) {
    if (tag < 0 || tag >= kTuningPresetCount) return;
    const TuningPreset& preset = tuningPresets()[tag];
    window_.tuningMark = tag;
    applyTuning(preset.notes, preset.buttonCaption, preset.labels);
}

void MainWindowModel::ToolButton5Click() {
    // Standard tuning, leaving the menu's mark where it is.
    const TuningPreset& standard = tuningPresets()[0];
    applyTuning(standard.notes, standard.buttonCaption, standard.labels);
}

void MainWindowModel::TrackBarChange(int tuner, int position) {
    if (!isTuner(tuner) || position < 0 || position > 11) return;
    // The new note counts at the next search; the sound follows at the next preset.
    const int s = stringOfTuner(tuner);
    window_.tunerLabels[s] = noteNames()[position];
    search_.stringNote[s] = position;
}

} // namespace tambrel
