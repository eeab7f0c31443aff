#pragma once
// The twelve tuning presets and the MIDI note of every string and fret.
#include "music/fretboard.h"

#include <array>
#include <string>

namespace tambrel {

struct TuningPreset {
    int tag;
    const char* menuItem;      // component name of the preset's menu item
    const char* menuCaption;   // as the menu shows it
    const char* buttonCaption; // as the tuning button shows it once chosen (Windows-1252)
    StringNotes notes;         // pitch classes, string 0 first
    std::array<const char*, 6> labels;
};

constexpr int kTuningPresetCount = 12;
const std::array<TuningPreset, kTuningPresetCount>& tuningPresets();

// The preset whose menu caption or button caption is `caption`, or -1.
int tuningPresetByCaption(const std::string& caption);

// Each string's octave depends only on its index, whatever its pitch class: a string tuned
// to a lower pitch class than the one below it can sound lower than that string.
constexpr StringNotes kOctaveBase{36, 36, 48, 48, 48, 60};
MidiNoteTable midiNoteTableFor(const StringNotes& stringNote);
// The same behind a capo at fret `capo`: frets counted from the capo, notes as they sound.
MidiNoteTable midiNoteTableFor(const StringNotes& stringNote, int capo);

} // namespace tambrel
