#include "music/fingering_names.h"

#include "music/chord_names.h"

#include <algorithm>
#include <cstdlib>

namespace tambrel {
FingeringNames nameFingering(const Fretting& frets, const MidiNoteTable& midi,
                             const NoteNames& names) {
    FingeringNames named;
    named.pitchClass.fill(-1);
    std::vector<std::pair<int, int>> sounding; // MIDI note, pitch class
    for (int s = 0; s < kStringCount; ++s) {
        const int fret = frets.fret(s);
        if (frets.muted(s) || fret >= kFretColumns) continue;
        const int note = midi[s][fret];
        const int pitch = ((note % 12) + 12) % 12;
        named.pitchClass[s] = pitch;
        named.noteName[s] = names[pitch];
        sounding.emplace_back(note, pitch);
    }
    if (sounding.empty()) return named;

    std::stable_sort(sounding.begin(), sounding.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [note, pitch] : sounding) {
        if (std::find(named.tones.begin(), named.tones.end(), pitch) == named.tones.end())
            named.tones.push_back(pitch);
    }
    named.bass = named.tones.front();
    const std::vector<RootReading> roots = chordReadings(named.tones, named.bass, names);
    named.readings = plainReadings(roots, named.bass, names);
    named.engineNames = chordNameLines(roots);
    return named;
}

bool sameFrets(const Fretting& a, const Fretting& b) {
    return a.frets() == b.frets();
}

std::string fingeringMismatch(const Fretting& frets, const MidiNoteTable& midi,
                              const FingeringLimits& limits, const NoteNames& names) {
    std::vector<int> sounding;
    int lowestString = -1;
    int low = 1000;
    int high = 0;
    for (int s = 0; s < kStringCount; ++s) {
        const int fret = frets.fret(s);
        if (frets.muted(s) || fret >= kFretColumns) continue;
        if (lowestString < 0) lowestString = s;
        sounding.push_back(midi[s][fret] % 12);
        if (fret > 0) {
            low = std::min(low, fret);
            high = std::max(high, fret);
        }
    }
    if (sounding.empty()) return "no notes";
    auto sounds = [&sounding](int pitch) {
        return std::find(sounding.begin(), sounding.end(), pitch) != sounding.end();
    };
    auto isChordTone = [&limits](int pitch) {
        return pitch == limits.bassNote ||
               std::find(limits.chordTones.begin(), limits.chordTones.end(), pitch) !=
                   limits.chordTones.end();
    };
    for (int pitch : limits.chordTones) {
        if (sounds(pitch)) continue;
        if (pitch == (limits.rootNote + limits.fifthInterval) % 12)
            return "it leaves out the fifth, " + names[pitch] + ": tick \"(omit5)\"";
        if (pitch == (limits.rootNote + limits.thirdInterval) % 12)
            return "it leaves out the third, " + names[pitch] + ": tick \"(omit3)\"";
        return "it leaves out " + names[pitch] + ", a tone of the chord";
    }
    for (int pitch : sounding)
        if (!isChordTone(pitch)) return "it sounds " + names[pitch] + ", no tone of the chord";
    const int bassPitch = midi[lowestString][frets.fret(lowestString)] % 12;
    if (bassPitch != limits.bassNote)
        return "its lowest string sounds " + names[bassPitch] + ", not the bass " +
               names[limits.bassNote];
    if (lowestString > 2) return "its bass lies above the third string";
    if (frets.fret(lowestString) >= limits.maxFret)
        return "its bass at fret " + std::to_string(frets.fret(lowestString)) +
               " lies beyond \"Up to fret\" " + std::to_string(limits.maxFret);
    if (low < 1000 && high - low >= limits.distance)
        return "it spans frets " + std::to_string(low) + " to " + std::to_string(high) +
               ", beyond \"Distance\" " + std::to_string(limits.distance);
    return {};
}

} // namespace tambrel
