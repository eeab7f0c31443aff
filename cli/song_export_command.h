#pragma once
// The song out of the terminal: --song written as a MusicXML lead sheet (--musicxml) and as
// the MIDI file of the song played (--midi), each file whole or not at all.
#include "cli/song_command.h"

#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace tambrel {

struct SongExportOptions {
    std::string musicXml; // --musicxml FILE
    std::string midi;     // --midi FILE
    int bpm = 90;         // --bpm, as the song panel's
    int beats = 4;        // --beats: a chord's beats
    std::string instrument = "Nylon guitar";

    bool wanted() const { return !musicXml.empty() || !midi.empty(); }
};

// Registers --musicxml, --midi, --bpm, --beats and --instrument on the command line.
void addSongExportOptions(CLI::App& app, SongExportOptions& exports);

// The item of the window's instrument list that `text` names: its name in any letter case, or
// its place in the list, 1 first. Nothing for any other text.
std::optional<int> instrumentNamed(const std::string& text);

// Writes the song to each file given. Returns the exit status: 0, 1 when the song has a symbol
// that cannot be read or no chord at all, or a file cannot be written (said on standard error;
// nothing is then written), kUsageError for options that cannot be read.
int exportSong(const DictionaryOptions& options, const SongOptions& song,
               const SongExportOptions& exports);

} // namespace tambrel
