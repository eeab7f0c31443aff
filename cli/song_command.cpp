#include "cli/song_command.h"

#include "music/fret_list_text.h"
#include "song_files/chordpro_writer.h"
#include "song_files/whole_file.h"
#include "window/song.h"

#include <charconv>
#include <filesystem>
#include <iostream>

namespace tambrel {

namespace {

// Whether --song's argument names a file rather than giving the chords.
bool namesFile(const std::string& text) {
    std::error_code error;
    return !text.empty() && text.find('\n') == std::string::npos &&
           std::filesystem::exists(text, error) && !error;
}

} // namespace

std::optional<std::string> readCapo(const std::string& text, int& capo) {
    if (text == "best") {
        capo = -1;
        return std::nullopt;
    }
    int value = -1;
    const char* end = text.data() + text.size();
    const auto read = std::from_chars(text.data(), end, value);
    if (text.empty() || read.ec != std::errc{} || read.ptr != end || value < 0 || value > 11)
        return "--capo takes a fret 0..11 or \"best\", not '" + text + "'";
    capo = value;
    return std::nullopt;
}

int arrangeSongOptions(const DictionaryOptions& options, const SongOptions& song, Song& panel,
                       ChordQuery& settings) {
    if (const auto problem = readSearchOptions(options, settings)) return fail(*problem);
    int capo = 0;
    if (!song.capo.empty())
        if (const auto problem = readCapo(song.capo, capo)) return fail(*problem);

    std::string text = song.text;
    if (namesFile(text)) {
        FileReading file = readSongFile(text);
        if (!file.bytes) {
            std::cerr << "tambrel-cli: " << file.error << '\n';
            return kSongFileUnreadable;
        }
        text = std::move(*file.bytes);
    }
    panel.setText(text);
    const auto& stated = panel.chordPro();
    if (stated && stated->capo && song.capo.empty()) capo = *stated->capo;
    panel.setTransposition((stated ? stated->transpose.value_or(0) : 0) + song.transpose);
    if (panel.empty() && panel.reading().problems.empty()) return fail("--song names no chord");
    int status = 0;
    for (const SongProblem& problem : panel.reading().problems) {
        std::cerr << "tambrel-cli: '" << problem.symbol << "' (line " << problem.line << ", column "
                  << problem.column << ") is not a chord symbol: " << problem.message << '\n';
        status = kUnreadableSymbol;
    }
    settings.inputs.capo = capo >= 0 ? capo : panel.bestCapo(settings).capo;
    panel.pinStatedFingerings(settings);
    panel.arrange(settings);
    return status;
}

int printSong(const DictionaryOptions& options, const SongOptions& song) {
    ChordQuery settings;
    Song panel;
    const int status = arrangeSongOptions(options, song, panel, settings);
    if (status == kUsageError) return status;
    if (status == kSongFileUnreadable) return 1;
    const SongArrangement& arranged = panel.arrangement();
    for (const ArrangedChord& chord : arranged.chords) {
        std::cout << (song.shapes ? chord.shape : chord.symbol) << '\t';
        if (chord.fingering)
            std::cout << writeFretList(*chord.fingering, {FretSeparator::Blanks, 'x'});
        else
            std::cout << "none";
        std::cout << '\n';
        if (options.explain) std::cout << "  " << explainCost(chord) << '\n';
    }
    std::cout << "capo " << arranged.capo << '\n';
    if (!song.chordPro.empty()) {
        ChordProStyle style;
        style.fingers = !song.noFingers;
        if (const auto problem = writeWholeFile(song.chordPro, writeChordPro(panel, style))) {
            std::cerr << "tambrel-cli: " << *problem << '\n';
            return 1;
        }
    }
    return status;
}

} // namespace tambrel
