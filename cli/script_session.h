#pragma once
// The headless session: the main window driven by one command a line, each command one user
// action, with the state printed as one JSON object a line.
#include "sound/recording_midi_sink.h"
#include "window/main_window_model.h"

#include <optional>
#include <string>
#include <vector>

namespace tambrel {

// The results area of a session: 644 pixels, six columns, as after the first resize.
constexpr int kSessionResultsWidth = 644;

// The state object of a session as one line of JSON (UTF-8), keys in their documented order.
std::string sessionStateJson(const MainWindowModel& model, const std::vector<std::string>& midiLog);

// The chord language's part of the window as one line of JSON (UTF-8), for the "naming"
// command: the plain name, the notice of a standard symbol, and the fingering being named.
std::string namingJson(const MainWindowModel& model);

class ScriptSession {
  public:
    ScriptSession();

    // Runs one input line (UTF-8). Returns the line to print, if any: the state for "state",
    // {"error": ...} for a line that is not a command or has an argument out of range.
    std::optional<std::string> execute(const std::string& line);

    bool hadError() const { return hadError_; }
    MainWindowModel& model() { return model_; }
    RecordingMidiSink& midi() { return midi_; }

  private:
    std::optional<std::string> error(const std::string& line, const std::string& why);

    RecordingMidiSink midi_;
    MainWindowModel model_;
    bool hadError_ = false;
};

} // namespace tambrel
