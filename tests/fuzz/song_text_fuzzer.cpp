// Feeds arbitrary bytes to the lead-sheet reader: whatever the text, every chord and problem it
// lists stands on a line and column of the text, never a crash or a hang.
#include "music/song_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tambrel::SongText song = tambrel::readSongText(text);
    const auto lines = static_cast<int>(size) + 1;
    for (const auto& chord : song.chords)
        if (chord.line < 1 || chord.line > lines || chord.column < 1 || chord.bar < 1) std::abort();
    for (const auto& problem : song.problems)
        if (problem.line < 1 || problem.line > lines || problem.column < 1) std::abort();
    return 0;
}
