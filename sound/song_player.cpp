#include "sound/song_player.h"

#include <algorithm>

namespace tambrel {

void SongPlayer::start(int chords, int bpm, int beatsPerChord, std::int64_t nowMs) {
    stop();
    if (chords <= 0) return;
    const int beatMs = 60000 / std::clamp(bpm, kSlowestBpm, kFastestBpm);
    chords_ = chords;
    msPerChord_ = beatMs * std::clamp(beatsPerChord, 1, 16);
    startMs_ = nowMs;
}

void SongPlayer::stop() {
    chords_ = 0;
    current_ = -1;
}

std::optional<int> SongPlayer::advance(std::int64_t nowMs) {
    if (!playing()) return std::nullopt;
    const std::int64_t due = std::max<std::int64_t>(0, nowMs - startMs_) / msPerChord_;
    if (due >= chords_) {
        stop();
        return std::nullopt;
    }
    if (due == current_) return std::nullopt;
    // Each chord is strummed once, when it is due. After a stall the one due now is strummed
    // and those missed are let go, so that the song keeps its time.
    current_ = static_cast<int>(due);
    return current_;
}

int SongPlayer::millisecondsToNext(std::int64_t nowMs) const {
    if (!playing()) return 0;
    const std::int64_t next = startMs_ + static_cast<std::int64_t>(current_ + 1) * msPerChord_;
    return static_cast<int>(std::max<std::int64_t>(0, next - nowMs));
}

} // namespace tambrel
