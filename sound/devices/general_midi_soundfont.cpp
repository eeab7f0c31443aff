#include "sound/devices/general_midi_soundfont.h"

#include <unistd.h>

namespace tambrel {

const std::vector<std::string>& generalMidiSoundFontPaths() {
    static const std::vector<std::string> paths{
        "/usr/share/sounds/sf2/default-GM.sf2", // Debian's alternative for the GM SoundFont
        "/usr/share/sounds/sf2/FluidR3_GM.sf2",    "/usr/share/sounds/sf2/TimGM6mb.sf2",
        "/usr/share/sounds/sf3/default-GM.sf3",    "/usr/share/soundfonts/default.sf2",
        "/usr/share/soundfonts/FluidR3_GM.sf2",    "/usr/share/soundfonts/FluidR3_GM2-2.sf2",
        "/usr/local/share/soundfonts/default.sf2",
    };
    return paths;
}

std::string findGeneralMidiSoundFont() {
    for (const auto& path : generalMidiSoundFontPaths())
        if (::access(path.c_str(), R_OK) == 0) return path;
    return {};
}

} // namespace tambrel
