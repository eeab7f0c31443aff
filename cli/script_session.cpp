#include "cli/script_session.h"

#include "music/text_encoding.h"
#include "sound/instruments.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace tambrel {
namespace {

using Json = nlohmann::ordered_json;

std::string utf8(const std::string& text) {
    return cp1252ToUtf8(text);
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

// A whole decimal number within [low, high]; leading zeros allowed, no sign unless allowed.
bool readNumber(const std::string& text, long long low, long long high, long long& value) {
    if (text.empty() || text.size() > 12) return false;
    std::size_t i = 0;
    bool negative = false;
    if (text[0] == '-' && low < 0) {
        negative = true;
        i = 1;
    }
    if (i == text.size()) return false;
    long long n = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        n = n * 10 + (text[i] - '0');
    }
    value = negative ? -n : n;
    return value >= low && value <= high;
}

std::vector<std::string> splitWords(const std::string& line) {
    std::vector<std::string> words;
    // Words are separated by single blanks: an empty word (two blanks) makes the line unreadable.
    std::size_t start = 0;
    for (;;) {
        const std::size_t blank = line.find(' ', start);
        words.push_back(
            line.substr(start, blank == std::string::npos ? std::string::npos : blank - start));
        if (blank == std::string::npos) break;
        start = blank + 1;
    }
    return words;
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
    return state.dump(-1, ' ', false, Json::error_handler_t::replace);
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
    return naming.dump(-1, ' ', false, Json::error_handler_t::replace);
}

ScriptSession::ScriptSession() : model_(midi_, kSessionResultsWidth) {}

std::optional<std::string> ScriptSession::error(const std::string& line, const std::string& why) {
    hadError_ = true;
    Json message;
    message["error"] = why + ": '" + line + "'";
    return message.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::optional<std::string> ScriptSession::execute(const std::string& rawLine) {
    std::string line = rawLine;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') return std::nullopt;

    // The symbol box takes any text, blanks included.
    if (line == "symbol" || line.compare(0, 7, "symbol ") == 0) {
        // As typed: the standard reading sees the UTF-8 text, the lookup its single-byte form.
        model_.typeSymbol(line.size() > 7 ? line.substr(7) : std::string());
        model_.SpeedButton2Click();
        return std::nullopt;
    }
    // So does the fret list entry box; a text that is no fret list is the message's.
    if (line == "frets" || line.compare(0, 6, "frets ") == 0) {
        model_.enterFretList(line.size() > 6 ? line.substr(6) : std::string());
        return std::nullopt;
    }

    const std::vector<std::string> words = splitWords(line);
    const std::string& command = words[0];
    const std::size_t arguments = words.size() - 1;
    const WindowState& w = model_.window();
    long long a = 0;
    long long b = 0;
    auto number = [&](std::size_t index, long long low, long long high, long long& value) {
        return readNumber(words[index], low, high, value);
    };
    auto oneNumber = [&](long long low, long long high) {
        return arguments == 1 && number(1, low, high, a);
    };

    if (command == "state" && arguments == 0) {
        return sessionStateJson(model_, midi_.takeLog());
    }
    if (command == "root" && arguments == 1) {
        if (!oneNumber(0, 11)) return error(line, "row out of range");
        model_.StringGridAcordeSelectCell(static_cast<int>(a));
        return std::nullopt;
    }
    if (command == "bass" && arguments == 1) {
        if (!oneNumber(0, 11)) return error(line, "row out of range");
        model_.chooseBass(static_cast<int>(a)); // nothing while the bass grid is disabled
        return std::nullopt;
    }
    if (command == "type" && arguments == 1) {
        if (!oneNumber(0, kChordTypeCount - 1)) return error(line, "row out of range");
        model_.chooseChordType(static_cast<int>(a)); // nothing while the list is hidden
        return std::nullopt;
    }
    if (command == "tick" && arguments == 1) {
        if (!oneNumber(0, kTensionCount - 1)) return error(line, "item out of range");
        model_.clickTension(static_cast<int>(a));
        return std::nullopt;
    }
    if ((command == "sharp" || command == "flat") && arguments == 1) {
        const bool sharp = command == "sharp";
        if (words[1] == "root")
            sharp ? model_.SpeedButton5Click() : model_.SpeedButton6Click();
        else if (words[1] == "bass")
            sharp ? model_.SpeedButton10Click() : model_.SpeedButton9Click();
        else
            return error(line, "expected root or bass");
        return std::nullopt;
    }
    if (command == "view" && arguments == 1) {
        if (words[1] == "mod1")
            model_.SpeedButton7Click();
        else if (words[1] == "mod2")
            model_.SpeedButton8Click();
        else
            return error(line, "expected mod1 or mod2");
        return std::nullopt;
    }
    if (command == "fret" && arguments == 1) {
        const auto item = std::find(kFretItems.begin(), kFretItems.end(),
                                    oneNumber(0, 99) ? static_cast<int>(a) : -1);
        if (item == kFretItems.end()) return error(line, "expected 6, 12, 18 or 24");
        model_.ComboBox1Change(static_cast<int>(item - kFretItems.begin()));
        return std::nullopt;
    }
    if (command == "distance" && arguments == 1) {
        if (!oneNumber(2, 5)) return error(line, "expected 2, 3, 4 or 5");
        model_.ComboBox2Change(static_cast<int>(a) - 2);
        return std::nullopt;
    }
    if ((command == "omit3" || command == "omit5" || command == "easy" || command == "lefthand" ||
         command == "nobarre") &&
        arguments == 1) {
        if (words[1] != "on" && words[1] != "off") return error(line, "expected on or off");
        const bool on = words[1] == "on";
        if (command == "omit3" && w.omit3 != on) model_.CheckBoxOmit3Click(on);
        if (command == "omit5" && w.omit5 != on) model_.CheckBoxOmit5Click(on);
        if (command == "easy" && w.easyChords != on) model_.CheckBoxNSIClick(on);
        if (command == "lefthand" && w.leftHanded != on) model_.CheckBoxCanhotoClick(on);
        if (command == "nobarre" && w.noBarreChords != on) model_.CheckBoxPestanasClick(on);
        return std::nullopt;
    }
    if (command == "order" && arguments == 1) {
        if (words[1] != "position" && words[1] != "easiest")
            return error(line, "expected position or easiest");
        model_.ComboBoxOrderChange(words[1] == "easiest" ? 1 : 0);
        return std::nullopt;
    }
    if (command == "common" && arguments == 1) {
        if (words[1] != "on" && words[1] != "off") return error(line, "expected on or off");
        const bool on = words[1] == "on";
        if (w.commonVoicings != on) model_.CheckBoxCommonClick(on);
        return std::nullopt;
    }
    if (command == "explain" && arguments == 0) {
        Json texts = Json::array();
        for (int i = 0; i < static_cast<int>(model_.search().voicingList.size()); ++i)
            texts.push_back(utf8(model_.diagramExplanation(i)));
        Json explanations;
        explanations["explain"] = std::move(texts);
        return explanations.dump(-1, ' ', false, Json::error_handler_t::replace);
    }
    if (command == "preset" && arguments == 1) {
        if (!oneNumber(0, 11)) return error(line, "preset out of range");
        model_.StandardTunning1Click(static_cast<int>(a));
        return std::nullopt;
    }
    if (command == "standard" && arguments == 0) {
        model_.ToolButton5Click();
        return std::nullopt;
    }
    if (command == "tuner" && arguments == 2) {
        if (!number(1, 1, 6, a) || !number(2, 0, 11, b)) return error(line, "tuner out of range");
        if (w.tunerPositions[a - 1] != b)
            model_.TrackBarChange(static_cast<int>(a), static_cast<int>(b));
        return std::nullopt;
    }
    if (command == "width" && arguments == 1) {
        if (!oneNumber(0, 1000000)) return error(line, "width out of range");
        if (w.canvasWidth != a) model_.FormResize(static_cast<int>(a));
        return std::nullopt;
    }
    if (command == "click" && arguments == 2) {
        if (!number(1, -1000000000, 1000000000, a) || !number(2, -1000000000, 1000000000, b))
            return error(line, "position out of range");
        model_.Image1MouseUp(static_cast<int>(a), static_cast<int>(b));
        return std::nullopt;
    }
    if (command == "patch" && arguments == 1) {
        if (!oneNumber(0, kInstrumentCount - 1)) return error(line, "instrument out of range");
        model_.ComboBoxPatchChange(static_cast<int>(a));
        return std::nullopt;
    }
    if (command == "tempo" && arguments == 1) {
        if (!oneNumber(0, 5)) return error(line, "tempo out of range");
        model_.setTempo(static_cast<int>(a));
        return std::nullopt;
    }
    if (command == "neck" && arguments == 1) {
        if (words[1] != "input" && words[1] != "picture")
            return error(line, "expected input or picture");
        if (w.neckInput != (words[1] == "input")) model_.NeckInputButtonClick(words[1] == "input");
        return std::nullopt;
    }
    if (command == "neckclick" && arguments == 2) {
        if (!number(1, -1000000000, 1000000000, a) || !number(2, -1000000000, 1000000000, b))
            return error(line, "position out of range");
        model_.Image2MouseUp(static_cast<int>(a), static_cast<int>(b));
        return std::nullopt;
    }
    if (command == "reading" && arguments == 1) {
        if (!oneNumber(0, static_cast<long long>(w.readings.size()) - 1))
            return error(line, "no such reading");
        model_.chooseReading(static_cast<int>(a));
        return std::nullopt;
    }
    if (command == "naming" && arguments == 0) return namingJson(model_);
    return error(line, "not a command");
}

} // namespace tambrel
