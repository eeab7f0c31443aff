// Naming a fingering: the neck picture as an input, the fret list entry box, the readings of
// what is entered, and searching a chosen reading to find the fingering among the results.
#include "display/neck_view.h"
#include "music/chord_symbol.h"
#include "music/fingering_names.h"
#include "music/lookup_translation.h"
#include "window/main_window_model.h"

#include <algorithm>

namespace tambrel {

void MainWindowModel::NeckInputButtonClick(bool down) {
    window_.neckInput = down;
    if (down) nameEnteredFingering();
}

void MainWindowModel::Image2MouseUp(int x, int y) {
    if (!window_.neckInput) return;
    const auto spot = neckSpotAt(x, y);
    if (!spot) return;
    int& fret = window_.enteredFrets[spot->string];
    if (spot->fret == 0)
        fret = fret == 0 ? kMuted : 0; // the nut: open, or muted again
    else
        fret = fret == spot->fret ? kMuted : spot->fret; // a second click takes the mark away
    window_.fretListText = writeFretList(window_.enteredFrets);
    nameEnteredFingering();
}

bool MainWindowModel::enterFretList(const std::string& text) {
    window_.fretListText = text;
    const FretListReading read = readFretList(text);
    if (!read.frets) {
        window_.namingMessage = read.error;
        return false;
    }
    window_.enteredFrets = read.frets->frets();
    nameEnteredFingering();
    return true;
}

void MainWindowModel::nameEnteredFingering() {
    const FingeringNames named =
        nameFingering(window_.enteredFrets, search_.midiNoteTable, window_.rootGrid.names);
    window_.stringNotes = named.noteName;
    window_.readings.clear();
    window_.readingSymbols.clear();
    for (const PlainReading& reading : named.readings) {
        window_.readings.push_back(plainCaption(reading));
        window_.readingSymbols.push_back(reading.symbol);
    }
    window_.chosenReading = -1;
    window_.namingMessage = named.bass < 0 ? "no notes" : "";
}

bool MainWindowModel::chooseReading(int index) {
    if (index < 0 || index >= static_cast<int>(window_.readingSymbols.size())) return false;
    window_.chosenReading = index;
    const std::string& symbol = window_.readingSymbols[index];
    const SymbolReading reading = readChordSymbol(symbol);
    const auto translation = reading.chord ? translateForLookup(*reading.chord) : std::nullopt;
    std::vector<std::string> notes;
    for (const std::string& note : window_.stringNotes)
        if (!note.empty() && std::find(notes.begin(), notes.end(), note) == notes.end())
            notes.push_back(note);
    if (notes.size() == 1) {
        window_.namingMessage = symbol + " is a single note: no chord to search";
        return true;
    }
    if (!translation) {
        window_.namingMessage = symbol + ": the tension list cannot write it";
        return true;
    }
    // The road of a typed symbol, in the tension list's own words: typed as written, "C9"
    // would read as the list's own "9".
    // A fingering has no more notes than a chord holds, so nothing is left out; a fifth it
    // leaves out is kept by the search, and the message below says what that means.
    typeSymbol(translation->text);
    SpeedButton2Click();

    const std::string entered = writeFretList(window_.enteredFrets);
    const auto found =
        std::find_if(search_.voicingList.begin(), search_.voicingList.end(),
                     [this](const Voicing& v) { return sameFrets(v.frets, window_.enteredFrets); });
    if (found != search_.voicingList.end()) {
        const int at = static_cast<int>(found - search_.voicingList.begin());
        window_.highlighted = {at};
        window_.namingMessage = entered + " is diagram " + std::to_string(at + 1) + " of " +
                                std::to_string(search_.voicingList.size());
        return true;
    }
    const SearchInputs inputs = searchInputs();
    const FingeringLimits limits{inputs.rootNote,      inputs.bassNote,      search_.chordTones,
                                 inputs.thirdInterval, inputs.fifthInterval, inputs.maxFret,
                                 inputs.distance};
    std::string why = fingeringMismatch(window_.enteredFrets, search_.midiNoteTable, limits,
                                        window_.rootGrid.names);
    if (why.empty())
        why = "the search turns it away (the fingers it needs, a barre or the options)";
    window_.namingMessage = entered + " is not among the results: " + why;
    return true;
}

} // namespace tambrel
