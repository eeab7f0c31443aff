#include "window/song.h"

#include "music/chord_symbol.h"
#include "music/transposition.h"
#include "search/chord_query.h"

#include <algorithm>

namespace tambrel {

void Song::setText(const std::string& utf8) {
    text_ = utf8;
    if (looksLikeChordPro(text_)) {
        chordPro_ = readChordPro(text_);
        reading_ = chordPro_->reading;
    } else {
        chordPro_.reset();
        reading_ = readSongText(text_);
    }
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

namespace {

// Whether `frets` sound the chord `symbol` under `strings` (pitch classes): every note a tone
// of the chord, its lowest the chord's bass, its root among them.
bool voices(const Fretting& frets, const std::string& symbol, const StringNotes& strings) {
    const SymbolReading read = readChordSymbol(symbol);
    if (!read.chord) return false;
    const std::vector<int> tones = read.chord->pitchClasses();
    bool lowest = true;
    bool root = false;
    for (int s = 0; s < kStringCount; ++s) {
        if (frets.muted(s)) continue;
        const int note = (strings[s] + frets.fret(s)) % 12;
        if (std::find(tones.begin(), tones.end(), note) == tones.end()) return false;
        if (lowest && note != read.chord->lowest()) return false;
        lowest = false;
        root = root || note == read.chord->root;
    }
    return root;
}

} // namespace

int Song::pinStatedFingerings(const ChordQuery& settings) {
    if (!chordPro_) return 0;
    const StringNotes sounding = tuningUnderCapo(settings.inputs.stringNote, settings.inputs.capo);
    if (sounding != pinnedUnder_) pins_.clear();
    pinnedUnder_ = sounding;
    int pinned = 0;
    for (int chord = 0; chord < static_cast<int>(symbols_.size()); ++chord) {
        // A later define of a name wins, as it would in the file.
        const auto& defines = chordPro_->defines;
        const auto define =
            std::find_if(defines.rbegin(), defines.rend(), [&](const ChordProDefine& stated) {
                return stated.name == symbols_[chord];
            });
        if (define == defines.rend() || !voices(define->frets, symbols_[chord], sounding)) continue;
        pin(chord, define->frets);
        ++pinned;
    }
    return pinned;
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
