// The song panel beside the results and the capo beside the tuning: the song's text, its
// fingerings chosen together under the window's settings, pins, transposition, the best capo
// and the song played chord after chord.
#include "music/fret_list_text.h"
#include "window/main_window_model.h"
#include "window/song_arrangement.h"

namespace tambrel {

void MainWindowModel::setShapeNames(bool shapes) {
    window_.shapeNames = shapes;
}

std::string MainWindowModel::capoCaption() const {
    return tambrel::capoCaption(search_.capo, window_.editAcorde.utf8(), window_.shapeNames);
}

std::string MainWindowModel::songChordName(int chord) const {
    const auto& chords = song_.arrangement().chords;
    if (chord < 0 || chord >= static_cast<int>(chords.size())) return "";
    const ArrangedChord& arranged = chords[chord];
    return window_.shapeNames && search_.capo > 0 ? arranged.shape : arranged.symbol;
}

void MainWindowModel::arrangeSong() {
    if (song_.empty()) return;
    song_.arrange(ChordQuery{{}, searchInputs(), voicingChoices()});
}

void MainWindowModel::setSongText(const std::string& utf8) {
    stopSong();
    song_.setText(utf8);
    if (const auto& stated = song_.chordPro()) {
        // A ChordPro text says its capo and transposition, and may bring its own fingerings.
        if (stated->capo) setCapo(*stated->capo);
        if (stated->transpose) song_.setTransposition(*stated->transpose);
        song_.pinStatedFingerings(ChordQuery{{}, searchInputs(), voicingChoices()});
    }
    arrangeSong();
}

void MainWindowModel::transposeSong(int semitones) {
    stopSong();
    song_.setTransposition(song_.transposition() + semitones);
    arrangeSong();
}

bool MainWindowModel::pinSongChord(int chord, int alternative) {
    if (!song_.pinAlternative(chord, alternative)) return false;
    arrangeSong();
    return true;
}

bool MainWindowModel::pinSongFrets(int chord, const std::string& fretList) {
    const FretListReading read = readFretList(fretList);
    if (!read.frets || !song_.pin(chord, *read.frets)) return false;
    arrangeSong();
    return true;
}

bool MainWindowModel::unpinSongChord(int chord) {
    if (!song_.unpin(chord)) return false;
    arrangeSong();
    return true;
}

CapoOffer MainWindowModel::bestCapoOffer() {
    return song_.bestCapo(ChordQuery{{}, searchInputs(), voicingChoices()});
}

void MainWindowModel::useBestCapo() {
    if (song_.empty()) return;
    setCapo(bestCapoOffer().capo);
}

void MainWindowModel::strumSongChord(int chord) {
    const auto& chords = song_.arrangement().chords;
    if (chord < 0 || chord >= static_cast<int>(chords.size())) return;
    const std::optional<Fretting>& fingering = chords[chord].fingering;
    if (!fingering) return;
    // The neck shows what sounds, as for a clicked diagram.
    window_.neckVoicing = *fingering;
    playback_.strumVoicing(*fingering, search_.midiNoteTable, window_.tempoPosition);
}

void MainWindowModel::playSong(int bpm, int beatsPerChord, std::int64_t nowMs) {
    songPlayer_.start(static_cast<int>(song_.arrangement().chords.size()), bpm, beatsPerChord,
                      nowMs);
    songTick(nowMs);
}

void MainWindowModel::songTick(std::int64_t nowMs) {
    const std::optional<int> due = songPlayer_.advance(nowMs);
    if (!due) {
        // Played to its end: the last chord rings out.
        if (!songPlayer_.playing()) songRinging_.reset();
        return;
    }
    // Each string is struck again or damped: what the chord before left ringing stops.
    if (songRinging_) playback_.releaseVoicing(songRinging_->fingering, songRinging_->notes);
    songRinging_.reset();
    strumSongChord(*due);
    const auto& chords = song_.arrangement().chords;
    if (chords[*due].fingering)
        songRinging_ = Ringing{*chords[*due].fingering, search_.midiNoteTable};
}

void MainWindowModel::stopSong() {
    songPlayer_.stop();
    if (songRinging_) playback_.releaseVoicing(songRinging_->fingering, songRinging_->notes);
    songRinging_.reset();
}

} // namespace tambrel
