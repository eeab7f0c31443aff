#pragma once
// The clock of a song being played: which chord sounds when, at a tempo in beats per minute
// and a number of beats to each chord. It plays nothing itself and never waits: whoever shows
// the song asks it, as often as it likes, which chord is due, and strums that one, so the
// window stays free between two chords and a stop takes effect at once.
#include <cstdint>
#include <optional>

namespace tambrel {

constexpr int kSlowestBpm = 20;
constexpr int kFastestBpm = 300;

class SongPlayer {
  public:
    // Starts the song's `chords` chords at `nowMs`; a tempo and a length outside what a song
    // can have are brought into it (20..300 BPM, 1..16 beats).
    void start(int chords, int bpm, int beatsPerChord, std::int64_t nowMs);
    void stop();
    bool playing() const { return chords_ > 0; }
    // The chord sounding now (0 first), -1 when the song is not playing.
    int current() const { return current_; }
    // The chord whose time has come since the last call, once each; none when none has. After
    // the last chord's beats the song stops by itself.
    std::optional<int> advance(std::int64_t nowMs);
    // The time from one chord to the next.
    int millisecondsPerChord() const { return msPerChord_; }
    // How long to wait from `nowMs` for the next chord or the end (0 when not playing).
    int millisecondsToNext(std::int64_t nowMs) const;

  private:
    int chords_ = 0;
    int current_ = -1;
    int msPerChord_ = 0;
    std::int64_t startMs_ = 0;
};

} // namespace tambrel
