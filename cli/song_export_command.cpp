#include "cli/song_export_command.h"

#include "song_files/midi_file_song.h"
#include "song_files/musicxml_writer.h"
#include "song_files/whole_file.h"
#include "sound/instruments.h"
#include "sound/song_player.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <iostream>

namespace tambrel {
namespace {

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// A file that cannot be written is said as the program's own message; status 1.
int written(const std::string& path, const std::string& bytes) {
    if (const auto problem = writeWholeFile(path, bytes)) {
        std::cerr << "tambrel-cli: " << *problem << '\n';
        return 1;
    }
    return 0;
}

} // namespace

void addSongExportOptions(CLI::App& app, SongExportOptions& exports) {
    const char* group = "Songs (files)";
    app.add_option("--musicxml", exports.musicXml,
                   "With --song: write the song to FILE as a MusicXML lead sheet, each chord "
                   "with its fingering's diagram")
        ->group(group);
    app.add_option("--midi", exports.midi,
                   "With --song: write the song to FILE as a MIDI file, each chord strummed on "
                   "its beat")
        ->group(group);
    app.add_option("--bpm", exports.bpm,
                   "With --midi: the tempo in beats a minute, 20..300 "
                   "(default 90)")
        ->check(CLI::Range(kSlowestBpm, kFastestBpm))
        ->group(group);
    app.add_option("--beats", exports.beats, "With --midi: beats to each chord, 1..16 (default 4)")
        ->check(CLI::Range(1, 16))
        ->group(group);
    app.add_option("--instrument", exports.instrument,
                   "With --midi: the instrument, by its name in the window's list (\"Nylon "
                   "guitar\", the default; \"jazz guitar\", ...) or its place in it, 1..9")
        ->group(group);
}

std::optional<int> instrumentNamed(const std::string& text) {
    const auto& table = instrumentTable();
    for (int i = 0; i < kInstrumentCount; ++i)
        if (lowerCase(text) == lowerCase(table[i].name)) return i;
    int place = 0;
    const char* end = text.data() + text.size();
    const auto read = std::from_chars(text.data(), end, place);
    if (!text.empty() && read.ec == std::errc{} && read.ptr == end && place >= 1 &&
        place <= kInstrumentCount)
        return place - 1;
    return std::nullopt;
}

int exportSong(const DictionaryOptions& options, const SongOptions& song,
               const SongExportOptions& exports) {
    const std::optional<int> instrument = instrumentNamed(exports.instrument);
    if (!instrument) {
        std::string names;
        for (const Instrument& listed : instrumentTable())
            names += std::string(names.empty() ? "" : ", ") + listed.name;
        return fail("--instrument takes one of " + names + " (or 1.." +
                    std::to_string(kInstrumentCount) + "), not '" + exports.instrument + "'");
    }
    ChordQuery settings;
    Song panel;
    const int status = arrangeSongOptions(options, song, panel, settings);
    if (status == kUsageError) return status;
    if (status == kSongFileUnreadable) return 1;
    // A song with a symbol left out would be written as another song.
    if (status != 0) {
        std::cerr << "tambrel-cli: nothing written: the song has symbols that cannot be read\n";
        return status;
    }
    if (panel.empty()) {
        std::cerr << "tambrel-cli: nothing written: the song has no chords\n";
        return 1;
    }
    if (!exports.musicXml.empty())
        if (const int failed = written(exports.musicXml, musicXmlOf(panel))) return failed;
    if (!exports.midi.empty()) {
        MidiFilePerformance performance;
        performance.bpm = exports.bpm;
        performance.beatsPerChord = exports.beats;
        performance.instrument = *instrument;
        return written(exports.midi,
                       midiFileOf(panel.arrangement(), settings.inputs.stringNote, performance));
    }
    return 0;
}

} // namespace tambrel
