#pragma once
// Where the built-in synthesiser finds its sounds: a General MIDI SoundFont installed with the
// system.
#include <string>
#include <vector>

namespace tambrel {

// The places General MIDI SoundFonts are installed to, in order of preference.
const std::vector<std::string>& generalMidiSoundFontPaths();
// The first of them that can be read, or "" when there is none.
std::string findGeneralMidiSoundFont();

} // namespace tambrel
