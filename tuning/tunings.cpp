#include "tuning/tunings.h"

namespace tambrel {

const std::array<TuningPreset, kTuningPresetCount>& tuningPresets() {
    static const std::array<TuningPreset, kTuningPresetCount> presets{{
        {0,
         "StandardTunning1",
         "Standard Tunning",
         "Standard Tuning",
         kStandardTuning,
         {"E", "A", "D", "G", "B", "E"}},
        {1, "EADGCF1", "Open E", "Open E", {4, 11, 4, 8, 11, 4}, {"E", "B", "E", "G#", "B", "E"}},
        {2, "OpenA1", "Open A", "Open A", {4, 9, 4, 9, 1, 4}, {"E", "A", "E", "A", "C#", "E"}},
        {3,
         "AfinaoLute1",
         "Lute Tunning",
         "Afina\xE7\xE3o Lute",
         {4, 9, 2, 6, 11, 4},
         {"E", "A", "D", "F#", "B", "E"}},
        {4,
         "AfinaodeBlues1",
         "Blues Tunning",
         "Afina\xE7\xE3o Blues",
         {4, 9, 2, 7, 0, 5},
         {"E", "A", "D", "G", "C", "F"}},
        {5,
         "RainSong1",
         "Rain Song",
         "Rain Song",
         {2, 7, 0, 7, 0, 2},
         {"D", "G", "C", "G", "C", "D"}},
        {6, "OpenD1", "Open D", "Open D", {2, 9, 2, 6, 9, 2}, {"D", "A", "D", "F#", "A", "D"}},
        {7, "DropD1", "Drop D", "Drop D", {2, 9, 2, 7, 11, 4}, {"D", "A", "D", "G", "B", "E"}},
        {8, "OpenG1", "Open G", "Open G", {2, 7, 2, 7, 11, 2}, {"D", "G", "D", "G", "B", "D"}},
        {9, "C6th1", "C 6th", "C 6th", {0, 7, 0, 7, 9, 4}, {"C", "G", "C", "G", "A", "E"}},
        {10,
         "Afinaoemsolmenor1",
         "G Minor Tunning",
         "G minor tuning",
         {7, 10, 2, 7, 10, 2},
         {"G", "Bb", "D", "G", "Bb", "D"}},
        {11, "Dorvane1", "Dorvane", "Dorvane", {2, 9, 2, 7, 9, 2}, {"D", "A", "D", "G", "A", "D"}},
    }};
    return presets;
}

int tuningPresetByCaption(const std::string& caption) {
    for (const TuningPreset& preset : tuningPresets()) {
        if (caption == preset.menuCaption || caption == preset.buttonCaption) return preset.tag;
    }
    return -1;
}

MidiNoteTable midiNoteTableFor(const StringNotes& stringNote) {
    return midiNoteTableFor(stringNote, 0);
}

MidiNoteTable midiNoteTableFor(const StringNotes& stringNote, int capo) {
    MidiNoteTable table{};
    for (int s = 0; s < kStringCount; ++s) {
        for (int f = 0; f < kFretColumns; ++f)
            table[s][f] = stringNote[s] + kOctaveBase[s] + capo + f;
    }
    return table;
}

} // namespace tambrel
