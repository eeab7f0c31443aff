// Feeds arbitrary bytes to the ChordPro reader: whatever the text, its chords and problems
// stand on a line and column of it, its defines' frets are frets, never a crash or a hang.
#include "music/fret_list_text.h"
#include "song_files/chordpro_reader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    tambrel::looksLikeChordPro(text);
    const tambrel::ChordProSong song = tambrel::readChordPro(text);
    const auto lines = static_cast<int>(size) + 1;
    for (const auto& chord : song.reading.chords)
        if (chord.line < 1 || chord.line > lines || chord.column < 1) std::abort();
    for (const auto& problem : song.reading.problems)
        if (problem.line < 1 || problem.line > lines || problem.column < 1) std::abort();
    for (const auto& define : song.defines)
        for (int fret : define.frets.frets())
            if (fret != tambrel::kMuted && (fret < 0 || fret > tambrel::kHighestNamedFret))
                std::abort();
    return 0;
}
