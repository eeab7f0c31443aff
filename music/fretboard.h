#pragma once
// Shared fretboard vocabulary: strings, frets, fret lists and pitch classes.
#include <array>

namespace tambrel {

constexpr int kStringCount = 6;  // string 0 is the lowest-pitched (low E in standard tuning)
constexpr int kFretColumns = 30; // frets 0..29
constexpr int kMuted = 99;       // a string that is not played
constexpr int kNoNote = 12;      // pitch class "no note", left by an unreadable typed root

// Six fret values, string 0 first: 99 muted, 0 open, f fretted, -f first string of a barre at f.
using FretList = std::array<int, kStringCount>;
using StringNotes = std::array<int, kStringCount>;
using MidiNoteTable = std::array<std::array<int, kFretColumns>, kStringCount>;
using FretGrid = std::array<std::array<int, kFretColumns>, kStringCount>;

// E A D G B E, the open strings of standard tuning, string 0 first.
constexpr StringNotes kStandardTuning{4, 9, 2, 7, 11, 4};

} // namespace tambrel
