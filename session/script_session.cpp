#include "session/script_session.h"

#include "session/session_json.h"
#include "sound/instruments.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

namespace tambrel {
namespace {

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

// One command line as its handler reads it.
struct CommandLine {
    MainWindowModel& model;
    RecordingMidiSink& midi;
    const std::vector<std::string>& words; // the command word first
    std::string_view rest; // the text after the command word and its blank, for kRestOfLine

    // Word `index` as a whole number within [low, high]; nothing when it is not one.
    std::optional<int> number(std::size_t index, int low, int high) const {
        long long value = 0;
        if (!readNumber(words[index], low, high, value)) return std::nullopt;
        return static_cast<int>(value);
    }

    // Whether the argument is the second of two words; nothing when it is neither.
    std::optional<bool> either(std::string_view first, std::string_view second) const {
        if (words[1] == first) return false;
        if (words[1] == second) return true;
        return std::nullopt;
    }
};

// What a command answers: nothing, a line to print, or why its line is refused.
struct Answer {
    std::optional<std::string> printed;
    std::string_view refusal; // empty when the line is taken
};

Answer print(std::string line) {
    return {std::move(line), {}};
}

Answer refuse(std::string_view why) {
    return {std::nullopt, why};
}

// A choice of one row or item, a whole number within [low, high].
template <typename Result>
Answer choose(const CommandLine& c, int low, int high, std::string_view refusal,
              Result (MainWindowModel::*handler)(int)) {
    const std::optional<int> item = c.number(1, low, high);
    if (!item) return refuse(refusal);
    (c.model.*handler)(*item);
    return {};
}

// A check box, clicked only when its state differs from the one named.
Answer checkBox(const CommandLine& c, bool WindowState::*shown,
                void (MainWindowModel::*click)(bool)) {
    const std::optional<bool> on = c.either("off", "on");
    if (!on) return refuse("expected on or off");
    if (c.model.window().*shown != *on) (c.model.*click)(*on);
    return {};
}

// A mouse button released at X, Y in a picture's pixels.
Answer release(const CommandLine& c, void (MainWindowModel::*mouseUp)(int, int)) {
    const std::optional<int> x = c.number(1, -1000000000, 1000000000);
    const std::optional<int> y = c.number(2, -1000000000, 1000000000);
    if (!x || !y) return refuse("position out of range");
    (c.model.*mouseUp)(*x, *y);
    return {};
}

// One of the two buttons of a pair: the first for `first`, the second for `second`.
Answer press(const CommandLine& c, std::string_view first, std::string_view second,
             std::string_view refusal, void (MainWindowModel::*pressFirst)(),
             void (MainWindowModel::*pressSecond)()) {
    const std::optional<bool> which = c.either(first, second);
    if (!which) return refuse(refusal);
    (c.model.*(*which ? pressSecond : pressFirst))();
    return {};
}

// A command takes this many words after its own, or the rest of the line as one text.
constexpr int kRestOfLine = -1;

struct Command {
    std::string_view word;             // the line's first word
    int arguments;                     // the words after it, or kRestOfLine
    Answer (*run)(const CommandLine&); // reads its arguments and acts
};

using M = MainWindowModel;

// Every command of the session. A line whose first word is none of these, or that gives one of
// them too few or too many words, is not a command.
constexpr std::array kCommands{
    Command{"state", 0,
            [](const CommandLine& c) -> Answer {
                return print(sessionStateJson(c.model, c.midi.takeLog()));
            }},
    // The symbol box takes any text, blanks included. As typed: the standard reading sees the
    // UTF-8 text, the lookup its single-byte form.
    Command{"symbol", kRestOfLine,
            [](const CommandLine& c) -> Answer {
                c.model.typeSymbol(std::string(c.rest));
                c.model.SpeedButton2Click();
                return {};
            }},
    // So does the fret list entry box; a text that is no fret list is the message's.
    Command{"frets", kRestOfLine,
            [](const CommandLine& c) -> Answer {
                c.model.enterFretList(std::string(c.rest));
                return {};
            }},
    Command{"root", 1,
            [](const CommandLine& c) {
                return choose(c, 0, 11, "row out of range", &M::StringGridAcordeSelectCell);
            }},
    // Nothing while the bass grid is disabled.
    Command{
        "bass", 1,
        [](const CommandLine& c) { return choose(c, 0, 11, "row out of range", &M::chooseBass); }},
    // Nothing while the chord-type list is hidden.
    Command{"type", 1,
            [](const CommandLine& c) {
                return choose(c, 0, kChordTypeCount - 1, "row out of range", &M::chooseChordType);
            }},
    Command{"tick", 1,
            [](const CommandLine& c) {
                return choose(c, 0, kTensionCount - 1, "item out of range", &M::clickTension);
            }},
    Command{"sharp", 1,
            [](const CommandLine& c) {
                return press(c, "root", "bass", "expected root or bass", &M::SpeedButton5Click,
                             &M::SpeedButton10Click);
            }},
    Command{"flat", 1,
            [](const CommandLine& c) {
                return press(c, "root", "bass", "expected root or bass", &M::SpeedButton6Click,
                             &M::SpeedButton9Click);
            }},
    Command{"view", 1,
            [](const CommandLine& c) {
                return press(c, "mod1", "mod2", "expected mod1 or mod2", &M::SpeedButton7Click,
                             &M::SpeedButton8Click);
            }},
    Command{"fret", 1,
            [](const CommandLine& c) -> Answer {
                const auto item = std::find(kFretItems.begin(), kFretItems.end(),
                                            c.number(1, 0, 99).value_or(-1));
                if (item == kFretItems.end()) return refuse("expected 6, 12, 18 or 24");
                c.model.ComboBox1Change(static_cast<int>(item - kFretItems.begin()));
                return {};
            }},
    Command{"distance", 1,
            [](const CommandLine& c) -> Answer {
                const std::optional<int> distance = c.number(1, 2, 5);
                if (!distance) return refuse("expected 2, 3, 4 or 5");
                c.model.ComboBox2Change(*distance - 2);
                return {};
            }},
    Command{"omit3", 1,
            [](const CommandLine& c) {
                return checkBox(c, &WindowState::omit3, &M::CheckBoxOmit3Click);
            }},
    Command{"omit5", 1,
            [](const CommandLine& c) {
                return checkBox(c, &WindowState::omit5, &M::CheckBoxOmit5Click);
            }},
    Command{"easy", 1,
            [](const CommandLine& c) {
                return checkBox(c, &WindowState::easyChords, &M::CheckBoxNSIClick);
            }},
    Command{"lefthand", 1,
            [](const CommandLine& c) {
                return checkBox(c, &WindowState::leftHanded, &M::CheckBoxCanhotoClick);
            }},
    Command{"nobarre", 1,
            [](const CommandLine& c) {
                return checkBox(c, &WindowState::noBarreChords, &M::CheckBoxPestanasClick);
            }},
    Command{"order", 1,
            [](const CommandLine& c) -> Answer {
                const std::optional<bool> easiest = c.either("position", "easiest");
                if (!easiest) return refuse("expected position or easiest");
                c.model.ComboBoxOrderChange(*easiest ? 1 : 0);
                return {};
            }},
    Command{"common", 1,
            [](const CommandLine& c) {
                return checkBox(c, &WindowState::commonVoicings, &M::CheckBoxCommonClick);
            }},
    Command{"explain", 0,
            [](const CommandLine& c) -> Answer { return print(explanationsJson(c.model)); }},
    Command{"preset", 1,
            [](const CommandLine& c) {
                return choose(c, 0, 11, "preset out of range", &M::StandardTunning1Click);
            }},
    Command{"standard", 0,
            [](const CommandLine& c) -> Answer {
                c.model.ToolButton5Click();
                return {};
            }},
    Command{"tuner", 2,
            [](const CommandLine& c) -> Answer {
                const std::optional<int> tuner = c.number(1, 1, 6);
                const std::optional<int> position = c.number(2, 0, 11);
                if (!tuner || !position) return refuse("tuner out of range");
                if (c.model.window().tunerPositions[*tuner - 1] != *position)
                    c.model.TrackBarChange(*tuner, *position);
                return {};
            }},
    Command{"width", 1,
            [](const CommandLine& c) -> Answer {
                const std::optional<int> width = c.number(1, 0, 1000000);
                if (!width) return refuse("width out of range");
                if (c.model.window().canvasWidth != *width) c.model.FormResize(*width);
                return {};
            }},
    Command{"click", 2, [](const CommandLine& c) { return release(c, &M::Image1MouseUp); }},
    Command{"patch", 1,
            [](const CommandLine& c) {
                return choose(c, 0, kInstrumentCount - 1, "instrument out of range",
                              &M::ComboBoxPatchChange);
            }},
    Command{
        "tempo", 1,
        [](const CommandLine& c) { return choose(c, 0, 5, "tempo out of range", &M::setTempo); }},
    Command{"neck", 1,
            [](const CommandLine& c) -> Answer {
                const std::optional<bool> input = c.either("picture", "input");
                if (!input) return refuse("expected input or picture");
                if (c.model.window().neckInput != *input) c.model.NeckInputButtonClick(*input);
                return {};
            }},
    Command{"neckclick", 2, [](const CommandLine& c) { return release(c, &M::Image2MouseUp); }},
    Command{"reading", 1,
            [](const CommandLine& c) {
                const int readings = static_cast<int>(c.model.window().readings.size());
                return choose(c, 0, readings - 1, "no such reading", &M::chooseReading);
            }},
    Command{"naming", 0, [](const CommandLine& c) -> Answer { return print(namingJson(c.model)); }},
    // The song panel. Its text as typed, read as a whole.
    Command{"song", kRestOfLine,
            [](const CommandLine& c) -> Answer {
                c.model.setSongText(std::string(c.rest));
                return {};
            }},
    Command{"capo", 1,
            [](const CommandLine& c) -> Answer {
                if (c.words[1] == "best") {
                    c.model.useBestCapo();
                    return {};
                }
                return choose(c, 0, 11, "expected a fret 0..11 or best", &M::setCapo);
            }},
    Command{"transpose", 1,
            [](const CommandLine& c) {
                return choose(c, -11, 11, "expected semitones -11..11", &M::transposeSong);
            }},
    Command{"shapes", 1,
            [](const CommandLine& c) -> Answer {
                const std::optional<bool> on = c.either("off", "on");
                if (!on) return refuse("expected on or off");
                c.model.setShapeNames(*on);
                return {};
            }},
    // "pin I FRETS": the fret list may hold blanks ("x 3 2 0 1 0").
    Command{"pin", kRestOfLine,
            [](const CommandLine& c) -> Answer {
                const std::size_t blank = c.rest.find(' ');
                if (blank == std::string_view::npos) return refuse("expected a chord and frets");
                long long chord = 0;
                if (!readNumber(std::string(c.rest.substr(0, blank)), 0, 100000, chord))
                    return refuse("no such chord");
                if (!c.model.pinSongFrets(static_cast<int>(chord),
                                          std::string(c.rest.substr(blank + 1))))
                    return refuse("no such chord, or no fret list");
                return {};
            }},
    Command{"unpin", 1,
            [](const CommandLine& c) -> Answer {
                const std::optional<int> chord = c.number(1, 0, 100000);
                if (!chord || !c.model.unpinSongChord(*chord)) return refuse("no pinned chord");
                return {};
            }},
    Command{"songstate", 0,
            [](const CommandLine& c) -> Answer { return print(songStateJson(c.model)); }},
};

// A word twice in the table would leave its second handler unreachable.
constexpr bool eachWordOnce() {
    for (std::size_t i = 0; i < kCommands.size(); ++i)
        for (std::size_t j = i + 1; j < kCommands.size(); ++j)
            if (kCommands[i].word == kCommands[j].word) return false;
    return true;
}
static_assert(eachWordOnce(), "two commands of the session share a word");

const Command* findCommand(std::string_view word) {
    const auto command = std::find_if(kCommands.begin(), kCommands.end(),
                                      [word](const Command& c) { return c.word == word; });
    return command == kCommands.end() ? nullptr : &*command;
}

} // namespace

ScriptSession::ScriptSession() : model_(midi_, kSessionResultsWidth) {}

std::optional<std::string> ScriptSession::error(const std::string& line, const std::string& why) {
    hadError_ = true;
    return errorJson(why + ": '" + line + "'");
}

std::optional<std::string> ScriptSession::execute(const std::string& rawLine) {
    std::string line = rawLine;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') return std::nullopt;

    const std::vector<std::string> words = splitWords(line);
    const Command* command = findCommand(words[0]);
    if (command == nullptr || (command->arguments != kRestOfLine &&
                               words.size() - 1 != static_cast<std::size_t>(command->arguments)))
        return error(line, "not a command");
    const std::string_view rest =
        std::string_view(line).substr(std::min(words[0].size() + 1, line.size()));
    Answer answer = command->run({model_, midi_, words, rest});
    if (!answer.refusal.empty()) return error(line, std::string(answer.refusal));
    return std::move(answer.printed);
}

} // namespace tambrel
