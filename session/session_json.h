#pragma once
// What the headless session prints: one line of JSON (UTF-8) each, keys in their documented
// order.
#include "window/main_window_model.h"

#include <string>
#include <vector>

namespace tambrel {

// The state object of a session.
std::string sessionStateJson(const MainWindowModel& model, const std::vector<std::string>& midiLog);

// The chord language's part of the window, for the "naming" command: the plain name, the notice
// of a standard symbol, and the fingering being named.
std::string namingJson(const MainWindowModel& model);

// The explanation of each diagram in display order, for the "explain" command.
std::string explanationsJson(const MainWindowModel& model);

// The song panel, for the "songstate" command: the text, capo, transposition and name toggle,
// each chord with its fingering, the problems of the text, and the song's cost.
std::string songStateJson(const MainWindowModel& model);

// The line printed for a refused command: {"error": message}.
std::string errorJson(const std::string& message);

} // namespace tambrel
