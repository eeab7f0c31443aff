#pragma once
// The headless session: the main window driven by one command a line, each command one user
// action, with the state printed as one JSON object a line. Plain C++ and the JSON library only,
// so that it runs wherever the logic runs, a terminal or not.
#include "sound/recording_midi_sink.h"
#include "window/main_window_model.h"

#include <optional>
#include <string>

namespace tambrel {

// The results area of a session: 644 pixels, six columns, as after the first resize.
constexpr int kSessionResultsWidth = 644;

class ScriptSession {
  public:
    ScriptSession();

    // Runs one input line (UTF-8). Returns the line to print, if any: the state for "state",
    // {"error": ...} for a line that is not a command or has an argument out of range.
    std::optional<std::string> execute(const std::string& line);

    bool hadError() const { return hadError_; }
    MainWindowModel& model() { return model_; }
    const MainWindowModel& model() const { return model_; }
    RecordingMidiSink& midi() { return midi_; }

  private:
    std::optional<std::string> error(const std::string& line, const std::string& why);

    RecordingMidiSink midi_;
    MainWindowModel model_;
    bool hadError_ = false;
};

} // namespace tambrel
