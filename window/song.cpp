#include "window/song.h"

#include "music/transposition.h"
#include "search/chord_query.h"

#include <algorithm>

namespace tambrel {

void Song::setText(const std::string& utf8) {
    text_ = utf8;
    reading_ = readSongText(text_);
    transposition_ = 0;
    pins_.clear();
    readSymbols();
}

void Song::setTransposition(int semitones) {
    if (semitones == transposition_) return;
    transposition_ = semitones;
    pins_.clear();
    readSymbols();
}

void Song::readSymbols() {
    std::vector<std::string> written;
    written.reserve(reading_.chords.size());
    for (const SongChord& chord : reading_.chords) written.push_back(chord.symbol);
    symbols_ = transposition_ % 12 == 0 ? written : transposeSong(written, transposition_);
    arrangement_ = {};
}

bool Song::pin(int chord, const Fretting& fingering) {
    if (chord < 0 || chord >= static_cast<int>(symbols_.size())) return false;
    unpin(chord);
    pins_.push_back({chord, fingering});
    return true;
}

bool Song::pinAlternative(int chord, int alternative) {
    if (chord < 0 || chord >= static_cast<int>(arrangement_.chords.size())) return false;
    const ArrangedChord& arranged = arrangement_.chords[chord];
    if (!arranged.alternatives) return false;
    const auto& list = arranged.alternatives->result.voicingList;
    if (alternative < 0 || alternative >= static_cast<int>(list.size())) return false;
    return pin(chord, list[alternative].frets);
}

bool Song::unpin(int chord) {
    const auto before = pins_.size();
    std::erase_if(pins_, [chord](const SongPin& pin) { return pin.chord == chord; });
    return pins_.size() != before;
}

const SongArrangement& Song::arrange(const ChordQuery& settings) {
    const StringNotes sounding = tuningUnderCapo(settings.inputs.stringNote, settings.inputs.capo);
    if (sounding != pinnedUnder_) pins_.clear();
    pinnedUnder_ = sounding;
    arrangement_ = arrangeSong(symbols_, settings, pins_, searches_);
    return arrangement_;
}

CapoOffer Song::bestCapo(const ChordQuery& settings) {
    return tambrel::bestCapo(symbols_, settings, searches_);
}

} // namespace tambrel
