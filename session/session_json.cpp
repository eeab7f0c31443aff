#include "session/session_json.h"

#include "music/fret_list_text.h"
#include "music/single_byte_text.h"

#include <nlohmann/json.hpp>

#include <utility>

namespace tambrel {
namespace {

using Json = nlohmann::ordered_json;

std::string utf8(const SingleByteText& text) {
    return text.utf8();
}

std::string utf8(const std::string& text) {
    return text;
}

template <typename Texts> Json textArray(const Texts& texts) {
    Json array = Json::array();
    for (const auto& text : texts) array.push_back(utf8(text));
    return array;
}

template <typename Numbers> Json numberArray(const Numbers& numbers) {
    Json array = Json::array();
    for (int n : numbers) array.push_back(n);
    return array;
}

// One line, whatever bytes the texts hold: a byte that is no UTF-8 becomes U+FFFD.
std::string line(const Json& json) {
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace

std::string sessionStateJson(const MainWindowModel& model,
                             const std::vector<std::string>& midiLog) {
    const WindowState& w = model.window();
    const SearchState& s = model.search();
    Json state;
    state["symbol"] = utf8(w.editAcorde);
    state["rootNote"] = s.rootNote;
    state["bassNote"] = s.bassNote;
    state["chordIntervals"] = utf8(s.chordIntervals);
    state["rootName"] = utf8(s.rootName);
    state["chordSuffix"] = utf8(s.chordSuffix);
    state["bassSuffix"] = utf8(s.bassSuffix);
    state["thirdInterval"] = s.thirdInterval;
    state["fifthInterval"] = s.fifthInterval;
    state["maxFret"] = s.maxFret;
    state["distance"] = kDistanceItems[w.distanceItem];
    state["options"] = Json{{"omit3", w.omit3},
                            {"omit5", w.omit5},
                            {"easy", w.easyChords},
                            {"lefthand", w.leftHanded},
                            {"nobarre", w.noBarreChords}};
    state["view"] = w.view == ChordPanelView::Tensions ? "mod1" : "mod2";
    std::vector<int> ticked;
    std::vector<int> disabled;
    for (int i = 0; i < kTensionCount; ++i) {
        if (w.ticked[i]) ticked.push_back(i);
        if (!w.itemEnabled[i]) disabled.push_back(i);
    }
    state["ticked"] = numberArray(ticked);
    state["disabled"] = numberArray(disabled);
    state["bassGridEnabled"] = w.bassGrid.enabled;
    state["rootGridNames"] = textArray(w.rootGrid.names);
    state["bassGridNames"] = textArray(w.bassGrid.names);
    state["rootGridRow"] = w.rootGrid.row;
    state["bassGridRow"] = w.bassGrid.row;
    state["stringNote"] = numberArray(s.stringNote);
    std::vector<int> open;
    open.reserve(kStringCount);
    for (int string = 0; string < kStringCount; ++string)
        open.push_back(s.midiNoteTable[string][0]);
    state["openMidiNotes"] = numberArray(open);
    state["tunerPositions"] = numberArray(w.tunerPositions);
    state["tunerLabels"] = textArray(w.tunerLabels);
    state["tuningButton"] = utf8(w.tuningButtonCaption);
    state["tuningMark"] = w.tuningMark;
    state["count"] = static_cast<long long>(s.voicingList.size());
    Json voicings = Json::array();
    for (const Voicing& voicing : s.voicingList) voicings.push_back(entryText(voicing));
    state["voicings"] = std::move(voicings);
    state["names"] = textArray(w.chordNames);
    state["columns"] = w.columns;
    state["canvasHeight"] = w.canvasHeight;
    state["highlighted"] = numberArray(w.highlighted);
    state["formation"] = utf8(w.formation);
    state["selectedFrets"] = numberArray(s.selectedFrets);
    state["midi"] = textArray(midiLog);
    // The order and the common voicings are told only once chosen: a session that never
    // changes them prints the state it always printed.
    if (w.orderItem != 0 || w.commonVoicings) {
        state["order"] = w.orderItem == 1 ? "easiest" : "position";
        state["common"] = w.commonVoicings;
    }
    return line(state);
}

std::string namingJson(const MainWindowModel& model) {
    const WindowState& w = model.window();
    Json naming;
    // New texts are UTF-8 already.
    naming["plainName"] = w.plainName;
    naming["lookupNotice"] = w.lookupNotice;
    naming["neckInput"] = w.neckInput;
    naming["enteredFrets"] = numberArray(w.enteredFrets);
    naming["fretList"] = w.fretListText;
    naming["stringNotes"] = textArray(w.stringNotes);
    Json readings = Json::array();
    for (const std::string& reading : w.readings) readings.push_back(reading);
    naming["readings"] = readings;
    naming["chosenReading"] = w.chosenReading;
    naming["namingMessage"] = w.namingMessage;
    return line(naming);
}

std::string explanationsJson(const MainWindowModel& model) {
    Json texts = Json::array();
    for (int i = 0; i < static_cast<int>(model.search().voicingList.size()); ++i)
        texts.push_back(utf8(model.diagramExplanation(i)));
    Json explanations;
    explanations["explain"] = std::move(texts);
    return line(explanations);
}

std::string songStateJson(const MainWindowModel& model) {
    const Song& song = model.song();
    Json state;
    state["text"] = song.text();
    state["capo"] = model.search().capo;
    state["transpose"] = song.transposition();
    state["shapeNames"] = model.window().shapeNames;
    Json chords = Json::array();
    for (const ArrangedChord& arranged : song.arrangement().chords) {
        Json chord;
        chord["symbol"] = arranged.symbol;
        chord["shape"] = arranged.shape;
        chord["frets"] = arranged.fingering
                             ? writeFretList(*arranged.fingering, {FretSeparator::Blanks, 'x'})
                             : std::string();
        chord["alternative"] = arranged.alternative;
        chord["alternatives"] =
            arranged.alternatives ? arranged.alternatives->result.voicingList.size() : 0;
        chord["pinned"] = arranged.pinned;
        chord["hand"] = arranged.handScore;
        chord["move"] = arranged.move.total();
        chords.push_back(std::move(chord));
    }
    state["chords"] = std::move(chords);
    Json problems = Json::array();
    for (const SongProblem& problem : song.reading().problems) {
        Json p;
        p["symbol"] = problem.symbol;
        p["line"] = problem.line;
        p["column"] = problem.column;
        p["message"] = problem.message;
        problems.push_back(std::move(p));
    }
    state["problems"] = std::move(problems);
    state["cost"] = song.arrangement().cost;
    state["playing"] = model.songPlayer().current();
    return line(state);
}

std::string errorJson(const std::string& message) {
    Json error;
    error["error"] = message;
    return line(error);
}

} // namespace tambrel
