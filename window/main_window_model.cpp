// Start-up of the headless main window and the results: the search run, the layout, the
// selection of a diagram and the sound of the selection.
#include "window/main_window_model.h"

#include "display/results_layout.h"
#include "music/chord_names.h"
#include "music/fret_list_text.h"
#include "music/plain_names.h"
#include "search/voicing_search.h"
#include "sound/instruments.h"
#include "tuning/tunings.h"

#include <algorithm>

namespace tambrel {

MainWindowModel::MainWindowModel(MidiSink& midi, int resultsWidth) : playback_(midi) {
    // Opening the MIDI device comes first and sends nothing. Then the search state, the
    // note names, and the chord vocabulary, which is built in.
    search_.midiNoteTable = midiNoteTableFor(search_.stringNote);
    const TuningPreset& standard = tuningPresets()[0];
    for (int s = 0; s < kStringCount; ++s) window_.tunerLabels[s] = standard.labels[s];
    window_.tuningButtonCaption = standard.buttonCaption;
    window_.rootGrid.names = noteNames();
    window_.bassGrid.names = noteNames();
    window_.itemEnabled.fill(true);

    // C major over C, item 0 ticked, and the first search for the results area's width.
    search_.chordSuffix = "";
    search_.rootName = "C";
    window_.editAcorde = "C";
    search_.rootNote = 0;
    search_.bassNote = 0;
    search_.chordIntervals = chordTypeTable()[0].intervals;
    window_.ticked[kItemMajor] = true;
    window_.canvasWidth = resultsWidth;
    searchCurrentChord();
}

void MainWindowModel::searchCurrentChord(bool trimIntervals) {
    const std::string intervals =
        trimIntervals ? trimBlanks(search_.chordIntervals) : search_.chordIntervals;
    window_.error.clear();
    try {
        runSearch(queryOfIntervals(intervals, searchInputs(), voicingChoices()));
    } catch (const InvalidIntegerError& error) {
        // A malformed chord formula: the user sees the message and an empty result, never a
        // partial list.
        showResult(RankedVoicings{}, false);
        window_.error = error.what();
    }
    // The song is searched under the same settings as the chord.
    arrangeSong();
}

void MainWindowModel::runSearch(const ChordQuery& query) {
    search_.lastClickX = 0;
    search_.lastClickY = 0;
    window_.highlighted.clear();

    // A typed symbol without a readable root names no chord, whatever bass follows it: there
    // is nothing to search and nothing to name.
    const bool rooted = search_.rootNote >= 0 && search_.rootNote < 12;
    searchedFor_ = query;
    RankedVoicings result;
    if (rooted) result = searchWithChoices(query);
    window_.columns = columnsForWidth(window_.canvasWidth);
    showResult(std::move(result), rooted);
}

void MainWindowModel::showResult(RankedVoicings result, bool named) {
    search_.chordTones = std::move(result.result.chordTones);
    search_.voicingList = std::move(result.result.voicingList);
    window_.playabilityScores = std::move(result.scores);
    window_.scoredAgainst = result.hand;
    window_.highlighted.clear();
    window_.canvasHeight =
        canvasHeightFor(static_cast<int>(search_.voicingList.size()), window_.columns);
    window_.chordNames.clear();
    window_.plainName.clear();
    if (named) {
        ChordNaming naming =
            nameChord(search_.chordTones, search_.bassNote, window_.rootGrid.names);
        window_.chordNames = std::move(naming.lines);
        window_.plainName = std::move(naming.plainName);
    }
    window_.labelTotal = std::to_string(search_.voicingList.size());
}

std::vector<Fretting> MainWindowModel::diagramFretLists() const {
    std::vector<Fretting> lists;
    lists.reserve(search_.voicingList.size());
    for (const Voicing& voicing : search_.voicingList) lists.push_back(voicing.frets);
    return lists;
}

std::optional<Playability> MainWindowModel::diagramPlayability(int index) const {
    if (index < 0 || index >= static_cast<int>(search_.voicingList.size())) return std::nullopt;
    return assessPlayability(search_.voicingList[static_cast<std::size_t>(index)].frets,
                             window_.scoredAgainst);
}

std::string MainWindowModel::diagramExplanation(int index) const {
    const std::optional<Playability> playability = diagramPlayability(index);
    return playability ? explainPlayability(*playability) : std::string();
}

std::optional<int> MainWindowModel::easiestDiagram() const {
    if (window_.orderItem != 1 || search_.voicingList.empty()) return std::nullopt;
    return 0;
}

void MainWindowModel::FormResize(int resultsWidth) {
    window_.canvasWidth = resultsWidth;
    searchCurrentChord();
}

void MainWindowModel::Image1MouseUp(int x, int y) {
    const std::optional<int> index =
        diagramAt(x, y, window_.columns, static_cast<int>(search_.voicingList.size()));
    if (!index) return;

    const Voicing& voicing = search_.voicingList[static_cast<std::size_t>(*index)];
    search_.selectedFrets = voicing.frets.marked();
    window_.neckVoicing = voicing.frets;
    window_.highlighted = {*index};
    search_.lastClickX = x;
    search_.lastClickY = y;

    // The whole fret list, muted strings as X, each fret followed by a blank. (Cut at twenty
    // characters, a list with several two-digit barres would show a wrong fingering.)
    window_.formation = writeFretList(voicing.frets, {FretSeparator::Blanks, 'X'}) + ' ';
    playback_.strumVoicing(search_.selectedFrets, search_.midiNoteTable, window_.tempoPosition);
}

void MainWindowModel::ComboBoxPatchChange(int item) {
    window_.patchItem = item;
    if (item >= 0 && item < kInstrumentCount) window_.patchText = instrumentTable()[item].name;
    playback_.selectInstrument(item);
}

void MainWindowModel::setTempo(int position) {
    window_.tempoPosition = std::clamp(position, 0, 5);
}

void MainWindowModel::SpeedButton12Click() {
    window_.electricNeck = false;
    window_.neckVoicing.reset();
}

void MainWindowModel::SpeedButton11Click() {
    window_.electricNeck = true;
    window_.neckVoicing.reset();
}

} // namespace tambrel
