#pragma once
// The chord name list: every name under which the current chord tones can be read, each tone
// and the bass taken in turn as the root.
#include "note_names.h"

#include <string>
#include <vector>

namespace tambrel {

// The lines of the chord name list, in the order shown. chordTones by value (pitch classes
// 0..11, root first); rootGridNames: the 12 texts of the root grid (the names shown with sharps
// or flats). Both the root and the bass part of every name come from rootGridNames.
//
// The first line keeps the name exactly as built ("A/dim/C"); every later line has its first
// "/" deleted ("Cdim", "Em5+/C"). A pitch class outside 0..11 in the bass or the tones (12 is
// "no note") gives an empty list.
std::vector<std::string> listChordNames(std::vector<int> chordTones, int bassNote,
                                        const NoteNames& rootGridNames);

} // namespace tambrel
